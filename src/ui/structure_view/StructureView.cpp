#include "StructureView.h"

#include "app/Collation.h"
#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QAction>
#include <QCollatorSortKey>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kSelectedBackground(255, 223, 94);

// Selector nodes sort alphabetically, letter case ignored.
class SelectorItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override { return alphabeticallyLess(text(0), other.text(0)); }
};

// The background of a selected row: the program's yellow, but a repeat in the flat
// tree stays on the window's background so that its bold red stands out.
QColor selectedBackground(bool repeated, bool grouped, const QPalette &palette)
{
    return repeated && !grouped ? palette.color(QPalette::Base) : kSelectedBackground;
}

// Repeated selectors bold red; selected rows on the yellow of the program.
class SelectorDelegate : public QStyledItemDelegate
{
public:
    SelectorDelegate(const QSet<QString> &repeated, bool grouped, QObject *parent)
        : QStyledItemDelegate(parent), m_repeated(repeated), m_grouped(grouped)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const bool repeated = m_repeated.contains(index.data().toString());
        const bool selected = option->state & QStyle::State_Selected;
        QColor text = option->palette.color(QPalette::WindowText);
        QColor background;
        bool bold = false;
        if (repeated) {
            text = Qt::red;
            bold = true;
        }
        if (selected) {
            if (!repeated || m_grouped) {
                text = Qt::black;
                bold = m_grouped;
            }
            background = selectedBackground(repeated, m_grouped, option->palette);
            option->state &= ~QStyle::State_Selected;
        }
        option->font.setBold(bold);
        option->palette.setColor(QPalette::Text, text);
        if (background.isValid())
            option->backgroundBrush = background;
    }

private:
    const QSet<QString> &m_repeated;
    bool m_grouped;
};

