#include "MainActions.h"

#include "app/ProductInfo.h"
#include "i18n/UiTexts.h"
#include "pictures/Pictures.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The nine web links of the Help menu; their addresses are kWebLinks.
const char *const kLinkCaptions[] = {
    "W3C - HTML 4.01-Spezifikation - Deutsche Übersetzung",
    "W3C - Cascading Style Sheets, Level 2 - Deutsche Übersetzung",
    "Self-HTML - Einführung in HTML und CSS",
    "Einführung in Cascading Style Sheets",
    "Einführung in XHTML, CSS und Webdesign",
    "Sehr gute Kurse in HTML 4.0; CSS Level 2",
    "CSS 4 You - The Finest in Stylesheets",
    "CSS-Validator (w3c)",
    "CSS-Validator (Jigsaw)",
};
static_assert(std::size(kLinkCaptions) == std::size(kWebLinks));

QAction *makeAction(QWidget *window, const char *name, const char *caption, UiText textId,
                    const QKeySequence &shortcut = {}, const char *picture = nullptr)
{
    auto *action = new QAction(QString::fromUtf8(caption), window);
    action->setObjectName(QLatin1String(name));
    setUiTextId(action, textId);
    action->setShortcut(shortcut);
    if (picture)
        action->setIcon(Pictures::icon(QLatin1String(picture)));
    window->addAction(action);
    return action;
}

QMenu *addMenu(QWidget *parent, const char *name, const char *caption, UiText textId)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QLatin1String(name));
    setUiTextId(menu, textId);
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    setUiTextId(menu->menuAction(), textId);
    return menu;
}

// Adds the actions in order; a null entry is a separator.
void fill(QMenu *menu, std::initializer_list<QAction *> actions)
{
    for (QAction *action : actions) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
}

} // namespace

MainActions MainActions::create(QWidget *window)
{
    MainActions a;
    a.newDocument = makeAction(window, "actionNew", "Neu", UiText::New, QKeySequence(Qt::CTRL | Qt::Key_N), "new");
    a.open = makeAction(window, "actionOpen", "Öffnen", UiText::Open, QKeySequence(Qt::CTRL | Qt::Key_O), "open");
    a.save = makeAction(window, "actionSave", "Speichern", UiText::Save, QKeySequence(Qt::CTRL | Qt::Key_S), "save");
    a.saveAs = makeAction(window, "actionSaveAs", "Speichern unter", UiText::SaveAs, {}, "saveas");
    a.close
        = makeAction(window, "actionClose", "Schliessen", UiText::Close, QKeySequence(Qt::CTRL | Qt::Key_F4), "close");
    a.settings = makeAction(window, "actionSettings", "Einstellungen", UiText::Settings, {}, "settings");
    a.print = makeAction(window, "actionPrint", "Drucken", UiText::Print, QKeySequence(Qt::CTRL | Qt::Key_P), "print");
    a.exit = makeAction(window, "actionExit", "Beenden", UiText::Exit, QKeySequence(Qt::ALT | Qt::Key_F4), "exit");

    a.undo = makeAction(window, "actionUndo", "Rückgängig", UiText::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z), "undo");
    a.redo = makeAction(window, "actionRedo", "Widerrufen", UiText::Redo,
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "redo");
    a.cut = makeAction(window, "actionCut", "Ausschneiden", UiText::Cut, QKeySequence(Qt::CTRL | Qt::Key_X), "cut");
    a.copy = makeAction(window, "actionCopy", "Kopieren", UiText::Copy, QKeySequence(Qt::CTRL | Qt::Key_C), "copy");
    a.paste = makeAction(window, "actionPaste", "Einfügen", UiText::Paste, QKeySequence(Qt::CTRL | Qt::Key_V), "paste");
    a.deleteSelection = makeAction(window, "actionDelete", "Löschen", UiText::Delete, {}, "delete");
    a.selectAll = makeAction(window, "actionSelectAll", "Alles markieren", UiText::SelectAll,
                             QKeySequence(Qt::CTRL | Qt::Key_A), "selectall");
    a.formatSheet = makeAction(window, "actionFormatSheet", "Formatieren", UiText::FormatSheet,
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    a.complete = makeAction(window, "actionComplete", "Vervollständigen", UiText::Complete,
                            QKeySequence(Qt::CTRL | Qt::Key_Space));
    a.showSyntax = makeAction(window, "actionShowSyntax", "Syntax zeigen", UiText::ShowSyntax,
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space));
    a.nextUnknownName = makeAction(window, "actionNextUnknownName", "Nächste unbekannte Eigenschaft",
                                   UiText::NextUnknownName, QKeySequence(Qt::Key_F8));

    a.showAnalysis
        = makeAction(window, "actionShowAnalysis", "CSS-Parser", UiText::ViewParser, QKeySequence(Qt::Key_F4));
    a.showReference
        = makeAction(window, "actionShowReference", "Objekte", UiText::ViewObjects, QKeySequence(Qt::Key_F5));
    a.showPreview = makeAction(window, "actionShowPreview", "Vorschau", UiText::ViewPreview, QKeySequence(Qt::Key_F9));
    for (QAction *toggle : {a.showAnalysis, a.showReference, a.showPreview}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    a.analyseByCssSyntax
        = makeAction(window, "actionAnalyseByCssSyntax", "Analyse nach CSS-Syntax", UiText::AnalyseByCssSyntax);
    a.analyseByCssSyntax->setCheckable(true);

    a.find = makeAction(window, "actionFind", "Suchen", UiText::Search, {}, "search");
    a.findNext = makeAction(window, "actionFindNext", "nächsten suchen", UiText::SearchNext, {}, "searchnext");
    a.findPrevious
        = makeAction(window, "actionFindPrevious", "voherigen suchen", UiText::SearchPrevious, {}, "searchprevious");
    a.replace = makeAction(window, "actionReplace", "Ersetzen", UiText::Replace, {}, "replace");
    a.goToError = makeAction(window, "actionGoToError", "Zum Fehler springen", UiText::GoToError,
                             QKeySequence(Qt::CTRL | Qt::Key_E));
    a.goToError->setEnabled(false); // until an analysis finds an error

    a.german = makeAction(window, "actionGerman", "Deutsch", UiText::German, {}, "german");
    a.english = makeAction(window, "actionEnglish", "Englisch", UiText::English, {}, "english");

    a.help = makeAction(window, "actionHelp", "Hilfe", UiText::Help, {}, "help");
    a.homePage = makeAction(window, "actionHomePage", "Homepage", UiText::HomePage, {}, "homepage");
    a.about = makeAction(window, "actionAbout", "Info", UiText::About, {}, "info");
    int number = 0;
    for (const char *caption : kLinkCaptions) {
        auto *link = new QAction(Pictures::icon(QStringLiteral("link")), QString::fromUtf8(caption), window);
        link->setObjectName(QStringLiteral("actionLink%1").arg(++number));
        a.webLinks << link;
    }
    return a;
}

