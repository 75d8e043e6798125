#include "ColourSwatches.h"

#include "editor/CssColours.h"

#include <Qsci/qsciscintilla.h>

#include <QEvent>

#include <algorithm>

namespace {

// Lines longer than this (a minified sheet) get bars only where they are in view,
// with this much room either side for a value that crosses the edge.
constexpr long kLongLine = 2048;
constexpr long kEdgeRoom = 128;
// How far past the last line in view a value's end is looked for.
constexpr long kLookahead = 4096;

// The control's colour (blue, green, red from the high byte down) of a colour laid
// over the paper, as it shows on the page.
long shownColour(CssColours::Rgba colour, long paper)
{
    const int alpha = int(colour >> 24);
    const auto mix = [&](int shift, int paperShift) {
        const int ink = int(colour >> shift) & 0xff;
        const int under = int(paper >> paperShift) & 0xff;
        return (ink * alpha + under * (255 - alpha) + 127) / 255;
    };
    return long(mix(16, 0)) | long(mix(8, 8)) << 8 | long(mix(0, 16)) << 16;
}

} // namespace

ColourSwatches::ColourSwatches(QsciScintilla &editor) : QObject(&editor), m_editor(editor)
{
    m_indicator = m_editor.indicatorDefine(QsciScintilla::ThickCompositionIndicator);
    send(QsciScintillaBase::SCI_INDICSETFLAGS, m_indicator, QsciScintillaBase::SC_INDICFLAG_VALUEBEFORE);
    send(QsciScintillaBase::SCI_INDICSETUNDER, m_indicator, 1);
    connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT))
                    ++m_textVersion;
            });
}

long ColourSwatches::send(unsigned int message, unsigned long w, long l) const
{
    return m_editor.SendScintilla(message, w, l);
}

void ColourSwatches::setEnabled(bool on)
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

bool ColourSwatches::eventFilter(QObject *watched, QEvent *event)
{
    // Before the control paints: a bar set now is painted with the text, and a bar
    // that does not change costs no paint at all.
    if (event->type() == QEvent::Paint)
        refresh();
    return QObject::eventFilter(watched, event);
}

void ColourSwatches::refresh()
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
    // the bars are set on the paint after the control has coloured them.
    if (lexer && firstLine > 0 && send(Base::SCI_GETENDSTYLED) < blockStart && m_deferred != view) {
        m_deferred = view; // once: a control that does not colour must not paint forever
        m_editor.viewport()->update();
        return;
    }
    m_shown = view;
    const bool inComment = lexer && firstLine > 0 && send(Base::SCI_GETLINESTATE, firstLine - 1) != 0;

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

    const auto *bytes
        = reinterpret_cast<const char *>(send(Base::SCI_GETRANGEPOINTER, blockStart, blockEnd - blockStart));
    const QList<CssColours::Swatch> swatches
        = CssColours::find(QByteArrayView(bytes, blockEnd - blockStart), from - blockStart, to - blockStart, inComment);

    // Only what differs is changed: the control repaints a range only when its bars
    // change, so an unchanged bar costs nothing.
    const long paper = send(Base::SCI_STYLEGETBACK, Base::STYLE_DEFAULT);
    send(Base::SCI_SETINDICATORCURRENT, m_indicator);
    long cursor = from;
    for (const CssColours::Swatch &s : swatches) {
        const long start = blockStart + long(s.start);
        if (start > cursor)
            send(Base::SCI_INDICATORCLEARRANGE, cursor, start - cursor);
        send(Base::SCI_SETINDICATORVALUE, Base::SC_INDICVALUEBIT | shownColour(s.colour, paper));
        send(Base::SCI_INDICATORFILLRANGE, start, long(s.length));
        cursor = start + long(s.length);
    }
    if (to > cursor)
        send(Base::SCI_INDICATORCLEARRANGE, cursor, to - cursor);
}
