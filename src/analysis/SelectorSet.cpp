#include "SelectorSet.h"

#include "app/Collation.h"

#include <algorithm>

size_t SelectorSet::FoldedHash::operator()(QStringView s) const noexcept
{
    size_t h = 1469598103934665603ULL;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        const char16_t folded = u < 0x80 ? char16_t(u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toCaseFolded().unicode();
        h = (h ^ folded) * 1099511628211ULL;
    }
    return h;
}

void SelectorSet::begin()
{
    m_seen.clear();
    m_recorded.clear();
}

SelectorSet::Outcome SelectorSet::record(QStringView selector)
{
    const auto [it, inserted] = m_seen.try_emplace(selector, int(m_recorded.size()));
    if (inserted) {
        m_recorded.push_back(selector);
        return Outcome::Added;
    }
    return it->first == selector ? Outcome::Repeat : Outcome::Dropped;
}

void SelectorSet::reindex()
{
    m_index.clear();
    m_index.reserve(size_t(m_sorted.size()));
    for (int i = 0; i < m_sorted.size(); ++i)
        m_index.emplace(QStringView(m_sorted[i]), i);
}

const QStringList &SelectorSet::finish()
{
    std::vector<bool> kept(size_t(m_sorted.size()), false);
    QStringList added;
    for (QStringView s : m_recorded) {
        const auto it = m_index.find(s);
        if (it != m_index.end())
            kept[size_t(it->second)] = true;
        else
            added << s.toString();
    }
    const bool removedSome = std::find(kept.begin(), kept.end(), false) != kept.end();
    if (added.isEmpty() && !removedSome)
        return m_sorted;

    std::sort(added.begin(), added.end(), alphabeticallyLess);
    QStringList merged;
    merged.reserve(qsizetype(m_recorded.size()));
    auto next = added.cbegin();
    for (int i = 0; i < m_sorted.size(); ++i) {
        if (!kept[size_t(i)])
            continue;
        for (; next != added.cend() && alphabeticallyLess(*next, m_sorted[i]); ++next)
            merged << *next;
        merged << m_sorted[i];
    }
    for (; next != added.cend(); ++next)
        merged << *next;
    m_sorted = std::move(merged);
    reindex();
    ++m_generation;
    return m_sorted;
}
