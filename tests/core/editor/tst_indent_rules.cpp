#include "editor/IndentRules.h"

#include <QTest>

class TestIndentRules : public QObject
{
    Q_OBJECT

private slots:
    void smartTab_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("target");
        QTest::newRow("below the next word") << "h1 {  color: red; }" << 0 << 3;
        QTest::newRow("from inside a word") << "    margin: 0 auto;" << 5 << 12;
        QTest::newRow("from a blank") << "a    b" << 2 << 5;
        QTest::newRow("reference too short: next tab stop") << "ab" << 3 << 8;
        QTest::newRow("no reference line") << "" << 0 << 8;
        QTest::newRow("tab stop from 8") << "" << 8 << 16;
    }
    void smartTab()
    {
        QFETCH(QString, reference);
        QFETCH(int, column);
        QFETCH(int, target);
        QCOMPARE(IndentRules::smartTabColumn(reference, column), target);
    }

    void unindent_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("target");
        QTest::newRow("back to the word start above") << "    color: red;" << 8 << 4;
        QTest::newRow("nearest word start to the left") << "  a   b   c" << 9 << 6;
        QTest::newRow("no word to the left: tab stop") << "        x" << 6 << 0;
        QTest::newRow("tab stop below 16") << "" << 12 << 8;
        QTest::newRow("exactly on a stop goes to the previous one") << "" << 16 << 8;
        QTest::newRow("column zero stays") << "x" << 0 << 0;
    }
    void unindent()
    {
        QFETCH(QString, reference);
        QFETCH(int, column);
        QFETCH(int, target);
        QCOMPARE(IndentRules::unindentColumn(reference, column), target);
    }

    void helpers()
    {
        QVERIFY(IndentRules::inLeadingWhiteSpace(QStringLiteral("    a"), 4));
        QVERIFY(!IndentRules::inLeadingWhiteSpace(QStringLiteral("  a "), 4));
        QVERIFY(IndentRules::isBlankLine(QStringLiteral(" \t ")));
        QVERIFY(!IndentRules::isBlankLine(QStringLiteral(" x")));
        QCOMPARE(IndentRules::withoutTrailingBlanks(QStringLiteral("  a b \t ")), QStringLiteral("  a b"));
    }
};

QTEST_APPLESS_MAIN(TestIndentRules)
#include "tst_indent_rules.moc"
