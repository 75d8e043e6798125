#include "SharedRoutines.h"

#include "AppError.h"

#include <QRegularExpression>

int lastPos(const QString &sub, const QString &s)
{
    if (sub.isEmpty() || s.isEmpty())
        return 0;
    return s.lastIndexOf(sub) + 1;
}

QString versionString(const QString &fileVersion)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)(?:\\.(\\d+))?$"));
    const auto m = pattern.match(fileVersion.trimmed());
    if (!m.hasMatch())
        throw AppError(QStringLiteral("Keine Versionsinformationen vorhanden"));
    return QStringLiteral("%1.%2.%3")
        .arg(m.captured(1).toULongLong())
        .arg(m.captured(2).toULongLong())
        .arg(m.captured(3).toULongLong());
}

QString buildFileVersion()
{
#ifdef STYLOGRAF_FILE_VERSION
    return QStringLiteral(STYLOGRAF_FILE_VERSION);
#else
    return {};
#endif
}

QString versionString()
{
    return versionString(buildFileVersion());
}

QPoint centredPosition(const QSize &screen, const QSize &window)
{
    // C++ integer division truncates toward zero, as required for negative results.
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}
