// The analysis of a sheet and of a sequence of edits to it, as typing makes them:
// the parser that keeps its lists between runs, and a fresh one, must both agree with
// the literal reference.

#include "FuzzInput.h"
#include "ParserAgreement.h"
#include "document/TextFileFormat.h"

namespace {

// The lines as the editor gives them for a text: split at every line end (NUL too),
// and an empty line after a final one.
QStringList editorLines(const QString &text)
{
    QStringList lines = TextFileFormat::splitLines(text);
    if (!text.isEmpty()
        && (text.back() == QLatin1Char('\n') || text.back() == QLatin1Char('\r') || text.back() == QChar(0)))
        lines << QString();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int edits = in.ConsumeIntegralInRange(0, 6);
    QString sheet = fuzzText(in, in.ConsumeIntegralInRange<size_t>(0, 400));
    StyleSheetParser parser;
    const auto check = [&] {
        const QStringList lines = editorLines(sheet);
        const QString kept = Agreement::disagreement(parser, lines, sheet);
        FUZZ_CHECK(kept.isEmpty(), kept + QStringLiteral("\nsheet: ") + sheet);
        StyleSheetParser fresh;
        const QString anew = Agreement::disagreement(fresh, lines, sheet);
        FUZZ_CHECK(anew.isEmpty(), anew + QStringLiteral("\nsheet: ") + sheet);
    };
    check();
    editInTurn(in, sheet, edits, check);
    return 0;
}
