// The analysis from the command line: the real program, started without a display.

#include "TestFiles.h"
#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run stylograf(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(STYLOGRAF_EXE), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The program with `option` on a sheet of these bytes.
Run stylografOn(const QString &option, const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.css"));
    writeFile(path, bytes);
    return stylograf({option, path});
}

} // namespace

class TestSheetReport : public QObject
{
    Q_OBJECT

private slots:
    void analyse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("clean sheet, Windows-1252, CR LF")
            << QByteArray("/* Gr\xf6\xdf" "e */\r\nb{} a{}\r\n.k{} #i{} a{}\r\n") << 0
            << QByteArray("{\"elementSelectors\":[\"a\",\"b\"],\"classSelectors\":[\".k\"],\"idSelectors\":[\"#i\"],"
                          "\"repeatedSelectors\":[\"a\"],\"commentCount\":1,\"parseError\":false}\n");
        QTest::newRow("parse error") << QByteArray("p{} q") << 1
                                     << QByteArray("{\"elementSelectors\":[\"p\"],\"classSelectors\":[],\"idSelectors\":[],"
                                                   "\"repeatedSelectors\":[],\"commentCount\":0,\"parseError\":true}\n");
        QTest::newRow("UTF-8 selector") << QByteArray(".gr\xc3\xb6\xc3\x9f" "e{}\n") << 0
                                        << QByteArray("{\"elementSelectors\":[],\"classSelectors\":[\".gr\xc3\xb6\xc3\x9f" "e\"],"
                                                      "\"idSelectors\":[],\"repeatedSelectors\":[],\"commentCount\":0,\"parseError\":false}\n");
        QTest::newRow("empty file") << QByteArray() << 0
                                    << QByteArray("{\"elementSelectors\":[],\"classSelectors\":[],\"idSelectors\":[],"
                                                  "\"repeatedSelectors\":[],\"commentCount\":0,\"parseError\":false}\n");
    }
    void analyse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, json);
        const Run run = stylografOn(QStringLiteral("--analyse"), bytes);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, json);
        QVERIFY(QJsonDocument::fromJson(run.out).isObject());
    }

    void unreadableFile()
    {
        const Run run = stylograf({QStringLiteral("--analyse"), QStringLiteral("/nonexistent/x.css")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err, QString::fromUtf8("Datei /nonexistent/x.css kann nicht geöffnet werden.\n").toUtf8());
    }

    void previewHtmlIsThePageOfTheWindow()
    {
        const Run run = stylografOn(QStringLiteral("--preview-html"), "p{color:red}\n.x{}\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out),
                 PreviewPage::BuildPage(JoinAndStripComments(QStringList{"p{color:red}", ".x{}"}).text));
        QVERIFY(run.out.contains("\r\n<p>Element: p</p><br>\r\n"));
    }

    void previewHtmlShowsHostileSelectorsAsText()
    {
        const Run run = stylografOn(QStringLiteral("--preview-html"),
                                    "h1 </style><script>x()</script> {}\n#y<meta http-equiv=\"refresh\"> {}\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count("</style>"), 1);
        const QByteArray body = run.out.mid(run.out.indexOf("</style>"));
        QVERIFY(!body.contains("<script"));
        QVERIFY(!body.contains("<meta"));
        QVERIFY(run.out.contains(">einfache ID: y&lt;meta http-equiv=&quot;refresh&quot;&gt;</span><br>"));
        QVERIFY(run.out.contains("Content-Security-Policy"));
    }

    void tokensCarryTheCommentAcrossLines()
    {
        const Run run = stylografOn(QStringLiteral("--tokens"), "/* a\r\nb */ p{color:#fff}\r\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("1:0:4:0\n"
                                     "2:0:4:0\n2:4:1:5\n2:5:1:1\n2:6:1:6\n2:7:5:2\n2:12:1:8\n2:13:4:4\n2:17:1:6\n"));
    }

    void helpNamesTheNewOptions()
    {
        const Run run = stylograf({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--analyse"));
        QVERIFY(run.out.contains("--preview-html"));
        QVERIFY(run.out.contains("--tokens"));
    }
};

QTEST_APPLESS_MAIN(TestSheetReport)
#include "tst_sheet_report.moc"
