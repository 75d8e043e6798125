#include "SelectorSet.h"

#include "app/Collation.h"

#include <algorithm>

quint64 SelectorSet::foldedHash(QStringView s)
{
    // Folded by code point, as the comparison folds: letters outside the Basic
    // Multilingual Plane (Deseret, say) fold as a pair of UTF-16 units.
    quint64 h = 1469598103934665603ULL;
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t u = s[i].unicode();
        if (u < 0x80) {
            if (u >= 'A' && u <= 'Z')
                u += 32;
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && s[i + 1].isLowSurrogate()) {
            u = QChar::toCaseFolded(QChar::surrogateToUcs4(char16_t(u), s[i + 1].unicode()));
            ++i;
        } else {
            u = QChar::toCaseFolded(u);
        }
        h = (h ^ u) * 1099511628211ULL;
    }
    return h;
}

int SelectorSet::find(QStringView text, quint64 hash) const
{
    const auto head = m_heads.constFind(hash);
    if (head == m_heads.constEnd())
        return -1;
    for (int i = *head; i >= 0; i = m_entries[size_t(i)].next) {
        const QStringView candidate(m_entries[size_t(i)].text);
        // Mostly the same spelling as in the last run: compare exactly first.
        if (candidate.size() == text.size() && (candidate == text || candidate.compare(text, Qt::CaseInsensitive) == 0))
            return i;
    }
    return -1;
}

int SelectorSet::insert(QString text, quint64 hash)
{
    int index;
    if (m_free.empty()) {
        index = int(m_entries.size());
        m_entries.emplace_back();
    } else {
        index = m_free.back();
        m_free.pop_back();
    }
    Entry &e = m_entries[size_t(index)];
    e.text = std::move(text);
    e.hash = hash;
    e.run = m_run;
    const auto head = m_heads.find(hash);
    if (head == m_heads.end()) {
        e.next = -1;
        m_heads.insert(hash, index);
    } else {
        e.next = *head;
        *head = index;
    }
    ++m_alive;
    return index;
}

void SelectorSet::remove(int index)
{
    Entry &e = m_entries[size_t(index)];
    auto head = m_heads.find(e.hash);
    if (*head == index) {
        if (e.next >= 0)
            *head = e.next;
        else
            m_heads.erase(head);
    } else {
        int before = *head;
        while (m_entries[size_t(before)].next != index)
            before = m_entries[size_t(before)].next;
        m_entries[size_t(before)].next = e.next;
    }
    e = Entry();
    m_free.push_back(index);
    --m_alive;
}

void SelectorSet::begin()
{
    ++m_run;
    m_touched = 0;
    m_added.clear();
    m_removed.clear();
}

void SelectorSet::replay(int entry, Outcome outcome)
{
    if (outcome != Outcome::Added)
        return;
    m_entries[size_t(entry)].run = m_run;
    ++m_touched;
}

SelectorSet::Outcome SelectorSet::record(QStringView selector, int &entry)
{
    const quint64 hash = foldedHash(selector);
    const int index = find(selector, hash);
    if (index < 0) {
        QString text = selector.toString();
        m_added << text;
        entry = insert(std::move(text), hash);
        ++m_touched;
        return Outcome::Added;
    }
    entry = index;
    Entry &e = m_entries[size_t(index)];
    if (e.run == m_run)
        return e.text == selector ? Outcome::Repeat : Outcome::Dropped;
    e.run = m_run;
    ++m_touched;
    if (e.text != selector) {
        // Written in another case than before: the new spelling replaces the old.
        m_removed << e.text;
        e.text = selector.toString();
        m_added << e.text;
    }
    return Outcome::Added;
}

const QStringList &SelectorSet::finish()
{
    if (m_touched < m_alive) {
        for (int i = 0; i < int(m_entries.size()); ++i) {
            const Entry &e = m_entries[size_t(i)];
            if (e.run != 0 && e.run != m_run) {
                m_removed << e.text;
                remove(i);
            }
        }
    }
    if (m_added.isEmpty() && m_removed.isEmpty())
        return m_sorted;

    // A few changes are searched in and out; many (a file opened) are merged.
    const qsizetype few = qMax<qsizetype>(8, m_sorted.size() / 64);
    if (m_removed.size() <= few) {
        for (const QString &gone : std::as_const(m_removed)) {
            const auto at = std::lower_bound(m_sorted.begin(), m_sorted.end(), gone, alphabeticallyLess);
            if (at != m_sorted.end() && *at == gone)
                m_sorted.erase(at);
        }
    } else {
        QStringList kept;
        kept.reserve(m_alive);
        for (const QString &text : std::as_const(m_sorted)) {
            const int index = find(text, foldedHash(text));
            if (index >= 0 && m_entries[size_t(index)].text == text)
                kept << text;
        }
        m_sorted = std::move(kept);
    }
    if (m_added.size() <= few) {
        for (const QString &text : std::as_const(m_added))
            m_sorted.insert(std::upper_bound(m_sorted.begin(), m_sorted.end(), text, alphabeticallyLess), text);
    } else {
        std::sort(m_added.begin(), m_added.end(), alphabeticallyLess);
        QStringList merged;
        merged.reserve(m_sorted.size() + m_added.size());
        std::merge(m_sorted.cbegin(), m_sorted.cend(), m_added.cbegin(), m_added.cend(), std::back_inserter(merged),
                   alphabeticallyLess);
        m_sorted = std::move(merged);
    }
    m_added.clear();
    m_removed.clear();
    return m_sorted;
}