// The style draws a selected row's branch area in its own highlight colour; here it
// takes the row's colour, so that the whole row shows one selection.
class RowSelectionStyle : public QProxyStyle
{
public:
    // Owned by `owner`, which must outlive the tree that uses the style.
    RowSelectionStyle(const QSet<QString> &repeated, bool grouped, QObject *owner)
        : m_repeated(repeated), m_grouped(grouped)
    {
        setParent(owner);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *tree = qobject_cast<const QTreeWidget *>(widget);
        if (element != PE_IndicatorBranch || !tree || !(option->state & State_Selected)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QModelIndex index = tree->indexAt(QPoint(tree->viewport()->width() - 1, option->rect.center().y()));
        const bool repeated = m_repeated.contains(index.data().toString());
        painter->fillRect(option->rect, selectedBackground(repeated, m_grouped, option->palette));
        QStyleOption plain(*option);
        plain.state &= ~State_Selected;
        QProxyStyle::drawPrimitive(element, &plain, painter, widget);
    }

private:
    const QSet<QString> &m_repeated;
    bool m_grouped;
};

QTreeWidget *selectorTree(QWidget *parent, const char *name)
{
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setHeaderHidden(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setUniformRowHeights(true);
    tree->setMinimumSize(1, 1);
    return tree;
}

QToolButton *toggle(QWidget *parent, const char *name, const char *picture, const char *hint, bool down)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(Pictures::icon(QLatin1String(picture)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(QString::fromUtf8(hint));
    button->setCheckable(true);
    button->setChecked(down);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QTreeWidgetItem *ruleItem(const StructureView::FlatNode &rule)
{
    auto *item = new QTreeWidgetItem(QStringList{rule.text});
    item->setIcon(0, Pictures::selectorPicture(rule.kind));
    for (const QString &declaration : rule.declarations) {
        auto *child = new QTreeWidgetItem(item, {declaration});
        child->setIcon(0, Pictures::analysisPicture(Pictures::AnalysisPicture::Declaration));
    }
    return item;
}

} // namespace

StructureView::StructureView(QWidget *parent) : QWidget(parent)
{
    auto *bar = new QWidget(this);
    m_groupedViewButton = toggle(bar, "groupedViewButton", "grouptree", "Ansicht mit Gruppen ein/aus", true);
    m_declarationsButton = toggle(bar, "declarationsButton", "treeplus",
                                  "Zeigt die Elemente mit/ohne ihren Eigeschaften, in der Ansicht ohne Gruppen", false);
    m_autoSortButton = toggle(bar, "autoSortButton", "autosort", "Alphabetische Sortierung der Elemente ein/aus", true);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(1, 1, 1, 1);
    barLayout->setSpacing(0);
    barLayout->addWidget(m_groupedViewButton);
    barLayout->addWidget(m_declarationsButton);
    barLayout->addWidget(m_autoSortButton);
    barLayout->addStretch();

    m_groupedTree = selectorTree(this, "groupedTree");
    m_ruleTree = selectorTree(this, "ruleTree");
    m_ruleTree->hide();
    m_groupedTree->setItemDelegate(new SelectorDelegate(m_repeated, true, m_groupedTree));
    m_ruleTree->setItemDelegate(new SelectorDelegate(m_repeated, false, m_ruleTree));
    m_groupedTree->setStyle(new RowSelectionStyle(m_repeated, true, this));
    m_ruleTree->setStyle(new RowSelectionStyle(m_repeated, false, this));

    const struct
    {
        const char *caption;
        SelectorKind kind;
    } groups[]
        = {{"Elemente", SelectorKind::Element}, {"ID\u00b4s", SelectorKind::Id}, {"Klassen", SelectorKind::Class}};
    for (int i = 0; i < 3; ++i) {
        auto *node = new QTreeWidgetItem(m_groupedTree, {QString::fromUtf8(groups[i].caption)});
        m_groups[i].icon = Pictures::selectorPicture(groups[i].kind);
        node->setIcon(0, m_groups[i].icon);
        m_groups[i].node = node;
    }
    const auto uiText = [this](const char *name, const char *german, UiText id) {
        auto *text = new QAction(QString::fromUtf8(german), this);
        text->setObjectName(QLatin1String(name));
        setUiTextId(text, id);
        connect(text, &QAction::changed, this, &StructureView::retranslate);
        return text;
    };
    m_atRulesCaption = uiText("atRulesCaption", "@-Regeln", UiText::AtRules);
    m_groups[3].icon = Pictures::analysisPicture(Pictures::AnalysisPicture::AtRule);
    m_groups[3].node = new QTreeWidgetItem(m_groupedTree, {m_atRulesCaption->text()});
    m_groups[3].node->setIcon(0, m_groups[3].icon);
    m_groups[3].node->setHidden(true);

    m_parserStatus = new QWidget(this);
    m_parserStatus->setObjectName(QStringLiteral("parserStatus"));
    m_parserStatus->setFixedHeight(19);
    m_statusIcon = new QLabel(m_parserStatus);
    m_statusIcon->setObjectName(QStringLiteral("parserStatusIcon"));
    m_statusIcon->setFixedWidth(18);
    m_statusIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusText = new QLabel(QStringLiteral("Parserinformationen"), m_parserStatus);
    m_statusText->setObjectName(QStringLiteral("parserStatusText"));
    m_statusText->setMinimumWidth(55);
    m_statusText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_errorPlace = new QLabel(m_parserStatus);
    m_errorPlace->setObjectName(QStringLiteral("parserErrorPlace"));
    m_errorPlace->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_errorPlace->setCursor(Qt::PointingHandCursor);
    m_errorPlace->installEventFilter(this);
    m_errorPlace->hide();
    auto *statusLayout = new QHBoxLayout(m_parserStatus);
    statusLayout->setContentsMargins(0, 1, 0, 0);
    statusLayout->setSpacing(2);
    statusLayout->addWidget(m_statusIcon);
    statusLayout->addWidget(m_statusText, 1);
    statusLayout->addWidget(m_errorPlace);
    setStatus(ParserStatus::NotAnalysed, QStringLiteral("Parserinformationen"));

    m_hintText = uiText("cssSyntaxHintText", "@-Regeln oder } ohne {:", UiText::CssSyntaxHint);
    m_hintSwitch = uiText("cssSyntaxHintSwitch", "nach CSS-Syntax lesen", UiText::ReadByCssSyntax);
    m_hintHide = uiText("cssSyntaxHintHide", "ausblenden", UiText::HideHint);
    m_cssSyntaxHint = new QLabel(this);
    m_cssSyntaxHint->setObjectName(QStringLiteral("cssSyntaxHint"));
    m_cssSyntaxHint->setWordWrap(true);
    m_cssSyntaxHint->setTextFormat(Qt::RichText);
    m_cssSyntaxHint->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_cssSyntaxHint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_cssSyntaxHint->setMargin(2);
    m_cssSyntaxHint->hide();
    connect(m_cssSyntaxHint, &QLabel::linkActivated, this, [this](const QString &link) {
        if (link == QLatin1String("css"))
            emit cssSyntaxRequested();
        else
            emit cssSyntaxHintDismissed();
    });
    retranslate();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_groupedTree, 1);
    layout->addWidget(m_ruleTree, 1);
    layout->addWidget(m_cssSyntaxHint);
    layout->addWidget(m_parserStatus);

    connect(m_groupedViewButton, &QToolButton::clicked, this, [this] {
        m_groupedTree->setVisible(groupedView());
        m_ruleTree->setVisible(!groupedView());
        emit parseRequested();
    });
    connect(m_declarationsButton, &QToolButton::clicked, this, &StructureView::parseRequested);

    // "Go to rule": in each tree's context menu and on Enter. A click still only selects.
    m_goToRuleAction = new QAction(QStringLiteral("Zur Regel springen"), this);
    m_goToRuleAction->setObjectName(QStringLiteral("actionGoToRule"));
    setUiTextId(m_goToRuleAction, UiText::GoToRule);
    connect(m_goToRuleAction, &QAction::triggered, this, &StructureView::goToRule);
    for (QTreeWidget *tree : {m_groupedTree, m_ruleTree}) {
        tree->installEventFilter(this);
        tree->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tree, &QTreeWidget::customContextMenuRequested, this, [this, tree](const QPoint &pos) {
            QTreeWidgetItem *item = tree->itemAt(pos);
            if (!item || (tree == m_groupedTree && !item->parent()))
                return; // a group has no rule
            tree->setCurrentItem(item);
            auto *menu = new QMenu(tree);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addAction(m_goToRuleAction);
            menu->popup(tree->viewport()->mapToGlobal(pos));
        });
    }
}

bool StructureView::goToRule()
{
    QTreeWidget *tree = groupedView() ? m_groupedTree : m_ruleTree;
    QTreeWidgetItem *item = tree->currentItem();
    if (!item)
        return false;
    if (tree == m_groupedTree) {
        if (!item->parent())
            return false; // a group
        emit selectorRequested(item->text(0));
        return true;
    }
    if (item->parent())
        item = item->parent(); // a declaration: its rule
    const int row = tree->indexOfTopLevelItem(item);
    if (row < 0 || size_t(row) >= m_shownRules.size())
        return false;
    emit occurrenceRequested(m_shownRules[size_t(row)].occurrence);
    return true;
}

bool StructureView::groupedView() const
{
    return m_groupedViewButton->isChecked();
}

bool StructureView::withDeclarations() const
{
    return m_declarationsButton->isChecked();
}

bool StructureView::autoSort() const
{
    return m_autoSortButton->isChecked();
}

void StructureView::setStatus(ParserStatus status, const QString &text)
{
    m_statusIcon->setPixmap(Pictures::statusPicture(status).pixmap(16, 16));
    m_statusText->setText(text);
    m_statusIcon->repaint();
}

void StructureView::setAtRulesShown(bool shown)
{
    Group &atRules = m_groups[3];
    if (shown == !atRules.node->isHidden())
        return;
    if (!shown) {
        // What it showed is gone; shown again, it is filled anew.
        qDeleteAll(atRules.node->takeChildren());
        atRules.byFolded.clear();
        atRules.synced.clear();
        atRules.sorted = true;
    }
    atRules.node->setHidden(!shown);
}

void StructureView::showCssSyntaxHint(bool shown)
{
    m_cssSyntaxHint->setVisible(shown);
}

void StructureView::retranslate()
{
    m_groups[3].node->setText(0, m_atRulesCaption->text());
    m_cssSyntaxHint->setText(QStringLiteral("%1 <a href=\"css\">%2</a> · <a href=\"hide\">%3</a>")
                                 .arg(m_hintText->text().toHtmlEscaped(), m_hintSwitch->text().toHtmlEscaped(),
                                      m_hintHide->text().toHtmlEscaped()));
}

void StructureView::setErrorPlace(const std::optional<std::pair<int, int>> &place)
{
    m_errorPlace->setVisible(place.has_value());
    if (place)
        m_errorPlace->setText(QStringLiteral("%1:%2").arg(place->first + 1).arg(place->second + 1));
}

bool StructureView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_errorPlace && event->type() == QEvent::MouseButtonDblClick)
        emit errorPlaceActivated();
    if ((watched == m_groupedTree || watched == m_ruleTree) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && goToRule())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StructureView::setRepeated(const QStringList &repeated)
{
    QSet<QString> set(repeated.cbegin(), repeated.cend());
    if (set == m_repeated)
        return;
    m_repeated = std::move(set);
    m_groupedTree->viewport()->update();
    m_ruleTree->viewport()->update();
}

