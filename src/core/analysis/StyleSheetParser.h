#pragma once

#include "SelectorSet.h"
#include "SheetAnalysis.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The sheet as one line without comments.
struct FlatText
{
    QString text;
    int commentCount = 0;
};

// Joins the lines, each trimmed and preceded by one space, and removes comments:
// repeatedly the text from the first "/*" to the first "*/", as long as the "/*"
// stands before that "*/". Comments do not nest, and a "*/" before the first "/*"
// ends the removal. Linear in the length of the text.
FlatText joinAndStripComments(const QStringList &lines);
// The same for the editor's text, its lines separated by line ends; `hasLines` is
// false for a text without any line.
FlatText joinAndStripComments(QStringView sheetText, bool hasLines);

// One rule found by the parse walk, in document order. The view points into the
// flat text it was found in.
struct Occurrence
{
    QStringView selector;
    SelectorKind kind;
    bool repeat;
};

// The parse walk and the analysis. It keeps the sorted selector lists of the last
// run, so that a run that changes a few selectors costs time linear in the sheet.
class StyleSheetParser
{
public:
    // Walks the flat text rule by rule and fills the three lists, the repeats and the
    // error flag of `analysis` (commentCount is the caller's). The occurrences view
    // into `flatText`, which must outlive them.
    QList<Occurrence> parseSheet(const QString &flatText, SheetAnalysis &analysis);


private:
    SelectorSet m_sets[3]; // element, class, ID
    QStringList m_repeated;
    QString m_previousText;          // the flat text of the last walk
    QList<Occurrence> m_previous;    // its occurrences, viewing into it
    struct Recorded
    {
        int entry = -1;
        SelectorSet::Outcome outcome = SelectorSet::Outcome::Added;
    };
    std::vector<Recorded> m_recorded; // what each occurrence of the last walk recorded
};

// The declarations of a rule as the flat structure tree lists them.
QStringList declarationsOf(const QString &ruleText, const QString &selector);

// Trims characters up to and including the blank from both ends.
QStringView trimmedView(QStringView text);

QString withoutSpaces(QStringView text);

// The first "{" and the first "}" at or after a position of a text that is walked
// forward, rule by rule: each brace is looked at once. A position past the end of
// the text means there is none.
class BraceFinder
{
public:
    explicit BraceFinder(const QString &text) : m_text(text) {}
    qsizetype open(qsizetype from) { return next(from, QLatin1Char('{'), m_open); }
    qsizetype close(qsizetype from) { return next(from, QLatin1Char('}'), m_close); }
    qsizetype none() const { return m_text.size(); }

private:
    qsizetype next(qsizetype from, QChar brace, qsizetype &cache)
    {
        if (cache < from) {
            const qsizetype at = m_text.indexOf(brace, from);
            cache = at < 0 ? m_text.size() : at;
        }
        return cache;
    }

    const QString &m_text;
    qsizetype m_open = -1;
    qsizetype m_close = -1;
};
