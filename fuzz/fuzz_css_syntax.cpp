// The analysis by CSS syntax of a sheet and of a sequence of edits to it, as typing
// makes them: the parser that reads again only what changed finds what a fresh one
// finds, and neither takes unbounded time or stack.

#include "FuzzInput.h"
#include "SyntaxAgreement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int edits = in.ConsumeIntegralInRange(0, 8);
    QString sheet = fuzzText(in, in.ConsumeIntegralInRange<size_t>(0, 600));
    CssSyntaxParser parser;
    const auto check = [&] {
        const QString differs = SyntaxAgreement::disagreement(parser, sheet);
        FUZZ_CHECK(differs.isEmpty(), differs + QStringLiteral("\nsheet: ") + sheet);
    };
    check();
    editInTurn(in, sheet, edits, check);
    return 0;
}
