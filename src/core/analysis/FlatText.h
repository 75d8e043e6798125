#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The sheet as one line without comments, and where its characters came from.
struct FlatText
{
    QString text;
    int commentCount = 0;

    // Each line of the sheet in the joined text (before comments were removed): the
    // offset of the blank put in front of it, and how many characters trimming took
    // from its start.
    struct Line
    {
        qsizetype joinedStart;
        qsizetype trimmed;
    };
    std::vector<Line> lines;
    // Each piece of the joined text kept by the comments' removal: where it starts in
    // the flat text, and how far it was moved back. In flat-text order.
    struct Piece
    {
        qsizetype start;
        qsizetype shift;
    };
    std::vector<Piece> pieces;

    // The line and column in the sheet (both from 0, the column in characters) of the
    // flat text's character at `offset`.
    std::pair<qsizetype, qsizetype> sheetPosition(qsizetype offset) const;
};

// Joins the lines, each trimmed and preceded by one space, and removes comments:
// repeatedly the text from the first "/*" to the first "*/", as long as the "/*"
// stands before that "*/". Comments do not nest, and a "*/" before the first "/*"
// ends the removal. Linear in the length of the text.
FlatText joinAndStripComments(const QStringList &lines);
// The same for the editor's text, its lines separated by line ends; `hasLines` is
// false for a text without any line.
FlatText joinAndStripComments(QStringView sheetText, bool hasLines);
// The same in the text's own memory, for a text that is needed no more.
FlatText joinAndStripComments(QString &&sheetText, bool hasLines);
// The same for a file's text, its line ends as in the file, in the text's memory: the
// line end after the last line starts no further line, as when the file is read as
// lines.
FlatText joinAndStripFileText(QString &&fileText);

// The characters trimming takes away: those up to and including the blank.
inline bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

// Trims characters up to and including the blank from both ends.
QStringView trimmedView(QStringView text);
