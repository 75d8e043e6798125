#include "SelectorAssistant.h"

#include "app/AppError.h"
#include "app/ScreenRoutines.h"
#include "assistant/SelectorComposer.h"
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

QLabel *label(QWidget *parent, const char *caption, UiText textId)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    setUiTextId(l, textId);
    return l;
}

// A read-only text in a box, wrapped to the box's width.
QLabel *textBox(QWidget *parent, const char *name, const char *text, UiText textId)
{
    auto *box = new QLabel(QString::fromUtf8(text), parent);
    box->setObjectName(QLatin1String(name));
    setUiTextId(box, textId);
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
    setUiTextId(b, UiText::Use);
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
    layout->addWidget(label(page, "Erstes Element", UiText::FirstElement), 0, 0);
    layout->addWidget(label(page, "Zweites Element", UiText::SecondElement), 0, 1);
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
                                     std::function<void()> changeHandling,
                                     std::function<void(const QString &)> reportError, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_append(std::move(append)),
      m_changeHandling(std::move(changeHandling))
{
    setObjectName(QStringLiteral("SelectorAssistant"));
    setWindowTitle(QStringLiteral("Individualformate"));
    setModal(true);
    resize(500, 386);
    m_assistantPages = new QTabWidget(this);
    m_assistantPages->setObjectName(QStringLiteral("assistantPages"));

    // Start
    auto *start = new QWidget;
    auto *title = new QLabel(QStringLiteral("Stylograf Selektoren-Assisstent"), start);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    // The two texts wrap to the window's width and take the height they need.
    auto *intro = textBox(start, "introText",
                          "Dieser Assistent soll Ihnen helfen eine Liste von Selektoren dem aktuellen "
                          "StyleSheet hinzuzufügen. Wählen Sie einfach aus den vorhandenen Typen die "
                          "gewünschten Selektoren aus. Wenn Sie \"Übernehmen\" anklicken, werden die "
                          "Selektoren dem Sheet hinzugefügt.",
                          UiText::AssistantIntro);
    auto *addAs = new QGroupBox(QStringLiteral("Gewählte Elemente anlegen als"), start);
    m_asSelectorListRadio = new QRadioButton(QStringLiteral("einzelne, bzw. gruppierte Elemente"), addAs);
    m_asSelectorListRadio->setObjectName(QStringLiteral("asSelectorListRadio"));
    m_asSeparateRulesRadio = new QRadioButton(QStringLiteral("einzeln separierte Elemente"), addAs);
    m_asSeparateRulesRadio->setObjectName(QStringLiteral("asSeparateRulesRadio"));
    m_asSelectorListRadio->setChecked(true);
    auto *addAsLayout = new QVBoxLayout(addAs);
    addAsLayout->addWidget(m_asSelectorListRadio);
    addAsLayout->addWidget(m_asSeparateRulesRadio);
    auto *hint = textBox(start, "hintText",
                         "Sie können mehrere verschiedene Typen hinzufügen, indem Sie einfach oben die "
                         "verschiedenen Typen auswählen und die Selektoren einzeln hinzufügen.",
                         UiText::AssistantHint);
    auto *startLayout = new QVBoxLayout(start);
    startLayout->addWidget(title);
    startLayout->addWidget(intro);
    startLayout->addWidget(addAs);
    startLayout->addWidget(hint);
    startLayout->addStretch();

    QWidget *context = pairPage(m_contextFirstList, "contextFirstList", m_contextSecondList, "contextSecondList",
                                m_contextEdit, "contextEdit", m_useContextButton, "useContextButton");
    QWidget *knotes
        = pairPage(m_descendantFirstList, "descendantFirstList", m_descendantSecondList, "descendantSecondList",
                   m_descendantEdit, "descendantEdit", m_useDescendantButton, "useDescendantButton");
    QWidget *child = pairPage(m_childFirstList, "childFirstList", m_childSecondList, "childSecondList", m_childEdit,
                              "childEdit", m_useChildButton, "useChildButton");

    // Erweitert
    auto *advanced = new QWidget;
    m_advancedElementList = list(advanced, "advancedElementList");
    m_pseudoClassList = list(advanced, "pseudoClassList");
    m_pseudoClassList->addItems({QString(), QStringLiteral(":link"), QStringLiteral(":visited"),
                                 QStringLiteral(":hover"), QStringLiteral(":active"), QStringLiteral(":focus")});
    m_pseudoElementList = list(advanced, "pseudoElementList");
    m_pseudoElementList->addItems({QString(), QStringLiteral(":after"), QStringLiteral(":before"),
                                   QStringLiteral(":first-child"), QStringLiteral(":first-letter"),
                                   QStringLiteral(":first-line")});
    auto *kind = new QWidget(advanced);
    m_classesRadio = new QRadioButton(QStringLiteral("Klassen"), kind);
    m_classesRadio->setObjectName(QStringLiteral("classesRadio"));
    m_idsRadio = new QRadioButton(QString::fromUtf8("ID\u00b4s"), kind);
    m_idsRadio->setObjectName(QStringLiteral("idsRadio"));
    m_classesRadio->setChecked(true);
    auto *kindLayout = new QHBoxLayout(kind);
    kindLayout->setContentsMargins(0, 0, 0, 0);
    kindLayout->addWidget(m_classesRadio);
    kindLayout->addWidget(m_idsRadio);
    m_namePrefixLabel = new QLabel(QStringLiteral("."), advanced);
    m_namePrefixLabel->setObjectName(QStringLiteral("namePrefixLabel"));
    QFont precallFont = m_namePrefixLabel->font();
    precallFont.setPointSize(precallFont.pointSize() + 6);
    precallFont.setBold(true);
    m_namePrefixLabel->setFont(precallFont);
    m_nameEdit = edit(advanced, "nameEdit");
    m_advancedEdit = edit(advanced, "advancedEdit");
    m_useAdvancedButton = useButton(advanced, "useAdvancedButton");
    auto *advancedLayout = new QGridLayout(advanced);
    advancedLayout->addWidget(new QLabel(QStringLiteral("HTML-Element"), advanced), 0, 0);
    advancedLayout->addWidget(label(advanced, "Pseudo-Klassen", UiText::PseudoClasses), 0, 1);
    advancedLayout->addWidget(label(advanced, "Pseudo-Elemente", UiText::PseudoElements), 0, 2);
    advancedLayout->addWidget(m_advancedElementList, 1, 0, 3, 1);
    advancedLayout->addWidget(m_pseudoClassList, 1, 1);
    advancedLayout->addWidget(m_pseudoElementList, 1, 2);
    advancedLayout->addWidget(kind, 2, 1, 1, 2);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(m_namePrefixLabel);
    nameRow->addWidget(m_nameEdit, 1);
    advancedLayout->addLayout(nameRow, 3, 1, 1, 2);
    advancedLayout->addWidget(m_advancedEdit, 4, 0, 1, 2);
    advancedLayout->addWidget(m_useAdvancedButton, 4, 2);

    const struct
    {
        QWidget *page;
        const char *caption;
        UiText id;
    } pages[] = {{start, "Start", UiText::AssistantStart},
                 {context, "Kontext", UiText::AssistantContext},
                 {knotes, "Knoten", UiText::AssistantNodes},
                 {child, "Kindelement", UiText::AssistantChild},
                 {advanced, "Erweitert", UiText::AssistantAdvanced}};
    for (const auto &p : pages) {
        setUiTextId(p.page, p.id);
        m_assistantPages->addTab(p.page, QString::fromLatin1(p.caption));
    }

    auto *selectors = new QGroupBox(QStringLiteral("Selektoren"), this);
    setUiTextId(selectors, UiText::AssistantSelectors);
    selectors->setMinimumWidth(150); // room for a composed selector such as "blockquote>p"
    m_collectedList = list(selectors, "collectedList");
    (new QVBoxLayout(selectors))->addWidget(m_collectedList);

    m_discardButton = new QPushButton(QStringLiteral("Abbruch"), this);
    m_discardButton->setObjectName(QStringLiteral("discardButton"));
    setUiTextId(m_discardButton, UiText::Cancel);
    m_appendButton = new QPushButton(QStringLiteral("Übernehmen"), this);
    m_appendButton->setObjectName(QStringLiteral("appendButton"));
    setUiTextId(m_appendButton, UiText::Accept);
    m_discardButton->setAutoDefault(false);
    m_appendButton->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(m_assistantPages, 3);
    top->addWidget(selectors, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_discardButton);
    bottom->addStretch();
    bottom->addWidget(m_appendButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(m_contextFirstList, &QListWidget::itemClicked, this, &SelectorAssistant::composeContext);
    connect(m_contextSecondList, &QListWidget::itemClicked, this, &SelectorAssistant::composeContext);
    connect(m_descendantFirstList, &QListWidget::itemClicked, this, &SelectorAssistant::composeDescendant);
    connect(m_descendantSecondList, &QListWidget::itemClicked, this, &SelectorAssistant::composeDescendant);
    connect(m_childFirstList, &QListWidget::itemClicked, this, &SelectorAssistant::composeChild);
    connect(m_childSecondList, &QListWidget::itemClicked, this, &SelectorAssistant::composeChild);
    connect(m_advancedElementList, &QListWidget::itemClicked, this, &SelectorAssistant::composeAdvanced);
    connect(m_pseudoClassList, &QListWidget::itemClicked, this, &SelectorAssistant::choosePseudoClass);
    connect(m_pseudoElementList, &QListWidget::itemClicked, this, &SelectorAssistant::choosePseudoElement);
    connect(m_classesRadio, &QRadioButton::clicked, this, &SelectorAssistant::composeNamed);
    connect(m_idsRadio, &QRadioButton::clicked, this, &SelectorAssistant::composeNamed);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &SelectorAssistant::composeNamed);
    connect(m_useContextButton, &QPushButton::clicked, this, &SelectorAssistant::collectContext);
    connect(m_useDescendantButton, &QPushButton::clicked, this, &SelectorAssistant::collectDescendant);
    connect(m_useChildButton, &QPushButton::clicked, this, &SelectorAssistant::collectChild);
    connect(m_useAdvancedButton, &QPushButton::clicked, this, &SelectorAssistant::collectAdvanced);
    connect(m_appendButton, &QPushButton::clicked, this, &SelectorAssistant::appendRules);
    connect(m_discardButton, &QPushButton::clicked, this, &QDialog::reject); // Esc presses it too

    centreOnScreen(*this);
    try {
        const QStringList names = DataFile::readLines(elementFile);
        for (QListWidget *l : {m_descendantFirstList, m_descendantSecondList, m_advancedElementList, m_childFirstList,
                               m_childSecondList, m_contextFirstList, m_contextSecondList})
            l->addItems(names);
    } catch (const AppError &error) {
        reportError(error.text());
    }
}

void SelectorAssistant::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    centreOnScreen(*this);
    m_collectedList->clear();
}

