#pragma once

#include "app/AppPaths.h"

#include <QList>

#include <functional>
#include <memory>

class Dialogs;
class SplashWindow;

namespace Startup {

// The splash window's creation: sets styleDefDir in the data folder and the version
// label. An unknown version is reported and leaves styleDefDir unset and the window
// where it is.
std::unique_ptr<SplashWindow> createSplash(AppPaths &paths, Dialogs &dialogs, const QString &fileVersion);

struct WindowStep
{
    int progress; // progress position after the window exists
    std::function<void()> create; // may throw AppError: reported, start-up goes on
};

// Shows the splash at 5 with the pointer hidden, creates the windows in order with a
// pause after each, then restores the pointer, also when a step fails.
void createWindows(SplashWindow &splash, const QList<WindowStep> &steps, Dialogs &dialogs,
                   const std::function<void(int milliseconds)> &pause);

// Before the application object: the browser engine's view composites through Qt
// Quick's software renderer, not OpenGL, unless QT_QUICK_BACKEND says otherwise.
void chooseGraphics();

// The windows, with the sheet the command line names: the process's exit code.
int run(int argc, char **argv);

} // namespace Startup
