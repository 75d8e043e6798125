#include "UiTexts.h"

#include <QHash>

namespace {

struct Entry
{
    UiText id;
    const char *german;
    const char *english;
};

// clang-format off
constexpr Entry kTable[] = {
    {UiText::MenuFile, "Datei", "File"},
    {UiText::New, "Neu", "New"},
    {UiText::Open, "Öffnen", "Open"},
    {UiText::Save, "Speichern", "Save"},
    {UiText::SaveAs, "Speichern unter", "Save as"},
    {UiText::Close, "Schließen", "Close"},
    {UiText::Settings, "Einstellungen", "Settings"},
    {UiText::Print, "Drucken", "Print"},
    {UiText::Exit, "Beenden", "Exit"},
    {UiText::MenuEdit, "Bearbeiten", "Edit"},
    {UiText::Undo, "Rückgängig", "Undo"},
    {UiText::Redo, "Wiederrufen", "Redo"},
    {UiText::Cut, "Ausschneiden", "Cut"},
    {UiText::Copy, "Kopieren", "Copy"},
    {UiText::Paste, "Einfügen", "Paste"},
    {UiText::Delete, "Löschen", "Delete"},
    {UiText::SelectAll, "Alles markieren", "Select all"},
    {UiText::MenuLanguage, "Sprache", "Language"},
    {UiText::German, "Deutsch", "German"},
    {UiText::English, "Englisch", "English"},
    {UiText::MenuView, "Ansicht", "View"},
    {UiText::ViewParser, "CSS-Parser", "CSS-Parser"},
    {UiText::ViewObjects, "Objekte", "Objects"},
    {UiText::ViewPreview, "Vorschau", "Preview"},
    {UiText::SelectorsTab, "Selektoren", "Selektores"},
    {UiText::Help, "Hilfe", "Help"},
    {UiText::HomePage, "Homepage", "Homepage"},
    {UiText::WebLinks, "Für Webmaster", "For Webmaster"},
    {UiText::About, "Info", "About"},
    // The selector assistant's captions.
    {UiText::Use, "Verwenden", "Use"},
    {UiText::FirstElement, "Erstes Element", "First element"},
    {UiText::AboutCredit, "Stylograf - der Editor für handgeschriebene Style Sheets", "Stylograf - the editor for hand-written style sheets"},
    {UiText::AboutWriteToUs, "Schreiben Sie uns eine E-Mail", "Write us an e-mail"},
    {UiText::SecondElement, "Zweites Element", "Second element"},
    {UiText::PseudoClasses, "Pseudo-Klassen", "Pseudo-classes"},
    {UiText::PseudoElements, "Pseudo-Elemente", "Pseudo-elements"},
    {UiText::AssistantSelectors, "Selektoren", "Selectors"},
    {UiText::AssistantStart, "Start", "Start"},
    {UiText::AssistantContext, "Kontext", "Context"},
    {UiText::AssistantNodes, "Knoten", "Nodes"},
    {UiText::AssistantChild, "Kindelement", "Child element"},
    {UiText::AssistantAdvanced, "Erweitert", "Advanced"},
    {UiText::AssistantIntro, "Dieser Assistent soll Ihnen helfen eine Liste von Selektoren dem aktuellen StyleSheet hinzuzufügen. Wählen Sie einfach aus den vorhandenen Typen die gewünschten Selektoren aus. Wenn Sie \"Übernehmen\" anklicken, werden die Selektoren dem Sheet hinzugefügt.", "This assistant helps you add a list of selectors to the current style sheet. Just choose the selectors you want from the types offered. When you click \"Accept\", the selectors are added to the sheet."},
    {UiText::AssistantHint, "Sie können mehrere verschiedene Typen hinzufügen, indem Sie einfach oben die verschiedenen Typen auswählen und die Selektoren einzeln hinzufügen.", "You can add several different types: choose the types above one after another and add their selectors one by one."},
    {UiText::Search, "Suchen", "Search"},
    {UiText::SearchNext, "nächsten suchen", "Search next"},
    {UiText::SearchPrevious, "vorherigen suchen", "Search back"},
    {UiText::Replace, "Ersetzen", "Replace"},
    {UiText::GoToError, "Zum Fehler springen", "Go to error"},
    {UiText::GoToRule, "Zur Regel springen", "Go to rule"},
    {UiText::ShowColourSwatches, "Farbmuster anzeigen", "Show colour swatches"},
    {UiText::FormatSheet, "Formatieren", "Format sheet"},
    {UiText::Complete, "Vervollständigen", "Complete"},
    {UiText::OfferCompletion, "Vervollständigung anbieten", "Offer completion"},
    {UiText::InitialValue, "Anfangswert", "Initial value"},
    {UiText::ShowPropertyTips, "Syntax der Eigenschaften zeigen", "Show property syntax"},
    {UiText::MarkUnknownNames, "Unbekannte Eigenschaften markieren", "Mark unknown properties"},
    {UiText::ShowSyntax, "Syntax zeigen", "Show syntax"},
    {UiText::NextUnknownName, "Nächste unbekannte Eigenschaft", "Next unknown property"},
    {UiText::UnknownProperty, "Unbekannte Eigenschaft: %1", "Unknown property: %1"},
    {UiText::DidYouMean, "Meinten Sie: %1?", "Did you mean: %1?"},
    {UiText::NoUnknownNames, "Keine unbekannten Eigenschaften", "No unknown properties"},
    {UiText::AnalyseByCssSyntax, "Analyse nach CSS-Syntax", "Analyse by CSS syntax"},
    {UiText::AtRules, "@-Regeln", "At-rules"},
    {UiText::CssSyntaxHint, "@-Regeln oder } ohne {:", "At-rules or } without {:"},
    {UiText::ReadByCssSyntax, "nach CSS-Syntax lesen", "read by CSS syntax"},
    {UiText::HideHint, "ausblenden", "hide"},
    {UiText::FileGone, "Die Datei wurde gelöscht oder verschoben", "The file was deleted or moved"},
    {UiText::HalfCharactersRead, "Die Datei enthält halbe UTF-16-Zeichen, die der Editor nicht darstellen kann; sie werden ersetzt. Beim Speichern wird die Datei daher verändert.", "The file holds half UTF-16 characters, which the editor cannot show; they are replaced. Saving will therefore change the file."},
    {UiText::HalfCharactersSaveQuestion, "Die Datei enthielt halbe UTF-16-Zeichen, die beim Speichern ersetzt werden. Trotzdem speichern?", "The file held half UTF-16 characters, which are replaced when it is saved. Save anyway?"},
    {UiText::MixOfValues, "Sie können dieser Eigenschaft einen Mix aus allen verfügbaren Werten zuweisen.", "You can add a mix of available values to this property."},
    {UiText::HelpMissing, "Eine Hilfe wird demnächst erstellt und eingebunden", "A helpfile will be created and implemented as soon as possible"},
    {UiText::Elements, "Elemente", "Elements"},
    {UiText::Properties, "Eigenschaften", "Properties"},
    {UiText::Values, "Werte", "Values"},
    {UiText::UseHighlighting, "Syntaxhighlighting benutzen", "Use syntax-highlighting"},
    {UiText::ShowLineNumbers, "Zeilennummern anzeigen", "Show line-numbers"},
    {UiText::ShowFormattingMarks, "Formatierungen anzeigen", "Show formatting"},
    {UiText::UseXpMenu, "XP-Menü verwenden", "Use XP-Menu"},
    {UiText::KeepLanguage, "Zuletzt genutzte Sprache speichern", "Save language last used"},
    {UiText::NewElement, "Neues Element", "New Element"},
    {UiText::Add, "Hinzufügen", "Add"},
    {UiText::Remove, "Löschen", "Delete"},
    {UiText::KeyAttributes, "Schlüssel-Attribute", "Key-Attributs"},
    {UiText::IdentifierAttributes, "Identifikations-Attribute", "Identifier-Attributs"},
    {UiText::NumberAttributes, "Zahl-Attribute", "Number-Attributs"},
    {UiText::FontColour, "Schriftfarbe", "Font-Color"},
    {UiText::Bold, "Fett", "Bold"},
    {UiText::Options, "Optionen", "Options"},
    {UiText::ElementsPage, "Elemente", "Elements"},
    {UiText::HighlighterPage, "Highlighter", "Highlighter"},
    {UiText::Accept, "Übernehmen", "Accept"},
    {UiText::Cancel, "Abbrechen", "Cancel"},
    {UiText::FontFamilies, "Schriftarten", "Fonts"},
    {UiText::FontSize, "Schriftgrösse", "Font-size"},
    {UiText::OfflineQuestion, "Sie sind leider nicht mit dem Internet verbunden! Wollen Sie es trotzdem probieren?", "Unfortunately you are not connected to the internet. Would you like to try it nevertheless?"},
    {UiText::SaveChangesQuestion, "Sie haben Veränderungen vorgenommen. Wollen Sie diese speichern?", "You did some changes. Do you want to save it?"},
    {UiText::FileChangedQuestion, "Die Datei wurde verändert. Wollen Sie speichern?", "The file was changed! Do you want to save changes?"},
    {UiText::SaveAsUtf8Question, "Der Text enthält Zeichen, die in der Kodierung der Datei (Windows-1252) nicht gespeichert werden können. Soll die Datei als UTF-8 gespeichert werden? Bei \"Nein\" wird nicht gespeichert und die Datei bleibt, wie sie ist.", "The text holds characters that the file's encoding (Windows-1252) cannot store. Save the file as UTF-8? \"No\" does not save and leaves the file as it is."},
    {UiText::NulCharactersRead, "Die Datei enthält Nullzeichen; sie werden als Zeilenenden gelesen. Beim Speichern wird die Datei daher verändert.", "The file holds NUL characters; they are read as line ends. Saving will therefore change the file."},
    {UiText::NulCharactersSaveQuestion, "Die Datei enthielt Nullzeichen, die beim Speichern zu Zeilenenden werden. Trotzdem speichern?", "The file held NUL characters, which become line ends when it is saved. Save anyway?"},
    {UiText::ReloadQuestion, "Die Datei %1 wurde von einem anderen Programm verändert. Wollen Sie sie neu laden? Ihre Änderungen gehen dabei verloren.", "The file %1 was changed by another program. Do you want to reload it? Your changes will be lost."},
    {UiText::OverwriteQuestion, "Die Datei %1 wurde seit dem Öffnen von einem anderen Programm verändert. Wollen Sie sie trotzdem überschreiben?", "The file %1 was changed by another program since it was opened. Do you want to overwrite it anyway?"},
    {UiText::ChangesMade, "Sie haben Veränderungen vorgenommen!", "You made some changes!"},
    {UiText::SaveFileQuestion, "Wollen Sie die Datei speichern?", "Do you want to save the file?"},
};
// clang-format on

const QHash<int, QString> &table()
{
    static const QHash<int, QString> texts = [] {
        QHash<int, QString> t;
        for (const Entry &e : kTable) {
            t.insert(int(e.id), QString::fromUtf8(e.german));
            t.insert(int(e.id) + UiTexts::English, QString::fromUtf8(e.english));
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
