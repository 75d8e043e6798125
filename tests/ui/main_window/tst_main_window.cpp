#include "MainWindowFixture.h"
#include "app/CommandLine.h"
#include "i18n/UiTexts.h"
#include "reference/ReferencePanel.h"
#include "main_window/RegionSplitter.h"

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
        QCOMPARE(f->find("Panel1")->height(), 43);
        QCOMPARE(f->find("page_parser")->width(), 171);
        QCOMPARE(f->find("Splitter4")->width(), 5);
        QCOMPARE(f->find("pan_left")->width(), 200);
        QCOMPARE(f->find("page_preview")->height(), 150);
        QCOMPARE(f->find("spl_preview")->height(), 4);
        QCOMPARE(f->find("StatusBar1")->height(), 19);
        auto *preview = f->find<QTabWidget>("page_preview");
        QCOMPARE(preview->tabText(0), QStringLiteral("Vorschau"));
        QCOMPARE(preview->tabText(1), QStringLiteral("Parserinformationen"));
        QCOMPARE(preview->currentIndex(), 0);
        QCOMPARE(f->find<QTabWidget>("page_parser")->tabText(0), QStringLiteral("Selektoren"));
        // The editor lies between the analysis panel and the reference panel.
        QVERIFY(f->find("pan_middle")->x() > f->find("page_parser")->x());
        QVERIFY(f->find("pan_middle")->x() < f->find("pan_left")->x());
        QVERIFY(f->find("page_preview")->y() > f->find("pan_middle")->y());
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
        QTest::newRow("new") << "btn_new" << "Neu" << 2 << QRect(0, 0, 57, 41) << true;
        QTest::newRow("open") << "btn_open" << QString::fromUtf8("Öffnen") << 3 << QRect(56, 0, 57, 41) << true;
        QTest::newRow("save") << "btn_save" << "Speichern" << 4 << QRect(112, 0, 57, 41) << false;
        QTest::newRow("close") << "btn_close" << QString::fromUtf8("Schließen") << 6 << QRect(168, 0, 57, 41) << false;
        QTest::newRow("print") << "btn_print" << "Drucken" << 8 << QRect(224, 0, 57, 41) << true;
        QTest::newRow("assistant") << "btn_open_individual" << "Style-Assistent" << 0 << QRect(296, 0, 78, 41) << true;
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
            {"Neu1", "Neu", 2, QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"ffnen1", "Öffnen", 3, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"Speichern1", "Speichern", 4, QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"Speichernunter1", "Speichern unter", 5, {}},
            {"Schliessen1", "Schliessen", 6, QKeySequence(Qt::CTRL | Qt::Key_F4)},
            {"Einstellungen1", "Einstellungen", 7, {}},
            {"Drucken1", "Drucken", 8, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Beenden1", "Beenden", 9, QKeySequence(Qt::ALT | Qt::Key_F4)},
            {"Rckgngig1", "Rückgängig", 11, QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {"Widerrufen1", "Widerrufen", 12, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            {"Ausschneiden1", "Ausschneiden", 13, QKeySequence(Qt::CTRL | Qt::Key_X)},
            {"Kopieren1", "Kopieren", 14, QKeySequence(Qt::CTRL | Qt::Key_C)},
            {"Einfgen1", "Einfügen", 15, QKeySequence(Qt::CTRL | Qt::Key_V)},
            {"Lschen1", "Löschen", 16, {}},
            {"Allesmarkieren1", "Alles markieren", 17, QKeySequence(Qt::CTRL | Qt::Key_A)},
            {"CSSParser1", "CSS-Parser", 24, QKeySequence(Qt::Key_F4)},
            {"Objekte1", "Objekte", 25, QKeySequence(Qt::Key_F5)},
            {"Vorschau1", "Vorschau", 26, QKeySequence(Qt::Key_F9)},
            {"Suchen2", "Suchen", 40, {}},
            {"nchstensuchen1", "nächsten suchen", 41, {}},
            {"voherigensuchen1", "voherigen suchen", 42, {}},
            {"Ersetzen1", "Ersetzen", 43, {}},
            {"Deutsch1", "Deutsch", 21, {}},
            {"Englisch1", "Englisch", 22, {}},
            {"Hilfe2", "Hilfe", 30, {}},
            {"Homepage1", "Homepage", 31, {}},
            {"Info", "Info", 33, {}},
            {"Datei1_menu", "Datei", 1, {}},
            {"Bearbeiten1_menu", "Bearbeiten", 10, {}},
            {"Ansicht1_menu", "Ansicht", 23, {}},
            {"Suchen1_menu", "Suchen", 40, {}},
            {"Sprache1_menu", "Sprache", 20, {}},
            {"Hilfe1_menu", "Hilfe", 30, {}},
            {"FrWebmaster1_menu", "Links zum Thema", 32, {}},
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
        QCOMPARE(action->icon().isNull(), viewEntry || name.endsWith(QLatin1String("_menu")) && name != "FrWebmaster1_menu");
    }

    void menuBarOrderAndLinks()
    {
        f->open();
        QStringList titles;
        for (QAction *a : f->window->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"Datei", "Bearbeiten", "Ansicht", "Suchen", "Sprache", "Hilfe"}));
        auto *links = f->find<QMenu>("FrWebmaster1");
        QCOMPARE(links->actions().size(), 9);
        for (QAction *link : links->actions())
            QVERIFY(!link->icon().isNull());
    }

    void statusBarFields()
    {
        f->open();
        QCOMPARE(f->find("StatusBar1_field0")->width(), 50);
        QCOMPARE(f->find("StatusBar1_field1")->width(), 50);
        QCOMPARE(f->find("StatusBar1_field2")->width(), 200);
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
        f->action("Speichern1")->trigger();
        QCOMPARE(f->contents(QStringLiteral("kept.css")), QByteArray("p {}\r\n"));
    }

    // Menu shortcuts win over the editor's keys.
    void shortcutsReachTheMenu()
    {
        f->open();
        f->type(QStringLiteral("p {}"));
        f->dialogs.answers << Answer::No;
        pressKey(f->editor(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(450)});
        QCOMPARE(f->editor()->allLines(), QStringList());

        f->type(QStringLiteral("ab"));
        f->dialogs.saveAnswers << f->path(QStringLiteral("x.css"));
        pressKey(f->editor(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f->enabled("btn_save"));
        pressKey(f->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->editor()->allLines(), QStringList{QString()});
        QVERIFY(f->enabled("btn_save"));
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
        f->action("Rckgngig1")->trigger();
        QCOMPARE(f->editor()->caretLine(), 1);
        QTRY_COMPARE(f->field(0), QStringLiteral("1:%1").arg(f->editor()->caretColumn()));
        f->action("Widerrufen1")->trigger();
        QTRY_COMPARE(f->field(0), QStringLiteral("2:1"));
    }

    void caretFieldHoldsLongPositions()
    {
        f->open();
        f->editor()->setLines(QStringList(176011, QStringLiteral("p { color: red; }")));
        f->editor()->setCaretPosition(176011, 22);
        auto *field = f->find<QLabel>("StatusBar1_field0");
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
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(450)});
        QCOMPARE(f->editor()->allLines(), QStringList());
        QTRY_COMPARE(f->field(0), QStringLiteral("1:1")); // New puts the caret at the start
    }

    void onlyTheFirstCommandLineFileOpens()
    {
        f->put(QStringLiteral("first.css"), "a {}\n");
        f->put(QStringLiteral("second.css"), "b {}\n");
        const CommandLine line =
            CommandLine::parse({f->path(QStringLiteral("first.css")), f->path(QStringLiteral("second.css"))});
        f->open(line.file);
        QCOMPARE(f->editor()->allLines(), QStringList{"a {}"});
        QCOMPARE(f->field(2), f->path(QStringLiteral("first.css")));
    }

    void viewTogglesHideShowAndAreRemembered()
    {
        f->open();
        QWidget *regions[] = {f->find("page_parser"), f->find("pan_left"), f->find("page_preview")};
        const Qt::Key keys[] = {Qt::Key_F4, Qt::Key_F5, Qt::Key_F9};
        for (int i = 0; i < 3; ++i) {
            pressKey(f->editor(), keys[i]);
            QVERIFY(!regions[i]->isVisible());
        }
        QVERIFY(!f->find("spl_preview")->isVisible());
        QVERIFY(f->find("Splitter4")->isVisible()); // stays when the analysis panel goes
        QCOMPARE(f->contents(QStringLiteral("einstellungen.ini")),
                 QByteArray("[Fenster]\r\nparser=0\r\nobjects=0\r\npreview=0\r\n"));
        pressKey(f->editor(), Qt::Key_F5);
        QVERIFY(f->find("pan_left")->isVisible());
        QVERIFY(f->action("Objekte1")->isChecked());

        // A new start brings the last state back.
        f->open();
        QVERIFY(!f->find("page_parser")->isVisible());
        QVERIFY(f->find("pan_left")->isVisible());
        QVERIFY(!f->find("page_preview")->isVisible());
        QVERIFY(!f->find("spl_preview")->isVisible());
        QVERIFY(!f->action("CSSParser1")->isChecked());
        QVERIFY(!f->action("Vorschau1")->isChecked());
    }

    void allRegionsHiddenLeaveTheEditor()
    {
        MainWindow &w = f->open();
        for (Qt::Key k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F9})
            pressKey(f->editor(), k);
        QTest::qWait(0);
        QWidget *editorPane = f->find("pan_middle");
        const QRect area(editorPane->mapTo(w.centralWidget(), QPoint(0, 0)), editorPane->size());
        QCOMPARE(area.left(), f->find("Splitter4")->width());
        QCOMPARE(area.width(), w.centralWidget()->width() - 5);
        QCOMPARE(area.top(), f->find("Panel1")->height());
        QCOMPARE(area.bottom() + 1, w.centralWidget()->height());
    }

    void previewHiddenInTheSettingsFile()
    {
        f->put(QStringLiteral("einstellungen.ini"), "[Fenster]\r\npreview=0\r\n");
        f->open();
        QVERIFY(!f->find("page_preview")->isVisible());
        QVERIFY(!f->find("spl_preview")->isVisible());
        QVERIFY(!f->action("Vorschau1")->isChecked());
        QVERIFY(f->action("CSSParser1")->isChecked());
    }

    void toggleWithAnUnwritableSettingsFile()
    {
        QDir(f->path(QString())).mkpath(QStringLiteral("einstellungen.ini")); // a folder in its place
        f->open();
        pressKey(f->editor(), Qt::Key_F4);
        QVERIFY(!f->find("page_parser")->isVisible());
        QVERIFY(!f->action("CSSParser1")->isChecked());
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("In %1 kann nicht geschrieben werden.").arg(f->paths.settingsFile())});
    }

    void panelsAreRestoredAtEveryActivation()
    {
        f->open();
        f->find("page_parser")->hide();
        f->put(QStringLiteral("einstellungen.ini"), "[Fenster]\r\nobjects=0\r\n");
        f->reactivate();
        QVERIFY(f->find("page_parser")->isVisible());
        QVERIFY(!f->find("pan_left")->isVisible());
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
        QVERIFY(!f->enabled("btn_close"));
        QVERIFY(!f->editor()->isDocumentModified());

        f->type(QStringLiteral("x"));
        f->reactivate();
        QCOMPARE(f->editor()->allLines(), QStringList{"xh1 { color: red; }"});
    }

    void unreadableCommandLineFile()
    {
        const QString missing = f->path(QStringLiteral("missing.css"));
        f->open(missing);
        QCOMPARE(f->dialogs.askedTexts(), QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)});
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
        auto *panel = f->find<ReferencePanel>("pan_left");
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
        QWidget *splitter = f->find("Splitter4");
        QWidget *panel = f->find("page_parser");
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

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
