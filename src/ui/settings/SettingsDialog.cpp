#include "SettingsDialog.h"

#include "app/AppError.h"
#include "app/Dialogs.h"
#include "app/ScreenRoutines.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"
#include "i18n/UiTexts.h"
#include "reference/DataFile.h"
#include "settings/ColourValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

QColor colourOf(quint32 number)
{
    if (number < 0x1FFFFFFFu)
        return QColor(int(number & 0xFF), int(number >> 8 & 0xFF), int(number >> 16 & 0xFF));
    if (number < 0x80000000u)
        return {}; // no colour, or the control's own
    // The desktop's colours of user-interface elements, as the toolkit's palette has them.
    const QPalette p = QApplication::palette();
    switch (number - 0x80000000u) {
    case 1:
    case 12:
        return p.color(QPalette::Dark);
    case 2:
    case 13:
    case 27:
        return p.color(QPalette::Highlight);
    case 3:
    case 28:
        return p.color(QPalette::Mid);
    case 4:
    case 15:
        return p.color(QPalette::Button);
    case 5:
        return p.color(QPalette::Base);
    case 9:
    case 14:
        return p.color(QPalette::HighlightedText);
    case 7:
    case 8:
    case 18:
        return p.color(QPalette::WindowText);
    case 16:
        return p.color(QPalette::Shadow);
    case 17:
    case 19:
        return p.color(QPalette::PlaceholderText);
    case 20:
        return p.color(QPalette::Light);
    case 21:
        return p.color(QPalette::Shadow).darker();
    case 22:
        return p.color(QPalette::Midlight);
    case 23:
        return p.color(QPalette::ToolTipText);
    case 24:
        return p.color(QPalette::ToolTipBase);
    default:
        return p.color(QPalette::Window);
    }
}

namespace {

QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption, UiText textId, bool checked)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    setUiTextId(box, textId);
    box->setChecked(checked);
    return box;
}

QLabel *label(QWidget *parent, const char *caption, UiText textId)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    setUiTextId(l, textId);
    return l;
}

QComboBox *colourPicker(QWidget *parent, const char *name)
{
    auto *picker = new QComboBox(parent);
    picker->setObjectName(QLatin1String(name));
    for (const QString &colourName : ColourValues::names()) {
        const quint32 number = *ColourValues::read(colourName);
        QPixmap swatch(12, 12);
        const QColor colour = colourOf(number);
        swatch.fill(colour.isValid() ? colour : QColor(Qt::white));
        picker->addItem(QIcon(swatch), colourName, QVariant::fromValue(number));
    }
    return picker;
}

SheetEditor *sampleField(QWidget *parent, const char *name, const char *text)
{
    auto *field = new SheetEditor(parent);
    field->setObjectName(QLatin1String(name));
    field->setGutterVisible(false);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setCaretLineVisible(false);
    field->setEdgeMode(QsciScintilla::EdgeNone);
    field->setFixedHeight(22);
    field->setLines({QString::fromLatin1(text)});
    return field;
}

} // namespace

