#pragma once

#include "FlatText.h"
#include "SelectorSet.h"
#include "SheetAnalysis.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

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
    QString m_previousText; // the flat text of the last walk
    QList<Occurrence> m_previous; // its occurrences, viewing into it
    struct Recorded
    {
        int entry = -1;
        SelectorSet::Outcome outcome = SelectorSet::Outcome::Added;
    };
    std::vector<Recorded> m_recorded; // what each occurrence of the last walk recorded
};

// The declarations of a rule as the flat structure tree lists them.
QStringList declarationsOf(const QString &ruleText, const QString &selector);

// The text without its blanks.
QString withoutSpaces(QStringView text);
