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

    void applyFontFamily();
    void applyFontSize();
    void applyBoldness();
    void applyColours();
    void applySettings();
    void addElementName();
    void deleteElementName();

    QTabWidget *pages;
    QCheckBox *chk_syntax, *chk_linennr, *chk_formatierungen, *chk_xpmenu, *chk_language;
    QLineEdit *ed_add_selektor;
    QPushButton *btn_add_selektor, *btn_del_selektor;
    QListWidget *list_selektor;
    QComboBox *cmb_syn_fonts, *cmb_syn_size;
    QComboBox *ft_col_key, *ft_col_ident, *ft_col_num;
    QCheckBox *chk_key, *chk_ident, *chk_num;
    SheetEditor *SynMemo1, *SynMemo4, *SynMemo2;
    QPushButton *btn_cancel, *btn_take_einst;

private:
    void applyDisplaySwitches();
    void writeElementFile();
    void selectColour(QComboBox *picker, quint32 number);
    quint32 pickedColour(const QComboBox *picker) const;

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
