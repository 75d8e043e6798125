#include "ChangeBatch.h"

#include "SheetEditor.h"

ChangeBatch::ChangeBatch(SheetEditor &editor) : m_editor(editor)
{
    ++m_editor.m_batchDepth;
}

ChangeBatch::~ChangeBatch()
{
    if (--m_editor.m_batchDepth == 0 && m_editor.m_changePending) {
        m_editor.m_changePending = false;
        emit m_editor.changed();
    }
}
