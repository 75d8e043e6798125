#include "editor/search/FindReplace.h"

#include <QTest>

using namespace FindReplace;

Q_DECLARE_METATYPE(FindReplace::Match)

class TestFindReplace : public QObject
{
    Q_OBJECT

private slots:
    void matching_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QList<Match>>("expected");
        const QStringList sheet{"p { color: red; font-size: 1em }", "h1 { Color: blue; font: bold }"};
        QTest::newRow("forwards, case ignored")
            << sheet << "color" << false << false << false << QList<Match>{{0, 4, 9}, {1, 5, 10}};
        QTest::newRow("case counts") << sheet << "Color" << true << false << false << QList<Match>{{1, 5, 10}};
        QTest::newRow("backwards") << sheet << "o" << false << false << true
                                   << QList<Match>{{1, 25, 26}, {1, 19, 20}, {1, 8, 9}, {1, 6, 7},
                                                   {0, 17, 18}, {0, 7, 8},   {0, 5, 6}};
        QTest::newRow("whole word font matches before -size")
            << sheet << "font" << false << true << false << QList<Match>{{0, 16, 20}, {1, 18, 22}};
        QTest::newRow("whole word size is inside sizes")
            << QStringList{"sizes size"} << "size" << false << true << false << QList<Match>{{0, 6, 10}};
        QTest::newRow("non-overlapping") << QStringList{"aaa"} << "aa" << false << false << false
                                         << QList<Match>{{0, 0, 2}};
        QTest::newRow("every a of aaa") << QStringList{"aaa"} << "a" << false << false << false
                                        << QList<Match>{{0, 0, 1}, {0, 1, 2}, {0, 2, 3}};
        QTest::newRow("empty text finds nothing") << sheet << "" << false << false << false << QList<Match>{};
        // Half a character written as a surrogate pair is never an occurrence.
        const QString deseret = QString::fromUtf8("\xf0\x90\x90\x80"); // U+10400: D801 DC00
        QTest::newRow("no match inside a surrogate pair")
            << QStringList{deseret + deseret} << QString(QChar(0xDC00)) + deseret << true << false << false
            << QList<Match>{};
        QTest::newRow("whole characters match")
            << QStringList{QLatin1Char('a') + deseret} << deseret << true << false << false << QList<Match>{{0, 1, 3}};
    }
    void matching()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(bool, backwards);
        QFETCH(QList<Match>, expected);
        const Options o{matchCase, wholeWord, backwards};
        QCOMPARE(matches(lines, text, o, {0, 0}, {int(lines.size()) - 1, int(lines.last().size())}), expected);
    }

    void scope()
    {
        const QStringList lines{"ab ab", "ab ab"};
        // From the caret (line 0, column 2) to the end: the first occurrence is left out.
        QCOMPARE(matches(lines, QStringLiteral("ab"), {}, {0, 2}, {1, 5}),
                 (QList<Match>{{0, 3, 5}, {1, 0, 2}, {1, 3, 5}}));
        // backwards up to the caret: only what ends before it.
        Options back;
        back.backwards = true;
        QCOMPARE(matches(lines, QStringLiteral("ab"), back, {0, 0}, {1, 2}),
                 (QList<Match>{{1, 0, 2}, {0, 3, 5}, {0, 0, 2}}));
        // An occurrence reaching outside a selection is skipped.
        QCOMPARE(matches(lines, QStringLiteral("ab"), {}, {0, 1}, {0, 4}), QList<Match>{});
    }

    void history()
    {
        QStringList h;
        remember(h, QStringLiteral("color"));
        remember(h, QStringLiteral("Color"));
        QCOMPARE(h, QStringList{"Color"});
        for (int i = 0; i < 10; ++i)
            remember(h, QStringLiteral("t%1").arg(i));
        QCOMPARE(h.size(), 10);
        QCOMPARE(h.first(), QStringLiteral("t9"));
        QVERIFY(!h.contains(QStringLiteral("Color"))); // the oldest dropped
        remember(h, QString());
        QCOMPARE(h.first(), QStringLiteral("t9"));
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y1");
        QTest::addColumn<QPoint>("expected");
        const QRect area(100, 100, 600, 300);
        QTest::newRow("below the match") << area << 200 << 150 << QPoint(200, 150 + 16 + 4);
        QTest::newRow("above in the lower third") << area << 200 << 350 << QPoint(200, 350 - 120 - 4);
        QTest::newRow("kept inside on the right") << area << 600 << 150 << QPoint(699 - 300, 170);
        QTest::newRow("narrow area: centred") << QRect(100, 100, 200, 300) << 150 << 150 << QPoint(50, 170);
    }
    void placement()
    {
        QFETCH(QRect, area);
        QFETCH(int, x);
        QFETCH(int, y1);
        QFETCH(QPoint, expected);
        QCOMPARE(placeNearMatch(area, QSize(300, 120), x, y1, y1 + 16), expected);
    }
};

QTEST_APPLESS_MAIN(TestFindReplace)
#include "tst_find_replace.moc"
