#include "ParserInfoTree.h"

#include "analysis/SheetAnalysis.h"
#include "pictures/Pictures.h"

ParserInfoTree::ParserInfoTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("info_tree"));
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    auto *root = new QTreeWidgetItem(this, {QStringLiteral("Status")});
    root->setIcon(0, Pictures::parserImage(3));
}

void ParserInfoTree::FillParserInfo(const SheetAnalysis &analysis)
{
    QTreeWidgetItem *root = topLevelItem(0);
    qDeleteAll(root->takeChildren());
    const struct
    {
        const char *text;
        qsizetype count;
        int image;
    } rows[] = {
        {"formatierte HTML-Elemente: ", analysis.ElementSelectors.size(), 0},
        {"erstellte Klassen: ", analysis.ClassSelectors.size(), 1},
        {"erstellte Individualformate: ", analysis.IdSelectors.size(), 2},
        {"gefundene Kommentare: ", analysis.CommentCount, 9},
    };
    for (const auto &row : rows) {
        auto *item = new QTreeWidgetItem(root, {QString::fromLatin1(row.text) + QString::number(row.count)});
        item->setIcon(0, Pictures::parserImage(row.image));
    }
    expandAll();
}
