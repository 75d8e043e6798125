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
    const FlatText flat = JoinAndStripComments(lines);
    SheetAnalysis a;
    a.CommentCount = flat.commentCount;
    StyleSheetParser parser;
    parser.ParseSheet(lines.isEmpty() ? QString() : flat.text, a);
    out.text = "{\"elementSelectors\":" + json(a.ElementSelectors) + ",\"classSelectors\":" + json(a.ClassSelectors)
               + ",\"idSelectors\":" + json(a.IdSelectors) + ",\"repeatedSelectors\":" + json(a.RepeatedSelectors)
               + ",\"commentCount\":" + QByteArray::number(a.CommentCount)
               + ",\"parseError\":" + (a.ParseError ? "true" : "false") + "}\n";
    out.exitCode = a.ParseError ? 1 : 0;
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
    scanner.ResetRangeState();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (scanner.LoadLine(lines[i]); !scanner.AtLineEnd(); scanner.NextToken()) {
            out.text += QByteArray::number(i + 1) + ':' + QByteArray::number(scanner.TokenStart()) + ':'
                        + QByteArray::number(scanner.TokenLength()) + ':'
                        + QByteArray::number(int(scanner.CurrentTokenKind())) + '\n';
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
        out.text = PreviewPage::BuildPage(JoinAndStripComments(lines).text).toUtf8();
    return out;
}

} // namespace SheetReport
