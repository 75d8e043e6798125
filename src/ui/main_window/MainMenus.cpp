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
    bar->setObjectName(QStringLiteral("MainMenu1"));

    auto addMenu = [&](QWidget *parent, const char *name, const char *caption, int textId) {
        auto *menu = new QMenu(QString::fromUtf8(caption), parent);
        menu->setObjectName(QLatin1String(name));
        menu->setProperty(kUiTextIdProperty, textId);
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("_menu"));
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

    QMenu *file = addMenu(bar, "Datei1", "Datei", 1);
    fill(file, {{"Neu1", "Neu", 2, QKeySequence(Qt::CTRL | Qt::Key_N), "new"},
                {"ffnen1", "Öffnen", 3, QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
                kSeparator,
                {"Speichern1", "Speichern", 4, QKeySequence(Qt::CTRL | Qt::Key_S), "save"},
                {"Speichernunter1", "Speichern unter", 5, {}, "saveas"},
                {"Schliessen1", "Schliessen", 6, QKeySequence(Qt::CTRL | Qt::Key_F4), "close"},
                kSeparator,
                {"Einstellungen1", "Einstellungen", 7, {}, "settings"},
                kSeparator,
                {"Drucken1", "Drucken", 8, QKeySequence(Qt::CTRL | Qt::Key_P), "print"},
                kSeparator,
                {"Beenden1", "Beenden", 9, QKeySequence(Qt::ALT | Qt::Key_F4), "exit"}});
    bar->addMenu(file);

    QMenu *edit = addMenu(bar, "Bearbeiten1", "Bearbeiten", 10);
    fill(edit, {{"Rckgngig1", "Rückgängig", 11, QKeySequence(Qt::CTRL | Qt::Key_Z), "undo"},
                {"Widerrufen1", "Widerrufen", 12, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "redo"},
                kSeparator,
                {"Ausschneiden1", "Ausschneiden", 13, QKeySequence(Qt::CTRL | Qt::Key_X), "cut"},
                {"Kopieren1", "Kopieren", 14, QKeySequence(Qt::CTRL | Qt::Key_C), "copy"},
                {"Einfgen1", "Einfügen", 15, QKeySequence(Qt::CTRL | Qt::Key_V), "paste"},
                {"Lschen1", "Löschen", 16, {}, "delete"},
                {"Allesmarkieren1", "Alles markieren", 17, QKeySequence(Qt::CTRL | Qt::Key_A), "selectall"}});
    bar->addMenu(edit);

    QMenu *view = addMenu(bar, "Ansicht1", "Ansicht", 23);
    fill(view, {{"CSSParser1", "CSS-Parser", 24, QKeySequence(Qt::Key_F4), nullptr},
                {"Objekte1", "Objekte", 25, QKeySequence(Qt::Key_F5), nullptr},
                {"Vorschau1", "Vorschau", 26, QKeySequence(Qt::Key_F9), nullptr}});
    bar->addMenu(view);

    QMenu *search = addMenu(bar, "Suchen1", "Suchen", 40);
    fill(search, {{"Suchen2", "Suchen", 40, {}, "search"},
                  kSeparator,
                  {"nchstensuchen1", "nächsten suchen", 41, {}, "searchnext"},
                  {"voherigensuchen1", "voherigen suchen", 42, {}, "searchprevious"},
                  kSeparator,
                  {"Ersetzen1", "Ersetzen", 43, {}, "replace"}});
    bar->addMenu(search);

    QMenu *language = addMenu(bar, "Sprache1", "Sprache", 20);
    fill(language, {{"Deutsch1", "Deutsch", 21, {}, "german"}, {"Englisch1", "Englisch", 22, {}, "english"}});
    bar->addMenu(language);

    QMenu *help = addMenu(bar, "Hilfe1", "Hilfe", 30);
    fill(help, {{"Hilfe2", "Hilfe", 30, {}, "help"}, kSeparator, {"Homepage1", "Homepage", 31, {}, "homepage"}});
    QMenu *links = addMenu(help, "FrWebmaster1", "Links zum Thema", 32);
    links->menuAction()->setIcon(Pictures::icon(QStringLiteral("link")));
    int linkNumber = 0;
    for (const char *caption : kLinkCaptions) {
        QAction *link = links->addAction(Pictures::icon(QStringLiteral("link")), QString::fromUtf8(caption));
        link->setObjectName(QStringLiteral("Link%1").arg(++linkNumber));
    }
    help->addMenu(links);
    fill(help, {kSeparator, {"Info", "Info", 33, {}, "info"}});
    bar->addMenu(help);

    command("Neu1", [this] { m_document->newDocument(); });
    command("ffnen1", [this] { m_document->open(); });
    command("Speichern1", [this] { m_document->save(); });
    command("Speichernunter1", [this] { m_document->saveAs(); });
    command("Schliessen1", [this] { m_document->close(); });
    command("Beenden1", [this] { close(); });
    command("Einstellungen1", [this] { settingsDialog().exec(); });
    command("Drucken1", [this] { print(); });
    command("Hilfe2", [this] { showHelp(); });
    command("Suchen2", [this] { m_search->openSearchDialog(false); });
    command("nchstensuchen1", [this] { m_search->runSearch(false, false); });
    command("voherigensuchen1", [this] { m_search->runSearch(false, true); });
    command("Ersetzen1", [this] { m_search->openSearchDialog(true); });
    command("Homepage1", [this] { openWebLink(QString::fromLatin1(kHomePageAddress)); });
    command("Info", [this] { aboutBox().exec(); });
    for (int i = 0; i < int(std::size(kWebLinks)); ++i)
        command(qPrintable(QStringLiteral("Link%1").arg(i + 1)), [this, i] { openWebLink(QString::fromLatin1(kWebLinks[i])); });
    command("Deutsch1", [this] { chooseLanguage(UiTexts::German); });
    command("Englisch1", [this] { chooseLanguage(UiTexts::English); });
    command("Rckgngig1", [this] { m_document->undoFromMenu(); });
    command("Widerrufen1", [this] { m_document->redoFromMenu(); });
    command("Ausschneiden1", [this] { editor()->cut(); });
    command("Kopieren1", [this] { editor()->copy(); });
    command("Einfgen1", [this] { editor()->paste(); });
    command("Lschen1", [this] { editor()->removeSelectedText(); });
    command("Allesmarkieren1", [this] { editor()->selectAll(); });

    CSSParser1 = findChild<QAction *>(QStringLiteral("CSSParser1"));
    Objekte1 = findChild<QAction *>(QStringLiteral("Objekte1"));
    Vorschau1 = findChild<QAction *>(QStringLiteral("Vorschau1"));
    for (QAction *toggle : {CSSParser1, Objekte1, Vorschau1}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
        connect(toggle, &QAction::triggered, this, &MainWindow::toggleView);
    }
}
