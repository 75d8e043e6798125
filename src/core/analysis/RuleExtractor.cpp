#include "RuleExtractor.h"

#include "StyleSheetParser.h"

#include <QHash>

#include <vector>

namespace {

constexpr quint64 kBase = 1000003ULL;

// The hash of a text read from its end to its start.
quint64 backwardHash(QStringView text)
{
    quint64 h = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        h = h * kBase + text[i].unicode();
    return h;
}

} // namespace

RuleExtractor::RuleExtractor(const QString &flatText) : m_compact(withoutSpaces(trimmedView(flatText))) { }

QStringList RuleExtractor::extract(const QStringList &selectors) const
{
    const QString &text = m_compact;
    const qsizetype n = text.size();

    QStringList keys;
    keys.reserve(selectors.size());
    QHash<QPair<qsizetype, quint64>, QList<int>> byHash;
    qsizetype longest = 0;
    std::vector<bool> hasLength;
    for (const QString &selector : selectors) {
        keys << withoutSpaces(selector) + QLatin1Char('{');
        const QString &key = keys.last();
        byHash[{key.size(), backwardHash(key)}] << int(keys.size() - 1);
        longest = qMax(longest, key.size());
        if (hasLength.size() <= size_t(key.size()))
            hasLength.resize(size_t(key.size()) + 1, false);
        hasLength[size_t(key.size())] = true;
    }

    std::vector<qsizetype> start(size_t(keys.size()), -1);
    qsizetype unfound = keys.size();
    qsizetype segmentStart = 0;
    for (qsizetype p = 0; p < n && unfound > 0; ++p) {
        if (text[p] != QLatin1Char('{'))
            continue;
        quint64 h = 0;
        const qsizetype reach = qMin(p - segmentStart + 1, longest);
        for (qsizetype len = 1; len <= reach; ++len) {
            h = h * kBase + text[p - len + 1].unicode();
            if (!hasLength[size_t(len)])
                continue;
            const auto it = byHash.constFind({len, h});
            if (it == byHash.constEnd())
                continue;
            for (int k : *it) {
                if (start[size_t(k)] < 0 && QStringView(text).sliced(p - len + 1, len) == keys[k]) {
                    start[size_t(k)] = p - len + 1;
                    --unfound;
                }
            }
        }
        segmentStart = p + 1;
    }

    std::vector<qsizetype> nextClose(size_t(n) + 1, n);
    for (qsizetype i = n - 1; i >= 0; --i)
        nextClose[size_t(i)] = text[i] == QLatin1Char('}') ? i : nextClose[size_t(i) + 1];

    QStringList rules;
    rules.reserve(keys.size());
    for (qsizetype k = 0; k < keys.size(); ++k) {
        // A key that does not occur deletes nothing: the rule is taken from the start.
        const qsizetype from = qMax<qsizetype>(0, start[size_t(k)]);
        const qsizetype close = nextClose[size_t(from)];
        rules << (close == n ? text.mid(from) : text.mid(from, close - from + 1));
    }
    return rules;
}
