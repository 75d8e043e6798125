// The colour values the editor shows as swatches: each one in the range asked for, in
// order, a whole colour value read the same on its own; a narrower range and a search
// from the reading place before it agree with a full scan.

#include "FuzzInput.h"
#include "editor/CssColours.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegral<uint16_t>();
    const auto b = in.ConsumeIntegral<uint16_t>();
    const QByteArray text = fuzzText(in, 3000).toUtf8();
    const qsizetype n = text.size();
    const qsizetype from = n ? qsizetype(a) % (n + 1) : 0;
    const qsizetype to = from + (n ? qsizetype(b) % (n + 1 - from) : 0);

    const QList<CssColours::Swatch> all = checkRangeSearch<CssColours::Swatch>(
        text, from, to,
        [](QByteArrayView t, qsizetype f, qsizetype e, const Css::Blocks &) { return CssColours::find(t, f, e); });
    for (const CssColours::Swatch &s : all) {
        const auto alone = CssColours::colourOf(QByteArrayView(text).sliced(s.start, s.length));
        FUZZ_CHECK(alone && *alone == s.colour,
                   QStringLiteral("%1+%2=%3 read alone differs").arg(s.start).arg(s.length).arg(s.colour, 8, 16));
    }
    return 0;
}
