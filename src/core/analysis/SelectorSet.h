#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <QHash>

#include <vector>

// One of the three selector lists, kept between analyses. A run records the
// selectors in document order; its result is sorted alphabetically and holds no two
// entries equal but for case (the first one written wins). The entries live on from
// run to run, so a run costs one hash lookup per selector, and only what changed is
// sorted in or out.
class SelectorSet
{
public:
    enum class Outcome { Added, Repeat, Dropped };

    void begin();
    // New in this run, an exact repeat of this run's text, or a case variant of it.
    // `entry` receives the entry the selector belongs to.
    Outcome record(QStringView selector, int &entry);
    // Records again what the last run recorded for the same selector at the same place
    // of an unchanged beginning of the sheet, without looking it up.
    void replay(int entry, Outcome outcome);
    // The sorted list of this run.
    const QStringList &finish();

    const QStringList &sorted() const { return m_sorted; }

    // The hash of the text with its letter case folded, as the set tells entries apart.
    static quint64 foldedHash(QStringView text);

private:
    // The entries are found by a hash of their case-folded text; entries whose hashes
    // collide are chained.
    struct Entry
    {
        QString text; // as recorded in its last run
        quint64 hash = 0;
        quint64 run = 0; // the last run that recorded it; 0 for a free slot
        int next = -1; // the next entry with the same hash
    };

    int find(QStringView text, quint64 hash) const;
    int insert(QString text, quint64 hash);
    void remove(int index);

    QHash<quint64, int> m_heads;
    std::vector<Entry> m_entries;
    std::vector<int> m_free;
    qsizetype m_alive = 0;
    QStringList m_sorted;
    QStringList m_added; // this run
    QStringList m_removed; // this run
    quint64 m_run = 0;
    qsizetype m_touched = 0;
};
