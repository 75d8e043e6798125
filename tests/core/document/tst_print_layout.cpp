#include "document/PrintLayout.h"

#include <QTest>

using namespace PrintLayout;

class TestPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    void pages_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("pages");
        QTest::newRow("no lines: one blank page") << 0 << 1;
        QTest::newRow("one line") << 1 << 1;
        QTest::newRow("a full page") << 45 << 1;
        QTest::newRow("one more line starts a page") << 46 << 2;
        QTest::newRow("three pages") << 91 << 3;
    }
    void pages()
    {
        QFETCH(int, lineCount);
        QFETCH(int, pages);
        // A4: 297 mm high, lines of 5.0 mm.
        const Pages p = layout(QStringList(lineCount, QStringLiteral("x")), QStringLiteral("unbenannt"), 297, 50);
        QCOMPARE(p.count, pages);
        int headers = 0;
        for (const Line &line : p.lines) {
            if (line.header) {
                ++headers;
                QCOMPARE(line.text, QStringLiteral("unbenannt"));
                QCOMPARE(line.top, kMargin);
            }
            QCOMPARE(line.left, kMargin);
            QVERIFY(line.top <= 2970 - kMargin);
        }
        QCOMPARE(headers, lineCount == 0 ? 0 : pages);
    }

    void positions()
    {
        const Pages p = layout({QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("/x.css"), 297, 50);
        QCOMPARE(p.lines,
                 (QList<Line>{{1, 230, 230, "/x.css", true}, {1, 230, 280, "a", false}, {1, 230, 330, "b", false}}));
    }
};

QTEST_APPLESS_MAIN(TestPrintLayout)
#include "tst_print_layout.moc"
