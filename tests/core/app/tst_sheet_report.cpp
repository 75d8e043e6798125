// The analysis from the command line: the real program, started without a display.

#include "TestFiles.h"
#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
Run stylografOn(const QString &option, const QByteArray &bytes, const QStringList &more = {})
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.css"));
    writeFile(path, bytes);
    return stylograf(more + QStringList{option, path});
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
            << QByteArray("/* Gr\xf6\xdf"
                          "e */\r\nb{} a{}\r\n.k{} #i{} a{}\r\n")
            << 0
            << QByteArray("{\"elementSelectors\":[\"a\",\"b\"],\"classSelectors\":[\".k\"],\"idSelectors\":[\"#i\"],"
                          "\"repeatedSelectors\":[\"a\"],\"commentCount\":1,\"parseError\":false}\n");
        QTest::newRow("parse error") << QByteArray("p{} q") << 1
                                     << QByteArray(
                                            "{\"elementSelectors\":[\"p\"],\"classSelectors\":[],\"idSelectors\":[],"
                                            "\"repeatedSelectors\":[],\"commentCount\":0,\"parseError\":true,"
                                            "\"errorLine\":1,\"errorColumn\":5}\n");
        QTest::newRow("rule not closed, after a comment, CR LF")
            << QByteArray("/* a\r\n   b */ p{}\r\n\r\n\t .k { color: red\r\n") << 1
            << QByteArray("{\"elementSelectors\":[\"p\"],\"classSelectors\":[],\"idSelectors\":[],"
                          "\"repeatedSelectors\":[],\"commentCount\":1,\"parseError\":true,"
                          "\"errorLine\":4,\"errorColumn\":6}\n");
        QTest::newRow("UTF-8 selector")
            << QByteArray(".gr\xc3\xb6\xc3\x9f"
                          "e{}\n")
            << 0
            << QByteArray("{\"elementSelectors\":[],\"classSelectors\":[\".gr\xc3\xb6\xc3\x9f"
                          "e\"],"
                          "\"idSelectors\":[],\"repeatedSelectors\":[],\"commentCount\":0,\"parseError\":false}\n");
        QTest::newRow("empty file") << QByteArray() << 0
                                    << QByteArray(
                                           "{\"elementSelectors\":[],\"classSelectors\":[],\"idSelectors\":[],"
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
        QCOMPARE(stylografOn(QStringLiteral("--analyse"), bytes, {QStringLiteral("--syntax=classic")}).out, json);
    }

    void analyseByCssSyntax_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("at-rules, nesting and a brace in a string")
            << QByteArray(
                   "@charset \"UTF-8\";\r\n@media print {\r\n  .a { b: c }\r\n}\r\n.card { &:hover { x: y } }\r\n"
                   "/* x */ .a { content: \"}\" } #i {}\r\n")
            << 0
            << QByteArray(
                   "{\"elementSelectors\":[],\"classSelectors\":[\".a\",\".card:hover\"],\"idSelectors\":[\"#i\"],"
                   "\"repeatedSelectors\":[],\"atRules\":[\"@charset \\\"UTF-8\\\"\",\"@media print\"],"
                   "\"commentCount\":1,\"parseError\":false}\n");
        QTest::newRow("a closing brace without its opening")
            << QByteArray("a {}\n  }\nb {}\n") << 1
            << QByteArray("{\"elementSelectors\":[\"a\",\"b\"],\"classSelectors\":[],\"idSelectors\":[],"
                          "\"repeatedSelectors\":[],\"atRules\":[],\"commentCount\":0,\"parseError\":true,"
                          "\"errorLine\":2,\"errorColumn\":3}\n");
    }
    void analyseByCssSyntax()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, json);
        const Run run = stylografOn(QStringLiteral("--analyse"), bytes, {QStringLiteral("--syntax=css")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, json);
        QVERIFY(QJsonDocument::fromJson(run.out).isObject());
    }

    // By CSS syntax the style element holds the sheet as written, and the body one
    // sample for each rule, those in @media and nested ones too.
    void previewHtmlByCssSyntax()
    {
        const Run run = stylografOn(QStringLiteral("--preview-html"),
                                    "@media print { .a { b: c } }\n.card { color: red; &:hover { x: y } }\n",
                                    {QStringLiteral("--syntax=css")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("@media print { .a { b: c } }\n.card { color: red; &:hover { x: y } }"));
        QVERIFY(run.out.contains("<span class=\"a\">Klasse: .a</span><br>\r\n"
                                 "<span class=\"card\">Klasse: .card</span><br>\r\n"
                                 "<span class=\"card:hover\">Klasse: .card:hover</span><br>\r\n"));
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
                 PreviewPage::buildPage(joinAndStripComments(QStringList{"p{color:red}", ".x{}"}).text));
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
        QCOMPARE(run.out,
                 QByteArray("1:0:4:0\n"
                            "2:0:4:0\n2:4:1:5\n2:5:1:1\n2:6:1:6\n2:7:5:2\n2:12:1:8\n2:13:4:4\n2:17:1:6\n"));
    }

    // Read before the application object exists: no display is needed to be told.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("--analyse without a file") << QStringList{"--analyse"} << "Der Option fehlt der Dateiname";
        QTest::newRow("--analyse with an empty name")
            << QStringList{"--analyse", ""} << "Der Option fehlt der Dateiname";
        QTest::newRow("--tokens without a file") << QStringList{"--tokens"} << "Der Option fehlt der Dateiname";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "Unbekannte Option: --bogus";
        QTest::newRow("unknown short option") << QStringList{"-x", "a.css"} << "Unbekannte Option: -x";
        QTest::newRow("a reading nobody knows")
            << QStringList{"--syntax=browser", "--analyse", "a.css"} << "Unbekannte Option: --syntax=browser";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = stylograf(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        const QString err = QString::fromUtf8(run.err);
        QVERIFY2(err.startsWith(message + QLatin1Char('\n')), qPrintable(err));
        QVERIFY(err.contains(QLatin1String("Aufruf: stylograf")));
    }

    void qtOptionsArePassedOver()
    {
        const Run run = stylograf({QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Stylograf "));
    }

    // What is not a regular file is not opened (a FIFO would block, a device would pour
    // bytes until memory runs out), and a file over the limit is refused unread.
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("message");
        QTest::newRow("a device without end") << "/dev/zero"
                                              << "kann nicht geöffnet werden";
        QTest::newRow("a FIFO") << "fifo"
                                << "kann nicht geöffnet werden";
        QTest::newRow("a folder") << "folder"
                                  << "kann nicht geöffnet werden";
        QTest::newRow("over 256 MB") << "big.css"
                                     << "ist zu groß: Stylograf öffnet Dateien bis 256 MB";
    }
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, what);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = what;
        if (what == QLatin1String("fifo")) {
            path = dir.filePath(what);
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (what == QLatin1String("folder")) {
            path = dir.path();
        } else if (what == QLatin1String("big.css")) {
            path = dir.filePath(what); // sparse: no disk space taken
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize((qint64(256) << 20) + 1));
        }
        for (const char *option : {"--analyse", "--preview-html", "--tokens"}) {
            const Run run = stylograf({QLatin1String(option), path});
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("Datei %1 %2.\n").arg(path, message));
        }
    }

    // A report that the output does not take fails loudly.
    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--analyse") << QStringList{"--analyse"};
        QTest::newRow("--preview-html") << QStringList{"--preview-html"};
        QTest::newRow("--tokens") << QStringList{"--tokens"};
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("--version") << QStringList{"--version"};
    }
    void outputThatCannotBeWritten()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("s.css"));
        writeFile(sheet, "p { color: red }\n");
        if (arguments.first() != QLatin1String("--help") && arguments.first() != QLatin1String("--version"))
            arguments << sheet;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(STYLOGRAF_EXE), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 3);
        QCOMPARE(process.readAllStandardError(), QByteArray("In die Ausgabe kann nicht geschrieben werden.\n"));
    }

    // A name that is not valid UTF-8 opens by its bytes.
    void fileNamesKeepTheirBytes()
    {
        QTemporaryDir dir;
        const QByteArray name = QFile::encodeName(dir.path())
            + "/gr\xf6\xdf"
              "e.css";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QVERIFY(::write(fd, "p{}\n", 4) == 4);
        ::close(fd);
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("exec \"$0\" --analyse \"$1/$(printf 'gr\\366\\337e.css')\""),
                       QStringLiteral(STYLOGRAF_EXE), dir.path()});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("\"elementSelectors\":[\"p\"]"));
    }

    // The reports load no window code: they run where only the executable is. Without
    // its module the windows do not open, and the program says why instead of crashing.
    void reportsRunWithoutTheWindowsModule()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("stylograf"));
        QVERIFY(QFile::copy(QStringLiteral(STYLOGRAF_EXE), program));
        const QString sheet = dir.filePath(QStringLiteral("s.css"));
        writeFile(sheet, "p { color: red }\n");
        QProcess process;
        process.start(program, {QStringLiteral("--analyse"), sheet});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("\"elementSelectors\":[\"p\"]"));

        process.start(program, {sheet});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(err.startsWith(QStringLiteral("Die Fenster können nicht geladen werden: ")), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("stylograf-windows.so")), qPrintable(err));
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
