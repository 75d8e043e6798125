#include "app/AppError.h"
#include "app/FontList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFontList : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no fonts") << QStringList{} << QStringList{"Default"};
        QTest::newRow("sorted in without regard to case")
            << QStringList{"verdana", "Arial", "Times", "courier"}
            << QStringList{"Arial", "courier", "Default", "Times", "verdana"};
        QTest::newRow("reported twice in a row, listed once")
            << QStringList{"Liberation Mono", "Liberation Mono", "Arial"}
            << QStringList{"Arial", "Default", "Liberation Mono"};
        QTest::newRow("a font called Default stays once") << QStringList{"Default"} << QStringList{"Default"};
        QTest::newRow("umlauts sort as letters")
            << QStringList{"Zapf", "Ärger", "Ast"} << QStringList{"Ärger", "Ast", "Default", "Zapf"};
        QTest::newRow("foundries tagged: the family once")
            << QStringList{"C059 [urw]", "C059 [UKWN]", "Nimbus Mono PS [UKWN]", "Arial"}
            << QStringList{"Arial", "C059", "Default", "Nimbus Mono PS"};
        QTest::newRow("equal but for case: both, in a fixed order")
            << QStringList{"mono", "Mono"} << QStringList{"Default", "Mono", "mono"};
    }
    void lines()
    {
        QFETCH(QStringList, families);
        QFETCH(QStringList, expected);
        QCOMPARE(FontList::lines(families), expected);
    }

    void fileIsRewrittenWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("font-family.inf"));
        FontList::write(path, {QStringLiteral("Zeta"), QStringLiteral("Alpha")});
        FontList::write(path, {QStringLiteral("Beta")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Beta\r\nDefault\r\n"));
    }

    void unwritableFolderIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/font-family.inf"));
        try {
            FontList::write(path, {});
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
        }
    }
};

QTEST_APPLESS_MAIN(TestFontList)
#include "tst_font_list.moc"
