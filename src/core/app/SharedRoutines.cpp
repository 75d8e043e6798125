#include "SharedRoutines.h"

#include "AppError.h"

#include <QRegularExpression>

int LastPos(const QString &sub, const QString &s)
{
    if (sub.isEmpty() || s.isEmpty())
        return 0;
    return s.lastIndexOf(sub) + 1;
}

bool ReplaceAll(const QString &newText, const QString &oldText, QString &s)
{
    if (oldText.isEmpty())
        return false;
    // Searching again from the start after every replacement is what makes "aaaa"
    // shrink to "a"; the search may resume a little before the replacement's end,
    // since only a new occurrence overlapping it can have appeared.
    bool replaced = false;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(oldText, from);
        if (at < 0)
            return replaced;
        s.replace(at, oldText.size(), newText);
        replaced = true;
        from = qMax<qsizetype>(0, at - oldText.size() + 1);
    }
}

bool ListContains(const QString &item, const QStringList &list)
{
    return list.contains(item, Qt::CaseSensitive);
}

QString VersionString(const QString &fileVersion)
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

QString BuildFileVersion()
{
#ifdef STYLOGRAF_FILE_VERSION
    return QStringLiteral(STYLOGRAF_FILE_VERSION);
#else
    return {};
#endif
}

QString VersionString()
{
    return VersionString(BuildFileVersion());
}

QPoint centredPosition(const QSize &screen, const QSize &window)
{
    // C++ integer division truncates toward zero, as required for negative results.
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}
