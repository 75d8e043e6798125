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
// Restart places kept; the oldest go first.
constexpr qsizetype kRestarts = 64;

} // namespace

InViewIndicator::InViewIndicator(QsciScintilla &editor, int indicator)
    : QObject(&editor), m_editor(editor), m_indicator(indicator)
{
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)) {
                    ++m_textVersion;
                    while (!m_restarts.isEmpty() && m_restarts.last() > position)
                        m_restarts.removeLast();
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

    // Colour the lines in view first, as the paint would: then their comment state is
    // known, and a long line is laid out once for both the marks and the paint.
    const long viewEnd = send(Base::SCI_GETLINEENDPOSITION, lastLine);
    if (lexer && send(Base::SCI_GETENDSTYLED) < viewEnd)
        send(Base::SCI_COLOURISE, send(Base::SCI_GETENDSTYLED), viewEnd);
    const QList<Segment> segments = segmentsInView(firstLine, lastLine);
    // The lexer carries the comment state from line to line; until its colouring has
    // reached the lines in view (a jump far down, or a key on a long line above other
    // lines in view), the state is not known yet, and the marks are set once the
    // control has painted, and so coloured, them.
    const long styled = send(Base::SCI_GETENDSTYLED);
    const bool stateKnown = std::all_of(segments.begin(), segments.end(), [&](const Segment &s) {
        return s.line == 0 || styled >= send(Base::SCI_POSITIONFROMLINE, s.line);
    });
    if (lexer && !stateKnown && m_deferred != view) {
        m_deferred = view; // once: a control that does not colour must not try forever
        QMetaObject::invokeMethod(this, &InViewIndicator::refresh, Qt::QueuedConnection);
        return;
    }
    m_shown = view;
    for (const Segment &segment : segments)
        mark(segment);
}

QList<InViewIndicator::Segment> InViewIndicator::segmentsInView(long firstLine, long lastLine) const
{
    using Base = QsciScintillaBase;
    const long firstVisible = send(Base::SCI_GETFIRSTVISIBLELINE);
    const long height = send(Base::SCI_TEXTHEIGHT, firstLine);
    const long width = m_editor.viewport()->width();
    QList<Segment> segments;
    bool joinable = false; // the last segment ends with a whole line
    for (long line = firstLine; line <= lastLine; ++line) {
        const long start = send(Base::SCI_POSITIONFROMLINE, line);
        const long end = send(Base::SCI_GETLINEENDPOSITION, line);
        if (end - start <= kLongLine) {
            if (joinable)
                segments.last().to = end;
            else
                segments.append({line, start, end});
            joinable = true;
            continue;
        }
        const long y = (send(Base::SCI_VISIBLEFROMDOCLINE, line) - firstVisible) * height;
        segments.append({line, std::max(start, send(Base::SCI_POSITIONFROMPOINT, 0, y) - kEdgeRoom),
                         std::min(end, send(Base::SCI_POSITIONFROMPOINT, width, y) + kEdgeRoom)});
        joinable = false;
    }
    return segments;
}

void InViewIndicator::mark(const Segment &segment)
{
    using Base = QsciScintillaBase;
    const long lineStart = send(Base::SCI_POSITIONFROMLINE, segment.line);
    long readFrom = lineStart;
    bool inComment = m_editor.lexer() && segment.line > 0 && send(Base::SCI_GETLINESTATE, segment.line - 1) != 0;
    // The nearest restart place on the line before the segment saves reading the line
    // from its start.
    const auto restart = std::upper_bound(m_restarts.cbegin(), m_restarts.cend(), segment.from);
    if (restart != m_restarts.cbegin() && *(restart - 1) > lineStart) {
        readFrom = *(restart - 1);
        inComment = false;
    }
    const long end = std::min(send(Base::SCI_GETLENGTH), segment.to + kLookahead);
    const auto *bytes = reinterpret_cast<const char *>(send(Base::SCI_GETRANGEPOINTER, readFrom, end - readFrom));
    qsizetype found = 0;
    const QList<Mark> marks = this->marks(QByteArrayView(bytes, end - readFrom), segment.from - readFrom,
                                          segment.to - readFrom, inComment, &found);
    if (found > 0 && readFrom + found > lineStart) {
        const long place = readFrom + long(found);
        const auto at = std::lower_bound(m_restarts.begin(), m_restarts.end(), place);
        if (at == m_restarts.end() || *at != place)
            m_restarts.insert(at, place);
        if (m_restarts.size() > kRestarts)
            m_restarts.removeFirst();
    }

    // Only what differs is changed: the control repaints a range only when its marks
    // change.
    send(Base::SCI_SETINDICATORCURRENT, m_indicator);
    long cursor = segment.from;
    for (const Mark &m : marks) {
        const long start = readFrom + long(m.start);
        if (start > cursor)
            send(Base::SCI_INDICATORCLEARRANGE, cursor, start - cursor);
        send(Base::SCI_SETINDICATORVALUE, m.value);
        send(Base::SCI_INDICATORFILLRANGE, start, long(m.length));
        cursor = start + long(m.length);
    }
    if (segment.to > cursor)
        send(Base::SCI_INDICATORCLEARRANGE, cursor, segment.to - cursor);
}
