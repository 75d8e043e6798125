#include "app/AppError.h"
#include "app/AppPaths.h"
#include "app/SharedRoutines.h"

#include <QTest>

class TestSharedRoutines : public QObject
{
    Q_OBJECT

private slots:
    void lastPosFindsTheLastOccurrence_data()
    {
        QTest::addColumn<QString>("sub");
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("expected");
        QTest::newRow("separator in a path") << "\\"
                                             << "C:\\a\\b" << 5;
        QTest::newRow("absent") << "x"
                                << "abc" << 0;
        QTest::newRow("empty string") << "a"
                                      << "" << 0;
        QTest::newRow("empty sub") << ""
                                   << "abc" << 0;
        QTest::newRow("last of several") << "ab"
                                         << "abXabYab" << 7;
        QTest::newRow("whole string") << "abc"
                                      << "abc" << 1;
        QTest::newRow("overlapping") << "aa"
                                     << "aaa" << 2;
    }
    void lastPosFindsTheLastOccurrence()
    {
        QFETCH(QString, sub);
        QFETCH(QString, s);
        QFETCH(int, expected);
        QCOMPARE(lastPos(sub, s), expected);
    }

    void versionStrings_data()
    {
        QTest::addColumn<QString>("fileVersion");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.1.0.1") << "1.1.0.1"
                                 << "1.1.0";
        QTest::newRow("2.10.3.7") << "2.10.3.7"
                                  << "2.10.3";
        QTest::newRow("leading zeros") << "01.002.0.9"
                                       << "1.2.0";
        QTest::newRow("three numbers") << "3.4.5"
                                       << "3.4.5";
    }
    void versionStrings()
    {
        QFETCH(QString, fileVersion);
        QFETCH(QString, expected);
        QCOMPARE(versionString(fileVersion), expected);
    }

    void missingVersion_data()
    {
        QTest::addColumn<QString>("fileVersion");
        QTest::newRow("none") << "";
        QTest::newRow("not a version") << "abc";
        QTest::newRow("two numbers") << "1.2";
    }
    void missingVersion()
    {
        QFETCH(QString, fileVersion);
        try {
            versionString(fileVersion);
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QStringLiteral("Keine Versionsinformationen vorhanden"));
        }
    }

    void buildVersion()
    {
        // The build carries a version, and the program shows its first three numbers.
        QVERIFY(!buildFileVersion().isEmpty());
        QVERIFY(buildFileVersion().startsWith(versionString() + QLatin1Char('.')));
    }

    void centredPosition_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("even") << QSize(1024, 768) << QSize(345, 90) << QPoint(339, 339);
        QTest::newRow("odd halves truncate") << QSize(101, 101) << QSize(10, 10) << QPoint(45, 45);
        QTest::newRow("larger than the screen") << QSize(800, 600) << QSize(901, 703) << QPoint(-50, -51);
    }
    void centredPosition()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        QCOMPARE(::centredPosition(screen, window), expected);
    }

    void appDir_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("appDir");
        QTest::addColumn<QString>("infDir");
        QTest::newRow("folder") << "/opt/stylograf/bin/stylograf"
                                << "/opt/stylograf/bin/"
                                << "/opt/stylograf/bin/inf/";
        QTest::newRow("root") << "/stylograf"
                              << "/"
                              << "/inf/";
    }
    void appDir()
    {
        QFETCH(QString, executable);
        QFETCH(QString, appDir);
        QFETCH(QString, infDir);
        const QString dir = AppPaths::appDirFromExecutable(executable);
        QCOMPARE(dir, appDir);
        QCOMPARE(AppPaths::subFolder(dir, QStringLiteral("inf")), infDir);
    }

    void errorBoxText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Datei x kann nicht geöffnet werden"
                                << "Datei x kann nicht geöffnet werden.";
        QTest::newRow("full stop") << "Schluss."
                                   << "Schluss.";
        QTest::newRow("exclamation sorts before the full stop") << "Fehler!"
                                                                << "Fehler!";
        QTest::newRow("closing quote sorts before") << "Ebene \"x\""
                                                    << "Ebene \"x\"";
        QTest::newRow("digit sorts after") << "Ebene 3"
                                           << "Ebene 3.";
        QTest::newRow("slash sorts after") << "in /tmp/"
                                           << "in /tmp/.";
        QTest::newRow("umlaut") << "schön"
                                << "schön.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorBoxText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::errorBoxText(text), shown);
    }
};

QTEST_APPLESS_MAIN(TestSharedRoutines)
#include "tst_shared_routines.moc"