SettingsDialog::SettingsDialog(SheetEditor &editor, HighlighterAttributes &highlighter, Dialogs &dialogs,
                               const UiTexts &texts, QString settingsFile, QString elementFile,
                               std::function<void()> reloadElements, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_editor(editor),
      m_highlighter(highlighter), m_dialogs(dialogs), m_texts(texts), m_settingsFile(std::move(settingsFile)),
      m_elementFile(std::move(elementFile)), m_reloadElements(std::move(reloadElements))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
    m_settingsPages = new QTabWidget(this);
    m_settingsPages->setObjectName(QStringLiteral("settingsPages"));

    // Options
    auto *options = new QWidget;
    auto *optionGroup = new QGroupBox(options);
    setUiTextId(optionGroup, UiText::Options);
    m_highlightingSwitch
        = checkBox(optionGroup, "highlightingSwitch", "Syntaxhighlighting benutzen", UiText::UseHighlighting, true);
    m_lineNumbersSwitch
        = checkBox(optionGroup, "lineNumbersSwitch", "Zeilennummern anzeigen", UiText::ShowLineNumbers, true);
    m_formattingMarksSwitch
        = checkBox(optionGroup, "formattingMarksSwitch", "Formatierungen anzeigen", UiText::ShowFormattingMarks, true);
    m_xpMenuSwitch = checkBox(optionGroup, "xpMenuSwitch", "XP-Menü verwenden", UiText::UseXpMenu, true);
    m_colourSwatchesSwitch
        = checkBox(optionGroup, "colourSwatchesSwitch", "Farbmuster anzeigen", UiText::ShowColourSwatches, true);
    m_completionSwitch
        = checkBox(optionGroup, "completionSwitch", "Vervollständigung anbieten", UiText::OfferCompletion, true);
    m_propertyTipsSwitch = checkBox(optionGroup, "propertyTipsSwitch", "Syntax der Eigenschaften zeigen",
                                    UiText::ShowPropertyTips, true);
    m_unknownNamesSwitch = checkBox(optionGroup, "unknownNamesSwitch", "Unbekannte Eigenschaften markieren",
                                    UiText::MarkUnknownNames, true);
    m_cssSyntaxSwitch
        = checkBox(optionGroup, "cssSyntaxSwitch", "Analyse nach CSS-Syntax", UiText::AnalyseByCssSyntax, false);
    m_languageSwitch
        = checkBox(optionGroup, "languageSwitch", "Zuletzt genutzte Sprache speichern", UiText::KeepLanguage, true);
    m_languageSwitch->setEnabled(false);
    auto *optionLayout = new QVBoxLayout(optionGroup);
    for (QCheckBox *box :
         {m_highlightingSwitch, m_lineNumbersSwitch, m_formattingMarksSwitch, m_xpMenuSwitch, m_colourSwatchesSwitch,
          m_completionSwitch, m_propertyTipsSwitch, m_unknownNamesSwitch, m_cssSyntaxSwitch, m_languageSwitch})
        optionLayout->addWidget(box);
    (new QVBoxLayout(options))->addWidget(optionGroup);

    // Elements
    auto *elements = new QWidget;
    m_elementNameEdit = new QLineEdit(elements);
    m_elementNameEdit->setObjectName(QStringLiteral("elementNameEdit"));
    m_addElementButton = new QPushButton(QStringLiteral("Hinzufügen"), elements);
    m_addElementButton->setObjectName(QStringLiteral("addElementButton"));
    setUiTextId(m_addElementButton, UiText::Add);
    m_elementList = new QListWidget(elements);
    m_elementList->setObjectName(QStringLiteral("elementList"));
    m_elementList->setSortingEnabled(true);
    m_deleteElementButton = new QPushButton(QStringLiteral("Löschen"), elements);
    m_deleteElementButton->setObjectName(QStringLiteral("deleteElementButton"));
    setUiTextId(m_deleteElementButton, UiText::Remove);
    auto *elementLayout = new QGridLayout(elements);
    elementLayout->addWidget(label(elements, "Neues Element", UiText::NewElement), 0, 0, 1, 2);
    elementLayout->addWidget(m_elementNameEdit, 1, 0);
    elementLayout->addWidget(m_addElementButton, 1, 1);
    elementLayout->addWidget(m_elementList, 2, 0);
    elementLayout->addWidget(m_deleteElementButton, 2, 1, Qt::AlignTop);

    // Highlighter
    auto *highlighting = new QWidget;
    m_fontFamilyBox = new QComboBox(highlighting);
    m_fontFamilyBox->setObjectName(QStringLiteral("fontFamilyBox"));
    m_fontFamilyBox->setEditable(true);
    m_fontSizeBox = new QComboBox(highlighting);
    m_fontSizeBox->setObjectName(QStringLiteral("fontSizeBox"));
    m_fontSizeBox->setEditable(true);
    for (int size = 6; size <= 24; ++size)
        m_fontSizeBox->addItem(QString::number(size));
    for (int size = 26; size <= 40; size += 2)
        m_fontSizeBox->addItem(QString::number(size));
    auto *highlightLayout = new QGridLayout(highlighting);
    highlightLayout->addWidget(label(highlighting, "Schriftarten", UiText::FontFamilies), 0, 0);
    highlightLayout->addWidget(label(highlighting, "Schriftgrösse", UiText::FontSize), 0, 1);
    highlightLayout->addWidget(m_fontFamilyBox, 1, 0);
    highlightLayout->addWidget(m_fontSizeBox, 1, 1);
    const struct
    {
        const char *caption;
        UiText textId;
        const char *pickerCaption;
        const char *sample;
        const char *sampleName;
        const char *pickerName;
        const char *boldName;
        bool bold;
        SheetEditor *&field;
        QComboBox *&picker;
        QCheckBox *&box;
    } groups[] = {
        {"Schlüssel-Attribute", UiText::KeyAttributes, "Schriftfarbe", "Background-Color", "keySample", "keyColourBox",
         "keyBoldSwitch", true, m_keySample, m_keyColourBox, m_keyBoldSwitch},
        {"Identifikations-Attribute", UiText::IdentifierAttributes, "Schrift", "Black", "identifierSample",
         "identifierColourBox", "identifierBoldSwitch", true, m_identifierSample, m_identifierColourBox,
         m_identifierBoldSwitch},
        {"Zahl-Attribute", UiText::NumberAttributes, "Schrift", "#FFCC66;", "numberSample", "numberColourBox",
         "numberBoldSwitch", false, m_numberSample, m_numberColourBox, m_numberBoldSwitch},
    };
    int row = 2;
    for (const auto &g : groups) {
        auto *group = new QGroupBox(QString::fromUtf8(g.caption), highlighting);
        setUiTextId(group, g.textId);
        g.field = sampleField(group, g.sampleName, g.sample);
        g.field->setLexer(new CssLexer(m_highlighter, QFont(QStringLiteral("Courier New"), 10), g.field));
        g.picker = colourPicker(group, g.pickerName);
        g.box = checkBox(group, g.boldName, "Fett", UiText::Bold, g.bold);
        auto *groupLayout = new QGridLayout(group);
        groupLayout->addWidget(g.field, 0, 0, 1, 2);
        groupLayout->addWidget(label(group, g.pickerCaption, UiText::FontColour), 1, 0);
        groupLayout->addWidget(g.picker, 2, 0);
        groupLayout->addWidget(g.box, 2, 1);
        highlightLayout->addWidget(group, row++, 0, 1, 2);
    }

    m_settingsPages->addTab(options, QStringLiteral("Optionen"));
    m_settingsPages->addTab(elements, QStringLiteral("Elemente"));
    setUiTextId(m_settingsPages->widget(1), UiText::ElementsPage);
    m_settingsPages->addTab(highlighting, QStringLiteral("Highlighter"));
    setUiTextId(m_settingsPages->widget(2), UiText::HighlighterPage);
    m_settingsPages->setCurrentIndex(0);

    m_cancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    setUiTextId(m_cancelButton, UiText::Cancel);
    m_applyButton = new QPushButton(QStringLiteral("Übernehmen"), this);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    setUiTextId(m_applyButton, UiText::Accept);
    m_applyButton->setAutoDefault(false);
    m_cancelButton->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_applyButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_settingsPages);
    layout->addLayout(buttons);

    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Escape presses it too
    connect(m_applyButton, &QPushButton::clicked, this, &SettingsDialog::applySettings);
    connect(m_addElementButton, &QPushButton::clicked, this, &SettingsDialog::addElementName);
    connect(m_deleteElementButton, &QPushButton::clicked, this, &SettingsDialog::deleteElementName);
    for (QCheckBox *box : {m_keyBoldSwitch, m_identifierBoldSwitch, m_numberBoldSwitch})
        connect(box, &QCheckBox::clicked, this, &SettingsDialog::applyBoldness);
    for (QComboBox *picker : {m_keyColourBox, m_identifierColourBox, m_numberColourBox})
        connect(picker, &QComboBox::currentIndexChanged, this, &SettingsDialog::applyColours);

    // Creation: the element list, then centring and the font names, which do not
    // depend on the list.
    m_dialogs.reportFailureOnce([this] { m_elementList->addItems(DataFile::readLines(m_elementFile)); });
    adjustSize();
    centreOnScreen(*this);
    m_fontFamilyBox->addItems(QFontDatabase::families());
    connect(m_fontFamilyBox, &QComboBox::editTextChanged, this, &SettingsDialog::applyFontFamily);
    connect(m_fontSizeBox, &QComboBox::editTextChanged, this, &SettingsDialog::applyFontSize);
}

