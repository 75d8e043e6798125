#include "TestFiles.h"
#include "settings/ColourValues.h"
#include "settings/EditorSettings.h"

#include <QTemporaryDir>
#include <QTest>

class TestEditorSettings : public QObject
{
    Q_OBJECT

private slots:
    void colourValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("number"); // -1: unreadable
        QTest::addColumn<QString>("written");
        QTest::newRow("name in any case") << "clblue" << qint64(0xFF0000) << "clBlue";
        QTest::newRow("maroon") << "clMaroon" << qint64(0x000080) << "clMaroon";
        QTest::newRow("desktop colour") << "clWindowText" << qint64(0x80000008) << "clWindowText";
        QTest::newRow("no colour") << "CLNONE" << qint64(0x1FFFFFFF) << "clNone";
        QTest::newRow("hexadecimal without a name") << "$00123456" << qint64(0x123456) << "$00123456";
        QTest::newRow("decimal") << "255" << qint64(255) << "clRed";
        QTest::newRow("0x") << "0x00FF00" << qint64(0xFF00) << "clLime";
        QTest::newRow("word") << "blau" << qint64(-1) << "";
        QTest::newRow("empty") << "" << qint64(-1) << "";
    }
    void colourValues()
    {
        QFETCH(QString, stored);
        QFETCH(qint64, number);
        QFETCH(QString, written);
        const auto read = ColourValues::read(stored);
        QCOMPARE(read.has_value(), number >= 0);
        if (read) {
            QCOMPARE(qint64(*read), number);
            QCOMPARE(ColourValues::write(*read), written);
        }
    }

    void fortyNineNames() { QCOMPARE(ColourValues::names().size(), 49); }

    void noFileGivesTheDefaults()
    {
        QTemporaryDir dir;
        const EditorSettings s = EditorSettings::read(IniFile(dir.filePath(QStringLiteral("einstellungen.ini"))));
        QVERIFY(s.highlighting && s.lineNumbers && s.formattingMarks && s.xpMenu && s.colourSwatches && s.completion
                && s.propertyTips && s.unknownNames);
        QVERIFY(!s.cssSyntax); // the classic walk
        QCOMPARE(s.fontName, QStringLiteral("Courier New"));
        QCOMPARE(s.fontSize, QStringLiteral("10"));
        QVERIFY(s.keyBold && s.identBold && s.numBold);
        QCOMPARE(s.keyColour, ColourValues::rgbNumber(0, 0, 255));
        QCOMPARE(s.identColour, ColourValues::rgbNumber(128, 0, 0));
        QCOMPARE(s.numColour, ColourValues::rgbNumber(0, 0, 0));
    }

    void storedValues()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("einstellungen.ini"));
        writeFile(path,
                  "[Syntaxhighlighting]\r\nStatus=ja\r\n[Liniennummern]\r\nStatus=2\r\n"
                  "[Formatierungen]\r\nStatus=0\r\n[Font]\r\nFont=Liberation Mono\r\nSize=zwölf\r\n"
                  "[StyleColor]\r\nKey_fg=clRed\r\nIdent_fg=nicht lesbar\r\nNum_fg=$00FF0000\r\n");
        const EditorSettings s = EditorSettings::read(IniFile(path));
        QVERIFY(s.highlighting); // a word: the default
        QVERIFY(s.lineNumbers); // 2 is on
        QVERIFY(!s.formattingMarks);
        QCOMPARE(s.fontName, QStringLiteral("Liberation Mono"));
        QCOMPARE(s.fontSize, QStringLiteral("10")); // unreadable: the default
        QCOMPARE(s.keyColour, ColourValues::rgbNumber(255, 0, 0));
        QCOMPARE(s.identColour, ColourValues::rgbNumber(128, 0, 0));
        QCOMPARE(s.numColour, ColourValues::rgbNumber(0, 0, 255));
    }

    void writtenAndReadBack()
    {
        QTemporaryDir dir;
        const IniFile ini(dir.filePath(QStringLiteral("einstellungen.ini")));
        EditorSettings s;
        s.lineNumbers = false;
        s.colourSwatches = false;
        s.fontSize = QStringLiteral("14");
        s.keyColour = ColourValues::rgbNumber(1, 2, 3);
        s.write(ini, 1000);
        QCOMPARE(ini.read(QStringLiteral("Sprache"), QStringLiteral("lingual")), QStringLiteral("1000"));
        QCOMPARE(ini.read(QStringLiteral("StyleColor"), QStringLiteral("Key_fg")), QStringLiteral("$00030201"));
        const EditorSettings back = EditorSettings::read(ini);
        QVERIFY(!back.lineNumbers);
        QVERIFY(!back.colourSwatches);
        QCOMPARE(ini.read(QStringLiteral("Farbmuster"), QStringLiteral("Status")), QStringLiteral("0"));
        QCOMPARE(back.fontSize, QStringLiteral("14"));
        QCOMPARE(back.keyColour, s.keyColour);
        EditorSettings::writeCssSyntax(ini, true);
        QVERIFY(EditorSettings::read(ini).cssSyntax);
        QCOMPARE(EditorSettings::read(ini).fontSize, QStringLiteral("14")); // the rest stays
    }
};

QTEST_APPLESS_MAIN(TestEditorSettings)
#include "tst_editor_settings.moc"
