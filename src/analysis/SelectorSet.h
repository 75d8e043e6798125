#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <unordered_map>
#include <vector>

// One of the three selector lists, kept between analyses. A run records the
// selectors in document order; its result is sorted alphabetically and holds no two
// entries equal but for case (the first one written wins). Only what changed since
// the last run is sorted in, so a run costs time linear in the number of selectors.
class SelectorSet
{
public:
    enum class Outcome { Added, Repeat, Dropped };

    void begin();
    // An exact repeat of a recorded text, a case variant of one (dropped), or new.
    Outcome record(QStringView selector);
    // The sorted list of this run. The views given to record() must still be valid.
    const QStringList &finish();

    const QStringList &sorted() const { return m_sorted; }
    quint64 generation() const { return m_generation; }

private:
    struct FoldedHash
    {
        size_t operator()(QStringView s) const noexcept;
    };
    struct FoldedEqual
    {
        bool operator()(QStringView a, QStringView b) const noexcept
        {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };
    struct ExactHash
    {
        size_t operator()(QStringView s) const noexcept { return qHash(s); }
    };

    void reindex();

    std::unordered_map<QStringView, int, FoldedHash, FoldedEqual> m_seen; // this run
    std::vector<QStringView> m_recorded;                                   // this run, in order
    QStringList m_sorted;                                                  // the last result
    std::unordered_map<QStringView, int, ExactHash> m_index;               // into m_sorted
    quint64 m_generation = 0;
};
