#pragma once

#include <QString>

class Dialogs;
class UiTexts;

// The Help menu's commands, through the Dialogs interface.
namespace HelpCommands {

// Opens the help beside the program (an HTML page, or a Windows help file where a
// user has one); says so when there is none.
void showHelp(Dialogs &dialogs, const UiTexts &texts, const QString &appDir);
// Hands a web address to the desktop; asks first when the computer is offline.
void openWebLink(Dialogs &dialogs, const UiTexts &texts, const QString &address);

} // namespace HelpCommands
