#pragma once

#include "app/AppError.h"
#include "editor/search/SearchState.h"

#include <QRect>
#include <QSet>
#include <QString>
#include <QUrl>

class AppError;
class QPrinter;

// The kinds of message box. Captions and button texts are German in both languages.
enum class BoxKind {
    Plain, // no icon, caption "Stylograf"
    Confirmation, // question icon, caption "Bestätigung"
    Information, // information icon, caption "Information"
    Error, // error icon, caption "Fehler"
    Failure, // error icon, caption "Stylograf": a failed command or start-up step
};

// YesNoDismissable shows Ja and Nein like YesNo, but Escape and the box's close
// button answer Cancel instead of No: for the questions whose No discards text.
enum class Buttons { Ok, YesNo, YesNoCancel, YesNoDismissable };
enum class Answer { Ok, Yes, No, Cancel };

// Every question the program puts to the user or the desktop. The real one shows
// modal dialogs; tests install scripted answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual Answer message(BoxKind kind, const QString &text, Buttons buttons) = 0;
    // The chosen file's full path, empty when cancelled. Each dialog starts with the
    // name last chosen in it.
    virtual QString openStyleSheetFile() = 0;
    virtual QString saveStyleSheetFile() = 0;
    // A picture for a url() value; empty when cancelled.
    virtual QString openPictureFile() = 0;
    // The search dialog, or the replace dialog: false when cancelled. On OK `state`
    // holds the dialog's values and histories.
    virtual bool editSearch(FindReplace::SearchState &state, bool replace) = 0;
    // The per-match question of a replace, placed beside the match: `area` is the
    // editor's visible area, `x`, `lineTop` and `lineBottom` the match's place, all on
    // the screen.
    virtual FindReplace::ReplaceAnswer confirmReplace(const QString &searchText, const QRect &area, int x, int lineTop,
                                                      int lineBottom)
        = 0;
    // The print dialog: false when cancelled; otherwise the printer is set up.
    virtual bool setUpPrinter(QPrinter &printer) = 0;
    // Hands a file, web page or mail address to the desktop; the outcome is not used.
    virtual void openWithDesktop(const QUrl &url) = 0;
    // Whether the computer has a network connection; true when that cannot be known.
    virtual bool isOnline() = 0;

    // The error box of a failed command: the error's text with its full stop.
    void showFailure(const AppError &error);
    // The same for a data file that several windows read as they are created: one
    // box per file and start, not one per window.
    void showFailureOnce(const AppError &error);

    // The one way a command reports what went wrong: runs a step, and an AppError
    // ends the step and is shown in the error box. False when the step failed.
    template<typename Step>
    bool reportFailure(Step &&step)
    {
        try {
            step();
            return true;
        } catch (const AppError &error) {
            showFailure(error);
            return false;
        }
    }
    // The same with showFailureOnce.
    template<typename Step>
    bool reportFailureOnce(Step &&step)
    {
        try {
            step();
            return true;
        } catch (const AppError &error) {
            showFailureOnce(error);
            return false;
        }
    }

private:
    QSet<QString> m_shownOnce;
};
