// The completion context at any place of any text: the word before the caret lies
// within the text up to the caret and is made of name characters, a value knows its
// property, and a reading from the reading place before the caret finds the same.

#include "FuzzInput.h"
#include "css/ReadingPlaces.h"
#include "editor/CompletionContext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto at = in.ConsumeIntegral<uint16_t>();
    // As the editor holds it: UTF-8, so no half of a surrogate pair stays alone.
    const QString sheet = QString::fromUtf8(fuzzText(in, 3000).toUtf8());
    qsizetype caret = qsizetype(at) % (sheet.size() + 1);
    if (caret > 0 && caret < sheet.size() && sheet[caret].isLowSurrogate())
        --caret; // the caret stands between characters
    const CompletionContext c = CompletionContext::at(sheet, caret);
    FUZZ_CHECK(c.wordStart >= 0 && c.wordStart <= caret,
               QStringLiteral("word from %1 at %2").arg(c.wordStart).arg(caret));
    for (qsizetype i = c.wordStart; i < caret; ++i)
        FUZZ_CHECK(sheet[i].isLetterOrNumber() || sheet[i] == u'-' || sheet[i] == u'_' || sheet[i].unicode() >= 0x80
                       || sheet[i].unicode() == 0, // NUL stands for U+FFFD, as a browser reads it
                   QStringLiteral("word \"%1\"").arg(sheet.sliced(c.wordStart, caret - c.wordStart)));
    FUZZ_CHECK((c.kind == CompletionContext::Kind::Value) == !c.property.isEmpty(), QStringLiteral("property"));

    // The editor reads from the place before the caret, in bytes.
    const QByteArray bytes = sheet.toUtf8();
    const qsizetype caretBytes = sheet.first(caret).toUtf8().size();
    Css::ReadingPlaces places;
    const Css::Place place
        = places.before(caretBytes, [&](qsizetype f, qsizetype t) { return QByteArrayView(bytes).sliced(f, t - f); });
    const QString rest = QString::fromUtf8(QByteArrayView(bytes).sliced(place.offset));
    const qsizetype shift = QString::fromUtf8(QByteArrayView(bytes).first(place.offset)).size();
    CompletionContext resumed = CompletionContext::at(rest, caret - shift, place.blocks);
    resumed.wordStart += shift;
    if (resumed.nameStart >= 0)
        resumed.nameStart += shift;
    const auto described = [](const CompletionContext &x) {
        return QStringLiteral("kind %1 word %2 name %3 %4 @%5")
            .arg(int(x.kind))
            .arg(x.wordStart)
            .arg(x.nameStart)
            .arg(x.property, x.atRule);
    };
    FUZZ_CHECK(
        resumed == c,
        QStringLiteral("from the place %1: %2 instead of %3").arg(place.offset).arg(described(resumed), described(c)));
    return 0;
}
