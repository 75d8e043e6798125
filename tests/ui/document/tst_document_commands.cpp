#include "FileSizeLimit.h"
#include "MainWindowFixture.h"
#include "i18n/UiTexts.h"
#include "structure_view/AnalysisController.h"

#include <QMimeData>

#include <sys/stat.h>

namespace {

const QString kUntitled = QStringLiteral("unbenannt");
const QString kModified = QString::fromUtf8("geändert");

QString text(UiText id)
{
    return UiTexts::stored(id);
}

void dropOn(QWidget *target, const QStringList &paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    void startsUntitledAndClean()
    {
        QCOMPARE(f->field(0), QStringLiteral("0:0"));
        QCOMPARE(f->field(1), QString());
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("saveButton"));
        QVERIFY(!f->enabled("closeButton"));
        QVERIFY(!f->enabled("undoButton"));
        QVERIFY(!f->enabled("redoButton"));
    }

    void anEditMarksTheDocument()
    {
        f->type(QStringLiteral("p"));
        QCOMPARE(f->field(1), kModified);
        QVERIFY(f->enabled("saveButton"));
        QVERIFY(f->enabled("undoButton"));
        QVERIFY(!f->enabled("redoButton"));
        // Undoing back to the text last saved: unmodified again, nothing to undo, Redo.
        f->action("actionUndo")->trigger();
        QVERIFY(!f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), QString());
        QVERIFY(!f->enabled("saveButton"));
        QVERIFY(!f->enabled("undoButton"));
        QVERIFY(f->enabled("redoButton"));
        f->action("actionRedo")->trigger();
        QCOMPARE(f->field(1), kModified);
        QVERIFY(f->enabled("saveButton"));
        QVERIFY(!f->enabled("redoButton"));
    }

    void newOnACleanDocumentAsksNothing()
    {
        f->type(QStringLiteral("a"));
        f->action("actionUndo")->trigger();
        QTest::keyClick(f->editor(), Qt::Key_Right);
        QCOMPARE(f->field(0), QStringLiteral("1:2"));
        f->action("actionNew")->trigger();
        QVERIFY(f->dialogs.asked.isEmpty());
        QTRY_COMPARE(f->field(0), QStringLiteral("1:1"));
        QCOMPARE(f->field(2), kUntitled);
    }

    void newOnAModifiedUntitledDocument_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("saveDialogs");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("No discards") << Answer::No << 0 << true;
        // Cancelling the save dialog cancels New: the text must not be lost.
        QTest::newRow("Yes, save dialog cancelled") << Answer::Yes << 1 << false;
        // Escape or the box's close button: nothing happens.
        QTest::newRow("dismissed") << Answer::Cancel << 0 << false;
    }
    void newOnAModifiedUntitledDocument()
    {
        QFETCH(Answer, answer);
        QFETCH(int, saveDialogs);
        QFETCH(bool, cleared);
        f->type(QStringLiteral("h1 {}"));
        f->dialogs.answers << answer;
        f->action("actionNew")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Plain);
        QCOMPARE(f->dialogs.asked[0].text, text(UiText::SaveChangesQuestion));
        QCOMPARE(f->dialogs.asked[0].buttons, Buttons::YesNoDismissable);
        QCOMPARE(f->dialogs.saveDialogs, saveDialogs);
        QCOMPARE(f->editor()->allLines(), cleared ? QStringList() : QStringList{QStringLiteral("h1 {}")});
        QCOMPARE(f->editor()->isDocumentModified(), !cleared);
        QCOMPARE(f->editor()->canUndoEdit(), !cleared);
        QCOMPARE(f->field(1), cleared ? QString() : kModified);
        QCOMPARE(f->field(2), kUntitled);
    }

    void newWithYesSavesFirst()
    {
        f->dialogs.saveAnswers << f->path(QStringLiteral("first.css"));
        f->type(QStringLiteral("a {}"));
        f->dialogs.answers << Answer::Yes;
        f->action("actionNew")->trigger();
        QCOMPARE(f->contents(QStringLiteral("first.css")), QByteArray("a {}\r\n"));
        QCOMPARE(f->editor()->allLines(), QStringList());
        QVERIFY(f->document().fileName().isEmpty());
        QVERIFY(!f->enabled("closeButton"));
    }

    // Close asks once; Nein discards, a dismissed question keeps the text.
    void closeAsksOnce_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("No") << Answer::No << true;
        QTest::newRow("dismissed") << Answer::Cancel << false;
    }
    void closeAsksOnce()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, cleared);
        f->type(QStringLiteral("x"));
        f->dialogs.answers << answer << Answer::No;
        f->action("actionClose")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        QCOMPARE(f->dialogs.asked[0].text, text(UiText::FileChangedQuestion));
        QCOMPARE(f->editor()->allLines(), cleared ? QStringList() : QStringList{QStringLiteral("x")});
        QCOMPARE(f->field(1), cleared ? QString() : kModified);
    }

    void closeAnsweredYesWithTheSaveCancelledKeepsTheText()
    {
        f->type(QStringLiteral("x"));
        f->dialogs.answers << Answer::Yes;
        f->action("actionClose")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(UiText::FileChangedQuestion)});
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("x")});
        QVERIFY(f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), kModified);
    }

    void closeAnsweredYesSavesUnderTheName()
    {
        f->openFile(QStringLiteral("a.css"), "a {}\n");
        f->type(QStringLiteral("b "));
        f->dialogs.answers << Answer::Yes;
        f->action("actionClose")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(UiText::FileChangedQuestion)});
        QCOMPARE(f->contents(QStringLiteral("a.css")), QByteArray("b a {}\n"));
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("closeButton"));
    }

    // Open (menu, tool bar, shortcut) and a drop ask before the unsaved text goes.
    void replacingAModifiedText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("saveTo"); // empty cancels the save dialog
        QTest::addColumn<bool>("replaced");
        for (const QString &how :
             {QStringLiteral("menu"), QStringLiteral("tool bar"), QStringLiteral("Ctrl+O"), QStringLiteral("drop")}) {
            QTest::addRow("%s, No discards", qPrintable(how)) << how << Answer::No << QString() << true;
            QTest::addRow("%s, Yes saves first", qPrintable(how)) << how << Answer::Yes << "saved.css" << true;
            QTest::addRow("%s, Yes, save dialog cancelled", qPrintable(how))
                << how << Answer::Yes << QString() << false;
            QTest::addRow("%s, Yes, save fails", qPrintable(how)) << how << Answer::Yes << "file/a.css" << false;
        }
    }
    void replacingAModifiedText()
    {
        QFETCH(QString, how);
        QFETCH(Answer, answer);
        QFETCH(QString, saveTo);
        QFETCH(bool, replaced);
        f->put(QStringLiteral("file"), "not a folder");
        f->put(QStringLiteral("b.css"), "b { }\r\n");
        const QString other = f->path(QStringLiteral("b.css"));
        f->type(QStringLiteral("unsaved"));
        f->dialogs.answers << answer;
        if (!saveTo.isEmpty())
            f->dialogs.saveAnswers << f->path(saveTo);
        f->dialogs.openAnswers << other;
        if (how == QLatin1String("menu"))
            f->action("actionOpen")->trigger();
        else if (how == QLatin1String("tool bar"))
            f->find<QToolButton>("openButton")->click();
        else if (how == QLatin1String("Ctrl+O"))
            QTest::keyClick(f->editor(), Qt::Key_O, Qt::ControlModifier);
        else
            dropOn(f->window.get(), {other});
        QCOMPARE(f->dialogs.asked.value(0).text, text(UiText::SaveChangesQuestion));
        QCOMPARE(f->dialogs.asked.value(0).kind, BoxKind::Plain);
        if (saveTo == QLatin1String("saved.css"))
            QCOMPARE(f->contents(saveTo), QByteArray("unsaved\r\n"));
        if (replaced) {
            QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("b { }")});
            QCOMPARE(f->document().fileName(), other);
            QVERIFY(!f->editor()->isDocumentModified());
        } else {
            QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("unsaved")});
            QVERIFY(f->document().fileName().isEmpty());
            QCOMPARE(f->field(2), kUntitled);
            QVERIFY(f->editor()->isDocumentModified());
            QCOMPARE(f->field(1), kModified);
            QVERIFY(f->editor()->canUndoEdit());
        }
    }

    void openOnACleanDocumentAsksNothing()
    {
        f->openFile(QStringLiteral("b.css"), "b { }\r\n");
        QVERIFY(f->dialogs.asked.isEmpty());
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("b { }")});
        QVERIFY(!f->editor()->isDocumentModified());
        QVERIFY(!f->editor()->canUndoEdit());
        QCOMPARE(f->field(1), QString());
        QCOMPARE(f->field(2), f->path(QStringLiteral("b.css")));
        QVERIFY(f->enabled("closeButton"));
        QCOMPARE(f->editor()->caretLine(), 1);
        QCOMPARE(f->editor()->caretColumn(), 1);
    }

    void cancelledOpenChangesNothing()
    {
        f->type(QStringLiteral("x"));
        f->dialogs.answers << Answer::No;
        f->action("actionOpen")->trigger();
        QCOMPARE(f->dialogs.openDialogs, 1);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("x")});
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(f->editor()->isDocumentModified());
    }

    void unreadableFileKeepsTheDocument()
    {
        f->type(QStringLiteral("x"));
        const QString missing = f->path(QStringLiteral("missing.css"));
        f->dialogs.answers << Answer::No;
        f->dialogs.openAnswers << missing;
        f->action("actionOpen")->trigger();
        QCOMPARE(f->dialogs.askedTexts(),
                 (QStringList{text(UiText::SaveChangesQuestion),
                              QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)}));
        QCOMPARE(f->dialogs.asked[1].kind, BoxKind::Failure);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("x")});
        QCOMPARE(f->field(1), kModified);
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("closeButton"));
        // The name of the unreadable file is not taken: Save still asks for one.
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QVERIFY(!QFile::exists(missing));
    }

    // What is not a regular file is refused at once: a FIFO never blocks the window,
    // a device never fills the memory.
    void openingWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("drop");
        for (const bool drop : {false, true}) {
            const char *how = drop ? "dropped" : "opened";
            QTest::addRow("a FIFO, %s", how) << "fifo" << drop;
            QTest::addRow("a device, %s", how) << "/dev/zero" << drop;
            QTest::addRow("a folder, %s", how) << "folder" << drop;
        }
    }
    void openingWhatIsNoFile()
    {
        QFETCH(QString, what);
        QFETCH(bool, drop);
        QCOMPARE(::mkfifo(QFile::encodeName(f->path(QStringLiteral("fifo"))).constData(), 0600), 0);
        QDir(f->path(QString())).mkdir(QStringLiteral("folder"));
        const QString path = what.startsWith(QLatin1Char('/')) ? what : f->path(what);
        f->type(QStringLiteral("kept"));
        f->dialogs.answers << Answer::No; // the unsaved text may go
        if (drop) {
            dropOn(f->window.get(), {path});
        } else {
            f->dialogs.openAnswers << path;
            f->action("actionOpen")->trigger();
        }
        QCOMPARE(f->dialogs.askedTexts().value(1), QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(path));
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("kept")});
        QCOMPARE(f->field(2), kUntitled);
    }

    // Another program changes the open file: an unmodified text follows it, keeping
    // the caret's line; a modified one only when the user says so.
    void changesOnDiskAreNoticed_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("unmodified: reloaded") << false << Answer::No << QStringList{"a {}", "b {}", "c {}"};
        QTest::newRow("modified, Yes: reloaded") << true << Answer::Yes << QStringList{"a {}", "b {}", "c {}"};
        QTest::newRow("modified, No: kept") << true << Answer::No << QStringList{"x {}", "y {}"};
    }
    void changesOnDiskAreNoticed()
    {
        QFETCH(bool, modified);
        QFETCH(Answer, answer);
        QFETCH(QStringList, shown);
        const QString path = f->openFile(QStringLiteral("w.css"), "x {}\ny {}\n");
        f->editor()->setCaretPosition(2, 1);
        if (modified) {
            QTest::keyClick(f->editor(), Qt::Key_Delete);
            f->type(QStringLiteral("y"));
        }
        f->dialogs.answers << answer;
        // The new content differs in size, so no clock tick needs to pass before it.
        f->put(QStringLiteral("w.css"), "a {}\nb {}\nc {}\n");
        if (modified)
            QTRY_COMPARE(f->dialogs.askedTexts(), QStringList{text(UiText::ReloadQuestion).arg(path)});
        QTRY_COMPARE(f->editor()->allLines(), shown);
        QCOMPARE(f->dialogs.asked.size(), modified ? 1 : 0);
        if (f->editor()->allLines() != QStringList{"x {}", "y {}"}) {
            QCOMPARE(f->editor()->caretLine(), 2);
            QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        }
    }

    // Saving over a file another program changed since it was read asks first; the
    // program's own saves never ask.
    void savingOverAChangedFileAsks_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("No keeps theirs") << Answer::No << QByteArray("theirs {}\n");
        QTest::newRow("Yes writes ours") << Answer::Yes << QByteArray("ours {}\n");
    }
    void savingOverAChangedFileAsks()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, onDisk);
        const QString path = f->openFile(QStringLiteral("s.css"), "x {}\n");
        f->editor()->selectAll();
        f->type(QStringLiteral("ours {}"));
        f->action("actionSave")->trigger(); // our own save: no question afterwards
        QTest::qWait(500);
        QVERIFY(f->dialogs.asked.isEmpty());
        f->dialogs.answers << Answer::No; // do not reload over the typed text
        f->type(QStringLiteral(" "));
        f->put(QStringLiteral("s.css"), "theirs {}\n");
        QTRY_COMPARE(f->dialogs.asked.size(), 1);
        QTest::keyClick(f->editor(), Qt::Key_Backspace);
        f->dialogs.answers << answer;
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.askedTexts().value(1), text(UiText::OverwriteQuestion).arg(path));
        QCOMPARE(f->contents(QStringLiteral("s.css")), onDisk);
    }

    void saveAsThenSaveWritesTheSamePath()
    {
        QDir(f->path(QString())).mkpath(QStringLiteral("elsewhere"));
        const QString target = f->path(QStringLiteral("elsewhere/s.css"));
        f->type(QStringLiteral("p {}"));
        f->dialogs.saveAnswers << target;
        f->action("actionSaveAs")->trigger();
        QCOMPARE(f->document().fileName(), target);
        QCOMPARE(f->field(2), target);
        QCOMPARE(f->field(1), QString());
        QVERIFY(!f->enabled("saveButton"));
        QVERIFY(f->enabled("closeButton"));
        QVERIFY(!f->editor()->isDocumentModified());

        f->type(QStringLiteral("x"));
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QCOMPARE(f->contents(QStringLiteral("elsewhere/s.css")), QByteArray("p {}x\r\n"));
    }

    void cancelledSaveAsChangesNothing()
    {
        f->type(QStringLiteral("p"));
        f->action("actionSaveAs")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QVERIFY(f->document().fileName().isEmpty());
        QVERIFY(f->editor()->isDocumentModified());
        QVERIFY(f->enabled("saveButton"));
        QCOMPARE(f->field(1), kModified);
    }

    void savingKeepsTheFilesLineEndsAndEncoding()
    {
        f->openFile(QStringLiteral("lf.css"),
                    "/* Gr\xf6\xdf"
                    "e */\np {}\n");
        QTest::keyClick(f->editor(), Qt::Key_Down);
        QTest::keyClick(f->editor(), Qt::Key_End);
        f->type(QStringLiteral(" "));
        QTest::keyClick(f->editor(), Qt::Key_Return);
        f->type(QStringLiteral("ä"));
        f->action("actionSave")->trigger();
        QCOMPARE(f->contents(QStringLiteral("lf.css")),
                 QByteArray("/* Gr\xf6\xdf"
                            "e */\np {}\n\xe4\n"));
    }

    // Opened and saved without edits, a file comes back byte for byte.
    void openAndSaveKeepsTheBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("h1 {\r\n  color: red;\r\n}\r\n");
        QTest::newRow("LF") << QByteArray("h1 {\n  color: red;\n}\n");
        QTest::newRow("CR") << QByteArray("h1 {\r  color: red;\r}\r");
        QTest::newRow("no line end after the last line") << QByteArray("a {}\nb {}");
        QTest::newRow("UTF-8 with a byte order mark") << QByteArray("\xef\xbb\xbfp { content: \"\xc3\xa4\"; }\r\n");
        QTest::newRow("byte order mark, nothing else") << QByteArray("\xef\xbb\xbf");
        QTest::newRow("Windows-1252") << QByteArray("/* Gr\xf6\xdf"
                                                    "e \x80 */\r\np {}\r\n");
        QTest::newRow("just a line end") << QByteArray("\n");
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfe"
                                                 "p\0{\0\xe4\0}\0\r\0\n\0",
                                                 14);
        QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff"
                                                 "\0p\0{\0}\0\n",
                                                 10);
    }
    void openAndSaveKeepsTheBytes()
    {
        QFETCH(QByteArray, bytes);
        f->openFile(QStringLiteral("s.css"), bytes);
        QFile::remove(f->path(QStringLiteral("s.css")));
        f->action("actionSave")->trigger();
        QCOMPARE(f->contents(QStringLiteral("s.css")), bytes);
    }

    void lineEndMarksFollowTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mark");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "CRLF";
        QTest::newRow("LF") << QByteArray("a\nb\n") << "LF";
        QTest::newRow("CR") << QByteArray("a\rb\r") << "CR";
    }
    void lineEndMarksFollowTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mark);
        f->openFile(QStringLiteral("e.css"), bytes);
        QCOMPARE(f->editor()->lineEndMark(), mark);
        f->action("actionNew")->trigger(); // a new text keeps the line ends of the last file
        QCOMPARE(f->editor()->lineEndMark(), mark);
    }

    // NULs are read as line ends: the user hears so on opening, and is asked before
    // the first save turns them into line ends.
    void nulCharactersAreAskedAbout_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("No keeps the file") << Answer::No << QByteArray("a\0b\n", 4);
        QTest::newRow("Yes saves the lines") << Answer::Yes << QByteArray("a\nb\n");
    }
    void nulCharactersAreAskedAbout()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, saved);
        f->openFile(QStringLiteral("n.css"), QByteArray("a\0b\n", 4));
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(UiText::NulCharactersRead)});
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Information);
        QCOMPARE(f->editor()->allLines(), (QStringList{"a", "b"}));
        f->dialogs.answers << answer;
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.askedTexts(),
                 (QStringList{text(UiText::NulCharactersRead), text(UiText::NulCharactersSaveQuestion)}));
        QCOMPARE(f->contents(QStringLiteral("n.css")), saved);
        if (answer == Answer::Yes) { // asked once: the file holds no NUL any more
            f->type(QStringLiteral("x"));
            f->action("actionSave")->trigger();
            QCOMPARE(f->dialogs.asked.size(), 2);
        }
    }

    // Half a UTF-16 surrogate pair cannot be held by the editor's text: saying so on
    // reading, and asking before the first save, as for NULs; No keeps the file's bytes.
    void halfCharactersAreAskedAbout_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("kept");
        QTest::newRow("No keeps the file") << Answer::No << true;
        QTest::newRow("Yes saves what the editor shows") << Answer::Yes << false;
    }
    void halfCharactersAreAskedAbout()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, kept);
        const QByteArray bytes = QByteArray::fromHex("fffe70002e00610000d87b007d000a00"); // "p.a\xd800{}"
        f->openFile(QStringLiteral("h.css"), bytes);
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(UiText::HalfCharactersRead)});
        f->type(QStringLiteral(" "));
        f->dialogs.answers << answer;
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.askedTexts(),
                 (QStringList{text(UiText::HalfCharactersRead), text(UiText::HalfCharactersSaveQuestion)}));
        QCOMPARE(f->contents(QStringLiteral("h.css")) == bytes, kept);
        QCOMPARE(f->contents(QStringLiteral("h.css")).startsWith("\xff\xfe \x00p\x00"), !kept);
    }

    // Another program deletes (or moves away) the open file: said once, and the text,
    // now only in the window, counts as modified: Save writes it back, Exit asks.
    void aFileDeletedBehindTheProgram()
    {
        const QString path = f->openFile(QStringLiteral("gone.css"), "a {}\n");
        QVERIFY(!f->enabled("saveButton"));
        QVERIFY(QFile::remove(path));
        QTRY_COMPARE(f->find<QLabel>("searchNote")->text(), text(UiText::FileGone));
        QCOMPARE(f->field(1), kModified);
        QVERIFY(f->enabled("saveButton"));
        QVERIFY(f->document().isModified());
        QVERIFY(f->dialogs.asked.isEmpty()); // a note, no box
        f->dialogs.answers << Answer::Cancel;
        f->action("actionExit")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QVERIFY(f->window->isVisible());
        f->action("actionSave")->trigger();
        QCOMPARE(f->contents(QStringLiteral("gone.css")), QByteArray("a {}\n"));
        QCOMPARE(f->field(1), QString());
        QVERIFY(!f->document().isModified());
    }

    void aByteOrderMarkIsNoPartOfTheText()
    {
        f->openFile(QStringLiteral("bom.css"), "\xef\xbb\xbfp {}\n");
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("p {}")});
        QCOMPARE(f->window->analysis().analysis().elementSelectors, QStringList{QStringLiteral("p")});
    }

    // A Windows-1252 file is never turned into UTF-8 without the user's word.
    void textBeyondTheFilesEncoding_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("No keeps the file") << Answer::No
                                           << QByteArray("/* Gr\xf6\xdf"
                                                         "e */\n");
        QTest::newRow("Yes saves as UTF-8") << Answer::Yes
                                            << QByteArray("/* Gr\xc3\xb6\xc3\x9f"
                                                          "e \xe2\x86\x92 */\n");
    }
    void textBeyondTheFilesEncoding()
    {
        QFETCH(Answer, answer);
        QFETCH(QByteArray, saved);
        f->openFile(QStringLiteral("w.css"),
                    "/* Gr\xf6\xdf"
                    "e */\n");
        QTest::keyClick(f->editor(), Qt::Key_End);
        QTest::keyClick(f->editor(), Qt::Key_Left);
        QTest::keyClick(f->editor(), Qt::Key_Left);
        f->type(QString::fromUtf8("→ "));
        f->dialogs.answers << answer;
        f->action("actionSave")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].text, text(UiText::SaveAsUtf8Question));
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        QCOMPARE(f->contents(QStringLiteral("w.css")), saved);
        QCOMPARE(f->editor()->isDocumentModified(), answer == Answer::No);
        QCOMPARE(f->enabled("saveButton"), answer == Answer::No);
        QCOMPARE(f->field(1), answer == Answer::No ? kModified : QString());
        // Once UTF-8, the file is saved as UTF-8 without asking again.
        if (answer == Answer::Yes) {
            f->type(QStringLiteral("x"));
            f->action("actionSave")->trigger();
            QCOMPARE(f->dialogs.asked.size(), 1);
        }
    }

    void failedSaveKeepsTheOldFileAndTheState()
    {
        f->openFile(QStringLiteral("keep.css"), "old\r\n");
        f->type(QString(400, QLatin1Char('x')));
        {
            FileSizeLimit limit(64);
            f->action("actionSave")->trigger();
        }
        QCOMPARE(f->contents(QStringLiteral("keep.css")), QByteArray("old\r\n"));
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{
                     QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(f->path(QStringLiteral("keep.css")))});
        QVERIFY(f->editor()->isDocumentModified());
        QVERIFY(f->enabled("saveButton"));
        QCOMPARE(f->field(1), kModified);
    }

    void failedSaveAsKeepsTheName()
    {
        f->put(QStringLiteral("file"), "not a folder");
        const QString target = f->path(QStringLiteral("file/a.css"));
        f->type(QStringLiteral("p"));
        f->dialogs.saveAnswers << target;
        f->action("actionSaveAs")->trigger();
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(target)});
        QVERIFY(f->document().fileName().isEmpty());
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("closeButton"));
        QVERIFY(f->enabled("saveButton"));
    }

    void failedSaveStopsNew()
    {
        f->put(QStringLiteral("file"), "not a folder");
        f->type(QStringLiteral("keep me"));
        f->dialogs.answers << Answer::Yes;
        f->dialogs.saveAnswers << f->path(QStringLiteral("file/a.css"));
        f->action("actionNew")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 2); // the question, then the error box
        QCOMPARE(f->dialogs.asked[1].kind, BoxKind::Failure);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("keep me")});
    }

    // Save follows the text: Undo with nothing to undo leaves it off.
    void undoFromTheMenuOnACleanDocumentChangesNothing()
    {
        QVERIFY(!f->enabled("saveButton"));
        f->action("actionUndo")->trigger();
        QVERIFY(!f->enabled("saveButton"));
        QCOMPARE(f->field(1), QString());
    }

    // An Open that lets unsaved changes go: nothing to save, undo or redo afterwards.
    void openAfterDiscardingLeavesNothingToUndo()
    {
        f->put(QStringLiteral("o.css"), "o {}\n");
        f->type(QStringLiteral("x"));
        f->dialogs.answers << Answer::No;
        f->dialogs.openAnswers << f->path(QStringLiteral("o.css"));
        f->action("actionOpen")->trigger();
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("o {}")});
        QVERIFY(!f->enabled("saveButton"));
        QVERIFY(!f->enabled("undoButton"));
        QVERIFY(!f->enabled("redoButton"));
        QCOMPARE(f->field(1), QString());
    }

    void undoingPastTheSaveMarksTheDocumentAgain()
    {
        f->type(QStringLiteral("a"));
        f->dialogs.saveAnswers << f->path(QStringLiteral("u.css"));
        f->action("actionSaveAs")->trigger();
        QVERIFY(!f->enabled("saveButton"));
        // The tool button undoes the saved edit: the text no longer matches the file.
        f->find<QToolButton>("undoButton")->click();
        QCOMPARE(f->editor()->allLines(), QStringList{QString()});
        QVERIFY(f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), kModified);
        f->action("actionExit")->trigger();
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{text(UiText::ChangesMade) + QLatin1Char('\n') + text(UiText::SaveFileQuestion)});
    }

    void twoDroppedFilesAreLoadedInTurn()
    {
        f->put(QStringLiteral("one.css"), "one {}\r\n");
        f->put(QStringLiteral("two.css"), "two {}\r\n");
        const QStringList files{f->path(QStringLiteral("one.css")), f->path(QStringLiteral("two.css"))};
        dropOn(f->window.get(), files);
        QCOMPARE(f->dialogs.askedTexts(), files);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Plain);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("two {}")});
        QCOMPARE(f->document().fileName(), files[1]);
        QCOMPARE(f->field(2), files[1]);
        QVERIFY(!f->enabled("closeButton"));
        QVERIFY(!f->editor()->isDocumentModified());
    }

    void dropOntoTheEditorOpensTooAndStopsAtAnUnreadableFile()
    {
        f->put(QStringLiteral("two.css"), "two {}\r\n");
        const QString missing = f->path(QStringLiteral("missing.css"));
        dropOn(f->editor()->viewport(), {missing, f->path(QStringLiteral("two.css"))});
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)});
        QCOMPARE(f->editor()->allLines(), QStringList());
        QCOMPARE(f->field(2), kUntitled);
    }

    // The browser control would take the drop for itself: a file dropped onto the
    // preview opens like one dropped anywhere else on the window.
    void dropOntoThePreviewOpensTheFile()
    {
        f->put(QStringLiteral("one.css"), "one {}\r\n");
        QWidget *preview = f->find<QWidget>("previewView");
        QTRY_VERIFY(!preview->findChildren<QWidget *>().isEmpty()); // the engine's own widget is in place
        // Qt hands a drop to the innermost widget under the pointer that accepts drops.
        QWidget *target = f->window->childAt(preview->mapTo(f->window.get(), preview->rect().center()));
        QVERIFY(target);
        while (target && !target->acceptDrops())
            target = target->parentWidget();
        QVERIFY(target);
        dropOn(target, {f->path(QStringLiteral("one.css"))});
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("one {}")});
        QCOMPARE(f->field(2), f->path(QStringLiteral("one.css")));
    }

    void exitOnAModifiedUntitledDocument_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("No") << QList<Answer>{Answer::No} << true;
        // Cancelling the save dialog cancels the exit: the text must not be lost.
        QTest::newRow("Yes, save dialog cancelled") << QList<Answer>{Answer::Yes} << false;
        // Escape or the box's close button on the question: the program stays.
        QTest::newRow("dismissed") << QList<Answer>{Answer::Cancel} << false;
    }
    void exitOnAModifiedUntitledDocument()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, closes);
        f->type(QStringLiteral("p"));
        for (Answer a : answers)
            f->dialogs.answers << a;
        f->action("actionExit")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        QCOMPARE(f->dialogs.asked[0].text,
                 text(UiText::ChangesMade) + QLatin1Char('\n') + text(UiText::SaveFileQuestion));
        QCOMPARE(!f->window->isVisible(), closes);
    }

    void exitWithAFailingSaveStaysOpen()
    {
        f->put(QStringLiteral("file"), "not a folder");
        f->type(QStringLiteral("p"));
        f->dialogs.answers << Answer::Yes;
        f->dialogs.saveAnswers << f->path(QStringLiteral("file/a.css"));
        f->action("actionExit")->trigger();
        QVERIFY(f->window->isVisible());
        QCOMPARE(f->dialogs.asked.last().kind, BoxKind::Failure);
    }

    void exitOnACleanDocumentAsksNothing()
    {
        f->action("actionExit")->trigger();
        QVERIFY(f->dialogs.asked.isEmpty());
        QVERIFY(!f->window->isVisible());
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"
