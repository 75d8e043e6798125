#include "SheetReport.h"

#include "AppError.h"
#include "analysis/CssSyntaxReader.h"
#include "analysis/StyleSheetParser.h"
#include "document/DocumentFile.h"
#include "editor/highlighter/CssScanner.h"
#include "preview/PreviewPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace SheetReport {

namespace {

QByteArray json(const QStringList &list)
{
    return QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact);
}

template<typename Result, typename Read>
bool readFile(Read read, const QString &path, Result &result, Output &failure)
{
    try {
        result = read(path);
        return true;
    } catch (const AppError &error) {
        failure.text = errorBoxText(error.text()).toUtf8() + '\n';
        failure.exitCode = 2;
        return false;
    }
}

bool readLines(const QString &path, QStringList &lines, Output &failure)
{
    TextFileFormat::Decoded decoded;
    const bool ok = readFile(DocumentFile::read, path, decoded, failure);
    lines = std::move(decoded.lines);
    return ok;
}

// The file's text in one piece: for a multi-megabyte sheet a list of its lines costs
// more than the analysis.
bool readText(const QString &path, QString &text, Output &failure)
{
    TextFileFormat::DecodedText decoded;
    const bool ok = readFile(DocumentFile::readText, path, decoded, failure);
    text = std::move(decoded.text);
    return ok;
}

} // namespace

Output analyse(const QString &path, AnalysisSyntax syntax, bool &toStandardError)
{
    Output out;
    SheetAnalysis a;
    std::pair<qsizetype, qsizetype> errorPlace;
    {
        QString text;
        toStandardError = !readText(path, text, out);
        if (toStandardError)
            return out;
        if (syntax == AnalysisSyntax::Css) {
            CssSyntaxParser().parseSheet(text, a);
            if (a.parseError)
                errorPlace = textPosition(text, a.errorOffset);
        } else {
            const FlatText flat = joinAndStripFileText(std::move(text));
            a.commentCount = flat.commentCount;
            StyleSheetParser parser;
            parser.parseSheet(flat.text, a);
            if (a.parseError)
                errorPlace = flat.sheetPosition(a.errorOffset);
        }
    }
    const struct
    {
        const char *key;
        const QStringList &list;
    } lists[] = {{"elementSelectors", a.elementSelectors},
                 {"classSelectors", a.classSelectors},
                 {"idSelectors", a.idSelectors},
                 {"repeatedSelectors", a.repeatedSelectors},
                 {"atRules", a.atRules}};
    char separator = '{';
    for (const auto &[key, list] : lists) {
        if (syntax == AnalysisSyntax::Classic && &list == &a.atRules)
            continue;
        out.text += separator;
        out.text += '"';
        out.text += key;
        out.text += "\":";
        out.text += json(list);
        separator = ',';
    }
    out.text += ",\"commentCount\":" + QByteArray::number(a.commentCount);
    out.text += ",\"parseError\":";
    out.text += a.parseError ? "true" : "false";
    if (a.parseError) {
        out.text += ",\"errorLine\":" + QByteArray::number(errorPlace.first + 1);
        out.text += ",\"errorColumn\":" + QByteArray::number(errorPlace.second + 1);
    }
    out.text += "}\n";
    out.exitCode = a.parseError ? 1 : 0;
    return out;
}

Output tokens(const QString &path, bool &toStandardError)
{
    Output out;
    QStringList lines;
    toStandardError = !readLines(path, lines, out);
    if (toStandardError)
        return out;
    CssScanner scanner;
    scanner.resetRangeState();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (scanner.loadLine(lines[i]); !scanner.atLineEnd(); scanner.nextToken()) {
            out.text += QByteArray::number(i + 1) + ':' + QByteArray::number(scanner.tokenStart()) + ':'
                + QByteArray::number(scanner.tokenLength()) + ':' + QByteArray::number(int(scanner.tokenKind())) + '\n';
        }
    }
    return out;
}

Output previewHtml(const QString &path, AnalysisSyntax syntax, bool &toStandardError)
{
    Output out;
    QString text;
    toStandardError = !readText(path, text, out);
    if (toStandardError)
        return out;
    if (syntax == AnalysisSyntax::Css)
        out.text = PreviewPage::pageOf(PreviewPage::buildParts(text, readSheet(text).rules)).toUtf8();
    else
        out.text = PreviewPage::buildPage(joinAndStripFileText(std::move(text)).text).toUtf8();
    return out;
}

} // namespace SheetReport
