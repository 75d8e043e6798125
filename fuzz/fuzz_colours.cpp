// The colour values the editor shows as swatches: each one in the range asked for, in
// order, a whole colour value read the same on its own; a narrower range reports the
// same values as a full scan, so does one from the place it reports as a restart, and
// starting inside a comment is starting after "/*".

#include "FuzzInput.h"
#include "editor/CssColours.h"

namespace {

QString described(const QList<CssColours::Swatch> &swatches)
{
    QStringList out;
    for (const CssColours::Swatch &s : swatches)
        out << QStringLiteral("%1+%2=%3").arg(s.start).arg(s.length).arg(s.colour, 8, 16);
    return out.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegral<uint16_t>();
    const auto b = in.ConsumeIntegral<uint16_t>();
    const QByteArray text = fuzzText(in, 3000).toUtf8();
    const qsizetype n = text.size();
    const qsizetype from = n ? qsizetype(a) % (n + 1) : 0;
    const qsizetype to = from + (n ? qsizetype(b) % (n + 1 - from) : 0);

    const QList<CssColours::Swatch> all = CssColours::find(text, 0, n);
    qsizetype end = 0;
    for (const CssColours::Swatch &s : all) {
        FUZZ_CHECK(s.start >= end && s.length > 0 && s.start + s.length <= n, described(all));
        end = s.start + s.length;
        const auto alone = CssColours::colourOf(QByteArrayView(text).sliced(s.start, s.length));
        FUZZ_CHECK(alone && *alone == s.colour, described({s}) + QStringLiteral(" read alone differs"));
    }

    QList<CssColours::Swatch> inRange;
    for (const CssColours::Swatch &s : all)
        if (s.start >= from && s.start < to)
            inRange << s;
    for (const bool inComment : {false, true}) {
        qsizetype restart = -1;
        const QList<CssColours::Swatch> ranged = CssColours::find(text, from, to, inComment, &restart);
        if (!inComment)
            FUZZ_CHECK(ranged == inRange,
                       QStringLiteral("[%1, %2): %3 instead of %4")
                           .arg(from)
                           .arg(to)
                           .arg(described(ranged), described(inRange)));
        FUZZ_CHECK(restart >= 0 && restart <= from, QStringLiteral("restart %1").arg(restart));
        if (restart == 0)
            continue;
        QList<CssColours::Swatch> resumed
            = CssColours::find(QByteArrayView(text).sliced(restart), from - restart, to - restart);
        for (CssColours::Swatch &s : resumed)
            s.start += restart;
        FUZZ_CHECK(resumed == ranged,
                   QStringLiteral("from the restart %1: %2 instead of %3")
                       .arg(restart)
                       .arg(described(resumed), described(ranged)));
    }

    QList<CssColours::Swatch> opened = CssColours::find("/*" + text, 0, n + 2);
    for (CssColours::Swatch &s : opened)
        s.start -= 2;
    const QList<CssColours::Swatch> inComment = CssColours::find(text, 0, n, true);
    FUZZ_CHECK(inComment == opened, described(inComment) + QStringLiteral(" instead of ") + described(opened));
    return 0;
}
