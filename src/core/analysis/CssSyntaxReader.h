#pragma once

#include "SelectorSet.h"
#include "SheetAnalysis.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// One style rule as the CSS reading lists it.
struct SyntaxRule
{
    // The selector as it resolves (a nested rule's with its parents'), comments left
    // out and white space written as one blank.
    QString selector;
    SelectorKind kind = SelectorKind::Element;
    // Where in `selector` the "." or "#" stands that made it a class or an ID; -1 for
    // an element selector.
    qsizetype kindAt = -1;
    bool repeat = false;
    qsizetype start = 0; // where it is written in the sheet
    qsizetype blockStart = 0; // its block's contents in the sheet, for its declarations
    qsizetype blockEnd = 0;
    // What tells repeats apart: the enclosing at-rules and the selectors in any order.
    QString repeatKey;
};

// An at-rule: its keyword and prelude as one text ("@media (min-width: 600px)").
struct SyntaxAtRule
{
    QString text;
    qsizetype start = 0;
};

// The sheet read as a browser reads it (CSS Syntax Level 3 and CSS Nesting).
struct SyntaxReading
{
    QList<SyntaxRule> rules; // in document order
    QList<SyntaxAtRule> atRules; // likewise
    int commentCount = 0;
    // Where the sheet is unbalanced, -1 when it is not: a "}" without its "{", text
    // after the last rule that is no statement, or the innermost block, bracket,
    // string or comment still open at the end.
    qsizetype errorOffset = -1;
};

// Reads the whole sheet; offsets in characters of `sheet`.
SyntaxReading readSheet(QStringView sheet);

// The line and column (both from 0, the column in characters) of an offset of a text
// whose lines end in LF, CR LF or CR.
std::pair<qsizetype, qsizetype> textPosition(QStringView text, qsizetype offset);

// What a selector is by its tokens: class when a "." and a name stand outside
// brackets, parentheses and strings, else ID for such a hash, else element. `at` gets
// the place of the "." or "#" (-1 for an element selector).
SelectorKind syntaxSelectorKind(QStringView selector, qsizetype *at = nullptr);

// The declarations a rule's block holds itself (not those of rules nested in it), as
// "name:value", the value's white space written as one blank.
QStringList syntaxDeclarations(QStringView sheet, const SyntaxRule &rule);

// A block of rules open at the top of a sheet (@media and its kind): where its "{"
// stands, and the at-rules it is in, itself included.
struct SyntaxFrame
{
    qsizetype open = 0;
    QString chain;
};

// The analysis by CSS syntax: the selector lists, repeats and at-rules of the sheet.
// It keeps what each item at the sheet's top (a rule or at-rule with its block)
// yielded, and after an edit reads again only the items whose text changed; the
// sorted lists are kept from run to run as by the classic parse walk.
class CssSyntaxParser
{
public:
    // Reads the sheet and fills the lists, repeats, at-rules, comment count and error
    // of `analysis`. The reading stays valid until the next call.
    const SyntaxReading &parseSheet(const QString &sheet, SheetAnalysis &analysis);

private:
    // An item at the top of the last sheet read, with the text before it since the
    // item before; what it yielded are its rules and at-rules in the last reading.
    struct Item
    {
        qsizetype start = 0;
        qsizetype end = 0;
        qsizetype rules = 0; // how many
        qsizetype atRules = 0;
        int comments = 0;
        qsizetype error = -1;
        bool kept = true; // false for an item that met the sheet's end, and for the text after the last
        QList<SyntaxFrame> frames; // the blocks of rules open where it starts
    };
    struct Recorded
    {
        int entry = -1;
        SelectorSet::Outcome outcome = SelectorSet::Outcome::Added;
    };
    // Where the rules (or at-rules) of the last reading went: the first `head` stayed,
    // `count` from `from` were kept and moved to `to`; the rest were read anew.
    struct Kept
    {
        qsizetype head = 0;
        qsizetype from = 0;
        qsizetype to = 0;
        qsizetype count = 0;
    };

    void recordRules(QList<SyntaxRule> &rules, const Kept &kept, SheetAnalysis &analysis);
    void recordAtRules(const QList<SyntaxAtRule> &atRules, const Kept &kept, SheetAnalysis &analysis);

    QString m_text; // the last sheet read
    std::vector<Item> m_items; // its items in order
    SyntaxReading m_last;
    SelectorSet m_sets[3]; // element, class, ID
    SelectorSet m_atRules;
    std::vector<Recorded> m_recorded; // per rule of the last reading
    std::vector<Recorded> m_recordedAtRules;
};