void SelectorAssistant::composePair(QListWidget *first, QListWidget *second, QLineEdit *result, const QString &joiner)
{
    if (hasSelection(first) && hasSelection(second))
        result->setText(SelectorComposer::pair(selected(first), selected(second), joiner));
}

void SelectorAssistant::composeContext()
{
    composePair(m_contextFirstList, m_contextSecondList, m_contextEdit, QStringLiteral(" "));
}

void SelectorAssistant::composeDescendant()
{
    composePair(m_descendantFirstList, m_descendantSecondList, m_descendantEdit, QStringLiteral("*"));
}

void SelectorAssistant::composeChild()
{
    composePair(m_childFirstList, m_childSecondList, m_childEdit, QStringLiteral(">"));
}

void SelectorAssistant::composeAdvanced()
{
    if (!hasSelection(m_advancedElementList))
        return;
    QStringList pseudoClasses;
    for (int i = 0; i < m_pseudoClassList->count(); ++i)
        pseudoClasses << m_pseudoClassList->item(i)->text();
    const auto result = SelectorComposer::advanced(selected(m_advancedElementList), m_namePrefixLabel->text(),
                                                   m_nameEdit->text(), m_pseudoSuffix, pseudoClasses);
    m_pseudoSuffix = result.suffix;
    if (result.pseudoClassCleared)
        m_pseudoClassList->setCurrentRow(0);
    m_advancedEdit->setText(result.selector);
    m_pseudoClassList->setEnabled(result.pseudoClassesEnabled);
}

