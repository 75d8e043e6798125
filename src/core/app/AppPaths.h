#pragma once

#include <QString>

// The program folders. Every data path is folder + name + extension with nothing
// between; each folder ends with exactly one "/". A program run from its own folder
// keeps everything there; an installed one has the user's folders (set by
// Installation::paths).
struct AppPaths
{
    QString appDir; // folder of the executable
    QString dataDir; // holds inf/ and styledefs/; empty for appDir
    QString configDir; // holds the settings file; empty for appDir
    QString helpDir; // holds the help file; empty for appDir
    QString styleDefDir; // dataFolder() + "styledefs/"; empty when start-up could not set it
    QString infDir; // dataFolder() + "inf/"; set by the main window's creation

    QString dataFolder() const { return dataDir.isEmpty() ? appDir : dataDir; }
    QString helpFolder() const { return helpDir.isEmpty() ? appDir : helpDir; }
    // The standards' extract, shipped beside the help and never the user's to edit.
    QString grammarFile() const { return helpFolder() + QStringLiteral("standards/css-grammar.json"); }

    // The folder part of an executable's path, ending with one "/" ("/stylograf" -> "/").
    static QString appDirFromExecutable(const QString &executablePath);
    static QString subFolder(const QString &appDir, const QString &name) { return appDir + name + QLatin1Char('/'); }

    QString settingsFile() const
    {
        return (configDir.isEmpty() ? appDir : configDir) + QStringLiteral("einstellungen.ini");
    }
};
