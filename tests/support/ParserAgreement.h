#pragma once

// Everything the analysis produces, checked against the literal reference on the same
// lines: the tests and the fuzzer ask the same question through this.

#include "ReferenceParser.h"
#include "analysis/RuleExtractor.h"
#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"

#include <QStringList>

#include <optional>

namespace Agreement {

struct Outcome
{
    SheetAnalysis analysis;
    QString flatText;
    QStringList occurrences;
    QList<bool> repeats;
};

// The real parser's view of the lines; `parser` keeps what it found between runs.
inline Outcome analyse(StyleSheetParser &parser, const QStringList &lines)
{
    Outcome o;
    const FlatText flat = joinAndStripComments(lines);
    o.flatText = flat.text;
    o.analysis.commentCount = flat.commentCount;
    const QString working = lines.isEmpty() ? QString() : flat.text;
    for (const Occurrence &occurrence : parser.parseSheet(working, o.analysis)) {
        o.occurrences << occurrence.selector.toString();
        o.repeats << occurrence.repeat;
    }
    return o;
}

inline QString shown(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}
inline QString shown(const QStringList &l)
{
    return QLatin1Char('[') + l.join(QLatin1String(" | ")) + QLatin1Char(']');
}
inline QString shown(int n)
{
    return QString::number(n);
}
inline QString shown(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}
inline QString shown(const QList<bool> &l)
{
    QString s;
    for (bool b : l)
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

// Empty when the parser agrees with the reference on these lines; otherwise the first
// thing that differs, with both values. `editorText` is the text the lines came from,
// as the editor holds it; by default the lines joined by LF.
inline QString disagreement(StyleSheetParser &parser, const QStringList &lines,
                            const std::optional<QString> &editorText = std::nullopt)
{
    const Reference::Result expected = Reference::analyse(lines);
    const Outcome actual = analyse(parser, lines);
    QString found;
    const auto compare = [&found](const char *what, const auto &a, const auto &b) {
        if (found.isEmpty() && !(a == b))
            found = QStringLiteral("%1: %2, expected %3").arg(QLatin1String(what), shown(a), shown(b));
    };
    compare("flat text", actual.flatText, expected.flatText);
    compare("comment count", actual.analysis.commentCount, expected.analysis.commentCount);
    compare("parse error", actual.analysis.parseError, expected.analysis.parseError);
    compare("element selectors", actual.analysis.elementSelectors, expected.analysis.elementSelectors);
    compare("class selectors", actual.analysis.classSelectors, expected.analysis.classSelectors);
    compare("ID selectors", actual.analysis.idSelectors, expected.analysis.idSelectors);
    compare("repeated selectors", actual.analysis.repeatedSelectors, expected.analysis.repeatedSelectors);
    compare("occurrences", actual.occurrences, expected.occurrences);
    compare("repeats", actual.repeats, expected.repeats);
    const QString joined = editorText.value_or(lines.join(QLatin1Char('\n')));
    compare("flat text of the editor's text", joinAndStripComments(joined, !lines.isEmpty()).text, expected.flatText);
    compare("flat text of the editor's text, in its own memory",
            joinAndStripComments(QString(joined), !lines.isEmpty()).text, expected.flatText);
    if (!expected.analysis.parseError)
        compare("samples", PreviewPage::buildSamples(expected.flatText), Reference::buildSamples(expected.flatText));
    const QStringList rules = RuleExtractor(expected.flatText).extract(expected.occurrences);
    for (qsizetype i = 0; i < expected.occurrences.size(); ++i)
        compare("extracted rule", rules.value(i), Reference::extractRule(lines, expected.occurrences[i]));
    return found;
}

} // namespace Agreement
