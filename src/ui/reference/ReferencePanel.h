#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;
class RegionSplitter;

// The reference panel on the right: the style definition chooser, the element list,
// the property list and the value list, with splitters between the lists.
class ReferencePanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kWidth = 200;

    explicit ReferencePanel(QWidget *parent = nullptr);

    // When the window is resized: a third of its outer height less 30 and less 40.
    void applyWindowHeightRule(int windowOuterHeight);
    // When the window's own surface is redrawn: a third of the panel's height less 40.
    void applyPanelHeightRule();

    // The colour list takes the value list's place, or gives it back.
    void showColourList(bool colours);

    int elementListHeight() const;
    int valueListHeight() const;

    QComboBox *cmb_style_defs;
    QTreeWidget *tree_selektoren;
    QTreeWidget *tree_property;
    QTreeWidget *tree_values;
    QListWidget *list_netscape;
    QLabel *lbl_values;

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void setListHeights(int elements, int values);

    QWidget *pan_super_top;
    QWidget *pan_left_top;
    QWidget *pan_left_middle;
    QWidget *pan_left_bottom;
    RegionSplitter *Splitter2;
    RegionSplitter *Splitter3;
};
