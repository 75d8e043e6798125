// The highlighter's scanner, line by line with the state it carries: the tokens of a
// line cover it exactly, in order, up to its end or a NUL (which ends a line for the
// scanner, as it always did), and scanning a line again from the state before it
// (as the editor does when it colours part of the text) gives the same tokens.

#include "FuzzInput.h"
#include "editor/highlighter/CssScanner.h"

#include <vector>

namespace {

struct Token
{
    TokenKind kind;
    qsizetype start;
    qsizetype length;
    bool operator==(const Token &) const = default;
};

std::vector<Token> scan(CssScanner &scanner, QStringView line)
{
    std::vector<Token> tokens;
    qsizetype end = 0;
    for (scanner.loadLine(line); !scanner.atLineEnd(); scanner.nextToken()) {
        const Token t{scanner.tokenKind(), scanner.tokenStart(), scanner.tokenLength()};
        FUZZ_CHECK(t.start == end && t.length > 0 && t.start + t.length <= line.size(),
                   QStringLiteral("token at %1+%2 after %3 in \"%4\"").arg(t.start).arg(t.length).arg(end).arg(line));
        end = t.start + t.length;
        tokens.push_back(t);
        FUZZ_CHECK(tokens.size() <= size_t(line.size()), QStringLiteral("endless tokens"));
    }
    const qsizetype nul = line.indexOf(QChar(0));
    FUZZ_CHECK(end == (nul < 0 ? line.size() : nul), QStringLiteral("tokens end at %1 of \"%2\"").arg(end).arg(line));
    return tokens;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QStringList lines = fuzzText(in, 2000).split(QLatin1Char('\n'));
    CssScanner scanner;
    std::vector<RangeState> before;
    std::vector<std::vector<Token>> tokens;
    for (const QString &line : lines) {
        before.push_back(scanner.rangeState());
        tokens.push_back(scan(scanner, line));
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        CssScanner again;
        again.setRangeState(before[i]);
        FUZZ_CHECK(scan(again, lines[qsizetype(i)]) == tokens[i],
                   QStringLiteral("line %1 scanned again differs").arg(i));
        if (i + 1 < before.size())
            FUZZ_CHECK(again.rangeState() == before[i + 1], QStringLiteral("state after line %1 differs").arg(i));
    }
    return 0;
}
