#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Lays a style sheet out one rule per block and one declaration per line, indented by
// nesting. Only white space changes: selectors, comments and strings stay as written,
// and white space inside what the analysis takes for a selector (an "@import …;"
// before a rule belongs to it) stays too, so the analysis finds the same selectors,
// repeats and comments before and after. Formatting a formatted sheet changes nothing.
namespace SheetFormatter {

// One run of white space (possibly empty) and what replaces it; offsets in characters
// of the sheet.
struct Edit
{
    qsizetype start = 0;
    qsizetype end = 0;
    QString text;
    bool operator==(const Edit &) const = default;
};

// The edits that format the sheet, in order and apart; `indent` is one level. The
// sheet is the editor's text, its lines ended by LF.
QList<Edit> edits(QStringView sheet, const QString &indent);

// Only the edits that lie within [from, to), white space put in at either end not
// counted: formatting a selection.
QList<Edit> within(const QList<Edit> &edits, qsizetype from, qsizetype to);

// The sheet with the edits made.
QString applied(QStringView sheet, const QList<Edit> &edits);

// Where a position of the sheet is after the edits: a position inside replaced white
// space goes to the end of its replacement.
qsizetype positionAfter(const QList<Edit> &edits, qsizetype position);

} // namespace SheetFormatter
