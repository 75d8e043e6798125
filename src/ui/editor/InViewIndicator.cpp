#include "InViewIndicator.h"

#include "SheetEditor.h"

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

InViewIndicator::InViewIndicator(SheetEditor &editor, int indicator)
    : QObject(&editor), m_editor(editor), m_indicator(indicator)
{
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT))
                    ++m_textVersion;
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
    const View view{firstLine, lastLine, send(Base::SCI_GETXOFFSET), m_editor.viewport()->width(), m_textVersion};
    if (m_shown == view)
        return;
    // Colour the lines in view first, as the paint would: a long line is then laid out
    // once for both the marks and the paint.
    const long viewEnd = send(Base::SCI_GETLINEENDPOSITION, lastLine);
    if (m_editor.lexer() && send(Base::SCI_GETENDSTYLED) < viewEnd)
        send(Base::SCI_COLOURISE, send(Base::SCI_GETENDSTYLED), viewEnd);
    m_shown = view;
    for (const Segment &segment : segmentsInView(firstLine, lastLine))
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
    const Css::Place place = m_editor.readingPlace(segment.from);
    const long end = std::min(send(Base::SCI_GETLENGTH), segment.to + kLookahead);
    const auto *bytes
        = reinterpret_cast<const char *>(send(Base::SCI_GETRANGEPOINTER, place.offset, end - place.offset));
    const long readFrom = long(place.offset);
    const QList<Mark> marks = this->marks(QByteArrayView(bytes, end - readFrom), segment.from - readFrom,
                                          segment.to - readFrom, place.blocks);

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
