// Printing from the real main window into a PDF file.

#include "FileSizeLimit.h"
#include "MainWindowFixture.h"

#include <optional>

#include <QProcess>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void printsPagesWithTheHeader()
    {
        MainWindowFixture f;
        f.open();
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << QStringLiteral("p.zeile%1 { color: red; }").arg(i);
        lines << QStringLiteral(
            "h1 { font-family: Verdana, sans-serif; margin: 0 auto; padding: 0 10px 0 10px; border: 1px solid #ccc; }");
        f.editor()->setLines(lines);
        const QString pdf = f.path(QStringLiteral("out.pdf"));
        f.dialogs.printAnswers << pdf;
        f.action("actionPrint")->trigger();
        QVERIFY(QFile::exists(pdf));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))), qPrintable(info));
        QVERIFY(info.contains(QLatin1String("unbenannt drucken")));
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QCOMPARE(text.count(QLatin1String("unbenannt")), 2);
        QVERIFY(text.contains(QLatin1String("p.zeile1 { color: red; }")));
        QVERIFY(text.contains(QLatin1String("p.zeile60 { color: red; }")));
        // Lines stand one 5.0 mm cell apart: on A4, the header and 44 lines per page.
        const QString first
            = run(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        QVERIFY(first.contains(QLatin1String("p.zeile44 {")));
        QVERIFY(!first.contains(QLatin1String("p.zeile45 {")));
    }

    // A job that cannot be written is reported, and no empty or half file stays.
    void unwritableOutputIsReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<qint64>("diskSpace"); // 0: unlimited
        QTest::newRow("folder that is a file") << "file/out.pdf" << qint64(0);
        QTest::newRow("full disk") << "out.pdf" << qint64(2000);
    }
    void unwritableOutputIsReported()
    {
        QFETCH(QString, target);
        QFETCH(qint64, diskSpace);
        MainWindowFixture f;
        f.open();
        f.put(QStringLiteral("file"), "not a folder");
        f.editor()->setLines(QStringList(200, QStringLiteral("p.zeile { color: red; background: white; }")));
        const QString pdf = f.path(target);
        f.dialogs.printAnswers << pdf;
        {
            std::optional<FileSizeLimit> limit;
            if (diskSpace)
                limit.emplace(diskSpace);
            f.action("actionPrint")->trigger();
        }
        QCOMPARE(f.dialogs.askedTexts(), QStringList{QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(pdf)});
        QCOMPARE(f.dialogs.asked[0].kind, BoxKind::Failure);
        QVERIFY(!QFile::exists(pdf));
    }

    void cancelledDialogPrintsNothing()
    {
        MainWindowFixture f;
        f.open();
        f.editor()->setLines({QStringLiteral("p {}")});
        f.action("actionPrint")->trigger();
        QVERIFY(!QFile::exists(f.path(QStringLiteral("out.pdf"))));
        QVERIFY(!f.editor()->isDocumentModified());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
