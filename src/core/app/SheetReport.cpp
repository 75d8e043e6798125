#include "SheetReport.h"

#include "AppError.h"
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

bool read(const QString &path, QStringList &lines, Output &failure)
{
    try {
        lines = DocumentFile::read(path).lines;
        return true;
    } catch (const AppError &error) {
        failure.text = errorBoxText(error.text()).toUtf8() + '\n';
        failure.exitCode = 2;
        return false;
    }
}

} // namespace

Output analyse(const QString &path, bool &toStandardError)
{
    Output out;
    QStringList lines;
    toStandardError = !read(path, lines, out);
    if (toStandardError)
        return out;
    const FlatText flat = joinAndStripComments(lines);
    SheetAnalysis a;
    a.commentCount = flat.commentCount;
    StyleSheetParser parser;
    parser.parseSheet(lines.isEmpty() ? QString() : flat.text, a);
    out.text = "{\"elementSelectors\":" + json(a.elementSelectors) + ",\"classSelectors\":" + json(a.classSelectors)
        + ",\"idSelectors\":" + json(a.idSelectors) + ",\"repeatedSelectors\":" + json(a.repeatedSelectors)
        + ",\"commentCount\":" + QByteArray::number(a.commentCount)
        + ",\"parseError\":" + (a.parseError ? "true" : "false") + "}\n";
    out.exitCode = a.parseError ? 1 : 0;
    return out;
}

Output tokens(const QString &path, bool &toStandardError)
{
    Output out;
    QStringList lines;
    toStandardError = !read(path, lines, out);
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

Output previewHtml(const QString &path, bool &toStandardError)
{
    Output out;
    QStringList lines;
    toStandardError = !read(path, lines, out);
    if (!toStandardError)
        out.text = PreviewPage::buildPage(joinAndStripComments(lines).text).toUtf8();
    return out;
}

} // namespace SheetReport
