#include "AppPaths.h"

#include "SharedRoutines.h"

QString AppPaths::appDirFromExecutable(const QString &executablePath)
{
    const int slash = lastPos(QStringLiteral("/"), executablePath);
    QString dir = slash > 0 ? executablePath.left(slash - 1) : QString();
    if (lastPos(QStringLiteral("/"), dir) != dir.size() || dir.isEmpty())
        dir += QLatin1Char('/');
    return dir;
}
