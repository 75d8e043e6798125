#include "CommandLine.h"

#include "WholeFile.h"

namespace {

// The options Qt's application object takes for itself, with and without a value. The
// command line is read before that object exists (without a display it would end the
// program before any usage could be printed), so these are passed over here.
bool isQtOption(const QString &arg, bool &takesValue)
{
    static const QStringList withValue{QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
                                       QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
                                       QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
                                       QStringLiteral("-qwindowtitle"),    QStringLiteral("-session"),
                                       QStringLiteral("-style"),           QStringLiteral("-stylesheet"),
                                       QStringLiteral("-display"),         QStringLiteral("-geometry"),
                                       QStringLiteral("-title"),           QStringLiteral("-name"),
                                       QStringLiteral("-visual"),          QStringLiteral("-qmljsdebugger")};
    static const QStringList flags{QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                                   QStringLiteral("-nograb"),  QStringLiteral("-dograb"),
                                   QStringLiteral("-sync"),    QStringLiteral("-cmap")};
    const QString name = arg.section(QLatin1Char('='), 0, 0);
    takesValue = withValue.contains(name) && !arg.contains(QLatin1Char('='));
    return withValue.contains(name) || flags.contains(arg);
}

} // namespace

CommandLine CommandLine::parse(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << fileNameFromLocal(QByteArray(argv[i]));
    return parse(arguments);
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    bool optionsEnded = false;
    bool skipValue = false; // the value of one of Qt's options follows
    QString *valueFor = nullptr; // the option that takes the next argument
    for (const QString &arg : arguments) {
        if (skipValue) {
            skipValue = false;
            continue;
        }
        if (valueFor) {
            if (arg.isEmpty() && result.error.isEmpty())
                result.error = QStringLiteral("Der Option fehlt der Dateiname");
            *valueFor = arg;
            valueFor = nullptr;
            continue;
        }
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
        else if (arg == QLatin1String("--analyse"))
            valueFor = &result.analyseFile;
        else if (arg == QLatin1String("--preview-html"))
            valueFor = &result.previewHtmlFile;
        else if (arg == QLatin1String("--tokens"))
            valueFor = &result.tokensFile;
        else if (arg == QLatin1String("--syntax=classic"))
            result.syntax = AnalysisSyntax::Classic;
        else if (arg == QLatin1String("--syntax=css"))
            result.syntax = AnalysisSyntax::Css;
        else if (isQtOption(arg, skipValue))
            continue;
        else if (result.error.isEmpty())
            result.error = QStringLiteral("Unbekannte Option: %1").arg(arg);
    }
    if (valueFor && result.error.isEmpty())
        result.error = QStringLiteral("Der Option fehlt der Dateiname");
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
                          "  --analyse DATEI\n"
                          "                 die Analyse der Datei als JSON ausgeben, ohne Fenster\n"
                          "                 (Rückgabewert 0: fehlerfrei, 1: Fehler gefunden, 2: nicht lesbar,\n"
                          "                 3: die Ausgabe nimmt nichts an)\n"
                          "  --preview-html DATEI\n"
                          "                 die Vorschauseite der Datei ausgeben, ohne Fenster\n"
                          "  --syntax=classic, --syntax=css\n"
                          "                 die Analyse der beiden Optionen klassisch (Vorgabe) oder nach\n"
                          "                 CSS-Syntax: mit @-Regeln, Zeichenketten und Verschachtelung\n"
                          "  --tokens DATEI   die Token der Syntaxfärbung ausgeben, eines je Zeile als\n"
                          "                 Zeile:Anfang:Länge:Art, ohne Fenster\n"
                          "  --             alles Folgende ist ein Dateiname\n");
}
