#pragma once

#include <QString>

// The program folders. Every data path is folder + name + extension with nothing
// between; each folder ends with exactly one "/".
struct AppPaths
{
    QString appDir; // folder of the executable
    QString styleDefDir; // appDir + "styledefs/"; empty when start-up could not set it
    QString infDir; // appDir + "inf/"; set by the main window's creation

    // The folder part of an executable's path, ending with one "/" ("/stylograf" -> "/").
    static QString appDirFromExecutable(const QString &executablePath);
    static QString subFolder(const QString &appDir, const QString &name) { return appDir + name + QLatin1Char('/'); }

    QString settingsFile() const { return appDir + QStringLiteral("einstellungen.ini"); }
};
