#include "SettingsDialog.h"

#include "settings/ColourValues.h"
#include "app/AppError.h"
#include "app/Dialogs.h"
#include "app/ScreenRoutines.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"
#include "i18n/UiTexts.h"
#include "reference/DataFile.h"

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
    case 1: case 12: return p.color(QPalette::Dark);
    case 2: case 13: case 27: return p.color(QPalette::Highlight);
    case 3: case 28: return p.color(QPalette::Mid);
    case 4: case 15: return p.color(QPalette::Button);
    case 5: return p.color(QPalette::Base);
    case 9: case 14: return p.color(QPalette::HighlightedText);
    case 7: case 8: case 18: return p.color(QPalette::WindowText);
    case 16: return p.color(QPalette::Shadow);
    case 17: case 19: return p.color(QPalette::PlaceholderText);
    case 20: return p.color(QPalette::Light);
    case 21: return p.color(QPalette::Shadow).darker();
    case 22: return p.color(QPalette::Midlight);
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}

namespace {

QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption, int textId, bool checked)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setProperty(kUiTextIdProperty, textId);
    box->setChecked(checked);
    return box;
}

QLabel *label(QWidget *parent, const char *caption, int textId)
{
    auto *l = new QLabel(QString::fromUtf8(caption), parent);
    l->setProperty(kUiTextIdProperty, textId);
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

SettingsDialog::SettingsDialog(SheetEditor &editor, HighlighterAttributes &highlighter, Dialogs &dialogs, const UiTexts &texts,
                     QString settingsFile, QString elementFile, std::function<void()> reloadElements,
                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_editor(editor),
      m_highlighter(highlighter), m_dialogs(dialogs), m_texts(texts), m_settingsFile(std::move(settingsFile)),
      m_elementFile(std::move(elementFile)), m_reloadElements(std::move(reloadElements))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
    pages = new QTabWidget(this);

    // Options
    auto *options = new QWidget;
    auto *optionGroup = new QGroupBox(options);
    optionGroup->setProperty(kUiTextIdProperty, 86);
    chk_syntax = checkBox(optionGroup, "chk_syntax", "Syntaxhighlighting benutzen", 73, true);
    chk_linennr = checkBox(optionGroup, "chk_linennr", "Zeilennummern anzeigen", 74, true);
    chk_formatierungen = checkBox(optionGroup, "chk_formatierungen", "Formatierungen anzeigen", 75, true);
    chk_xpmenu = checkBox(optionGroup, "chk_xpmenu", "XP-Menü verwenden", 76, true);
    chk_language = checkBox(optionGroup, "chk_language", "Zuletzt genutzte Sprache speichern", 77, true);
    chk_language->setEnabled(false);
    auto *optionLayout = new QVBoxLayout(optionGroup);
    for (QCheckBox *box : {chk_syntax, chk_linennr, chk_formatierungen, chk_xpmenu, chk_language})
        optionLayout->addWidget(box);
    (new QVBoxLayout(options))->addWidget(optionGroup);

    // Elements
    auto *elements = new QWidget;
    ed_add_selektor = new QLineEdit(elements);
    ed_add_selektor->setObjectName(QStringLiteral("ed_add_selektor"));
    btn_add_selektor = new QPushButton(QStringLiteral("Hinzufügen"), elements);
    btn_add_selektor->setObjectName(QStringLiteral("btn_add_selektor"));
    btn_add_selektor->setProperty(kUiTextIdProperty, 79);
    list_selektor = new QListWidget(elements);
    list_selektor->setObjectName(QStringLiteral("list_selektor"));
    list_selektor->setSortingEnabled(true);
    btn_del_selektor = new QPushButton(QStringLiteral("Löschen"), elements);
    btn_del_selektor->setObjectName(QStringLiteral("btn_del_selektor"));
    btn_del_selektor->setProperty(kUiTextIdProperty, 80);
    auto *elementLayout = new QGridLayout(elements);
    elementLayout->addWidget(label(elements, "Neues Element", 78), 0, 0, 1, 2);
    elementLayout->addWidget(ed_add_selektor, 1, 0);
    elementLayout->addWidget(btn_add_selektor, 1, 1);
    elementLayout->addWidget(list_selektor, 2, 0);
    elementLayout->addWidget(btn_del_selektor, 2, 1, Qt::AlignTop);

    // Highlighter
    auto *highlighting = new QWidget;
    cmb_syn_fonts = new QComboBox(highlighting);
    cmb_syn_fonts->setObjectName(QStringLiteral("cmb_syn_fonts"));
    cmb_syn_fonts->setEditable(true);
    cmb_syn_size = new QComboBox(highlighting);
    cmb_syn_size->setObjectName(QStringLiteral("cmb_syn_size"));
    cmb_syn_size->setEditable(true);
    for (int size = 6; size <= 24; ++size)
        cmb_syn_size->addItem(QString::number(size));
    for (int size = 26; size <= 40; size += 2)
        cmb_syn_size->addItem(QString::number(size));
    auto *highlightLayout = new QGridLayout(highlighting);
    highlightLayout->addWidget(label(highlighting, "Schriftarten", 100), 0, 0);
    highlightLayout->addWidget(label(highlighting, "Schriftgrösse", 101), 0, 1);
    highlightLayout->addWidget(cmb_syn_fonts, 1, 0);
    highlightLayout->addWidget(cmb_syn_size, 1, 1);
    const struct
    {
        const char *caption;
        int textId;
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
        {"Schlüssel-Attribute", 81, "Schriftfarbe", "Background-Color", "SynMemo1", "ft_col_key", "chk_key", true, SynMemo1, ft_col_key, chk_key},
        {"Identifikations-Attribute", 82, "Schrift", "Black", "SynMemo4", "ft_col_ident", "chk_ident", true, SynMemo4, ft_col_ident, chk_ident},
        {"Zahl-Attribute", 83, "Schrift", "#FFCC66;", "SynMemo2", "ft_col_num", "chk_num", false, SynMemo2, ft_col_num, chk_num},
    };
    int row = 2;
    for (const auto &g : groups) {
        auto *group = new QGroupBox(QString::fromUtf8(g.caption), highlighting);
        group->setProperty(kUiTextIdProperty, g.textId);
        g.field = sampleField(group, g.sampleName, g.sample);
        g.field->setLexer(new CssLexer(m_highlighter, QFont(QStringLiteral("Courier New"), 10), g.field));
        g.picker = colourPicker(group, g.pickerName);
        g.box = checkBox(group, g.boldName, "Fett", 85, g.bold);
        auto *groupLayout = new QGridLayout(group);
        groupLayout->addWidget(g.field, 0, 0, 1, 2);
        groupLayout->addWidget(label(group, g.pickerCaption, 84), 1, 0);
        groupLayout->addWidget(g.picker, 2, 0);
        groupLayout->addWidget(g.box, 2, 1);
        highlightLayout->addWidget(group, row++, 0, 1, 2);
    }

    pages->addTab(options, QStringLiteral("Optionen"));
    pages->addTab(elements, QStringLiteral("Elemente"));
    pages->widget(1)->setProperty(kUiTextIdProperty, 87);
    pages->addTab(highlighting, QStringLiteral("Highlighter"));
    pages->widget(2)->setProperty(kUiTextIdProperty, 88);
    pages->setCurrentIndex(1);

    btn_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    btn_cancel->setProperty(kUiTextIdProperty, 91);
    btn_take_einst = new QPushButton(QStringLiteral("Übernehmen"), this);
    btn_take_einst->setObjectName(QStringLiteral("btn_take_einst"));
    btn_take_einst->setProperty(kUiTextIdProperty, 90);
    btn_take_einst->setAutoDefault(false);
    btn_cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_cancel);
    buttons->addWidget(btn_take_einst);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    connect(btn_cancel, &QPushButton::clicked, this, &QDialog::reject); // Escape presses it too
    connect(btn_take_einst, &QPushButton::clicked, this, &SettingsDialog::applySettings);
    connect(btn_add_selektor, &QPushButton::clicked, this, &SettingsDialog::addElementName);
    connect(btn_del_selektor, &QPushButton::clicked, this, &SettingsDialog::deleteElementName);
    for (QCheckBox *box : {chk_key, chk_ident, chk_num})
        connect(box, &QCheckBox::clicked, this, &SettingsDialog::applyBoldness);
    for (QComboBox *picker : {ft_col_key, ft_col_ident, ft_col_num})
        connect(picker, &QComboBox::currentIndexChanged, this, &SettingsDialog::applyColours);

    // Creation: the element list, then centring and the font names, which do not
    // depend on the list.
    try {
        list_selektor->addItems(DataFile::readLines(m_elementFile));
    } catch (const AppError &error) {
        m_dialogs.showFailureOnce(error);
    }
    adjustSize();
    centreOnScreen(*this);
    cmb_syn_fonts->addItems(QFontDatabase::families());
    connect(cmb_syn_fonts, &QComboBox::editTextChanged, this, &SettingsDialog::applyFontFamily);
    connect(cmb_syn_size, &QComboBox::editTextChanged, this, &SettingsDialog::applyFontSize);
}

