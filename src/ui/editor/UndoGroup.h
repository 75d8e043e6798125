#pragma once

#include <Qsci/qsciscintilla.h>

// Makes the edits of its lifetime one undo step.
class UndoGroup
{
public:
    explicit UndoGroup(QsciScintilla &editor) : m_editor(editor) { m_editor.beginUndoAction(); }
    ~UndoGroup() { m_editor.endUndoAction(); }
    UndoGroup(const UndoGroup &) = delete;
    UndoGroup &operator=(const UndoGroup &) = delete;

private:
    QsciScintilla &m_editor;
};
