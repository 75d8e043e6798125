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

// The result of the last analysis of the sheet.
struct SheetAnalysis
{
    static constexpr int kStatusNotAnalysed = 8;
    static constexpr int kStatusNoError = 6;
    static constexpr int kStatusError = 7;

    QStringList ElementSelectors;  // sorted, unique when case is ignored
    QStringList ClassSelectors;    // likewise
    QStringList IdSelectors;       // likewise
    QStringList RepeatedSelectors; // in the order found, once per repeat
    int CommentCount = 0;
    bool ParseError = false;
    int ParserStatusImage = kStatusNotAnalysed;
};