void SettingsDialog::applyFontFamily()
{
    m_editor.setEditorFont(m_fontFamilyBox->currentText(), m_fontSize);
}

void SettingsDialog::applyFontSize()
{
    const QString text = m_fontSizeBox->currentText();
    const auto size = IniFile::parseWholeNumber(text);
    if (!size || *size <= 0 || *size > 500) {
        m_dialogs.showFailure(AppError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text)));
        return;
    }
    m_fontSize = int(*size);
    m_editor.setEditorFont(m_fontFamilyBox->currentText(), m_fontSize);
}

void SettingsDialog::applyBoldness()
{
    m_highlighter.setBold(HighlighterAttributes::Attribute::Key, m_keyBoldSwitch->isChecked());
    m_highlighter.setBold(HighlighterAttributes::Attribute::Identifier, m_identifierBoldSwitch->isChecked());
    m_highlighter.setBold(HighlighterAttributes::Attribute::Number, m_numberBoldSwitch->isChecked());
}

quint32 SettingsDialog::pickedColour(const QComboBox *picker) const
{
    return picker->currentData().value<quint32>();
}

void SettingsDialog::applyColours()
{
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Key, colourOf(pickedColour(m_keyColourBox)));
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Identifier,
                                colourOf(pickedColour(m_identifierColourBox)));
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Number, colourOf(pickedColour(m_numberColourBox)));
}

