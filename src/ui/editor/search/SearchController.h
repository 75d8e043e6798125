#pragma once

#include "editor/search/FindReplace.h"
#include "editor/search/SearchState.h"

#include <functional>

class Dialogs;
class SheetEditor;

// The "Suchen" menu: the search state of the session, the dialogs, and finding and
// replacing in the editor.
class SearchController
{
public:
    // `notFound` shows or clears the "Text not found" note.
    SearchController(SheetEditor &editor, Dialogs &dialogs, std::function<void(const QString &)> note);

    void openSearchDialog(bool replace);
    void runSearch(bool replace, bool backwards);

    const FindReplace::SearchState &state() const { return m_state; }

    // The options of one search.
    struct Options
    {
        bool matchCase = false, wholeWord = false, backwards = false, wholeScope = false, selectionOnly = false;
        bool replace = false, replaceAll = false, confirm = false;
    };
    // Finds (and replaces) in the editor; returns the number of matches found.
    int findAndReplace(const QString &text, const QString &replacement, Options options);

private:
    FindReplace::ReplaceAnswer ask(const QString &text, const QString &replacement, long start);

    SheetEditor &m_editor;
    Dialogs &m_dialogs;
    std::function<void(const QString &)> m_note;
    FindReplace::SearchState m_state;
    bool m_continueFromCaret = false;
};
