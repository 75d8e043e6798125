#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What a selector is, decided by its text alone: class when it holds ".", else ID
// when it holds "#", else element.
enum class SelectorKind { Element, Class, Id };

inline SelectorKind selectorKind(QStringView selector)
{
    if (selector.contains(QLatin1Char('.')))
        return SelectorKind::Class;
    if (selector.contains(QLatin1Char('#')))
        return SelectorKind::Id;
    return SelectorKind::Element;
}

enum class ParserStatus { NotAnalysed, NoError, Error };

// How the sheet is read: by the classic walk over its braces, or as a browser reads CSS.
enum class AnalysisSyntax { Classic, Css };

// The result of the last analysis of the sheet.
struct SheetAnalysis
{
    QStringList elementSelectors; // sorted, unique when case is ignored
    QStringList classSelectors; // likewise
    QStringList idSelectors; // likewise
    QStringList repeatedSelectors; // in the order found, once per repeat
    QStringList atRules; // by CSS syntax only: each at-rule's keyword and prelude; sorted like the selectors
    int commentCount = 0;
    bool parseError = false;
    // Where in the flat text the analysis stopped, -1 without error: the opening brace
    // of the rule that is not closed, or the start of the text after the last complete
    // rule that has no opening brace.
    qsizetype errorOffset = -1;
    ParserStatus status = ParserStatus::NotAnalysed;
};
