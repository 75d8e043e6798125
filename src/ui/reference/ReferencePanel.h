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

    QComboBox *definitionChooser() const { return m_definitionChooser; }
    QTreeWidget *elementTree() const { return m_elementTree; }
    QTreeWidget *propertyTree() const { return m_propertyTree; }
    QTreeWidget *valueTree() const { return m_valueTree; }
    QListWidget *colourList() const { return m_colourList; }
    QLabel *valuesLabel() const { return m_valuesLabel; }

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void setListHeights(int elements, int values);

    QWidget *m_chooserSection;
    QWidget *m_elementSection;
    QWidget *m_propertySection;
    QWidget *m_valueSection;
    RegionSplitter *m_elementSplitter;
    RegionSplitter *m_valueSplitter;
    QComboBox *m_definitionChooser;
    QTreeWidget *m_elementTree;
    QTreeWidget *m_propertyTree;
    QTreeWidget *m_valueTree;
    QListWidget *m_colourList; // the colours, in the value list's place
    QLabel *m_valuesLabel;
};
