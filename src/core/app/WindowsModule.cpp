#include "WindowsModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace WindowsModule {

int run(int argc, char **argv, const QString &relativePath)
{
    // There is no application object yet to ask for its folder; the kernel knows the
    // executable, also when it was started through a link.
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    QLibrary module(QDir(folder).filePath(relativePath));
    using Entry = int (*)(int, char **);
    const auto entry = reinterpret_cast<Entry>(module.resolve(entryName));
    if (!entry) {
        std::fprintf(stderr, "Die Fenster können nicht geladen werden: %s\n", qPrintable(module.errorString()));
        return 1;
    }
    return entry(argc, argv);
}

} // namespace WindowsModule
