#include "UiTexts.h"

#include <QHash>

namespace {

struct Entry
{
    int id;
    const char *german;
    const char *english;
};

// clang-format off
constexpr Entry kTable[] = {
    {1, "Datei", "File"},
    {2, "Neu", "New"},
    {3, "Öffnen", "Open"},
    {4, "Speichern", "Save"},
    {5, "Speichern unter", "Save as"},
    {6, "Schließen", "Close"},
    {7, "Einstellungen", "Settings"},
    {8, "Drucken", "Print"},
    {9, "Beenden", "Exit"},
    {10, "Bearbeiten", "Edit"},
    {11, "Rückgängig", "Undo"},
    {12, "Wiederrufen", "Redo"},
    {13, "Ausschneiden", "Cut"},
    {14, "Kopieren", "Copy"},
    {15, "Einfügen", "Paste"},
    {16, "Löschen", "Delete"},
    {17, "Alles markieren", "Select all"},
    {20, "Sprache", "Language"},
    {21, "Deutsch", "German"},
    {22, "Englisch", "English"},
    {23, "Ansicht", "View"},
    {24, "CSS-Parser", "CSS-Parser"},
    {25, "Objekte", "Objects"},
    {26, "Vorschau", "Preview"},
    {27, "Selektoren", "Selektores"},
    {30, "Hilfe", "Help"},
    {31, "Homepage", "Homepage"},
    {32, "Für Webmaster", "For Webmaster"},
    {33, "Info", "About"},
    // The selector assistant's captions.
    {44, "Verwenden", "Use"},
    {405, "Erstes Element", "First element"},
    {411, "Stylograf - der Editor für handgeschriebene Style Sheets", "Stylograf - the editor for hand-written style sheets"},
    {412, "Schreiben Sie uns eine E-Mail", "Write us an e-mail"},
    {406, "Zweites Element", "Second element"},
    {407, "Pseudo-Klassen", "Pseudo-classes"},
    {408, "Pseudo-Elemente", "Pseudo-elements"},
    {409, "Selektoren", "Selectors"},
    {700, "Start", "Start"},
    {702, "Kontext", "Context"},
    {703, "Knoten", "Nodes"},
    {704, "Kindelement", "Child element"},
    {705, "Erweitert", "Advanced"},
    {710, "Dieser Assistent soll Ihnen helfen eine Liste von Selektoren dem aktuellen StyleSheet hinzuzufügen. Wählen Sie einfach aus den vorhandenen Typen die gewünschten Selektoren aus. Wenn Sie \"Übernehmen\" anklicken, werden die Selektoren dem Sheet hinzugefügt.", "This assistant helps you add a list of selectors to the current style sheet. Just choose the selectors you want from the types offered. When you click \"Accept\", the selectors are added to the sheet."},
    {711, "Sie können mehrere verschiedene Typen hinzufügen, indem Sie einfach oben die verschiedenen Typen auswählen und die Selektoren einzeln hinzufügen.", "You can add several different types: choose the types above one after another and add their selectors one by one."},
    {40, "Suchen", "Search"},
    {41, "nächsten suchen", "Search next"},
    {42, "vorherigen suchen", "Search back"},
    {43, "Ersetzen", "Replace"},
    {50, "Sie können dieser Eigenschaft einen Mix aus allen verfügbaren Werten zuweisen.", "You can add a mix of available values to this property."},
    {60, "Eine Hilfe wird demnächst erstellt und eingebunden", "A helpfile will be created and implemented as soon as possible"},
    {70, "Elemente", "Elements"},
    {71, "Eigenschaften", "Properties"},
    {72, "Werte", "Values"},
    {73, "Syntaxhighlighting benutzen", "Use syntax-highlighting"},
    {74, "Zeilennummern anzeigen", "Show line-numbers"},
    {75, "Formatierungen anzeigen", "Show formatting"},
    {76, "XP-Menü verwenden", "Use XP-Menu"},
    {77, "Zuletzt genutzte Sprache speichern", "Save language last used"},
    {78, "Neues Element", "New Element"},
    {79, "Hinzufügen", "Add"},
    {80, "Löschen", "Delete"},
    {81, "Schlüssel-Attribute", "Key-Attributs"},
    {82, "Identifikations-Attribute", "Identifier-Attributs"},
    {83, "Zahl-Attribute", "Number-Attributs"},
    {84, "Schriftfarbe", "Font-Color"},
    {85, "Fett", "Bold"},
    {86, "Optionen", "Options"},
    {87, "Elemente", "Elements"},
    {88, "Highlighter", "Highlighter"},
    {90, "Übernehmen", "Accept"},
    {91, "Abbrechen", "Cancel"},
    {100, "Schriftarten", "Fonts"},
    {101, "Schriftgrösse", "Font-size"},
    {435, "Sie sind leider nicht mit dem Internet verbunden! Wollen Sie es trotzdem probieren?", "Unfortunately you are not connected to the internet. Would you like to try it nevertheless?"},
    {450, "Sie haben Veränderungen vorgenommen. Wollen Sie diese speichern?", "You did some changes. Do you want to save it?"},
    {451, "Die Datei wurde verändert. Wollen Sie speichern?", "The file was changed! Do you want to save changes?"},
    {452, "Der Text enthält Zeichen, die in der Kodierung der Datei (Windows-1252) nicht gespeichert werden können. Soll die Datei als UTF-8 gespeichert werden? Bei \"Nein\" wird nicht gespeichert und die Datei bleibt, wie sie ist.", "The text holds characters that the file's encoding (Windows-1252) cannot store. Save the file as UTF-8? \"No\" does not save and leaves the file as it is."},
    {453, "Die Datei enthält Nullzeichen; sie werden als Zeilenenden gelesen. Beim Speichern wird die Datei daher verändert.", "The file holds NUL characters; they are read as line ends. Saving will therefore change the file."},
    {454, "Die Datei enthielt Nullzeichen, die beim Speichern zu Zeilenenden werden. Trotzdem speichern?", "The file held NUL characters, which become line ends when it is saved. Save anyway?"},
    {455, "Die Datei %1 wurde von einem anderen Programm verändert. Wollen Sie sie neu laden? Ihre Änderungen gehen dabei verloren.", "The file %1 was changed by another program. Do you want to reload it? Your changes will be lost."},
    {456, "Die Datei %1 wurde seit dem Öffnen von einem anderen Programm verändert. Wollen Sie sie trotzdem überschreiben?", "The file %1 was changed by another program since it was opened. Do you want to overwrite it anyway?"},
    {600, "Sie haben Veränderungen vorgenommen!", "You made some changes!"},
    {601, "Wollen Sie die Datei speichern?", "Do you want to save the file?"},
};
// clang-format on

const QHash<int, QString> &table()
{
    static const QHash<int, QString> texts = [] {
        QHash<int, QString> t;
        for (const Entry &e : kTable) {
            t.insert(e.id, QString::fromUtf8(e.german));
            t.insert(e.id + UiTexts::English, QString::fromUtf8(e.english));
        }
        return t;
    }();
    return texts;
}

} // namespace

QString UiTexts::stored(int number)
{
    return table().value(number).left(254);
}
