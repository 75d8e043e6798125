#include "StyleSheetParser.h"

#include "BraceFinder.h"

QList<Occurrence> StyleSheetParser::parseSheet(const QString &flatText, SheetAnalysis &analysis)
{
    analysis.parseError = false;
    analysis.errorOffset = -1;

    QList<Occurrence> occurrences;
    occurrences.reserve(m_previous.size() + 16);
    const QChar *w = flatText.constData();
    const qsizetype n = flatText.size();
    qsizetype lastVisible = n - 1;
    while (lastVisible >= 0 && isTrimmed(w[lastVisible]))
        --lastVisible;

    BraceFinder braces(flatText);
    qsizetype pos = 0;
    while (pos <= lastVisible) {
        const qsizetype open = braces.open(pos);
        const qsizetype close = braces.close(pos);
        if (open == n || close == n) {
            analysis.parseError = true;
            qsizetype start = pos;
            while (isTrimmed(w[start]))
                ++start; // stops at the last visible character at the latest
            analysis.errorOffset = open < n ? open : start;
            break;
        }
        const QStringView selector = trimmedView(QStringView(w + pos, open - pos));
        occurrences.append({selector, selectorKind(selector), false});
        pos = close + 1;
    }

    // Most edits change declarations only: the same selectors in the same order give
    // the same lists and repeats as last time. Otherwise the unchanged beginning is
    // replayed and only the rest is looked up.
    const qsizetype common = qMin(occurrences.size(), m_previous.size());
    qsizetype prefix = 0;
    while (prefix < common && occurrences[prefix].selector == m_previous[prefix].selector)
        ++prefix;
    if (prefix == occurrences.size() && prefix == m_previous.size()) {
        for (qsizetype i = 0; i < prefix; ++i)
            occurrences[i].repeat = m_previous[i].repeat;
    } else {
        for (SelectorSet &set : m_sets)
            set.begin();
        std::vector<Recorded> recorded(size_t(occurrences.size()));
        qsizetype repeatsInPrefix = 0;
        for (qsizetype i = 0; i < prefix; ++i) {
            recorded[size_t(i)] = m_recorded[size_t(i)];
            m_sets[int(occurrences[i].kind)].replay(recorded[size_t(i)].entry, recorded[size_t(i)].outcome);
            occurrences[i].repeat = m_previous[i].repeat;
            repeatsInPrefix += occurrences[i].repeat;
        }
        m_repeated.resize(repeatsInPrefix); // the same repeats, in the same order
        for (qsizetype i = prefix; i < occurrences.size(); ++i) {
            Occurrence &o = occurrences[i];
            Recorded &r = recorded[size_t(i)];
            r.outcome = m_sets[int(o.kind)].record(o.selector, r.entry);
            o.repeat = r.outcome == SelectorSet::Outcome::Repeat;
            if (o.repeat)
                m_repeated << o.selector.toString();
        }
        for (SelectorSet &set : m_sets)
            set.finish();
        m_recorded = std::move(recorded);
    }
    m_previousText = flatText; // keeps the viewed text alive
    m_previous = occurrences;

    analysis.repeatedSelectors = m_repeated;
    analysis.elementSelectors = m_sets[int(SelectorKind::Element)].sorted();
    analysis.classSelectors = m_sets[int(SelectorKind::Class)].sorted();
    analysis.idSelectors = m_sets[int(SelectorKind::Id)].sorted();
    return occurrences;
}

QString withoutSpaces(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            out += c;
    }
    return out;
}

QStringList declarationsOf(const QString &ruleText, const QString &selector)
{
    QString rest = ruleText;
    rest.remove(QLatin1Char('}'));
    rest.remove(withoutSpaces(selector) + QLatin1Char('{'), Qt::CaseInsensitive);
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        if (i < rest.size() && rest[i] != QLatin1Char(';') && rest[i].unicode() >= 0x20)
            continue;
        if (i > start)
            pieces << rest.mid(start, i - start);
        start = i + 1;
    }
    return pieces;
}
