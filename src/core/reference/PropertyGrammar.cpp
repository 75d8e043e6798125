#include "PropertyGrammar.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <vector>

namespace {

// Edits (a letter changed, missing, extra, or two neighbours swapped) from `a` to
// `b`, or `limit + 1` once it is sure to exceed `limit`.
int distance(const QString &a, const QString &b, int limit)
{
    const qsizetype m = a.size(), n = b.size();
    if (std::abs(m - n) > limit)
        return limit + 1;
    std::vector<int> before(size_t(n + 1)), previous(size_t(n + 1)), current(size_t(n + 1));
    for (qsizetype j = 0; j <= n; ++j)
        previous[size_t(j)] = int(j);
    for (qsizetype i = 1; i <= m; ++i) {
        current[0] = int(i);
        int rowBest = current[0];
        for (qsizetype j = 1; j <= n; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1, previous[size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[size_t(j - 2)] + 1);
            current[size_t(j)] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[size_t(n)];
}

} // namespace

PropertyGrammar PropertyGrammar::read(const QString &path)
{
    PropertyGrammar grammar;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return grammar;
    const QJsonObject extract = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject properties = extract.value(QLatin1String("properties")).toObject();
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QJsonObject p = it.value().toObject();
        grammar.m_properties.insert(
            it.key().toLower(),
            {it.key(), p.value(QLatin1String("syntax")).toString(), p.value(QLatin1String("initial")).toString()});
    }
    for (const QJsonValue name : extract.value(QLatin1String("otherNames")).toArray())
        grammar.m_otherNames << name.toString();
    const QJsonObject atRules = extract.value(QLatin1String("atRules")).toObject();
    for (auto rule = atRules.begin(); rule != atRules.end(); ++rule) {
        QHash<QString, Property> &descriptors = grammar.m_descriptors[rule.key().toLower()];
        const QJsonObject names = rule.value().toObject();
        for (auto it = names.begin(); it != names.end(); ++it) {
            const QJsonObject d = it.value().toObject();
            descriptors.insert(
                it.key().toLower(),
                {it.key(), d.value(QLatin1String("syntax")).toString(), d.value(QLatin1String("initial")).toString()});
        }
    }
    return grammar;
}

const PropertyGrammar::Property *PropertyGrammar::findDescriptor(const QString &atRule, const QString &name) const
{
    const auto rule = m_descriptors.constFind(atRule.toLower());
    if (rule == m_descriptors.cend())
        return nullptr;
    const auto it = rule->constFind(name.toLower());
    return it == rule->cend() ? nullptr : &*it;
}

QHash<QString, QStringList> PropertyGrammar::descriptorNames() const
{
    QHash<QString, QStringList> out;
    for (auto rule = m_descriptors.cbegin(); rule != m_descriptors.cend(); ++rule) {
        QStringList &names = out[rule.key()];
        for (const Property &d : *rule)
            names << d.name;
        names.sort();
    }
    return out;
}

const PropertyGrammar::Property *PropertyGrammar::find(const QString &name) const
{
    const auto it = m_properties.constFind(name.toLower());
    return it == m_properties.cend() ? nullptr : &*it;
}

QStringList PropertyGrammar::names() const
{
    QStringList out = m_otherNames;
    out.reserve(m_properties.size() + m_otherNames.size());
    for (const Property &p : m_properties)
        out << p.name;
    return out;
}

QStringList PropertyGrammar::nearest(const QString &name, const QStringList &more, int count) const
{
    constexpr int kLimit = 2;
    const QString wanted = name.toLower();
    QStringList candidates = names();
    candidates << more;
    QList<std::pair<int, QString>> found;
    for (const QString &c : std::as_const(candidates)) {
        const int d = distance(wanted, c.toLower(), kLimit);
        if (d <= kLimit && d > 0)
            found.append({d, c});
    }
    std::sort(found.begin(), found.end());
    QStringList names;
    for (const auto &[d, c] : found)
        if (!names.contains(c, Qt::CaseInsensitive) && names.size() < count)
            names << c;
    return names;
}
