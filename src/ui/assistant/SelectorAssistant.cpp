#include "SelectorAssistant.h"

#include "assistant/SelectorComposer.h"
#include "app/AppError.h"
#include "app/ScreenRoutines.h"
#include "i18n/UiTexts.h"
#include "reference/DataFile.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QListWidget *list(QWidget *parent, const char *name)
{
    auto *l = new QListWidget(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit *edit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel *label(QWidget *parent, const char *caption, int textId)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    l->setProperty(kUiTextIdProperty, textId);
    return l;
}

// A read-only text in a box, wrapped to the box's width.
QLabel *textBox(QWidget *parent, const char *name, const char *text, int textId)
{
    auto *box = new QLabel(QString::fromUtf8(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setProperty(kUiTextIdProperty, textId);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    box->setMargin(4);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

QPushButton *useButton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(QStringLiteral("Verwenden"), parent);
    b->setObjectName(QLatin1String(name));
    b->setProperty(kUiTextIdProperty, 44);
    b->setAutoDefault(false);
    return b;
}

QWidget *pairPage(QListWidget *&first, const char *firstName, QListWidget *&second, const char *secondName,
                  QLineEdit *&result, const char *resultName, QPushButton *&use, const char *useName)
{
    auto *page = new QWidget;
    first = list(page, firstName);
    second = list(page, secondName);
    result = edit(page, resultName);
    use = useButton(page, useName);
    auto *layout = new QGridLayout(page);
    layout->addWidget(label(page, "Erstes Element", 405), 0, 0);
    layout->addWidget(label(page, "Zweites Element", 406), 0, 1);
    layout->addWidget(first, 1, 0);
    layout->addWidget(second, 1, 1);
    layout->addWidget(result, 2, 0);
    layout->addWidget(use, 2, 1);
    return page;
}

QString selected(const QListWidget *l)
{
    const QList<QListWidgetItem *> items = l->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

bool hasSelection(const QListWidget *l)
{
    return !l->selectedItems().isEmpty();
}

} // namespace

SelectorAssistant::SelectorAssistant(const QString &elementFile, std::function<void(const QStringList &)> append,
                         std::function<void()> changeHandling, std::function<void(const QString &)> reportError,
                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_append(std::move(append)),
      m_changeHandling(std::move(changeHandling))
{
    setObjectName(QStringLiteral("SelectorAssistant"));
    setWindowTitle(QStringLiteral("Individualformate"));
    setModal(true);
    resize(500, 386);
    pageControl = new QTabWidget(this);
    pageControl->setObjectName(QStringLiteral("pageControl"));

    // Start
    auto *start = new QWidget;
    auto *title = new QLabel(QStringLiteral("Stylograf Selektoren-Assisstent"), start);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    // The two texts wrap to the window's width and take the height they need.
    auto *intro = textBox(start, "introText", "Dieser Assistent soll Ihnen helfen eine Liste von Selektoren dem aktuellen "
                                 "StyleSheet hinzuzufügen. Wählen Sie einfach aus den vorhandenen Typen die "
                                 "gewünschten Selektoren aus. Wenn Sie \"Übernehmen\" anklicken, werden die "
                                 "Selektoren dem Sheet hinzugefügt.",
                          710);
    auto *addAs = new QGroupBox(QStringLiteral("Gewählte Elemente anlegen als"), start);
    rad_add_as_single = new QRadioButton(QStringLiteral("einzelne, bzw. gruppierte Elemente"), addAs);
    rad_add_as_grouped = new QRadioButton(QStringLiteral("einzeln separierte Elemente"), addAs);
    rad_add_as_single->setChecked(true);
    auto *addAsLayout = new QVBoxLayout(addAs);
    addAsLayout->addWidget(rad_add_as_single);
    addAsLayout->addWidget(rad_add_as_grouped);
    auto *hint = textBox(start, "hintText", "Sie können mehrere verschiedene Typen hinzufügen, indem Sie einfach oben die "
                                "verschiedenen Typen auswählen und die Selektoren einzeln hinzufügen.",
                         711);
    auto *startLayout = new QVBoxLayout(start);
    startLayout->addWidget(title);
    startLayout->addWidget(intro);
    startLayout->addWidget(addAs);
    startLayout->addWidget(hint);
    startLayout->addStretch();

    QWidget *context = pairPage(List_html6, "List_html6", List_html7, "List_html7", ed_context, "ed_context",
                                btn_add_context, "btn_add_context");
    QWidget *knotes = pairPage(List_html1, "List_html1", List_html2, "List_html2", ed_knotes, "ed_knotes",
                               btn_add_knotes, "btn_add_knotes");
    QWidget *child = pairPage(List_html4, "List_html4", List_html5, "List_html5", ed_child, "ed_child",
                              btn_add_child, "btn_add_child");

    // Erweitert
    auto *advanced = new QWidget;
    List_html3 = list(advanced, "List_html3");
    List_psd_cla = list(advanced, "List_psd_cla");
    List_psd_cla->addItems({QString(), QStringLiteral(":link"), QStringLiteral(":visited"), QStringLiteral(":hover"),
                            QStringLiteral(":active"), QStringLiteral(":focus")});
    List_psd_elm = list(advanced, "List_psd_elm");
    List_psd_elm->addItems({QString(), QStringLiteral(":after"), QStringLiteral(":before"), QStringLiteral(":first-child"),
                            QStringLiteral(":first-letter"), QStringLiteral(":first-line")});
    auto *kind = new QWidget(advanced);
    rad_classes = new QRadioButton(QStringLiteral("Klassen"), kind);
    rad_ids = new QRadioButton(QString::fromUtf8("ID\u00b4s"), kind);
    rad_classes->setChecked(true);
    auto *kindLayout = new QHBoxLayout(kind);
    kindLayout->setContentsMargins(0, 0, 0, 0);
    kindLayout->addWidget(rad_classes);
    kindLayout->addWidget(rad_ids);
    lbl_precall = new QLabel(QStringLiteral("."), advanced);
    lbl_precall->setObjectName(QStringLiteral("lbl_precall"));
    QFont precallFont = lbl_precall->font();
    precallFont.setPointSize(precallFont.pointSize() + 6);
    precallFont.setBold(true);
    lbl_precall->setFont(precallFont);
    ed_indi = edit(advanced, "ed_indi");
    ed_prev = edit(advanced, "ed_prev");
    btn_add_advanced = useButton(advanced, "btn_add_advanced");
    auto *advancedLayout = new QGridLayout(advanced);
    advancedLayout->addWidget(new QLabel(QStringLiteral("HTML-Element"), advanced), 0, 0);
    advancedLayout->addWidget(label(advanced, "Pseudo-Klassen", 407), 0, 1);
    advancedLayout->addWidget(label(advanced, "Pseudo-Elemente", 408), 0, 2);
    advancedLayout->addWidget(List_html3, 1, 0, 3, 1);
    advancedLayout->addWidget(List_psd_cla, 1, 1);
    advancedLayout->addWidget(List_psd_elm, 1, 2);
    advancedLayout->addWidget(kind, 2, 1, 1, 2);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(lbl_precall);
    nameRow->addWidget(ed_indi, 1);
    advancedLayout->addLayout(nameRow, 3, 1, 1, 2);
    advancedLayout->addWidget(ed_prev, 4, 0, 1, 2);
    advancedLayout->addWidget(btn_add_advanced, 4, 2);

    const struct
    {
        QWidget *page;
        const char *caption;
        int id;
    } pages[] = {{start, "Start", 700}, {context, "Kontext", 702}, {knotes, "Knoten", 703},
                 {child, "Kindelement", 704}, {advanced, "Erweitert", 705}};
    for (const auto &p : pages) {
        p.page->setProperty(kUiTextIdProperty, p.id);
        pageControl->addTab(p.page, QString::fromLatin1(p.caption));
    }

    auto *selectors = new QGroupBox(QStringLiteral("Selektoren"), this);
    selectors->setProperty(kUiTextIdProperty, 409);
    selectors->setMinimumWidth(150); // room for a composed selector such as "blockquote>p"
    List_Indi = list(selectors, "List_Indi");
    (new QVBoxLayout(selectors))->addWidget(List_Indi);

    Btn_escape = new QPushButton(QStringLiteral("Abbruch"), this);
    Btn_escape->setObjectName(QStringLiteral("Btn_escape"));
    Btn_escape->setProperty(kUiTextIdProperty, 91);
    Btn_Close_Indi = new QPushButton(QStringLiteral("Übernehmen"), this);
    Btn_Close_Indi->setObjectName(QStringLiteral("Btn_Close_Indi"));
    Btn_Close_Indi->setProperty(kUiTextIdProperty, 90);
    Btn_escape->setAutoDefault(false);
    Btn_Close_Indi->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(pageControl, 3);
    top->addWidget(selectors, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Btn_escape);
    bottom->addStretch();
    bottom->addWidget(Btn_Close_Indi);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(List_html6, &QListWidget::itemClicked, this, &SelectorAssistant::composeContext);
    connect(List_html7, &QListWidget::itemClicked, this, &SelectorAssistant::composeContext);
    connect(List_html1, &QListWidget::itemClicked, this, &SelectorAssistant::composeDescendant);
    connect(List_html2, &QListWidget::itemClicked, this, &SelectorAssistant::composeDescendant);
    connect(List_html4, &QListWidget::itemClicked, this, &SelectorAssistant::composeChild);
    connect(List_html5, &QListWidget::itemClicked, this, &SelectorAssistant::composeChild);
    connect(List_html3, &QListWidget::itemClicked, this, &SelectorAssistant::composeAdvanced);
    connect(List_psd_cla, &QListWidget::itemClicked, this, &SelectorAssistant::choosePseudoClass);
    connect(List_psd_elm, &QListWidget::itemClicked, this, &SelectorAssistant::choosePseudoElement);
    connect(rad_classes, &QRadioButton::clicked, this, &SelectorAssistant::composeNamed);
    connect(rad_ids, &QRadioButton::clicked, this, &SelectorAssistant::composeNamed);
    connect(ed_indi, &QLineEdit::textChanged, this, &SelectorAssistant::composeNamed);
    connect(btn_add_context, &QPushButton::clicked, this, &SelectorAssistant::collectContext);
    connect(btn_add_knotes, &QPushButton::clicked, this, &SelectorAssistant::collectDescendant);
    connect(btn_add_child, &QPushButton::clicked, this, &SelectorAssistant::collectChild);
    connect(btn_add_advanced, &QPushButton::clicked, this, &SelectorAssistant::collectAdvanced);
    connect(Btn_Close_Indi, &QPushButton::clicked, this, &SelectorAssistant::appendRules);
    connect(Btn_escape, &QPushButton::clicked, this, &QDialog::reject); // Esc presses it too

    centreOnScreen(*this);
    try {
        const QStringList names = DataFile::readLines(elementFile);
        for (QListWidget *l : {List_html1, List_html2, List_html3, List_html4, List_html5, List_html6, List_html7})
            l->addItems(names);
    } catch (const AppError &error) {
        reportError(error.text());
    }
}

void SelectorAssistant::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    centreOnScreen(*this);
    List_Indi->clear();
}

void SelectorAssistant::composePair(QListWidget *first, QListWidget *second, QLineEdit *result, const QString &joiner)
{
    if (hasSelection(first) && hasSelection(second))
        result->setText(SelectorComposer::pair(selected(first), selected(second), joiner));
}

void SelectorAssistant::composeContext()
{
    composePair(List_html6, List_html7, ed_context, QStringLiteral(" "));
}

void SelectorAssistant::composeDescendant()
{
    composePair(List_html1, List_html2, ed_knotes, QStringLiteral("*"));
}

void SelectorAssistant::composeChild()
{
    composePair(List_html4, List_html5, ed_child, QStringLiteral(">"));
}

void SelectorAssistant::composeAdvanced()
{
    if (!hasSelection(List_html3))
        return;
    QStringList pseudoClasses;
    for (int i = 0; i < List_psd_cla->count(); ++i)
        pseudoClasses << List_psd_cla->item(i)->text();
    const auto result = SelectorComposer::advanced(selected(List_html3), lbl_precall->text(), ed_indi->text(),
                                                   PseudoSuffix, pseudoClasses);
    PseudoSuffix = result.suffix;
    if (result.pseudoClassCleared)
        List_psd_cla->setCurrentRow(0);
    ed_prev->setText(result.selector);
    List_psd_cla->setEnabled(result.pseudoClassesEnabled);
}

void SelectorAssistant::choosePseudoClass()
{
    List_psd_elm->clearSelection();
    PseudoSuffix = selected(List_psd_cla);
    composeAdvanced();
}

void SelectorAssistant::choosePseudoElement()
{
    List_psd_cla->clearSelection();
    PseudoSuffix = selected(List_psd_elm);
    composeAdvanced();
}

void SelectorAssistant::composeNamed()
{
    lbl_precall->setText(rad_ids->isChecked() ? QStringLiteral("#") : QStringLiteral("."));
    composeAdvanced();
}

QStringList SelectorAssistant::collected() const
{
    QStringList texts;
    for (int i = 0; i < List_Indi->count(); ++i)
        texts << List_Indi->item(i)->text();
    return texts;
}

void SelectorAssistant::collectPair(QListWidget *first, QListWidget *second, QLineEdit *result)
{
    if (!hasSelection(first) && !hasSelection(second))
        return;
    QStringList texts = collected();
    if (SelectorComposer::collect(texts, result->text()))
        List_Indi->addItem(texts.last());
}

void SelectorAssistant::collectContext()
{
    collectPair(List_html6, List_html7, ed_context);
}

void SelectorAssistant::collectDescendant()
{
    collectPair(List_html1, List_html2, ed_knotes);
}

void SelectorAssistant::collectChild()
{
    collectPair(List_html4, List_html5, ed_child);
}

void SelectorAssistant::collectAdvanced()
{
    if (!hasSelection(List_html3))
        return;
    QStringList texts = collected();
    if (SelectorComposer::collect(texts, ed_prev->text()))
        List_Indi->addItem(texts.last());
}

void SelectorAssistant::appendRules()
{
    m_append(SelectorComposer::linesToAppend(collected(), rad_add_as_grouped->isChecked()));
    accept();
    m_changeHandling();
}
