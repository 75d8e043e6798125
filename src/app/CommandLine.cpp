#include "CommandLine.h"

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    bool optionsEnded = false;
    for (const QString &arg : arguments) {
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
        if (!isOption) {
            if (result.file.isEmpty() && !arg.isEmpty())
                result.file = arg; // further names are ignored
            continue;
        }
        if (arg == QLatin1String("--"))
            optionsEnded = true;
        else if (arg == QLatin1String("--version") || arg == QLatin1String("-v"))
            result.showVersion = true;
        else if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            result.showHelp = true;
        else if (result.error.isEmpty())
            result.error = QStringLiteral("Unbekannte Option: %1").arg(arg);
    }
    return result;
}

QString CommandLine::helpText()
{
    return QStringLiteral("Aufruf: stylograf [Optionen] [Datei.css]\n"
                          "\n"
                          "Öffnet die angegebene Style-Sheet-Datei; weitere Dateinamen werden nicht beachtet.\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help     diese Hilfe anzeigen\n"
                          "  -v, --version  die Version anzeigen\n"
                          "  --             alles Folgende ist ein Dateiname\n");
}
