#include "ParserInfoTree.h"

#include "analysis/SheetAnalysis.h"
#include "pictures/Pictures.h"

ParserInfoTree::ParserInfoTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("parserInfoTree"));
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    auto *root = new QTreeWidgetItem(this, {QStringLiteral("Status")});
    root->setIcon(0, Pictures::analysisPicture(Pictures::AnalysisPicture::Status));
}

void ParserInfoTree::fillParserInfo(const SheetAnalysis &analysis)
{
    QTreeWidgetItem *root = topLevelItem(0);
    qDeleteAll(root->takeChildren());
    const struct
    {
        const char *text;
        qsizetype count;
        Pictures::AnalysisPicture picture;
    } rows[] = {
        {"formatierte HTML-Elemente: ", analysis.elementSelectors.size(), Pictures::AnalysisPicture::Element},
        {"erstellte Klassen: ", analysis.classSelectors.size(), Pictures::AnalysisPicture::Class},
        {"erstellte Individualformate: ", analysis.idSelectors.size(), Pictures::AnalysisPicture::Id},
        {"gefundene Kommentare: ", analysis.commentCount, Pictures::AnalysisPicture::Comments},
    };
    for (const auto &row : rows) {
        auto *item = new QTreeWidgetItem(root, {QString::fromLatin1(row.text) + QString::number(row.count)});
        item->setIcon(0, Pictures::analysisPicture(row.picture));
    }
    expandAll();
}