void StructureView::showRules(std::vector<FlatNode> rules, bool sorted)
{
    if (sorted) {
        // Keys of the collation are kept between walks: most rules come again.
        QHash<QString, QCollatorSortKey> &keys = m_sortKeys;
        auto keyOf = [&keys](const QString &text) -> const QCollatorSortKey & {
            auto it = keys.find(text);
            if (it == keys.end())
                it = keys.insert(text, alphabeticalSortKey(text));
            return *it;
        };
        auto less = [&](const QString &a, const QString &b) {
            const int order = keyOf(a).compare(keyOf(b));
            return order != 0 ? order < 0 : a < b;
        };
        std::reverse(rules.begin(), rules.end()); // equal texts keep the newest on top
        std::stable_sort(rules.begin(), rules.end(),
                         [&](const FlatNode &a, const FlatNode &b) { return less(a.text, b.text); });
        for (FlatNode &rule : rules)
            std::stable_sort(rule.declarations.begin(), rule.declarations.end(), less);
        if (keys.size() > 4 * qsizetype(rules.size()) + 1024)
            keys.clear();
    } else {
        std::reverse(rules.begin(), rules.end());
    }

    // Only the rows between the unchanged head and tail are replaced.
    const size_t common = std::min(rules.size(), m_shownRules.size());
    size_t head = 0;
    while (head < common && rules[head] == m_shownRules[head])
        ++head;
    size_t tail = 0;
    while (tail < common - head && rules[rules.size() - 1 - tail] == m_shownRules[m_shownRules.size() - 1 - tail])
        ++tail;
    for (size_t i = m_shownRules.size() - tail; i > head; --i)
        delete m_ruleTree->takeTopLevelItem(int(i - 1));
    QList<QTreeWidgetItem *> items;
    for (size_t i = head; i < rules.size() - tail; ++i)
        items << ruleItem(rules[i]);
    m_ruleTree->insertTopLevelItems(int(head), items);
    m_shownRules = std::move(rules);
}

