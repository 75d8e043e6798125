#include "ReferencePanel.h"

#include "i18n/UiTexts.h"
#include "main_window/RegionSplitter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
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
                 UiText textId, QWidget *list, QWidget *second = nullptr)
{
    auto *box = new QWidget(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumSize(1, 1);
    auto *header = new QWidget(box);
    header->setFixedHeight(20);
    paintCream(header);
    label = new QLabel(caption, header);
    label->setObjectName(QLatin1String(labelName));
    setUiTextId(label, textId);
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
    setObjectName(QStringLiteral("referencePanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(kWidth);

    m_chooserSection = new QWidget(this);
    m_chooserSection->setObjectName(QStringLiteral("chooserSection"));
    m_chooserSection->setFixedHeight(39);
    paintCream(m_chooserSection);
    auto *definitionLabel = new QLabel(QStringLiteral("Active Style Definition"), m_chooserSection);
    definitionLabel->move(4, 3);
    m_definitionChooser = new QComboBox(m_chooserSection);
    m_definitionChooser->setObjectName(QStringLiteral("definitionChooser"));
    m_definitionChooser->setGeometry(4, 16, kWidth - 12, 21);
    m_definitionChooser->setEditable(true);
    m_definitionChooser->setInsertPolicy(QComboBox::NoInsert);

    QLabel *elementsLabel = nullptr, *propertiesLabel = nullptr;
    m_elementTree = tree(this, "elementTree");
    m_propertyTree = tree(this, "propertyTree");
    m_valueTree = tree(this, "valueTree");
    m_colourList = new QListWidget(this);
    m_colourList->setObjectName(QStringLiteral("colourList"));
    m_colourList->setMinimumSize(1, 1);
    m_colourList->setItemDelegate(new ColourRowDelegate(m_colourList));
    m_colourList->setUniformItemSizes(true);
    m_colourList->hide();
    for (QTreeWidget *t : {m_elementTree, m_propertyTree, m_valueTree})
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_elementSection = section(this, "elementSection", elementsLabel, "elementsLabel", QStringLiteral("Elemente"),
                               UiText::Elements, m_elementTree);
    m_propertySection = section(this, "propertySection", propertiesLabel, "propertiesLabel",
                                QStringLiteral("Eigenschaften"), UiText::Properties, m_propertyTree);
    m_valueSection = section(this, "valueSection", m_valuesLabel, "valuesLabel", QStringLiteral("Werte"),
                             UiText::Values, m_valueTree, m_colourList);

    m_elementSplitter
        = new RegionSplitter(RegionSplitter::TargetSide::Above, m_elementSection, m_propertySection, 3, this);
    m_elementSplitter->setObjectName(QStringLiteral("elementSplitter"));
    m_valueSplitter = new RegionSplitter(RegionSplitter::TargetSide::Below, m_valueSection, m_propertySection, 3, this);
    m_valueSplitter->setObjectName(QStringLiteral("valueSplitter"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(frameWidth(), frameWidth(), frameWidth(), frameWidth());
    layout->setSpacing(0);
    layout->addWidget(m_chooserSection);
    layout->addWidget(m_elementSection);
    layout->addWidget(m_elementSplitter);
    layout->addWidget(m_propertySection, 1);
    layout->addWidget(m_valueSplitter);
    layout->addWidget(m_valueSection);
    setListHeights(100, 100);
}

void ReferencePanel::setListHeights(int elements, int values)
{
    // A panel too short for the rule gives negative heights: those lists close.
    m_elementSection->setFixedHeight(qMax(0, elements));
    m_valueSection->setFixedHeight(qMax(0, values));
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
    m_valueTree->setVisible(!colours);
    m_colourList->setVisible(colours);
}

int ReferencePanel::elementListHeight() const
{
    return m_elementSection->minimumHeight();
}

int ReferencePanel::valueListHeight() const
{
    return m_valueSection->minimumHeight();
}

void ReferencePanel::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    applyPanelHeightRule();
}
