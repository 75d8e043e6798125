#pragma once

#include <QString>
#include <QStringList>

namespace FindReplace {

// What the search and replace dialogs show and give back.
struct SearchState
{
    bool backwards = false;
    bool caseSensitive = false;
    bool fromCaret = false;
    bool selectedOnly = false;
    bool wholeWords = false;
    QString searchText;
    QStringList searchHistory;
    QString replaceText;
    QStringList replaceHistory;
};

enum class ReplaceAnswer { ReplaceThis, SkipThis, ReplaceRest, StopReplacing };

} // namespace FindReplace
