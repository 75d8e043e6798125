#include "UnknownNames.h"

#include "editor/DeclarationNames.h"
#include "editor/SheetEditor.h"

#include <QEvent>

namespace {

using Base = QsciScintillaBase;
constexpr long kLookahead = 4096; // past the last line in view, for a declaration's end

} // namespace

UnknownNames::UnknownNames(SheetEditor &editor, QSet<QString> known, QObject *parent)
    : QObject(parent), m_editor(editor), m_known(std::move(known))
{
    m_indicator = m_editor.indicatorDefine(QsciScintilla::SquiggleIndicator);
    m_editor.setIndicatorForegroundColor(QColor(220, 0, 0), m_indicator);
    connect(&m_editor, &Base::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (Base::SC_MOD_INSERTTEXT | Base::SC_MOD_DELETETEXT))
                    ++m_textVersion;
            });
}

void UnknownNames::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    m_shown.reset();
    if (on) {
        m_editor.viewport()->installEventFilter(this);
        m_editor.viewport()->update();
    } else {
        m_editor.viewport()->removeEventFilter(this);
        m_editor.SendScintilla(Base::SCI_SETINDICATORCURRENT, m_indicator);
        m_editor.SendScintilla(Base::SCI_INDICATORCLEARRANGE, 0, m_editor.SendScintilla(Base::SCI_GETLENGTH));
    }
}

bool UnknownNames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        refresh();
    return QObject::eventFilter(watched, event);
}

void UnknownNames::refresh()
{
    const long lineCount = m_editor.SendScintilla(Base::SCI_GETLINECOUNT);
    const long firstVisible = m_editor.SendScintilla(Base::SCI_GETFIRSTVISIBLELINE);
    const long firstLine = m_editor.SendScintilla(Base::SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long lastLine
        = std::min(lineCount - 1,
                   m_editor.SendScintilla(Base::SCI_DOCLINEFROMVISIBLE,
                                          firstVisible + m_editor.SendScintilla(Base::SCI_LINESONSCREEN)));
    const View view{firstLine, lastLine, m_editor.SendScintilla(Base::SCI_GETXOFFSET), m_textVersion};
    if (m_shown == view)
        return;
    m_shown = view;
    const long from = m_editor.SendScintilla(Base::SCI_POSITIONFROMLINE, firstLine);
    const long to = m_editor.SendScintilla(Base::SCI_GETLINEENDPOSITION, lastLine);
    const long end = std::min(m_editor.SendScintilla(Base::SCI_GETLENGTH), to + kLookahead);
    const bool inComment
        = m_editor.lexer() && firstLine > 0 && m_editor.SendScintilla(Base::SCI_GETLINESTATE, firstLine - 1) != 0;
    const auto *bytes
        = reinterpret_cast<const char *>(m_editor.SendScintilla(Base::SCI_GETRANGEPOINTER, from, end - from));
    const QByteArrayView text(bytes, end - from);

    m_editor.SendScintilla(Base::SCI_SETINDICATORCURRENT, m_indicator);
    long cursor = from;
    for (const DeclarationNames::Name &n : DeclarationNames::find(text, 0, to - from, inComment)) {
        if (m_known.contains(QString::fromUtf8(text.sliced(n.start, n.length)).toLower()))
            continue;
        const long start = from + long(n.start);
        if (start > cursor)
            m_editor.SendScintilla(Base::SCI_INDICATORCLEARRANGE, cursor, start - cursor);
        m_editor.SendScintilla(Base::SCI_INDICATORFILLRANGE, start, long(n.length));
        cursor = start + long(n.length);
    }
    if (to > cursor)
        m_editor.SendScintilla(Base::SCI_INDICATORCLEARRANGE, cursor, to - cursor);
}
