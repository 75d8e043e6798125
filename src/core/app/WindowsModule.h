#pragma once

#include <QStringList>

// The windows, the editing control and the browser engine live in a module of their
// own, loaded only when the program opens its windows: the command-line reports start
// without mapping those libraries (a few milliseconds and 8 MB instead of tens of each).
namespace WindowsModule {

// The name of the function the module exports: int (int argc, char **argv).
inline constexpr char entryName[] = "stylografRunWindows";

// Loads the module at the first of `relativePaths` (from the folder of this program's
// executable) that exists and runs the windows: their exit code. When the module
// cannot be loaded the reason goes to standard error and the result is 1.
int run(int argc, char **argv, const QStringList &relativePaths);

} // namespace WindowsModule
