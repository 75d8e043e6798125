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

QAction *makeAction(QWidget *window, const char *name, const char *caption, int textId,
                    const QKeySequence &shortcut = {}, const char *picture = nullptr)
{
    auto *action = new QAction(QString::fromUtf8(caption), window);
    action->setObjectName(QLatin1String(name));
    action->setProperty(kUiTextIdProperty, textId);
    action->setShortcut(shortcut);
    if (picture)
        action->setIcon(Pictures::icon(QLatin1String(picture)));
    window->addAction(action);
    return action;
}

QMenu *addMenu(QWidget *parent, const char *name, const char *caption, int textId)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QLatin1String(name));
    menu->setProperty(kUiTextIdProperty, textId);
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    menu->menuAction()->setProperty(kUiTextIdProperty, textId);
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
    a.newDocument = makeAction(window, "actionNew", "Neu", 2, QKeySequence(Qt::CTRL | Qt::Key_N), "new");
    a.open = makeAction(window, "actionOpen", "Öffnen", 3, QKeySequence(Qt::CTRL | Qt::Key_O), "open");
    a.save = makeAction(window, "actionSave", "Speichern", 4, QKeySequence(Qt::CTRL | Qt::Key_S), "save");
    a.saveAs = makeAction(window, "actionSaveAs", "Speichern unter", 5, {}, "saveas");
    a.close = makeAction(window, "actionClose", "Schliessen", 6, QKeySequence(Qt::CTRL | Qt::Key_F4), "close");
    a.settings = makeAction(window, "actionSettings", "Einstellungen", 7, {}, "settings");
    a.print = makeAction(window, "actionPrint", "Drucken", 8, QKeySequence(Qt::CTRL | Qt::Key_P), "print");
    a.exit = makeAction(window, "actionExit", "Beenden", 9, QKeySequence(Qt::ALT | Qt::Key_F4), "exit");

    a.undo = makeAction(window, "actionUndo", "Rückgängig", 11, QKeySequence(Qt::CTRL | Qt::Key_Z), "undo");
    a.redo = makeAction(window, "actionRedo", "Widerrufen", 12, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "redo");
    a.cut = makeAction(window, "actionCut", "Ausschneiden", 13, QKeySequence(Qt::CTRL | Qt::Key_X), "cut");
    a.copy = makeAction(window, "actionCopy", "Kopieren", 14, QKeySequence(Qt::CTRL | Qt::Key_C), "copy");
    a.paste = makeAction(window, "actionPaste", "Einfügen", 15, QKeySequence(Qt::CTRL | Qt::Key_V), "paste");
    a.deleteSelection = makeAction(window, "actionDelete", "Löschen", 16, {}, "delete");
    a.selectAll = makeAction(window, "actionSelectAll", "Alles markieren", 17, QKeySequence(Qt::CTRL | Qt::Key_A),
                             "selectall");

    a.showAnalysis = makeAction(window, "actionShowAnalysis", "CSS-Parser", 24, QKeySequence(Qt::Key_F4));
    a.showReference = makeAction(window, "actionShowReference", "Objekte", 25, QKeySequence(Qt::Key_F5));
    a.showPreview = makeAction(window, "actionShowPreview", "Vorschau", 26, QKeySequence(Qt::Key_F9));
    for (QAction *toggle : {a.showAnalysis, a.showReference, a.showPreview}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    a.find = makeAction(window, "actionFind", "Suchen", 40, {}, "search");
    a.findNext = makeAction(window, "actionFindNext", "nächsten suchen", 41, {}, "searchnext");
    a.findPrevious = makeAction(window, "actionFindPrevious", "voherigen suchen", 42, {}, "searchprevious");
    a.replace = makeAction(window, "actionReplace", "Ersetzen", 43, {}, "replace");

    a.german = makeAction(window, "actionGerman", "Deutsch", 21, {}, "german");
    a.english = makeAction(window, "actionEnglish", "Englisch", 22, {}, "english");

    a.help = makeAction(window, "actionHelp", "Hilfe", 30, {}, "help");
    a.homePage = makeAction(window, "actionHomePage", "Homepage", 31, {}, "homepage");
    a.about = makeAction(window, "actionAbout", "Info", 33, {}, "info");
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

    QMenu *file = addMenu(bar, "menuFile", "Datei", 1);
    fill(file, {newDocument, open, nullptr, save, saveAs, close, nullptr, settings, nullptr, print, nullptr, exit});
    bar->addMenu(file);

    QMenu *edit = addMenu(bar, "menuEdit", "Bearbeiten", 10);
    fill(edit, {undo, redo, nullptr, cut, copy, paste, deleteSelection, selectAll});
    bar->addMenu(edit);

    QMenu *view = addMenu(bar, "menuView", "Ansicht", 23);
    fill(view, {showAnalysis, showReference, showPreview});
    bar->addMenu(view);

    QMenu *search = addMenu(bar, "menuSearch", "Suchen", 40);
    fill(search, {find, nullptr, findNext, findPrevious, nullptr, replace});
    bar->addMenu(search);

    QMenu *language = addMenu(bar, "menuLanguage", "Sprache", 20);
    fill(language, {german, english});
    bar->addMenu(language);

    QMenu *helpMenu = addMenu(bar, "menuHelp", "Hilfe", 30);
    fill(helpMenu, {help, nullptr, homePage});
    QMenu *links = addMenu(helpMenu, "menuLinks", "Links zum Thema", 32);
    links->menuAction()->setIcon(Pictures::icon(QStringLiteral("link")));
    links->addActions(webLinks);
    helpMenu->addMenu(links);
    fill(helpMenu, {nullptr, about});
    bar->addMenu(helpMenu);
}