void StructureView::syncGroup(Group &group, const QStringList &list)
{
    const bool sort = autoSort();
    if (list == group.synced && (!sort || group.sorted))
        return;
    QSet<QString> wanted;
    wanted.reserve(list.size());
    for (const QString &text : list) {
        const QString folded = text.toCaseFolded();
        wanted.insert(folded);
        if (group.byFolded.contains(folded))
            continue;
        auto *item = new SelectorItem(QStringList{text});
        item->setIcon(0, group.icon);
        if (sort && group.sorted) {
            // Into its place, so that the group stays sorted.
            int low = 0, high = group.node->childCount();
            while (low < high) {
                const int mid = (low + high) / 2;
                if (alphabeticallyLess(text, group.node->child(mid)->text(0)))
                    high = mid;
                else
                    low = mid + 1;
            }
            group.node->insertChild(low, item);
        } else {
            group.node->addChild(item);
            group.sorted = false;
        }
        group.byFolded.insert(folded, item);
    }
    for (auto it = group.byFolded.begin(); it != group.byFolded.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        // Only the node in this group goes, never a group node of the same name.
        delete it.value();
        it = group.byFolded.erase(it);
    }
    if (sort && !group.sorted) {
        group.node->sortChildren(0, Qt::AscendingOrder);
        group.sorted = true;
    }
    group.synced = list;
}

void StructureView::syncGroupedTree(const SheetAnalysis &analysis)
{
    syncGroup(m_groups[0], analysis.elementSelectors);
    syncGroup(m_groups[2], analysis.classSelectors);
    syncGroup(m_groups[1], analysis.idSelectors);
    if (!m_groups[3].node->isHidden())
        syncGroup(m_groups[3], analysis.atRules);
    for (const Group &group : m_groups)
        group.node->setExpanded(true);
}
