#include "ColourSwatches.h"

#include "editor/CssColours.h"

#include "SheetEditor.h"

namespace {

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

int defineBar(QsciScintilla &editor)
{
    const int indicator = editor.indicatorDefine(QsciScintilla::ThickCompositionIndicator);
    editor.SendScintilla(QsciScintillaBase::SCI_INDICSETFLAGS, indicator, QsciScintillaBase::SC_INDICFLAG_VALUEBEFORE);
    editor.SendScintilla(QsciScintillaBase::SCI_INDICSETUNDER, indicator, 1);
    return indicator;
}

} // namespace

ColourSwatches::ColourSwatches(SheetEditor &editor) : InViewIndicator(editor, defineBar(editor)) { }

QList<InViewIndicator::Mark> ColourSwatches::marks(QByteArrayView block, qsizetype from, qsizetype to,
                                                   const Css::Blocks &) const
{
    const long paper = editor().SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, QsciScintillaBase::STYLE_DEFAULT);
    QList<Mark> out;
    for (const CssColours::Swatch &s : CssColours::find(block, from, to))
        out.append({s.start, s.length, QsciScintillaBase::SC_INDICVALUEBIT | shownColour(s.colour, paper)});
    return out;
}