void SettingsDialog::applyFontFamily()
{
    m_editor.setEditorFont(cmb_syn_fonts->currentText(), m_fontSize);
}

void SettingsDialog::applyFontSize()
{
    const QString text = cmb_syn_size->currentText();
    const auto size = IniFile::parseWholeNumber(text);
    if (!size || *size <= 0 || *size > 500) {
        m_dialogs.showFailure(AppError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text)));
        return;
    }
    m_fontSize = int(*size);
    m_editor.setEditorFont(cmb_syn_fonts->currentText(), m_fontSize);
}

void SettingsDialog::applyBoldness()
{
    m_highlighter.setBold(HighlighterAttributes::Attribute::Key, chk_key->isChecked());
    m_highlighter.setBold(HighlighterAttributes::Attribute::Identifier, chk_ident->isChecked());
    m_highlighter.setBold(HighlighterAttributes::Attribute::Number, chk_num->isChecked());
}

quint32 SettingsDialog::pickedColour(const QComboBox *picker) const
{
    return picker->currentData().value<quint32>();
}

void SettingsDialog::applyColours()
{
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Key, colourOf(pickedColour(ft_col_key)));
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Identifier, colourOf(pickedColour(ft_col_ident)));
    m_highlighter.setForeground(HighlighterAttributes::Attribute::Number, colourOf(pickedColour(ft_col_num)));
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
    m_editor.setLexer(chk_syntax->isChecked() ? m_editor.findChild<CssLexer *>() : nullptr);
    m_editor.setEditorFont(cmb_syn_fonts->currentText(), m_fontSize); // plain text keeps the font too
    m_editor.setLineNumbersVisible(chk_linennr->isChecked());
    m_editor.setShowSpecialChars(chk_formatierungen->isChecked());
}