void MainActions::buildMenus(QMenuBar *bar) const
{
    bar->setObjectName(QStringLiteral("mainMenuBar"));

    QMenu *file = addMenu(bar, "menuFile", "Datei", UiText::MenuFile);
    fill(file, {newDocument, open, nullptr, save, saveAs, close, nullptr, settings, nullptr, print, nullptr, exit});
    bar->addMenu(file);

    QMenu *edit = addMenu(bar, "menuEdit", "Bearbeiten", UiText::MenuEdit);
    fill(edit,
         {undo, redo, nullptr, cut, copy, paste, deleteSelection, selectAll, nullptr, complete, showSyntax,
          formatSheet});
    bar->addMenu(edit);

    QMenu *view = addMenu(bar, "menuView", "Ansicht", UiText::MenuView);
    fill(view, {showAnalysis, showReference, showPreview, nullptr, analyseByCssSyntax});
    bar->addMenu(view);

    QMenu *search = addMenu(bar, "menuSearch", "Suchen", UiText::Search);
    fill(search, {find, nullptr, findNext, findPrevious, nullptr, replace, nullptr, goToError, nextUnknownName});
    bar->addMenu(search);

    QMenu *language = addMenu(bar, "menuLanguage", "Sprache", UiText::MenuLanguage);
    fill(language, {german, english});
    bar->addMenu(language);

    QMenu *helpMenu = addMenu(bar, "menuHelp", "Hilfe", UiText::Help);
    fill(helpMenu, {help, nullptr, homePage});
    QMenu *links = addMenu(helpMenu, "menuLinks", "Links zum Thema", UiText::WebLinks);
    links->menuAction()->setIcon(Pictures::icon(QStringLiteral("link")));
    links->addActions(webLinks);
    helpMenu->addMenu(links);
    fill(helpMenu, {nullptr, about});
    bar->addMenu(helpMenu);
}