void SettingsDialog::selectColour(QComboBox *picker, quint32 number)
{
    int index = picker->findData(QVariant::fromValue(number));
    if (index < 0) {
        // A colour of no name: offered as itself.
        QPixmap swatch(12, 12);
        swatch.fill(colourOf(number));
        picker->addItem(QIcon(swatch), ColourValues::write(number), QVariant::fromValue(number));
        index = picker->count() - 1;
    }
    const QSignalBlocker quiet(picker);
    picker->setCurrentIndex(index);
}

void SettingsDialog::applyDisplaySwitches()
{
    m_editor.setLexer(m_highlightingSwitch->isChecked() ? m_editor.findChild<CssLexer *>() : nullptr);
    m_editor.setEditorFont(m_fontFamilyBox->currentText(), m_fontSize); // plain text keeps the font too
    m_editor.setLineNumbersVisible(m_lineNumbersSwitch->isChecked());
    m_editor.setShowSpecialChars(m_formattingMarksSwitch->isChecked());
    m_editor.setColourSwatchesVisible(m_colourSwatchesSwitch->isChecked());
    m_editor.setCompletionEnabled(m_completionSwitch->isChecked());
    m_editor.setPropertyTipsEnabled(m_propertyTipsSwitch->isChecked());
    m_editor.setUnknownNamesMarked(m_unknownNamesSwitch->isChecked());
    emit cssSyntaxChosen(m_cssSyntaxSwitch->isChecked());
}

void SettingsDialog::showEvent(QShowEvent *e)
{
    m_settingsPages->setCurrentIndex(0); // every opening starts on the first page
    QDialog::showEvent(e);
}

void SettingsDialog::showCssSyntax(bool on)
{
    m_cssSyntaxSwitch->setChecked(on);
}

