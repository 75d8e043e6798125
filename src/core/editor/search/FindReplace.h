#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// The search semantics, over the editor's lines: which occurrences a search visits,
// in which order, and the dialogs' history and placement rules.
namespace FindReplace {

struct Options
{
    bool matchCase = false;
    bool wholeWord = false;
    bool backwards = false;
};

// A place in the text: line index and column, both from 0, in characters.
struct Position
{
    int line = 0;
    int column = 0;
    auto operator<=>(const Position &) const = default;
};

// One occurrence: its line and its columns [start, end).
struct Match
{
    int line;
    int start;
    int end;
    bool operator==(const Match &) const = default;
};

// Every occurrence inside [from, to), in the order a search visits them: lines from
// the top (or the bottom, backwards), in a line the non-overlapping occurrences from
// left to right taken left to right (or right to left). An empty text finds nothing.
QList<Match> matches(const QStringList &lines, const QString &text, const Options &options, Position from, Position to);

// Puts a text at the top of a history, dropping an entry equal to it but for case;
// keeps ten entries.
void remember(QStringList &history, const QString &text);

// Where the confirmation goes: beside the match, inside the editor's area when it can,
// above the match line when that lies in the lower third.
QPoint placeNearMatch(const QRect &area, const QSize &dialog, int x, int lineTop, int lineBottom);

// Word characters for whole-word searches: letters, digits and "_".
bool isWordChar(QChar c);

} // namespace FindReplace
