#include "WindowsModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace WindowsModule {

int run(int argc, char **argv, const QStringList &relativePaths)
{
    // There is no application object yet to ask for its folder; the kernel knows the
    // executable, also when it was started through a link.
    const QDir folder(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    QString path = folder.filePath(relativePaths.value(0));
    for (const QString &candidate : relativePaths) {
        if (QFileInfo::exists(folder.filePath(candidate))) {
            path = folder.filePath(candidate);
            break;
        }
    }
    QLibrary module(path);
    using Entry = int (*)(int, char **);
    const auto entry = reinterpret_cast<Entry>(module.resolve(entryName));
    if (!entry) {
        std::fprintf(stderr, "Die Fenster können nicht geladen werden: %s\n", qPrintable(module.errorString()));
        return 1;
    }
    return entry(argc, argv);
}

} // namespace WindowsModule
