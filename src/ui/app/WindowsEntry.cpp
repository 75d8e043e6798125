#include "Startup.h"

#include <QtGlobal>

// What the program calls when it loads this module to open its windows.
extern "C" Q_DECL_EXPORT int stylografRunWindows(int argc, char **argv)
{
    return Startup::run(argc, argv);
}