void SettingsDialog::readAtStart()
{
    const EditorSettings s = EditorSettings::read(IniFile(m_settingsFile));
    chk_syntax->setChecked(s.highlighting);
    chk_linennr->setChecked(s.lineNumbers);
    chk_formatierungen->setChecked(s.formattingMarks);
    chk_xpmenu->setChecked(s.xpMenu);
    {
        const QSignalBlocker quiet(cmb_syn_fonts);
        cmb_syn_fonts->setEditText(s.fontName);
    }
    {
        const QSignalBlocker quiet(cmb_syn_size);
        cmb_syn_size->setEditText(s.fontSize);
    }
    m_fontSize = s.fontSize.toInt();
    m_editor.setEditorFont(s.fontName, m_fontSize);
    chk_key->setChecked(s.keyBold);
    chk_ident->setChecked(s.identBold);
    chk_num->setChecked(s.numBold);
    selectColour(ft_col_key, s.keyColour);
    selectColour(ft_col_ident, s.identColour);
    selectColour(ft_col_num, s.numColour);
    applyBoldness();
    applyColours();
    applyDisplaySwitches();
    m_editor.setFocus();
}

void SettingsDialog::applySettings()
{
    EditorSettings s;
    s.highlighting = chk_syntax->isChecked();
    s.lineNumbers = chk_linennr->isChecked();
    s.formattingMarks = chk_formatierungen->isChecked();
    s.xpMenu = chk_xpmenu->isChecked();
    s.fontName = cmb_syn_fonts->currentText();
    s.fontSize = cmb_syn_size->currentText();
    s.keyBold = chk_key->isChecked();
    s.identBold = chk_ident->isChecked();
    s.numBold = chk_num->isChecked();
    s.keyColour = pickedColour(ft_col_key);
    s.identColour = pickedColour(ft_col_ident);
    s.numColour = pickedColour(ft_col_num);
    try {
        s.write(IniFile(m_settingsFile), m_texts.offset());
    } catch (const AppError &error) {
        m_dialogs.showFailure(error);
        return; // nothing applied, the dialog stays open
    }
    applyDisplaySwitches();
    applyBoldness();
    accept();
}

void SettingsDialog::writeElementFile()
{
    QStringList lines;
    for (int i = 0; i < list_selektor->count(); ++i)
        lines << list_selektor->item(i)->text();
    DataFile::writeLines(m_elementFile, lines);
}

void SettingsDialog::addElementName()
{
    const QString name = ed_add_selektor->text();
    if (name.isEmpty())
        return;
    list_selektor->addItem(name);
    try {
        writeElementFile();
    } catch (const AppError &error) {
        m_dialogs.showFailure(error);
        return;
    }
    ed_add_selektor->clear();
}

void SettingsDialog::deleteElementName()
{
    if (m_dialogs.message(BoxKind::Confirmation, QStringLiteral("Wollen Sie diesen Selektor wirklich löschen?"),
                          Buttons::YesNo)
        != Answer::Yes)
        return;
    if (QListWidgetItem *item = list_selektor->currentItem(); item && item->isSelected())
        delete item;
    try {
        writeElementFile();
        m_reloadElements();
    } catch (const AppError &error) {
        m_dialogs.showFailure(error);
    }
}
