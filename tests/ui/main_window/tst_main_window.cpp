#include "MainWindowFixture.h"
#include "app/CommandLine.h"
#include "i18n/UiTexts.h"
#include "main_window/RegionSplitter.h"
#include "reference/ReferencePanel.h"
#include "structure_view/AnalysisController.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

namespace {

void pressKey(QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(w, key, mods);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void regionsHaveTheirDesignSizes()
    {
        MainWindow &w = f->open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Stylograf"));
        QCOMPARE(w.minimumSize(), QSize(500, 350));
        QCOMPARE(f->find("mainToolBar")->height(), 43);
        QCOMPARE(f->find("analysisTabs")->width(), 171);
        QCOMPARE(f->find("analysisSplitter")->width(), 5);
        QCOMPARE(f->find("referencePanel")->width(), 200);
        QCOMPARE(f->find("previewTabs")->height(), 150);
        QCOMPARE(f->find("previewSplitter")->height(), 4);
        QCOMPARE(f->find("statusBar")->height(), 19);
        auto *preview = f->find<QTabWidget>("previewTabs");
        QCOMPARE(preview->tabText(0), QStringLiteral("Vorschau"));
        QCOMPARE(preview->tabText(1), QStringLiteral("Parserinformationen"));
        QCOMPARE(preview->currentIndex(), 0);
        QCOMPARE(f->find<QTabWidget>("analysisTabs")->tabText(0), QStringLiteral("Selektoren"));
        // The editor lies between the analysis panel and the reference panel.
        QVERIFY(f->find("editorPane")->x() > f->find("analysisTabs")->x());
        QVERIFY(f->find("editorPane")->x() < f->find("referencePanel")->x());
        QVERIFY(f->find("previewTabs")->y() > f->find("editorPane")->y());
    }

    void windowCannotShrinkBelowItsMinimum()
    {
        MainWindow &w = f->open();
        w.resize(500, 350);
        QTest::qWait(0);
        QCOMPARE(w.size(), QSize(500, 350));
        w.resize(400, 300);
        QCOMPARE(w.size(), QSize(500, 350));
    }

    void toolBarButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("textId");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("new") << "newButton"
                             << "Neu" << 2 << QRect(0, 0, 57, 41) << true;
        QTest::newRow("open") << "openButton" << QString::fromUtf8("Öffnen") << 3 << QRect(56, 0, 57, 41) << true;
        QTest::newRow("save") << "saveButton"
                              << "Speichern" << 4 << QRect(112, 0, 57, 41) << false;
        QTest::newRow("close") << "closeButton" << QString::fromUtf8("Schließen") << 6 << QRect(168, 0, 57, 41)
                               << false;
        QTest::newRow("print") << "printButton"
                               << "Drucken" << 8 << QRect(224, 0, 57, 41) << true;
        QTest::newRow("assistant") << "assistantButton"
                                   << "Style-Assistent" << 0 << QRect(296, 0, 78, 41) << true;
    }
    void toolBarButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, textId);
        QFETCH(QRect, geometry);
        QFETCH(bool, enabled);
        f->open();
        auto *button = f->find<QToolButton>(qPrintable(name));
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->property(kUiTextIdProperty).toInt(), textId);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!button->toolTip().isEmpty());
    }

    // Every entry carries the id of its caption, so that the language switch can
    // find it, and the shortcut of its command.
    void menuEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("textId");
        QTest::addColumn<QKeySequence>("shortcut");
        const struct
        {
            const char *name, *caption;
            int id;
            QKeySequence key;
        } rows[] = {
            {"actionNew", "Neu", 2, QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"actionOpen", "Öffnen", 3, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"actionSave", "Speichern", 4, QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"actionSaveAs", "Speichern unter", 5, {}},
            {"actionClose", "Schliessen", 6, QKeySequence(Qt::CTRL | Qt::Key_F4)},
            {"actionSettings", "Einstellungen", 7, {}},
            {"actionPrint", "Drucken", 8, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"actionExit", "Beenden", 9, QKeySequence(Qt::ALT | Qt::Key_F4)},
            {"actionUndo", "Rückgängig", 11, QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {"actionRedo", "Widerrufen", 12, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            {"actionCut", "Ausschneiden", 13, QKeySequence(Qt::CTRL | Qt::Key_X)},
            {"actionCopy", "Kopieren", 14, QKeySequence(Qt::CTRL | Qt::Key_C)},
            {"actionPaste", "Einfügen", 15, QKeySequence(Qt::CTRL | Qt::Key_V)},
            {"actionDelete", "Löschen", 16, {}},
            {"actionSelectAll", "Alles markieren", 17, QKeySequence(Qt::CTRL | Qt::Key_A)},
            {"actionShowAnalysis", "CSS-Parser", 24, QKeySequence(Qt::Key_F4)},
            {"actionShowReference", "Objekte", 25, QKeySequence(Qt::Key_F5)},
            {"actionShowPreview", "Vorschau", 26, QKeySequence(Qt::Key_F9)},
            {"actionFind", "Suchen", 40, {}},
            {"actionFindNext", "nächsten suchen", 41, {}},
            {"actionFindPrevious", "voherigen suchen", 42, {}},
            {"actionReplace", "Ersetzen", 43, {}},
            {"actionGerman", "Deutsch", 21, {}},
            {"actionEnglish", "Englisch", 22, {}},
            {"actionHelp", "Hilfe", 30, {}},
            {"actionHomePage", "Homepage", 31, {}},
            {"actionAbout", "Info", 33, {}},
            {"menuFileAction", "Datei", 1, {}},
            {"menuEditAction", "Bearbeiten", 10, {}},
            {"menuViewAction", "Ansicht", 23, {}},
            {"menuSearchAction", "Suchen", 40, {}},
            {"menuLanguageAction", "Sprache", 20, {}},
            {"menuHelpAction", "Hilfe", 30, {}},
            {"menuLinksAction", "Links zum Thema", 32, {}},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromUtf8(r.caption) << r.id << r.key;
    }
    void menuEntries()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, textId);
        QFETCH(QKeySequence, shortcut);
        f->open();
        QAction *action = f->window->findChild<QAction *>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->property(kUiTextIdProperty).toInt(), textId);
        QCOMPARE(action->shortcut(), shortcut);
        QVERIFY(action->isEnabled());
        const bool viewEntry = action->isCheckable();
        QCOMPARE(action->icon().isNull(),
                 viewEntry || (name.startsWith(QLatin1String("menu")) && name != "menuLinksAction"));
    }

    void menuBarOrderAndLinks()
    {
        f->open();
        QStringList titles;
        for (QAction *a : f->window->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"Datei", "Bearbeiten", "Ansicht", "Suchen", "Sprache", "Hilfe"}));
        auto *links = f->find<QMenu>("menuLinks");
        QCOMPARE(links->actions().size(), 9);
        for (QAction *link : links->actions())
            QVERIFY(!link->icon().isNull());
    }

    void statusBarFields()
    {
        f->open();
        QCOMPARE(f->find("statusField0")->width(), 50);
        QCOMPARE(f->find("statusField1")->width(), 50);
        QCOMPARE(f->find("statusField2")->width(), 200);
        QCOMPARE(f->field(0), QStringLiteral("0:0"));
        QCOMPARE(f->field(2), QStringLiteral("unbenannt"));
    }

    void fontListIsWrittenAtEveryStart()
    {
        f->put(QStringLiteral("inf/font-family.inf"), "stale\r\n");
        MainWindow &w = f->open();
        QCOMPARE(w.paths().infDir, f->paths.appDir + QStringLiteral("inf/"));
        const QByteArray list = f->contents(QStringLiteral("inf/font-family.inf"));
        QVERIFY(list.contains("\r\nDefault\r\n") || list.startsWith("Default\r\n"));
        QVERIFY(!list.contains("stale"));
    }

    // A missing data file is reported once. Closing its box gives the window its
    // activation back, which applies the definition again: that must not bring the
    // box back, or only a kill ends the program and the text is lost.
    void missingDataIsReportedOnce_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("reports"); // file and verb
        const QString fontList = QStringLiteral("inf/font-family.inf erstellt");
        const QString elements = QStringLiteral("inf/selektoren.inf geöffnet");
        const QString list = QStringLiteral("styledefs/styles.dat geöffnet");
        const QString start = QStringLiteral("styledefs/CSS Level 2.def geöffnet");
        QTest::newRow("no inf folder") << QStringList{"inf"} << QStringList{fontList, elements};
        QTest::newRow("no styledefs folder") << QStringList{"styledefs"} << QStringList{list, start};
        QTest::newRow("no start definition") << QStringList{"styledefs/CSS Level 2.def"} << QStringList{start};
        QTest::newRow("no definition list") << QStringList{"styledefs/styles.dat"} << QStringList{list};
        QTest::newRow("no data at all") << QStringList{"inf", "styledefs"}
                                        << QStringList{fontList, elements, list, start};
    }
    void missingDataIsReportedOnce()
    {
        QFETCH(QStringList, removed);
        QFETCH(QStringList, reports);
        for (const QString &name : removed) {
            QDir(f->path(name)).removeRecursively();
            QFile::remove(f->path(name));
        }
        int activations = 0;
        f->dialogs.afterMessage = [&] {
            if (++activations < 20) // bounded, so that a loop fails the test instead of hanging it
                QCoreApplication::postEvent(f->window.get(), new QEvent(QEvent::WindowActivate));
        };
        f->open();
        for (int i = 0; i < 3; ++i)
            f->reactivate();
        QTest::qWait(200);
        QStringList expected;
        for (const QString &report : reports) {
            const qsizetype blank = report.lastIndexOf(QLatin1Char(' '));
            expected << QStringLiteral("Datei %1 kann nicht %2 werden.")
                            .arg(f->paths.appDir + report.left(blank), report.mid(blank + 1));
        }
        QCOMPARE(f->dialogs.askedTexts(), expected);
        for (const ScriptedDialogs::Asked &a : f->dialogs.asked)
            QCOMPARE(a.kind, BoxKind::Failure);
        // The user goes on working and saves.
        f->dialogs.afterMessage = {};
        QCOMPARE(f->field(0), QStringLiteral("0:0"));
        QCOMPARE(f->field(2), QStringLiteral("unbenannt"));
        QVERIFY(f->window->acceptDrops());
        f->type(QStringLiteral("p {}"));
        f->dialogs.saveAnswers << f->path(QStringLiteral("kept.css"));
        f->action("actionSave")->trigger();
        QCOMPARE(f->contents(QStringLiteral("kept.css")), QByteArray("p {}\r\n"));
    }

    // Menu shortcuts win over the editor's keys.
    void shortcutsReachTheMenu()
    {
        f->open();
        f->type(QStringLiteral("p {}"));
        f->dialogs.answers << Answer::No;
        pressKey(f->editor(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(UiText::SaveChangesQuestion)});
        QCOMPARE(f->editor()->allLines(), QStringList());

        f->type(QStringLiteral("ab"));
        f->dialogs.saveAnswers << f->path(QStringLiteral("x.css"));
        pressKey(f->editor(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f->enabled("saveButton"));
        pressKey(f->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->editor()->allLines(), QStringList{QString()});
        QVERIFY(f->enabled("saveButton"));
        pressKey(f->editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f->editor()->allLines(), QStringList{"ab"});
        pressKey(f->editor(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->editor()->selectedText(), QStringLiteral("ab"));
    }

    // Field 0 shows the caret after every key in the editor, counting columns right of
    // the line end too.
    void caretPositionAfterKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("field0");
        using K = QKeyCombination;
        QTest::newRow("three letters") << "abc" << QList<K>{} << "1:4";
        QTest::newRow("Enter") << "abc" << QList<K>{K(Qt::Key_Return)} << "2:1";
        QTest::newRow("right of the line end") << "ab" << QList<K>{K(Qt::Key_Right), K(Qt::Key_Right)} << "1:5";
        QTest::newRow("Down on the last line") << "ab" << QList<K>{K(Qt::Key_Down)} << "1:3";
        QTest::newRow("Up on line 1") << "ab" << QList<K>{K(Qt::Key_Up)} << "1:3";
        QTest::newRow("Home") << "ab" << QList<K>{K(Qt::Key_Home)} << "1:1";
        QTest::newRow("Tab") << "" << QList<K>{K(Qt::Key_Tab)} << "1:9";
        QTest::newRow("Ctrl+Home after two lines")
            << "a" << QList<K>{K(Qt::Key_Return), K(Qt::Key_B), K(Qt::ControlModifier, Qt::Key_Home)} << "1:1";
    }
    void caretPositionAfterKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QString, field0);
        f->open();
        QCOMPARE(f->field(0), QStringLiteral("0:0"));
        f->type(typed);
        for (QKeyCombination k : keys)
            pressKey(f->editor(), k.key(), k.keyboardModifiers());
        QCOMPARE(f->field(0), field0);
    }

    // The caret field follows every move: keys, clicks, undo and redo, commands.
    void caretPositionFollowsEveryMove()
    {
        f->open();
        f->type(QStringLiteral("abc"));
        pressKey(f->editor(), Qt::Key_Return);
        QCOMPARE(f->field(0), QStringLiteral("2:1"));
        f->editor()->setCaretPosition(1, 2); // a move made by a command
        QTRY_COMPARE(f->field(0), QStringLiteral("1:2"));
        QTest::mouseClick(f->editor()->viewport(), Qt::LeftButton, {}, QPoint(120, 3));
        QVERIFY(f->field(0).startsWith(QLatin1String("1:")));
        QCOMPARE(f->field(0), QStringLiteral("1:%1").arg(f->editor()->caretColumn()));
        f->action("actionUndo")->trigger();
        QCOMPARE(f->editor()->caretLine(), 1);
        QTRY_COMPARE(f->field(0), QStringLiteral("1:%1").arg(f->editor()->caretColumn()));
        f->action("actionRedo")->trigger();
        QTRY_COMPARE(f->field(0), QStringLiteral("2:1"));
        f->type(QStringLiteral("xyz"));
        QCOMPARE(f->field(0), QStringLiteral("2:4"));
        f->action("actionUndo")->trigger(); // back along the same line
        QTRY_COMPARE(f->field(0), QStringLiteral("2:1"));
    }

    void caretFieldHoldsLongPositions()
    {
        f->open();
        f->editor()->setLines(QStringList(176011, QStringLiteral("p { color: red; }")));
        f->editor()->setCaretPosition(176011, 22);
        auto *field = f->find<QLabel>("statusField0");
        QTRY_COMPARE(field->text(), QStringLiteral("176011:22"));
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) <= field->contentsRect().width());
    }

    void ctrlNStartsANewDocument()
    {
        f->open();
        f->type(QStringLiteral("p"));
        pressKey(f->editor(), Qt::Key_Return);
        f->dialogs.answers << Answer::No;
        pressKey(f->editor(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(UiText::SaveChangesQuestion)});
        QCOMPARE(f->editor()->allLines(), QStringList());
        QTRY_COMPARE(f->field(0), QStringLiteral("1:1")); // New puts the caret at the start
    }

    void onlyTheFirstCommandLineFileOpens()
    {
        f->put(QStringLiteral("first.css"), "a {}\n");
        f->put(QStringLiteral("second.css"), "b {}\n");
        const CommandLine line
            = CommandLine::parse({f->path(QStringLiteral("first.css")), f->path(QStringLiteral("second.css"))});
        f->open(line.file);
        QCOMPARE(f->editor()->allLines(), QStringList{"a {}"});
        QCOMPARE(f->field(2), f->path(QStringLiteral("first.css")));
    }

    void viewTogglesHideShowAndAreRemembered()
    {
        f->open();
        QWidget *regions[] = {f->find("analysisTabs"), f->find("referencePanel"), f->find("previewTabs")};
        const Qt::Key keys[] = {Qt::Key_F4, Qt::Key_F5, Qt::Key_F9};
        for (int i = 0; i < 3; ++i) {
            pressKey(f->editor(), keys[i]);
            QVERIFY(!regions[i]->isVisible());
        }
        QVERIFY(!f->find("previewSplitter")->isVisible());
        QVERIFY(f->find("analysisSplitter")->isVisible()); // stays when the analysis panel goes
        QCOMPARE(f->contents(QStringLiteral("einstellungen.ini")),
                 QByteArray("[Fenster]\r\nparser=0\r\nobjects=0\r\npreview=0\r\n"));
        pressKey(f->editor(), Qt::Key_F5);
        QVERIFY(f->find("referencePanel")->isVisible());
        QVERIFY(f->action("actionShowReference")->isChecked());

        // A new start brings the last state back.
        f->open();
        QVERIFY(!f->find("analysisTabs")->isVisible());
        QVERIFY(f->find("referencePanel")->isVisible());
        QVERIFY(!f->find("previewTabs")->isVisible());
        QVERIFY(!f->find("previewSplitter")->isVisible());
        QVERIFY(!f->action("actionShowAnalysis")->isChecked());
        QVERIFY(!f->action("actionShowPreview")->isChecked());
    }

    void allRegionsHiddenLeaveTheEditor()
    {
        MainWindow &w = f->open();
        for (Qt::Key k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F9})
            pressKey(f->editor(), k);
        QTest::qWait(0);
        QWidget *editorPane = f->find("editorPane");
        const QRect area(editorPane->mapTo(w.centralWidget(), QPoint(0, 0)), editorPane->size());
        QCOMPARE(area.left(), f->find("analysisSplitter")->width());
        QCOMPARE(area.width(), w.centralWidget()->width() - 5);
        QCOMPARE(area.top(), f->find("mainToolBar")->height());
        QCOMPARE(area.bottom() + 1, w.centralWidget()->height());
    }

    void previewHiddenInTheSettingsFile()
    {
        f->put(QStringLiteral("einstellungen.ini"), "[Fenster]\r\npreview=0\r\n");
        f->open();
        QVERIFY(!f->find("previewTabs")->isVisible());
        QVERIFY(!f->find("previewSplitter")->isVisible());
        QVERIFY(!f->action("actionShowPreview")->isChecked());
        QVERIFY(f->action("actionShowAnalysis")->isChecked());
    }

    void toggleWithAnUnwritableSettingsFile()
    {
        QDir(f->path(QString())).mkpath(QStringLiteral("einstellungen.ini")); // a folder in its place
        f->open();
        pressKey(f->editor(), Qt::Key_F4);
        QVERIFY(!f->find("analysisTabs")->isVisible());
        QVERIFY(!f->action("actionShowAnalysis")->isChecked());
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("In %1 kann nicht geschrieben werden.").arg(f->paths.settingsFile())});
    }

    void panelsAreRestoredAtEveryActivation()
    {
        f->open();
        f->find("analysisTabs")->hide();
        f->put(QStringLiteral("einstellungen.ini"), "[Fenster]\r\nobjects=0\r\n");
        f->reactivate();
        QVERIFY(f->find("analysisTabs")->isVisible());
        QVERIFY(!f->find("referencePanel")->isVisible());
    }

    void commandLineFileOpensAtTheFirstActivationOnly()
    {
        f->put(QStringLiteral("rel.css"), "h1 { color: red; }\n");
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(f->path(QString()));
        f->open(QStringLiteral("rel.css"));
        QDir::setCurrent(cwd);
        QCOMPARE(f->document().fileName(), QStringLiteral("rel.css"));
        QCOMPARE(f->field(2), QStringLiteral("rel.css"));
        QCOMPARE(f->editor()->allLines(), QStringList{"h1 { color: red; }"});
        QVERIFY(f->enabled("closeButton")); // a file to close, as after Open
        QVERIFY(!f->editor()->isDocumentModified());

        f->type(QStringLiteral("x"));
        f->reactivate();
        QCOMPARE(f->editor()->allLines(), QStringList{"xh1 { color: red; }"});
    }

    void unreadableCommandLineFile()
    {
        const QString missing = f->path(QStringLiteral("missing.css"));
        f->open(missing);
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)});
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Failure);
        QCOMPARE(f->field(2), QStringLiteral("unbenannt"));
        QVERIFY(f->document().fileName().isEmpty());
        QCOMPARE(f->editor()->lineCount(), 0);
    }

    void referencePanelSharesItsHeight()
    {
        MainWindow &w = f->open();
        w.resize(900, 700);
        QTest::qWait(0);
        auto *panel = f->find<ReferencePanel>("referencePanel");
        QCOMPARE(panel->elementListHeight(), panel->height() / 3 - 40);
        QCOMPARE(panel->valueListHeight(), panel->height() / 3 - 40);
        w.resize(900, 350);
        QTest::qWait(0);
        QCOMPARE(panel->elementListHeight(), qMax(0, panel->height() / 3 - 40));
    }

    void snappedSizes_data()
    {
        QTest::addColumn<int>("proposed");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("size");
        QTest::newRow("ordinary") << 120 << 500 << 120;
        QTest::newRow("just at 30") << 30 << 500 << 30;
        QTest::newRow("below 30 snaps closed") << 29 << 500 << 0;
        QTest::newRow("negative") << -40 << 500 << 0;
        QTest::newRow("beyond the room") << 800 << 500 << 500;
    }
    void snappedSizes()
    {
        QFETCH(int, proposed);
        QFETCH(int, maximum);
        QFETCH(int, size);
        QCOMPARE(RegionSplitter::snappedSize(proposed, maximum), size);
    }

    void draggingTheSideSplitter()
    {
        MainWindow &w = f->open();
        w.resize(900, 600);
        QTest::qWait(0);
        QWidget *splitter = f->find("analysisSplitter");
        QWidget *panel = f->find("analysisTabs");
        QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 50));
        QTest::mouseMove(splitter, QPoint(52, 50));
        QCOMPARE(panel->width(), 171); // only the line moves while dragging
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(52, 50));
        QTest::qWait(0);
        QCOMPARE(panel->width(), 221);
        QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 50));
        QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(2 - 200, 50));
        QTest::qWait(0);
        QCOMPARE(panel->width(), 0);
    }

    // Bearbeiten > Formatieren lays out the sheet (or the selection) in one undo step,
    // marks it modified and leaves the analysis as it was; a laid-out sheet stays as it is.
    void formattingTheSheet()
    {
        f->open();
        QAction *format = f->action("actionFormatSheet");
        QCOMPARE(format->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
        QVERIFY(f->find<QMenu>("menuEdit")->actions().contains(format));
        const QString minified = QStringLiteral("@media x{a,b{color:red}}.k{x:1}.k{y:2}/* end */");
        f->openFile(QStringLiteral("min.css"), minified.toUtf8());
        const SheetAnalysis before = f->window->analysis().analysis();
        f->editor()->setCursorPosition(0, minified.indexOf(QLatin1String("red")) + 1);

        format->trigger();
        // The analysis reads "}.k" after the nested block as a selector: it stays whole.
        const QString laidOut = QStringLiteral(
            "@media x {\n        a,b {\n                color: red\n        }\n}.k {\n        x: 1\n}\n"
            ".k {\n        y: 2\n} /* end */");
        QCOMPARE(f->editor()->text(), laidOut);
        QVERIFY(f->editor()->isDocumentModified());
        int line = -1, index = -1;
        f->editor()->getCursorPosition(&line, &index);
        QCOMPARE(std::pair(line, index), std::pair(2, 24)); // still after the "r" of "red"
        const SheetAnalysis after = f->window->analysis().analysis();
        QCOMPARE(after.elementSelectors, before.elementSelectors);
        QCOMPARE(after.classSelectors, before.classSelectors);
        QCOMPARE(after.repeatedSelectors, before.repeatedSelectors);
        QCOMPARE(after.commentCount, 1);

        format->trigger(); // nothing to do: no undo step
        f->editor()->undo();
        QCOMPARE(f->editor()->text(), minified);
        QVERIFY(!f->editor()->isDocumentModified());
        QVERIFY(!f->editor()->canUndoEdit() && f->editor()->canRedoEdit());

        // Only the selection: the second rule.
        const qsizetype second = minified.indexOf(QLatin1String(".k{x"));
        f->editor()->SendScintilla(QsciScintillaBase::SCI_SETSEL, second, second + 7);
        format->trigger();
        QCOMPARE(f->editor()->text(),
                 QString(minified).replace(QLatin1String(".k{x:1}"), QLatin1String(".k {\n        x: 1\n}")));
        QCOMPARE(f->editor()->selectedText(), QStringLiteral(".k {\n        x: 1\n}"));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
