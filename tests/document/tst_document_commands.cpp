#include "FileSizeLimit.h"
#include "MainWindowFixture.h"
#include "i18n/UiTexts.h"

#include <QMimeData>


namespace {

const QString kUntitled = QStringLiteral("unbenannt");
const QString kModified = QString::fromUtf8("geändert");

QString text(int id)
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
        QVERIFY(!f->enabled("btn_save"));
        QVERIFY(!f->enabled("btn_close"));
        QVERIFY(!f->enabled("btn_undo"));
        QVERIFY(!f->enabled("btn_redo"));
    }

    void anEditMarksTheDocument()
    {
        f->type(QStringLiteral("p"));
        QCOMPARE(f->field(1), kModified);
        QVERIFY(f->enabled("btn_save"));
        QVERIFY(f->enabled("btn_undo"));
        QVERIFY(!f->enabled("btn_redo"));
        // Undoing back to the start keeps the marker and Save, as the buttons only
        // follow changes seen while the document is modified.
        f->action("Rckgngig1")->trigger();
        QVERIFY(!f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), kModified);
        QVERIFY(f->enabled("btn_save"));
    }

    void newOnACleanDocumentAsksNothing()
    {
        f->type(QStringLiteral("a"));
        f->action("Rckgngig1")->trigger();
        QTest::keyClick(f->editor(), Qt::Key_Right);
        const QString field0 = f->field(0);
        f->action("Neu1")->trigger();
        QVERIFY(f->dialogs.asked.isEmpty());
        QCOMPARE(f->field(0), field0);
        QCOMPARE(f->field(2), kUntitled);
    }

    void newOnAModifiedUntitledDocument_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("saveDialogs");
        QTest::newRow("No") << Answer::No << 0;
        QTest::newRow("Yes, save dialog cancelled") << Answer::Yes << 1;
    }
    void newOnAModifiedUntitledDocument()
    {
        QFETCH(Answer, answer);
        QFETCH(int, saveDialogs);
        f->type(QStringLiteral("h1 {}"));
        f->dialogs.answers << answer;
        f->action("Neu1")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Plain);
        QCOMPARE(f->dialogs.asked[0].text, text(450));
        QCOMPARE(f->dialogs.saveDialogs, saveDialogs);
        QCOMPARE(f->editor()->allLines(), QStringList());
        QVERIFY(!f->editor()->isDocumentModified());
        QVERIFY(!f->editor()->canUndoEdit());
        QCOMPARE(f->field(1), QString());
        QCOMPARE(f->field(2), kUntitled);
    }

    void newWithYesSavesFirst()
    {
        f->dialogs.saveAnswers << f->path(QStringLiteral("first.css"));
        f->type(QStringLiteral("a {}"));
        f->dialogs.answers << Answer::Yes;
        f->action("Neu1")->trigger();
        QCOMPARE(f->contents(QStringLiteral("first.css")), QByteArray("a {}\r\n"));
        QCOMPARE(f->editor()->allLines(), QStringList());
        QVERIFY(f->document().DocumentFileName().isEmpty());
        QVERIFY(!f->enabled("btn_close"));
    }

    void closeAnsweredNoAsksASecondTime()
    {
        f->type(QStringLiteral("x"));
        f->dialogs.answers << Answer::No << Answer::No;
        f->action("Schliessen1")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 2);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        QCOMPARE(f->dialogs.asked[0].text, text(451));
        QCOMPARE(f->dialogs.asked[1].kind, BoxKind::Plain);
        QCOMPARE(f->dialogs.asked[1].text, text(450));
        QCOMPARE(f->editor()->allLines(), QStringList());
    }

    void closeAnsweredYesSavesUnderTheName()
    {
        f->put(QStringLiteral("a.css"), "a {}\n");
        f->dialogs.openAnswers << f->path(QStringLiteral("a.css"));
        f->action("ffnen1")->trigger();
        f->type(QStringLiteral("b "));
        f->dialogs.answers << Answer::Yes;
        f->action("Schliessen1")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(451)});
        QCOMPARE(f->contents(QStringLiteral("a.css")), QByteArray("b a {}\n"));
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("btn_close"));
    }

    void openWhileModifiedAsksNothing()
    {
        f->put(QStringLiteral("b.css"), "b { }\r\n");
        f->type(QStringLiteral("x"));
        f->dialogs.openAnswers << f->path(QStringLiteral("b.css"));
        f->action("ffnen1")->trigger();
        QVERIFY(f->dialogs.asked.isEmpty());
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("b { }")});
        QVERIFY(!f->editor()->isDocumentModified());
        QVERIFY(!f->editor()->canUndoEdit());
        QCOMPARE(f->field(1), QString());
        QCOMPARE(f->field(2), f->path(QStringLiteral("b.css")));
        QVERIFY(f->enabled("btn_save")); // keeps its state
        QVERIFY(f->enabled("btn_close"));
        QCOMPARE(f->editor()->caretLine(), 1);
        QCOMPARE(f->editor()->caretColumn(), 1);
    }

    void cancelledOpenChangesNothing()
    {
        f->type(QStringLiteral("x"));
        f->action("ffnen1")->trigger();
        QCOMPARE(f->dialogs.openDialogs, 1);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("x")});
        QCOMPARE(f->field(2), kUntitled);
    }

    void unreadableFileKeepsTheDocument()
    {
        f->type(QStringLiteral("x"));
        const QString missing = f->path(QStringLiteral("missing.css"));
        f->dialogs.openAnswers << missing;
        f->action("ffnen1")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)});
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Failure);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("x")});
        QCOMPARE(f->field(1), kModified);
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("btn_close"));
        // The name of the unreadable file is not taken: Save still asks for one.
        f->action("Speichern1")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QVERIFY(!QFile::exists(missing));
    }

    void saveAsThenSaveWritesTheSamePath()
    {
        QDir(f->path(QString())).mkpath(QStringLiteral("elsewhere"));
        const QString target = f->path(QStringLiteral("elsewhere/s.css"));
        f->type(QStringLiteral("p {}"));
        f->dialogs.saveAnswers << target;
        f->action("Speichernunter1")->trigger();
        QCOMPARE(f->document().DocumentFileName(), target);
        QCOMPARE(f->field(2), target);
        QCOMPARE(f->field(1), QString());
        QVERIFY(!f->enabled("btn_save"));
        QVERIFY(f->enabled("btn_close"));
        QVERIFY(!f->editor()->isDocumentModified());

        f->type(QStringLiteral("x"));
        f->action("Speichern1")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QCOMPARE(f->contents(QStringLiteral("elsewhere/s.css")), QByteArray("p {}x\r\n"));
    }

    void cancelledSaveAsChangesNothing()
    {
        f->type(QStringLiteral("p"));
        f->action("Speichernunter1")->trigger();
        QCOMPARE(f->dialogs.saveDialogs, 1);
        QVERIFY(f->document().DocumentFileName().isEmpty());
        QVERIFY(f->editor()->isDocumentModified());
        QVERIFY(f->enabled("btn_save"));
        QCOMPARE(f->field(1), kModified);
    }

    void savingKeepsTheFilesLineEndsAndEncoding()
    {
        f->put(QStringLiteral("lf.css"), "/* Gr\xf6\xdf" "e */\np {}\n");
        f->dialogs.openAnswers << f->path(QStringLiteral("lf.css"));
        f->action("ffnen1")->trigger();
        QTest::keyClick(f->editor(), Qt::Key_Down);
        QTest::keyClick(f->editor(), Qt::Key_End);
        f->type(QStringLiteral(" "));
        QTest::keyClick(f->editor(), Qt::Key_Return);
        f->type(QStringLiteral("ä"));
        f->action("Speichern1")->trigger();
        QCOMPARE(f->contents(QStringLiteral("lf.css")), QByteArray("/* Gr\xf6\xdf" "e */\np {}\n\xe4\n"));
    }

    void failedSaveKeepsTheOldFileAndTheState()
    {
        f->put(QStringLiteral("keep.css"), "old\r\n");
        f->dialogs.openAnswers << f->path(QStringLiteral("keep.css"));
        f->action("ffnen1")->trigger();
        f->type(QString(400, QLatin1Char('x')));
        {
            FileSizeLimit limit(64);
            f->action("Speichern1")->trigger();
        }
        QCOMPARE(f->contents(QStringLiteral("keep.css")), QByteArray("old\r\n"));
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(f->path(QStringLiteral("keep.css")))});
        QVERIFY(f->editor()->isDocumentModified());
        QVERIFY(f->enabled("btn_save"));
        QCOMPARE(f->field(1), kModified);
    }

    void failedSaveAsKeepsTheName()
    {
        f->put(QStringLiteral("file"), "not a folder");
        const QString target = f->path(QStringLiteral("file/a.css"));
        f->type(QStringLiteral("p"));
        f->dialogs.saveAnswers << target;
        f->action("Speichernunter1")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(target)});
        QVERIFY(f->document().DocumentFileName().isEmpty());
        QCOMPARE(f->field(2), kUntitled);
        QVERIFY(!f->enabled("btn_close"));
        QVERIFY(f->enabled("btn_save"));
    }

    void failedSaveStopsNew()
    {
        f->put(QStringLiteral("file"), "not a folder");
        f->type(QStringLiteral("keep me"));
        f->dialogs.answers << Answer::Yes;
        f->dialogs.saveAnswers << f->path(QStringLiteral("file/a.css"));
        f->action("Neu1")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 2); // the question, then the error box
        QCOMPARE(f->dialogs.asked[1].kind, BoxKind::Failure);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("keep me")});
    }

    void undoFromTheMenuOnACleanDocumentEnablesSave()
    {
        QVERIFY(!f->enabled("btn_save"));
        f->action("Rckgngig1")->trigger();
        QVERIFY(f->enabled("btn_save"));
        QCOMPARE(f->field(1), QString());
    }

    void undoingPastTheSaveMarksTheDocumentAgain()
    {
        f->type(QStringLiteral("a"));
        f->dialogs.saveAnswers << f->path(QStringLiteral("u.css"));
        f->action("Speichernunter1")->trigger();
        QVERIFY(!f->enabled("btn_save"));
        // The tool button undoes the saved edit: the text no longer matches the file.
        f->find<QToolButton>("btn_undo")->click();
        QCOMPARE(f->editor()->allLines(), QStringList{QString()});
        QVERIFY(f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), kModified);
        f->action("Beenden1")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{text(600) + QLatin1Char('\n') + text(601)});
    }

    void twoDroppedFilesAreLoadedInTurn()
    {
        f->put(QStringLiteral("one.css"), "one {}\r\n");
        f->put(QStringLiteral("two.css"), "two {}\r\n");
        f->type(QStringLiteral("unsaved"));
        const QStringList files{f->path(QStringLiteral("one.css")), f->path(QStringLiteral("two.css"))};
        dropOn(f->window.get(), files);
        QCOMPARE(f->dialogs.askedTexts(), files);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Plain);
        QCOMPARE(f->editor()->allLines(), QStringList{QStringLiteral("two {}")});
        QCOMPARE(f->document().DocumentFileName(), files[1]);
        QCOMPARE(f->field(2), files[1]);
        QVERIFY(!f->enabled("btn_close"));
        QVERIFY(!f->editor()->isDocumentModified());
    }

    void dropOntoTheEditorOpensTooAndStopsAtAnUnreadableFile()
    {
        f->put(QStringLiteral("two.css"), "two {}\r\n");
        const QString missing = f->path(QStringLiteral("missing.css"));
        dropOn(f->editor()->viewport(), {missing, f->path(QStringLiteral("two.css"))});
        QCOMPARE(f->dialogs.askedTexts(), QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(missing)});
        QCOMPARE(f->editor()->allLines(), QStringList());
        QCOMPARE(f->field(2), kUntitled);
    }

    void exitOnAModifiedUntitledDocument_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("No") << QList<Answer>{Answer::No} << true;
        QTest::newRow("Yes, save dialog cancelled") << QList<Answer>{Answer::Yes} << true;
    }
    void exitOnAModifiedUntitledDocument()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, closes);
        f->type(QStringLiteral("p"));
        for (Answer a : answers)
            f->dialogs.answers << a;
        f->action("Beenden1")->trigger();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Confirmation);
        QCOMPARE(f->dialogs.asked[0].text, text(600) + QLatin1Char('\n') + text(601));
        QCOMPARE(!f->window->isVisible(), closes);
    }

    void exitWithAFailingSaveStaysOpen()
    {
        f->put(QStringLiteral("file"), "not a folder");
        f->type(QStringLiteral("p"));
        f->dialogs.answers << Answer::Yes;
        f->dialogs.saveAnswers << f->path(QStringLiteral("file/a.css"));
        f->action("Beenden1")->trigger();
        QVERIFY(f->window->isVisible());
        QCOMPARE(f->dialogs.asked.last().kind, BoxKind::Failure);
    }

    void exitOnACleanDocumentAsksNothing()
    {
        f->action("Beenden1")->trigger();
        QVERIFY(f->dialogs.asked.isEmpty());
        QVERIFY(!f->window->isVisible());
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"
