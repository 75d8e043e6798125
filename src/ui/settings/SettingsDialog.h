#pragma once

#include "settings/EditorSettings.h"

#include <QDialog>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class SheetEditor;
class HighlighterAttributes;
class UiTexts;

// "Einstellungen": the display switches, the editor's font and the highlighter's
// colours, and the element list file. Font, size, colours and boldness take effect at
// once; the switches and the file with "Übernehmen".
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `reloadElements` reloads the main window's element list after a deletion.
    SettingsDialog(SheetEditor &editor, HighlighterAttributes &highlighter, Dialogs &dialogs, const UiTexts &texts,
                   QString settingsFile, QString elementFile, std::function<void()> reloadElements,
                   QWidget *parent = nullptr);

    // The settings file read when the main window is first shown, and applied.
    void readAtStart();
    // The analysis's reading as chosen elsewhere (the View menu), for the switch.
    void showCssSyntax(bool on);

signals:
    // The analysis's reading as the settings have it: at start and with "Übernehmen".
    void cssSyntaxChosen(bool on);

protected:
    void showEvent(QShowEvent *e) override;

private slots:
    void applyFontFamily();
    void applyFontSize();
    void applyBoldness();
    void applyColours();
    void applySettings();
    void addElementName();
    void deleteElementName();

private:
    void applyDisplaySwitches();
    void writeElementFile();
    void selectColour(QComboBox *picker, quint32 number);
    quint32 pickedColour(const QComboBox *picker) const;

    QTabWidget *m_settingsPages;
    QCheckBox *m_highlightingSwitch, *m_lineNumbersSwitch, *m_formattingMarksSwitch, *m_xpMenuSwitch,
        *m_colourSwatchesSwitch, *m_completionSwitch, *m_propertyTipsSwitch, *m_unknownNamesSwitch, *m_cssSyntaxSwitch,
        *m_languageSwitch;
    QLineEdit *m_elementNameEdit;
    QPushButton *m_addElementButton, *m_deleteElementButton;
    QListWidget *m_elementList;
    QComboBox *m_fontFamilyBox, *m_fontSizeBox;
    QComboBox *m_keyColourBox, *m_identifierColourBox, *m_numberColourBox;
    QCheckBox *m_keyBoldSwitch, *m_identifierBoldSwitch, *m_numberBoldSwitch;
    SheetEditor *m_keySample, *m_identifierSample, *m_numberSample;
    QPushButton *m_cancelButton, *m_applyButton;

    SheetEditor &m_editor;
    HighlighterAttributes &m_highlighter;
    Dialogs &m_dialogs;
    const UiTexts &m_texts;
    QString m_settingsFile;
    QString m_elementFile;
    std::function<void()> m_reloadElements;
    int m_fontSize = 10;
};

// The colour a stored number stands for; invalid for "no colour" and "default".
QColor colourOf(quint32 number);
