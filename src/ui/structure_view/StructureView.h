#pragma once

#include <optional>
#include <utility>

#include "analysis/SheetAnalysis.h"

#include <QCollatorSortKey>
#include <QHash>
#include <QSet>
#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Selektoren" page: a tool bar of three toggles, the grouped tree of the sheet's
// selectors over the flat tree of its rules, and the parser status bar.
class StructureView : public QWidget
{
    Q_OBJECT

public:
    // One rule as the flat tree shows it.
    struct FlatNode
    {
        QString text;
        SelectorKind kind;
        QStringList declarations;
        int occurrence = -1; // its place among the rules in document order; not shown
        bool operator==(const FlatNode &other) const
        {
            return text == other.text && kind == other.kind && declarations == other.declarations;
        }
    };

    explicit StructureView(QWidget *parent = nullptr);

    bool groupedView() const; // m_groupedViewButton down
    bool withDeclarations() const; // m_declarationsButton down
    bool autoSort() const; // m_autoSortButton down

    // The flat tree after a parse walk: the rules in document order. It shows them
    // newest on top, or sorted when `sorted` is set. Unchanged rows are kept.
    void showRules(std::vector<FlatNode> rules, bool sorted);
    // Brings the grouped tree in line with the lists: new selectors are added, gone
    // ones removed (case ignored), and with sorting on every level is sorted.
    void syncGroupedTree(const SheetAnalysis &analysis);
    // The texts drawn bold red.
    void setRepeated(const QStringList &repeated);
    void setStatus(ParserStatus status, const QString &text);
    // Beside the status: where the analysis stopped (line and column from 0), shown
    // from 1 as the status bar shows the caret; hidden without an error.
    void setErrorPlace(const std::optional<std::pair<int, int>> &place);
    // The fourth group of the grouped tree, the at-rules, while the sheet is read by
    // CSS syntax.
    void setAtRulesShown(bool shown);
    // Above the status: a hint that reading by CSS syntax would serve the sheet, with a
    // link that switches to it and one that hides the hint.
    void showCssSyntaxHint(bool shown);

    QToolButton *groupedViewButton() const { return m_groupedViewButton; }
    QToolButton *declarationsButton() const { return m_declarationsButton; }
    QToolButton *autoSortButton() const { return m_autoSortButton; }
    QTreeWidget *groupedTree() const { return m_groupedTree; }
    QTreeWidget *ruleTree() const { return m_ruleTree; }
    // "Go to rule" for the current node of the tree shown; also its context menu's entry.
    QAction *goToRuleAction() const { return m_goToRuleAction; }

signals:
    // A toggle asks for the parse walk alone.
    void parseRequested();
    // The error's place was double-clicked.
    void errorPlaceActivated();
    // "Go to rule" on a node of the flat tree: the rule at this place in document order.
    void occurrenceRequested(int occurrence);
    // The same on a selector of the grouped tree: its first rule.
    void selectorRequested(const QString &selector);
    // The hint's links.
    void cssSyntaxRequested();
    void cssSyntaxHintDismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Group
    {
        QTreeWidgetItem *node = nullptr;
        QIcon icon;
        QHash<QString, QTreeWidgetItem *> byFolded; // the shown nodes, by case-folded text
        bool sorted = true;
        QStringList synced; // the list the group was last brought in line with
    };

    void syncGroup(Group &group, const QStringList &list);
    void retranslate();
    // False when the current node stands for no rule.
    bool goToRule();

    Group m_groups[4]; // element, ID, class, at-rules: the order of the tree
    std::vector<FlatNode> m_shownRules;
    QSet<QString> m_repeated;
    QHash<QString, QCollatorSortKey> m_sortKeys; // for sorting the flat tree
    QToolButton *m_groupedViewButton;
    QToolButton *m_declarationsButton;
    QToolButton *m_autoSortButton;
    QTreeWidget *m_groupedTree;
    QTreeWidget *m_ruleTree;
    QWidget *m_parserStatus;
    QLabel *m_statusIcon;
    QLabel *m_statusText;
    QLabel *m_errorPlace;
    QLabel *m_cssSyntaxHint;
    // Texts that follow the language: the translation sets them, and the nodes and the
    // hint take them from there.
    QAction *m_atRulesCaption, *m_hintText, *m_hintSwitch, *m_hintHide;
    QAction *m_goToRuleAction;
};
