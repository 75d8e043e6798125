#include "TestFiles.h"
#include "app/AppError.h"
#include "settings/IniFile.h"
#include "settings/WindowSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("einstellungen.ini"));
    }
    void cleanup() { QFile::remove(m_path); }

    void writeUpdatesInPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray file("; Stylograf\r\n[Font]\r\nFont=Courier New\r\nSize=10\r\n\r\n[Fenster]\r\nparser=1\r\n");
        QTest::newRow("existing key, other case")
            << file << "font"
            << "SIZE"
            << QByteArray("; Stylograf\r\n[Font]\r\nFont=Courier New\r\nSIZE=v\r\n\r\n[Fenster]\r\nparser=1\r\n");
        QTest::newRow("new key goes to the end of its section")
            << file << "Font"
            << "Extra"
            << QByteArray(
                   "; Stylograf\r\n[Font]\r\nFont=Courier New\r\nSize=10\r\nExtra=v\r\n\r\n[Fenster]\r\nparser=1\r\n");
        QTest::newRow("new section at the end") << file << "Sprache"
                                                << "lingual" << file + "[Sprache]\r\nlingual=v\r\n";
        QTest::newRow("LF file stays LF") << QByteArray("[a]\nk=1\n") << "a"
                                          << "k" << QByteArray("[a]\nk=v\n");
        QTest::newRow("spaces around the equals sign") << QByteArray("[a]\r\n  k = 1\r\n") << "a"
                                                       << "k" << QByteArray("[a]\r\nk=v\r\n");
    }
    void writeUpdatesInPlace()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        writeFile(m_path, before);
        IniFile(m_path).write(section, key, QStringLiteral("v"));
        QCOMPARE(readFile(m_path), after);
    }

    void missingFileIsCreated()
    {
        IniFile ini(m_path);
        QCOMPARE(ini.read(QStringLiteral("Fenster"), QStringLiteral("parser")), std::nullopt);
        ini.write(QStringLiteral("Fenster"), QStringLiteral("parser"), QStringLiteral("0"));
        ini.write(QStringLiteral("Fenster"), QStringLiteral("objects"), QStringLiteral("1"));
        QCOMPARE(readFile(m_path), QByteArray("[Fenster]\r\nparser=0\r\nobjects=1\r\n"));
        QCOMPARE(ini.read(QStringLiteral("FENSTER"), QStringLiteral("Parser")), QStringLiteral("0"));
    }

    void readFindsTheRightSection()
    {
        writeFile(m_path, "[a]\r\nk=in a\r\n[b]\r\nk= in b \r\n[a]\r\nk=second a\r\n");
        IniFile ini(m_path);
        QCOMPARE(ini.read(QStringLiteral("b"), QStringLiteral("k")), QStringLiteral("in b"));
        QCOMPARE(ini.read(QStringLiteral("a"), QStringLiteral("k")), QStringLiteral("in a"));
        QCOMPARE(ini.read(QStringLiteral("c"), QStringLiteral("k")), std::nullopt);
    }

    void switches_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("s=1") << false << true;
        QTest::newRow("0") << QByteArray("s=0") << true << false;
        QTest::newRow("2 is on") << QByteArray("s=2") << false << true;
        QTest::newRow("-1 is on") << QByteArray("s=-1") << false << true;
        QTest::newRow("hexadecimal") << QByteArray("s=$10") << false << true;
        QTest::newRow("a word gives the default (on)") << QByteArray("s=yes") << true << true;
        QTest::newRow("a word gives the default (off)") << QByteArray("s=true") << false << false;
        QTest::newRow("empty value gives the default") << QByteArray("s=") << true << true;
        QTest::newRow("absent gives the default") << QByteArray("other=0") << true << true;
    }
    void switches()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        writeFile(m_path, "[x]\r\n" + line + "\r\n");
        QCOMPARE(IniFile(m_path).readSwitch(QStringLiteral("x"), QStringLiteral("s"), defaultValue), expected);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("value");
        QTest::newRow("decimal") << "1000" << true << qint64(1000);
        QTest::newRow("signed") << "-12" << true << qint64(-12);
        QTest::newRow("dollar hex") << "$00FF0000" << true << qint64(0xFF0000);
        QTest::newRow("0x hex") << "0x1f" << true << qint64(31);
        QTest::newRow("word") << "clBlue" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("double sign") << "--1" << false << qint64(0);
        QTest::newRow("trailing garbage") << "12px" << false << qint64(0);
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, value);
        const auto n = IniFile::parseWholeNumber(text);
        QCOMPARE(n.has_value(), valid);
        if (valid)
            QCOMPARE(*n, value);
    }

    void panelVisibilityRoundTrip()
    {
        const IniFile ini(m_path);
        QCOMPARE(PanelVisibility::read(ini), (PanelVisibility{true, true, true}));
        PanelVisibility{false, true, false}.write(ini);
        QCOMPARE(readFile(m_path), QByteArray("[Fenster]\r\nparser=0\r\nobjects=1\r\npreview=0\r\n"));
        QCOMPARE(PanelVisibility::read(ini), (PanelVisibility{false, true, false}));
    }

    void unwritableFileIsReported()
    {
        const QString path = m_dir.filePath(QStringLiteral("file/einstellungen.ini"));
        writeFile(m_dir.filePath(QStringLiteral("file")), "x");
        try {
            IniFile(path).writeSwitch(QStringLiteral("Fenster"), QStringLiteral("parser"), true);
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QStringLiteral("In %1 kann nicht geschrieben werden").arg(path));
        }
    }

    // A value that no encoding can hold (an unpaired surrogate) is an error; the file
    // stays as it was instead of becoming empty.
    void unencodableValueLeavesTheFile()
    {
        writeFile(m_path, "[Sprache]\r\nlingual=0\r\n");
        QVERIFY_THROWS_EXCEPTION(
            AppError, IniFile(m_path).write(QStringLiteral("Sprache"), QStringLiteral("x"), QString(QChar(0xD800))));
        QCOMPARE(readFile(m_path), QByteArray("[Sprache]\r\nlingual=0\r\n"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