void SelectorAssistant::choosePseudoClass()
{
    m_pseudoElementList->clearSelection();
    m_pseudoSuffix = selected(m_pseudoClassList);
    composeAdvanced();
}

void SelectorAssistant::choosePseudoElement()
{
    m_pseudoClassList->clearSelection();
    m_pseudoSuffix = selected(m_pseudoElementList);
    composeAdvanced();
}

void SelectorAssistant::composeNamed()
{
    m_namePrefixLabel->setText(m_idsRadio->isChecked() ? QStringLiteral("#") : QStringLiteral("."));
    composeAdvanced();
}

QStringList SelectorAssistant::collected() const
{
    QStringList texts;
    for (int i = 0; i < m_collectedList->count(); ++i)
        texts << m_collectedList->item(i)->text();
    return texts;
}

void SelectorAssistant::collectPair(QListWidget *first, QListWidget *second, QLineEdit *result)
{
    if (!hasSelection(first) && !hasSelection(second))
        return;
    QStringList texts = collected();
    if (SelectorComposer::collect(texts, result->text()))
        m_collectedList->addItem(texts.last());
}

void SelectorAssistant::collectContext()
{
    collectPair(m_contextFirstList, m_contextSecondList, m_contextEdit);
}

void SelectorAssistant::collectDescendant()
{
    collectPair(m_descendantFirstList, m_descendantSecondList, m_descendantEdit);
}

void SelectorAssistant::collectChild()
{
    collectPair(m_childFirstList, m_childSecondList, m_childEdit);
}

void SelectorAssistant::collectAdvanced()
{
    if (!hasSelection(m_advancedElementList))
        return;
    QStringList texts = collected();
    if (SelectorComposer::collect(texts, m_advancedEdit->text()))
        m_collectedList->addItem(texts.last());
}

void SelectorAssistant::appendRules()
{
    m_append(SelectorComposer::linesToAppend(collected(), m_asSeparateRulesRadio->isChecked()));
    accept();
    m_changeHandling();
}
