#pragma once

#include <QTreeWidget>

struct SheetAnalysis;

// The "Parserinformationen" page: the four counts of the last error-free analysis
// under the root node "Status".
class ParserInfoTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ParserInfoTree(QWidget *parent = nullptr);
    void fillParserInfo(const SheetAnalysis &analysis);
};
