#pragma once

// The analysis by CSS syntax that reads again only what an edit changed must find what
// a reading of the whole sheet finds: the tests and the fuzzer ask this through here.

#include "analysis/CssSyntaxReader.h"

#include <QStringList>

namespace SyntaxAgreement {

inline QStringList described(const SyntaxReading &r)
{
    QStringList out;
    for (const SyntaxRule &rule : r.rules)
        out << QStringLiteral("%1 %2 %3 %4 %5-%6 %7")
                   .arg(rule.selector)
                   .arg(int(rule.kind))
                   .arg(rule.kindAt)
                   .arg(rule.start)
                   .arg(rule.blockStart)
                   .arg(rule.blockEnd)
                   .arg(rule.repeat ? QStringLiteral("repeat") : QString());
    for (const SyntaxAtRule &a : r.atRules)
        out << QStringLiteral("%1 @%2").arg(a.text).arg(a.start);
    out << QStringLiteral("comments %1, error at %2").arg(r.commentCount).arg(r.errorOffset);
    return out;
}

inline QStringList described(const SheetAnalysis &a)
{
    return {a.elementSelectors.join(u'|'),  a.classSelectors.join(u'|'),   a.idSelectors.join(u'|'),
            a.repeatedSelectors.join(u'|'), a.atRules.join(u'|'),          QString::number(a.commentCount),
            QString::number(a.parseError),  QString::number(a.errorOffset)};
}

// Empty when `parser`, which has read earlier forms of the sheet, reads `sheet` as a
// fresh parser does; otherwise the first line that differs.
inline QString disagreement(CssSyntaxParser &parser, const QString &sheet)
{
    SheetAnalysis kept, fresh;
    const QStringList a = described(parser.parseSheet(sheet, kept)) + described(kept);
    const QStringList b = described(CssSyntaxParser().parseSheet(sheet, fresh)) + described(fresh);
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            return QStringLiteral("%1\nexpected %2").arg(a.value(i), b.value(i));
    }
    return {};
}

} // namespace SyntaxAgreement
