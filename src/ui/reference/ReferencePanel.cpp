#include "ReferencePanel.h"

#include "main_window/RegionSplitter.h"
#include "i18n/UiTexts.h"

#include <QComboBox>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QColor kCream(255, 251, 240);

void paintCream(QWidget *w)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kCream);
    w->setPalette(pal);
}

QTreeWidget *tree(QWidget *parent, const char *name)
{
    auto *t = new QTreeWidget(parent);
    t->setObjectName(QLatin1String(name));
    t->setHeaderHidden(true);
    t->setMinimumSize(1, 1);
    return t;
}

// A section: a 20-pixel cream header with its label, and the list below it.
QWidget *section(QWidget *parent, const char *name, QLabel *&label, const char *labelName, const QString &caption,
                 int textId, QWidget *list, QWidget *second = nullptr)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumSize(1, 1);
    auto *header = new QWidget(box);
    header->setFixedHeight(20);
    paintCream(header);
    label = new QLabel(caption, header);
    label->setObjectName(QLatin1String(labelName));
    label->setProperty(kUiTextIdProperty, textId);
    // In a layout, so that the label grows with a longer caption in another language.
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(5, 0, 0, 0);
    headerLayout->addWidget(label);
    headerLayout->addStretch();
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    list->setParent(box);
    layout->addWidget(list, 1);
    if (second) {
        second->setParent(box);
        layout->addWidget(second, 1);
    }
    return box;
}

// A colour row: its swatch, then its text; grey behind the selected row.
class ColourRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kHeight = 20;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kHeight};
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(r, selected ? QColor(128, 128, 128) : QColor(Qt::white));
        const QString text = index.data().toString();
        const QColor swatch(text.mid(1, 2).toInt(nullptr, 16), text.mid(3, 2).toInt(nullptr, 16),
                            text.mid(5, 2).toInt(nullptr, 16));
        p->setPen(Qt::black);
        p->setBrush(swatch);
        p->drawRect(QRect(r.left() + 1, r.top() + 1, kHeight - 2, kHeight - 2));
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(13);
        p->setFont(font);
        p->setPen(selected ? option.palette.color(QPalette::HighlightedText) : option.palette.color(QPalette::Text));
        p->drawText(QRect(r.left() + 2 * kHeight, r.top() + 1, r.width() - 2 * kHeight, r.height() - 1),
                    Qt::AlignLeft | Qt::AlignVCenter, text);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.rect = r;
            focus.state = QStyle::State_HasFocus;
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, option.widget);
        }
    }
};

} // namespace

ReferencePanel::ReferencePanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pan_left"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(kWidth);

    pan_super_top = new QWidget(this);
    pan_super_top->setObjectName(QStringLiteral("pan_super_top"));
    pan_super_top->setFixedHeight(39);
    paintCream(pan_super_top);
    auto *definitionLabel = new QLabel(QStringLiteral("Active Style Definition"), pan_super_top);
    definitionLabel->move(4, 3);
    cmb_style_defs = new QComboBox(pan_super_top);
    cmb_style_defs->setObjectName(QStringLiteral("cmb_style_defs"));
    cmb_style_defs->setGeometry(4, 16, kWidth - 12, 21);
    cmb_style_defs->setEditable(true);
    cmb_style_defs->setInsertPolicy(QComboBox::NoInsert);

    QLabel *elementsLabel = nullptr, *propertiesLabel = nullptr;
    tree_selektoren = tree(this, "tree_selektoren");
    tree_property = tree(this, "tree_property");
    tree_values = tree(this, "tree_values");
    list_netscape = new QListWidget(this);
    list_netscape->setObjectName(QStringLiteral("list_netscape"));
    list_netscape->setMinimumSize(1, 1);
    list_netscape->setItemDelegate(new ColourRowDelegate(list_netscape));
    list_netscape->setUniformItemSizes(true);
    list_netscape->hide();
    for (QTreeWidget *t : {tree_selektoren, tree_property, tree_values})
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);

    pan_left_top = section(this, "pan_left_top", elementsLabel, "Label3", QStringLiteral("Elemente"), 70,
                           tree_selektoren);
    pan_left_middle = section(this, "pan_left_middle", propertiesLabel, "Label2", QStringLiteral("Eigenschaften"), 71,
                              tree_property);
    pan_left_bottom = section(this, "pan_left_bottom", lbl_values, "lbl_values", QStringLiteral("Werte"), 72,
                              tree_values, list_netscape);

    Splitter2 = new RegionSplitter(RegionSplitter::TargetSide::Above, pan_left_top, pan_left_middle, 3, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter3 = new RegionSplitter(RegionSplitter::TargetSide::Below, pan_left_bottom, pan_left_middle, 3, this);
    Splitter3->setObjectName(QStringLiteral("Splitter3"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
    layout->setSpacing(0);
    layout->addWidget(pan_super_top);
    layout->addWidget(pan_left_top);
    layout->addWidget(Splitter2);
    layout->addWidget(pan_left_middle, 1);
    layout->addWidget(Splitter3);
    layout->addWidget(pan_left_bottom);
    setListHeights(100, 100);
}

void ReferencePanel::setListHeights(int elements, int values)
{
    // A panel too short for the rule gives negative heights: those lists close.
    pan_left_top->setFixedHeight(qMax(0, elements));
    pan_left_bottom->setFixedHeight(qMax(0, values));
}

void ReferencePanel::applyWindowHeightRule(int windowOuterHeight)
{
    setListHeights(windowOuterHeight / 3 - 30, windowOuterHeight / 3 - 40);
}

void ReferencePanel::applyPanelHeightRule()
{
    setListHeights(height() / 3 - 40, height() / 3 - 40);
}

void ReferencePanel::showColourList(bool colours)
{
    tree_values->setVisible(!colours);
    list_netscape->setVisible(colours);
}

int ReferencePanel::elementListHeight() const
{
    return pan_left_top->minimumHeight();
}

int ReferencePanel::valueListHeight() const
{
    return pan_left_bottom->minimumHeight();
}

void ReferencePanel::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    applyPanelHeightRule();
}
