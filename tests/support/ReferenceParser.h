#pragma once

// The analysis written as literally as it is described: repeated searches from the
// start of a shrinking text. Slow, and obviously right; the real one must agree.

#include "analysis/SheetAnalysis.h"
#include "app/Collation.h"
#include "preview/PreviewPage.h"

#include <QStringList>

namespace Reference {

inline QString trim(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 0x20)
        ++b;
    while (e > b && s[e - 1].unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

inline QString joinAndStrip(const QStringList &lines, int &comments)
{
    QString text;
    for (const QString &line : lines)
        text += QLatin1Char(' ') + trim(line);
    comments = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1String("/*"));
        const qsizetype close = text.indexOf(QLatin1String("*/"));
        if (open < 0 || close < 0 || !(open < close))
            break;
        ++comments;
        text.remove(open, close + 2 - open);
    }
    return text;
}

struct Result
{
    SheetAnalysis analysis;
    QString flatText;
    QStringList occurrences;
    QList<bool> repeats;
};

inline void record(const QString &selector, QStringList &list, Result &r)
{
    if (list.contains(selector)) {
        r.analysis.repeatedSelectors << selector;
        r.repeats << true;
        return;
    }
    r.repeats << false;
    for (const QString &entry : list) {
        if (entry.compare(selector, Qt::CaseInsensitive) == 0)
            return;
    }
    qsizetype at = 0;
    while (at < list.size() && !alphabeticallyLess(selector, list[at]))
        ++at;
    list.insert(at, selector);
}

inline Result analyse(const QStringList &lines)
{
    Result r;
    r.flatText = joinAndStrip(lines, r.analysis.commentCount);
    QString w = lines.isEmpty() ? QString() : r.flatText;
    for (;;) {
        if (trim(w).isEmpty())
            break;
        const qsizetype open = w.indexOf(QLatin1Char('{'));
        if (open < 0) {
            w.clear();
            r.analysis.parseError = true;
            break;
        }
        const qsizetype close = w.indexOf(QLatin1Char('}'));
        if (close < 0) {
            r.analysis.parseError = true;
            break;
        }
        const QString selector = trim(w.left(open));
        r.occurrences << selector;
        switch (selectorKind(selector)) {
        case SelectorKind::Element:
            record(selector, r.analysis.elementSelectors, r);
            break;
        case SelectorKind::Class:
            record(selector, r.analysis.classSelectors, r);
            break;
        case SelectorKind::Id:
            record(selector, r.analysis.idSelectors, r);
            break;
        }
        w.remove(0, close + 1);
    }
    return r;
}

inline QString extractRule(const QStringList &lines, const QString &selector)
{
    int comments = 0;
    QString text = trim(joinAndStrip(lines, comments));
    text.remove(QLatin1Char(' '));
    QString key = selector;
    key.remove(QLatin1Char(' '));
    key += QLatin1Char('{');
    const qsizetype at = text.indexOf(key);
    if (at > 0)
        text.remove(0, at);
    const qsizetype close = text.indexOf(QLatin1Char('}'));
    if (close >= 0)
        text.truncate(close + 1);
    return text;
}

inline QString buildSamples(QString text)
{
    QString samples;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('{'));
        const qsizetype close = text.indexOf(QLatin1Char('}'));
        if (open < 0 || close < 0)
            break;
        const QString selector = trim(text.left(open));
        switch (selectorKind(selector)) {
        case SelectorKind::Element:
            samples += PreviewPage::elementSample(selector);
            break;
        case SelectorKind::Class: {
            const qsizetype dot = selector.indexOf(QLatin1Char('.'));
            samples += PreviewPage::classSample(selector.left(dot), selector.mid(dot + 1), selector);
            break;
        }
        case SelectorKind::Id:
            samples += PreviewPage::idSample(selector);
            break;
        }
        samples += QStringLiteral("\r\n");
        text.remove(0, close + 1);
    }
    return samples;
}

} // namespace Reference
