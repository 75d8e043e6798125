#include "AppError.h"

AppError AppError::cannotOpen(const QString &path)
{
    return AppError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
}

AppError AppError::cannotCreate(const QString &path)
{
    return AppError(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
}

AppError AppError::cannotWriteTo(const QString &path)
{
    return AppError(QStringLiteral("In %1 kann nicht geschrieben werden").arg(path));
}

AppError AppError::tooLarge(const QString &path)
{
    return AppError(QStringLiteral("Datei %1 ist zu groß: Stylograf öffnet Dateien bis 256 MB").arg(path));
}

QString errorBoxText(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}
