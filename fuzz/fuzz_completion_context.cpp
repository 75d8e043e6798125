// The completion context at any place of any text: the word before the caret lies
// within the text up to the caret and is made of name characters, and a value knows
// its property.

#include "FuzzInput.h"
#include "editor/CompletionContext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto at = in.ConsumeIntegral<uint16_t>();
    const QString sheet = fuzzText(in, 3000);
    const qsizetype caret = qsizetype(at) % (sheet.size() + 1);
    const CompletionContext c = CompletionContext::at(sheet, caret);
    FUZZ_CHECK(c.wordStart >= 0 && c.wordStart <= caret,
               QStringLiteral("word from %1 at %2").arg(c.wordStart).arg(caret));
    for (qsizetype i = c.wordStart; i < caret; ++i)
        FUZZ_CHECK(sheet[i].isLetterOrNumber() || sheet[i] == u'-' || sheet[i] == u'_' || sheet[i].unicode() >= 0x80,
                   QStringLiteral("word \"%1\"").arg(sheet.sliced(c.wordStart, caret - c.wordStart)));
    FUZZ_CHECK((c.kind == CompletionContext::Kind::Value) == !c.property.isEmpty(), QStringLiteral("property"));
    return 0;
}
