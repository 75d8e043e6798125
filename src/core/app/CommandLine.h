#pragma once

#include "analysis/SheetAnalysis.h"

#include <QString>
#include <QStringList>

// What the program was started with.
struct CommandLine
{
    bool showVersion = false;
    bool showHelp = false;
    QString analyseFile; // --analyse FILE: print the analysis as JSON, open no window
    QString previewHtmlFile; // --preview-html FILE: print the preview page, open no window
    QString tokensFile; // --tokens FILE: print the highlighter's tokens, open no window
    AnalysisSyntax syntax = AnalysisSyntax::Classic; // --syntax=classic or --syntax=css
    QString file; // the first argument that is no option, unchanged; empty when none
    QString error; // an option the program does not know, or one without its file name

    // `arguments` without the program's own name. "--" ends the options; the options of
    // Qt's application object are passed over.
    static CommandLine parse(const QStringList &arguments);
    // The same for main's arguments. File names keep their bytes, valid UTF-8 or not.
    static CommandLine parse(int argc, char **argv);
    static QString helpText();
};
