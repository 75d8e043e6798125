#pragma once

#include "analysis/SheetAnalysis.h"

#include <QByteArray>
#include <QString>

// The analysis without a window, for scripts.
namespace SheetReport {

struct Output
{
    QByteArray text; // UTF-8, for standard output or standard error
    int exitCode = 0;
};

// The file read as Open reads it, analysed, as one JSON object; with a parse error
// also the line and column (from 1, in characters) where the analysis stopped; by CSS
// syntax also the at-rules. Exit code 0 without a parse error, 1 with one, 2 when the
// file cannot be read (the error on stderr).
Output analyse(const QString &path, AnalysisSyntax syntax, bool &toStandardError);
// The preview page of the file, exactly as the HTML control gets it.
Output previewHtml(const QString &path, AnalysisSyntax syntax, bool &toStandardError);

// Every token of every line as "line:start:length:kind" (line from 1, start from 0,
// in characters), the comment state carried from line to line; EndOfLine is left out.
Output tokens(const QString &path, bool &toStandardError);

} // namespace SheetReport