void SettingsDialog::readAtStart()
{
    const EditorSettings s = EditorSettings::read(IniFile(m_settingsFile));
    m_highlightingSwitch->setChecked(s.highlighting);
    m_lineNumbersSwitch->setChecked(s.lineNumbers);
    m_formattingMarksSwitch->setChecked(s.formattingMarks);
    m_xpMenuSwitch->setChecked(s.xpMenu);
    m_colourSwatchesSwitch->setChecked(s.colourSwatches);
    m_completionSwitch->setChecked(s.completion);
    m_propertyTipsSwitch->setChecked(s.propertyTips);
    m_unknownNamesSwitch->setChecked(s.unknownNames);
    m_cssSyntaxSwitch->setChecked(s.cssSyntax);
    {
        const QSignalBlocker quiet(m_fontFamilyBox);
        m_fontFamilyBox->setEditText(s.fontName);
    }
    {
        const QSignalBlocker quiet(m_fontSizeBox);
        m_fontSizeBox->setEditText(s.fontSize);
    }
    m_fontSize = s.fontSize.toInt();
    m_editor.setEditorFont(s.fontName, m_fontSize);
    m_keyBoldSwitch->setChecked(s.keyBold);
    m_identifierBoldSwitch->setChecked(s.identBold);
    m_numberBoldSwitch->setChecked(s.numBold);
    selectColour(m_keyColourBox, s.keyColour);
    selectColour(m_identifierColourBox, s.identColour);
    selectColour(m_numberColourBox, s.numColour);
    applyBoldness();
    applyColours();
    applyDisplaySwitches();
    m_editor.setFocus();
}

void SettingsDialog::applySettings()
{
    EditorSettings s;
    s.highlighting = m_highlightingSwitch->isChecked();
    s.lineNumbers = m_lineNumbersSwitch->isChecked();
    s.formattingMarks = m_formattingMarksSwitch->isChecked();
    s.xpMenu = m_xpMenuSwitch->isChecked();
    s.colourSwatches = m_colourSwatchesSwitch->isChecked();
    s.completion = m_completionSwitch->isChecked();
    s.propertyTips = m_propertyTipsSwitch->isChecked();
    s.unknownNames = m_unknownNamesSwitch->isChecked();
    s.cssSyntax = m_cssSyntaxSwitch->isChecked();
    s.fontName = m_fontFamilyBox->currentText();
    s.fontSize = m_fontSizeBox->currentText();
    s.keyBold = m_keyBoldSwitch->isChecked();
    s.identBold = m_identifierBoldSwitch->isChecked();
    s.numBold = m_numberBoldSwitch->isChecked();
    s.keyColour = pickedColour(m_keyColourBox);
    s.identColour = pickedColour(m_identifierColourBox);
    s.numColour = pickedColour(m_numberColourBox);
    if (!m_dialogs.reportFailure([&] { s.write(IniFile(m_settingsFile), m_texts.offset()); }))
        return; // nothing applied, the dialog stays open
    applyDisplaySwitches();
    applyBoldness();
    accept();
}

void SettingsDialog::writeElementFile()
{
    QStringList lines;
    for (int i = 0; i < m_elementList->count(); ++i)
        lines << m_elementList->item(i)->text();
    DataFile::writeLines(m_elementFile, lines);
}

void SettingsDialog::addElementName()
{
    const QString name = m_elementNameEdit->text();
    if (name.isEmpty())
        return;
    m_elementList->addItem(name);
    if (!m_dialogs.reportFailure([this] { writeElementFile(); }))
        return;
    m_elementNameEdit->clear();
}

void SettingsDialog::deleteElementName()
{
    if (m_dialogs.message(BoxKind::Confirmation, QStringLiteral("Wollen Sie diesen Selektor wirklich löschen?"),
                          Buttons::YesNo)
        != Answer::Yes)
        return;
    if (QListWidgetItem *item = m_elementList->currentItem(); item && item->isSelected())
        delete item;
    m_dialogs.reportFailure([this] {
        writeElementFile();
        m_reloadElements();
    });
}
