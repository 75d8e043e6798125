// The menu bar of the main window. Captions are those shown at start; each entry
// keeps the UI text id of its caption for the language switch.

#include "MainWindow.h"
#include "app/AppError.h"
#include "app/Dialogs.h"
#include "document/DocumentController.h"
#include "editor/SheetEditor.h"
#include "settings/SettingsDialog.h"
#include "editor/search/SearchController.h"
#include "app/ProductInfo.h"
#include "help_about/AboutDialog.h"
#include "pictures/Pictures.h"

#include <QMenuBar>

namespace {

struct Entry
{
    const char *name; // nullptr: a separator
    const char *caption;
    int textId;
    QKeySequence shortcut;
    const char *picture;
};

const Entry kSeparator{nullptr, nullptr, 0, {}, nullptr};

// The nine web links of the Help menu; their addresses come with the help commands.
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

} // namespace

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mainMenuBar"));

    auto addMenu = [&](QWidget *parent, const char *name, const char *caption, int textId) {
        auto *menu = new QMenu(QString::fromUtf8(caption), parent);
        menu->setObjectName(QLatin1String(name));
        menu->setProperty(kUiTextIdProperty, textId);
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
        menu->menuAction()->setProperty(kUiTextIdProperty, textId);
        return menu;
    };
    auto fill = [this](QMenu *menu, std::initializer_list<Entry> entries) {
        for (const Entry &e : entries) {
            if (!e.name) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromUtf8(e.caption));
            action->setObjectName(QLatin1String(e.name));
            action->setProperty(kUiTextIdProperty, e.textId);
            action->setShortcut(e.shortcut);
            if (e.picture)
                action->setIcon(Pictures::icon(QLatin1String(e.picture)));
            addAction(action); // shortcuts work while the menu bar is hidden under a modal dialog too
        }
    };
    auto command = [this](const char *name, auto &&run) {
        QAction *action = findChild<QAction *>(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, run] { guarded(run); });
    };

    QMenu *file = addMenu(bar, "menuFile", "Datei", 1);
    fill(file, {{"actionNew", "Neu", 2, QKeySequence(Qt::CTRL | Qt::Key_N), "new"},
                {"actionOpen", "Öffnen", 3, QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
                kSeparator,
                {"actionSave", "Speichern", 4, QKeySequence(Qt::CTRL | Qt::Key_S), "save"},
                {"actionSaveAs", "Speichern unter", 5, {}, "saveas"},
                {"actionClose", "Schliessen", 6, QKeySequence(Qt::CTRL | Qt::Key_F4), "close"},
                kSeparator,
                {"actionSettings", "Einstellungen", 7, {}, "settings"},
                kSeparator,
                {"actionPrint", "Drucken", 8, QKeySequence(Qt::CTRL | Qt::Key_P), "print"},
                kSeparator,
                {"actionExit", "Beenden", 9, QKeySequence(Qt::ALT | Qt::Key_F4), "exit"}});
    bar->addMenu(file);

    QMenu *edit = addMenu(bar, "menuEdit", "Bearbeiten", 10);
    fill(edit, {{"actionUndo", "Rückgängig", 11, QKeySequence(Qt::CTRL | Qt::Key_Z), "undo"},
                {"actionRedo", "Widerrufen", 12, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "redo"},
                kSeparator,
                {"actionCut", "Ausschneiden", 13, QKeySequence(Qt::CTRL | Qt::Key_X), "cut"},
                {"actionCopy", "Kopieren", 14, QKeySequence(Qt::CTRL | Qt::Key_C), "copy"},
                {"actionPaste", "Einfügen", 15, QKeySequence(Qt::CTRL | Qt::Key_V), "paste"},
                {"actionDelete", "Löschen", 16, {}, "delete"},
                {"actionSelectAll", "Alles markieren", 17, QKeySequence(Qt::CTRL | Qt::Key_A), "selectall"}});
    bar->addMenu(edit);

    QMenu *view = addMenu(bar, "menuView", "Ansicht", 23);
    fill(view, {{"actionShowAnalysis", "CSS-Parser", 24, QKeySequence(Qt::Key_F4), nullptr},
                {"actionShowReference", "Objekte", 25, QKeySequence(Qt::Key_F5), nullptr},
                {"actionShowPreview", "Vorschau", 26, QKeySequence(Qt::Key_F9), nullptr}});
    bar->addMenu(view);

    QMenu *search = addMenu(bar, "menuSearch", "Suchen", 40);
    fill(search, {{"actionFind", "Suchen", 40, {}, "search"},
                  kSeparator,
                  {"actionFindNext", "nächsten suchen", 41, {}, "searchnext"},
                  {"actionFindPrevious", "voherigen suchen", 42, {}, "searchprevious"},
                  kSeparator,
                  {"actionReplace", "Ersetzen", 43, {}, "replace"}});
    bar->addMenu(search);

    QMenu *language = addMenu(bar, "menuLanguage", "Sprache", 20);
    fill(language, {{"actionGerman", "Deutsch", 21, {}, "german"}, {"actionEnglish", "Englisch", 22, {}, "english"}});
    bar->addMenu(language);

    QMenu *help = addMenu(bar, "menuHelp", "Hilfe", 30);
    fill(help, {{"actionHelp", "Hilfe", 30, {}, "help"}, kSeparator, {"actionHomePage", "Homepage", 31, {}, "homepage"}});
    QMenu *links = addMenu(help, "menuLinks", "Links zum Thema", 32);
    links->menuAction()->setIcon(Pictures::icon(QStringLiteral("link")));
    int linkNumber = 0;
    for (const char *caption : kLinkCaptions) {
        QAction *link = links->addAction(Pictures::icon(QStringLiteral("link")), QString::fromUtf8(caption));
        link->setObjectName(QStringLiteral("actionLink%1").arg(++linkNumber));
    }
    help->addMenu(links);
    fill(help, {kSeparator, {"actionAbout", "Info", 33, {}, "info"}});
    bar->addMenu(help);

    command("actionNew", [this] { m_document->newDocument(); });
    command("actionOpen", [this] { m_document->open(); });
    command("actionSave", [this] { m_document->save(); });
    command("actionSaveAs", [this] { m_document->saveAs(); });
    command("actionClose", [this] { m_document->close(); });
    command("actionExit", [this] { close(); });
    command("actionSettings", [this] { settingsDialog().exec(); });
    command("actionPrint", [this] { print(); });
    command("actionHelp", [this] { showHelp(); });
    command("actionFind", [this] { m_search->openSearchDialog(false); });
    command("actionFindNext", [this] { m_search->runSearch(false, false); });
    command("actionFindPrevious", [this] { m_search->runSearch(false, true); });
    command("actionReplace", [this] { m_search->openSearchDialog(true); });
    command("actionHomePage", [this] { openWebLink(QString::fromLatin1(kHomePageAddress)); });
    command("actionAbout", [this] { aboutBox().exec(); });
    for (int i = 0; i < int(std::size(kWebLinks)); ++i)
        command(qPrintable(QStringLiteral("actionLink%1").arg(i + 1)), [this, i] { openWebLink(QString::fromLatin1(kWebLinks[i])); });
    command("actionGerman", [this] { chooseLanguage(UiTexts::German); });
    command("actionEnglish", [this] { chooseLanguage(UiTexts::English); });
    command("actionUndo", [this] { m_document->undoFromMenu(); });
    command("actionRedo", [this] { m_document->redoFromMenu(); });
    command("actionCut", [this] { editor()->cut(); });
    command("actionCopy", [this] { editor()->copy(); });
    command("actionPaste", [this] { editor()->paste(); });
    command("actionDelete", [this] { editor()->removeSelectedText(); });
    command("actionSelectAll", [this] { editor()->selectAll(); });

    m_actionShowAnalysis = findChild<QAction *>(QStringLiteral("actionShowAnalysis"));
    m_actionShowReference = findChild<QAction *>(QStringLiteral("actionShowReference"));
    m_actionShowPreview = findChild<QAction *>(QStringLiteral("actionShowPreview"));
    for (QAction *toggle : {m_actionShowAnalysis, m_actionShowReference, m_actionShowPreview}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
        connect(toggle, &QAction::triggered, this, &MainWindow::toggleView);
    }
}
