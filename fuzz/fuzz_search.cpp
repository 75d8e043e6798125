// The search engine against the rule written out character by character: in each line
// the occurrences from the left that do not overlap (and split no surrogate pair),
// those inside the scope and, for whole words, those between non-word characters; the
// lines in the search's order.

#include "FuzzInput.h"
#include "editor/search/FindReplace.h"

using namespace FindReplace;

namespace {

bool splitsCharacter(const QString &line, qsizetype at)
{
    return at > 0 && at < line.size() && line[at].isLowSurrogate() && line[at - 1].isHighSurrogate();
}

// An occurrence at `at`: the same characters, neither end inside a surrogate pair.
bool sameAt(const QString &line, qsizetype at, const QString &text, bool matchCase)
{
    if (at + text.size() > line.size() || splitsCharacter(line, at) || splitsCharacter(line, at + text.size()))
        return false;
    return QStringView(line).sliced(at, text.size()).compare(text, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive)
        == 0;
}

QList<Match> model(const QStringList &lines, const QString &text, const Options &options, Position from, Position to)
{
    QList<Match> found;
    if (text.isEmpty())
        return found;
    QList<QList<Match>> byLine;
    for (int l = 0; l < lines.size(); ++l) {
        QList<Match> inLine;
        const QString &line = lines[l];
        for (qsizetype at = 0; at < line.size();) {
            if (!sameAt(line, at, text, options.matchCase)) {
                ++at;
                continue;
            }
            const Match m{l, int(at), int(at + text.size())};
            const bool inside = !(Position{l, m.start} < from) && !(to < Position{l, m.end});
            const bool word = !options.wholeWord
                || ((at == 0 || !isWordChar(line[at - 1])) && (m.end >= line.size() || !isWordChar(line[m.end])));
            if (inside && word && l >= from.line && l <= to.line)
                inLine << m;
            at += text.size();
        }
        if (options.backwards)
            std::reverse(inLine.begin(), inLine.end());
        byLine << inLine;
    }
    for (int i = 0; i < byLine.size(); ++i)
        found << byLine[options.backwards ? byLine.size() - 1 - i : i];
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    Options options;
    options.matchCase = in.ConsumeBool();
    options.wholeWord = in.ConsumeBool();
    options.backwards = in.ConsumeBool();
    const QString text = fuzzText(in, in.ConsumeIntegralInRange<size_t>(0, 6));
    const Position from{in.ConsumeIntegralInRange(-1, 8), in.ConsumeIntegralInRange(0, 40)};
    const Position to{in.ConsumeIntegralInRange(-1, 8), in.ConsumeIntegralInRange(0, 40)};
    const QStringList lines = fuzzText(in, 600).split(QLatin1Char('\n'));
    const QList<Match> got = matches(lines, text, options, from, to);
    const QList<Match> expected = model(lines, text, options, from, to);
    QString detail
        = QStringLiteral("\"%1\" found %2 times, expected %3").arg(text).arg(got.size()).arg(expected.size());
    FUZZ_CHECK(got == expected, detail);
    return 0;
}
