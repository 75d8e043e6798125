#pragma once

#include "AppPaths.h"

#include <QString>

class Dialogs;

// Where the program keeps its data. Portable: the program's folder holds inf/ and
// styledefs/ and may be written, and everything stays there. Installed (anything
// else): the shipped data lies read-only in <prefix>/share/stylograf/ beside
// <prefix>/bin/, the user works on a copy in the user's data folder and keeps the
// settings in the user's config folder; nothing is written under the prefix.
namespace Installation {

// The shipped data of a program installed in `appDir` (<prefix>/bin/).
QString sharedDataDir(const QString &appDir);

// Whether a program in `appDir` runs portable.
bool isPortable(const QString &appDir);

// The folders of a program in `appDir`. `userDataHome` and `userConfigHome` are the
// user's base folders (~/.local/share and ~/.config); the program's own folders are
// "stylograf/" below them.
AppPaths paths(const QString &appDir, const QString &userDataHome, const QString &userConfigHome);

// For an installed program: copies the shipped data into the user's data folder at
// the first start, and at later starts the files the user's copy lacks. When the
// shipped data changed since (an update of the program), asks once whether to take
// it; the user's own edits of the element list are kept. Makes the settings file.
// Throws AppError when the user's folders cannot be made. Does nothing when portable.
void prepareUserData(const AppPaths &paths, Dialogs &dialogs);

// The stamp of a data folder's inf/ and styledefs/ files: equal stamps, equal files.
QByteArray dataStamp(const QString &dataDir);

} // namespace Installation
