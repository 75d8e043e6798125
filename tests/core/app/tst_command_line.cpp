#include "app/CommandLine.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("version");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("error");
        QTest::newRow("nothing") << QStringList{} << "" << false << false << false;
        QTest::newRow("one file") << QStringList{"a.css"} << "a.css" << false << false << false;
        QTest::newRow("only the first file counts")
            << QStringList{"a.css", "b.css"} << "a.css" << false << false << false;
        QTest::newRow("relative name kept") << QStringList{"../x/a.css"} << "../x/a.css" << false << false << false;
        QTest::newRow("version") << QStringList{"--version"} << "" << true << false << false;
        QTest::newRow("help then file") << QStringList{"--help", "a.css"} << "a.css" << false << true << false;
        QTest::newRow("dash-named file after --") << QStringList{"--", "-a.css"} << "-a.css" << false << false << false;
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "a.css"} << "a.css" << false << false << true;
        QTest::newRow("lone dash is a name") << QStringList{"-"} << "-" << false << false << false;
        QTest::newRow("option without its file") << QStringList{"--analyse"} << "" << false << false << true;
        QTest::newRow("option with an empty file name") << QStringList{"--analyse", ""} << "" << false << false << true;
        QTest::newRow("Qt's options are passed over")
            << QStringList{"-style", "fusion", "-reverse", "-platform=xcb", "a.css"} << "a.css" << false << false
            << false;
        QTest::newRow("unknown single-dash option") << QStringList{"-x", "a.css"} << "a.css" << false << false << true;
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(bool, version);
        QFETCH(bool, help);
        QFETCH(bool, error);
        const CommandLine line = CommandLine::parse(arguments);
        QCOMPARE(line.file, file);
        QCOMPARE(line.showVersion, version);
        QCOMPARE(line.showHelp, help);
        QCOMPARE(!line.error.isEmpty(), error);
    }

    void syntax_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("syntax");
        QTest::addColumn<bool>("error");
        QTest::newRow("classic by default")
            << QStringList{"--analyse", "a.css"} << int(AnalysisSyntax::Classic) << false;
        QTest::newRow("by CSS syntax") << QStringList{"--syntax=css", "--analyse", "a.css"} << int(AnalysisSyntax::Css)
                                       << false;
        QTest::newRow("the last one counts")
            << QStringList{"--syntax=css", "--syntax=classic"} << int(AnalysisSyntax::Classic) << false;
        QTest::newRow("a reading nobody knows")
            << QStringList{"--syntax=browser"} << int(AnalysisSyntax::Classic) << true;
    }
    void syntax()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, syntax);
        QFETCH(bool, error);
        const CommandLine line = CommandLine::parse(arguments);
        QCOMPARE(int(line.syntax), syntax);
        QCOMPARE(!line.error.isEmpty(), error);
    }

    void helpNamesTheOptions()
    {
        const QString help = CommandLine::helpText();
        QVERIFY(help.contains(QLatin1String("--help")));
        QVERIFY(help.contains(QLatin1String("--version")));
        QVERIFY(help.contains(QLatin1String("--syntax=css")));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
