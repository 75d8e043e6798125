#include "InViewIndicator.h"

#include <Qsci/qsciscintilla.h>

#include <QEvent>

#include <algorithm>

namespace {

// Lines longer than this (a minified sheet) get marks only where they are in view,
// with this much room either side for a mark that crosses the edge.
constexpr long kLongLine = 2048;
constexpr long kEdgeRoom = 128;
// How far past the last line in view a mark's end is looked for.
constexpr long kLookahead = 4096;

} // namespace

InViewIndicator::InViewIndicator(QsciScintilla &editor, int indicator)
    : QObject(&editor), m_editor(editor), m_indicator(indicator)
{
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)) {
                    ++m_textVersion;
                    if (position < m_restart)
                        m_restart = -1;
                }
            });
}

long InViewIndicator::send(unsigned int message, unsigned long w, long l) const
{
    return m_editor.SendScintilla(message, w, l);
}

void InViewIndicator::setEnabled(bool on)
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
        send(QsciScintillaBase::SCI_SETINDICATORCURRENT, m_indicator);
        send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, send(QsciScintillaBase::SCI_GETLENGTH));
    }
}

void InViewIndicator::invalidate()
{
    m_shown.reset();
    if (m_enabled)
        m_editor.viewport()->update();
}

bool InViewIndicator::eventFilter(QObject *watched, QEvent *event)
{
    // Before the control paints: a mark set now is painted with the text.
    if (event->type() == QEvent::Paint)
        refresh();
    return QObject::eventFilter(watched, event);
}

void InViewIndicator::refresh()
{
    using Base = QsciScintillaBase;
    const long lineCount = send(Base::SCI_GETLINECOUNT);
    const long firstVisible = send(Base::SCI_GETFIRSTVISIBLELINE);
    const long firstLine = send(Base::SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long lastLine
        = std::min(lineCount - 1, send(Base::SCI_DOCLINEFROMVISIBLE, firstVisible + send(Base::SCI_LINESONSCREEN)));
    const bool lexer = m_editor.lexer() != nullptr;
    const View view{firstLine,     lastLine, send(Base::SCI_GETXOFFSET), m_editor.viewport()->width(),
                    m_textVersion, lexer};
    if (m_shown == view)
        return;

    const long blockStart = send(Base::SCI_POSITIONFROMLINE, firstLine);
    // The lexer carries the comment state from line to line; until its colouring has
    // reached the lines in view (a jump far down), the state is not known yet, and
    // the marks are set on the paint after the control has coloured them.
    if (lexer && firstLine > 0 && send(Base::SCI_GETENDSTYLED) < blockStart && m_deferred != view) {
        m_deferred = view; // once: a control that does not colour must not paint forever
        m_editor.viewport()->update();
        return;
    }
    m_shown = view;
    bool inComment = lexer && firstLine > 0 && send(Base::SCI_GETLINESTATE, firstLine - 1) != 0;

    const long length = send(Base::SCI_GETLENGTH);
    const long lastLineEnd = send(Base::SCI_GETLINEENDPOSITION, lastLine);
    const long blockEnd = std::min(length, lastLineEnd + kLookahead);
    long from = blockStart;
    long to = lastLineEnd;
    const int height = int(send(Base::SCI_TEXTHEIGHT, firstLine));
    const int width = m_editor.viewport()->width();
    if (send(Base::SCI_GETLINEENDPOSITION, firstLine) - blockStart > kLongLine)
        from = std::max(blockStart, send(Base::SCI_POSITIONFROMPOINT, 0, 0) - kEdgeRoom);
    if (lastLineEnd - send(Base::SCI_POSITIONFROMLINE, lastLine) > kLongLine) {
        const long y = (send(Base::SCI_VISIBLEFROMDOCLINE, lastLine) - firstVisible) * height;
        to = std::min(lastLineEnd, send(Base::SCI_POSITIONFROMPOINT, width, y) + kEdgeRoom);
    }

    long readFrom = blockStart;
    if (m_restart > blockStart && m_restart <= from) {
        readFrom = m_restart;
        inComment = false;
    }
    const auto *bytes = reinterpret_cast<const char *>(send(Base::SCI_GETRANGEPOINTER, readFrom, blockEnd - readFrom));
    qsizetype restart = 0;
    const QList<Mark> found
        = marks(QByteArrayView(bytes, blockEnd - readFrom), from - readFrom, to - readFrom, inComment, &restart);
    if (restart > 0)
        m_restart = readFrom + long(restart);

    // Only what differs is changed: the control repaints a range only when its marks
    // change.
    send(Base::SCI_SETINDICATORCURRENT, m_indicator);
    long cursor = from;
    for (const Mark &m : found) {
        const long start = readFrom + long(m.start);
        if (start > cursor)
            send(Base::SCI_INDICATORCLEARRANGE, cursor, start - cursor);
        send(Base::SCI_SETINDICATORVALUE, m.value);
        send(Base::SCI_INDICATORFILLRANGE, start, long(m.length));
        cursor = start + long(m.length);
    }
    if (to > cursor)
        send(Base::SCI_INDICATORCLEARRANGE, cursor, to - cursor);
}
