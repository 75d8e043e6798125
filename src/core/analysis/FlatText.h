#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

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

// The characters trimming takes away: those up to and including the blank.
inline bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

// Trims characters up to and including the blank from both ends.
QStringView trimmedView(QStringView text);
