// The colour bars under colour values, in the real editor control.

#include "IndicatorMarks.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"

#include <QTest>

namespace {

// "text=RRGGBB" for every stretch of the document that carries a bar.
QStringList bars(SheetEditor &editor)
{
    QStringList out;
    for (const IndicatorMark &m : indicatorMarks(editor, editor.colourSwatchIndicator())) {
        const long bgr = m.value & 0xffffff;
        const long rgb = (bgr & 0xff) << 16 | (bgr & 0xff00) | (bgr >> 16 & 0xff);
        out << m.text + QLatin1Char('=') + QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

} // namespace

class TestColourSwatches : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        attributes = std::make_unique<HighlighterAttributes>();
        editor = std::make_unique<SheetEditor>();
        editor->setLexer(new CssLexer(*attributes, editor->font(), editor.get()));
        editor->resize(500, 200);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        editor->setColourSwatchesVisible(true);
    }
    void cleanup()
    {
        editor.reset();
        attributes.reset();
    }

    void barsShowTheColours_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("bars");
        QTest::newRow("values") << QStringList{"a { color: #0af; background: hsl(0 100% 50%) }", "b { color: tan }"}
                                << QStringList{"#0af=00AAFF", "hsl(0 100% 50%)=FF0000", "tan=D2B48C"};
        QTest::newRow("see-through colours are laid over the paper")
            << QStringList{"a { color: rgba(0, 0, 0, .5); background: #ff000000 }"}
            << QStringList{"rgba(0, 0, 0, .5)=7F7F7F", "#ff000000=FFFFFF"};
        QTest::newRow("a comment over several lines")
            << QStringList{"/* a { color: red }", "b { color: red } */", "c { color: blue }"}
            << QStringList{"blue=0000FF"};
        QTest::newRow("a selector list over several lines")
            << QStringList{"#bad,", "#fed {", "  color: #bad", "}"} << QStringList{"#bad=BBAADD"};
    }
    void barsShowTheColours()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, bars);
        editor->setLines(lines);
        editor->viewport()->repaint();
        QCOMPARE(::bars(*editor), bars);
    }

    void typingChangesTheBar()
    {
        editor->setLines({QStringLiteral("a { color: #ff0 }")});
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList{"#ff0=FFFF00"});
        editor->setCaretPosition(1, 16);
        const QStringList afterEachDigit[] = {
            {"#ff00=FFFFFF"}, // no colour at all: the paper
            {}, // five digits: no colour
            {"#ff0000=FF0000"},
        };
        for (const QStringList &expected : afterEachDigit) {
            QTest::keyClick(editor.get(), Qt::Key_0);
            editor->viewport()->repaint();
            QCOMPARE(bars(*editor), expected);
        }
        editor->undo();
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList{"#ff0=FFFF00"});
    }

    // A key costs the lines on the screen: lines out of view get their bars when they
    // come into view, in both directions.
    void onlyTheLinesInViewGetBars()
    {
        QStringList lines(3000, QStringLiteral("p { color: red }"));
        lines << QString(20000, QLatin1Char(' ')) + QStringLiteral("q { color: #123 } ")
                + QString(20000, QLatin1Char(' ')) + QStringLiteral("q { color: #456 }");
        editor->setLines(lines);
        editor->viewport()->repaint();
        const QStringList top = bars(*editor);
        QVERIFY(!top.isEmpty() && top.size() < 50);

        editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 2990);
        editor->viewport()->repaint();
        QVERIFY(!bars(*editor).contains(QStringLiteral("#123=112233")));
        QVERIFY(!bars(*editor).contains(QStringLiteral("#456=445566")));

        editor->setCaretPosition(3001, 20010);
        editor->viewport()->repaint();
        QVERIFY(bars(*editor).contains(QStringLiteral("#123=112233")));
        QVERIFY(!bars(*editor).contains(QStringLiteral("#456=445566")));

        editor->setCaretPosition(3001, 40030);
        editor->viewport()->repaint();
        QVERIFY(bars(*editor).contains(QStringLiteral("#456=445566")));
    }

    // An edit far above the lines in view can open or close a comment over them; whether
    // they lie in a comment is known only once the highlighter has coloured them again.
    void anEditAboveTheViewOpensOrClosesAComment()
    {
        QStringList lines{QStringLiteral("/* open")};
        lines << QStringList(3000, QStringLiteral("p { color: red }"));
        editor->setLines(lines);
        editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 2500);
        const auto paint = [this] {
            editor->viewport()->repaint();
            QCoreApplication::processEvents();
            editor->viewport()->repaint();
        };
        paint();
        QCOMPARE(bars(*editor), QStringList());
        editor->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0L, 2L);
        paint();
        QVERIFY(bars(*editor).contains(QStringLiteral("red=FF0000")));
        editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "/*");
        paint();
        QCOMPARE(bars(*editor), QStringList());
    }

    // On a minified line the reading starts near the view; an edit left of the view
    // (out of sight) can still put it all into a comment.
    void anEditLeftOfTheViewOnALongLine()
    {
        QString line;
        for (int i = 0; i < 4000; ++i)
            line += QStringLiteral("a%1{color:red}").arg(i, 4, 10, QLatin1Char('0'));
        editor->setLines({line});
        const long red = long(line.indexOf(QLatin1String("a2000{")) + 12);
        const auto barAt = [this](long position) {
            return editor->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, editor->colourSwatchIndicator(),
                                         position)
                != 0;
        };
        editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, red + 3);
        editor->viewport()->repaint();
        QVERIFY(barAt(red) && barAt(red + 16));
        QTest::keyClick(editor.get(), Qt::Key_X); // "redx" is no colour
        editor->viewport()->repaint();
        QVERIFY(!barAt(red) && barAt(red + 17));

        editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "/*");
        editor->viewport()->repaint();
        QVERIFY(!barAt(red + 19));
        editor->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0L, 2L);
        editor->viewport()->repaint();
        QVERIFY(barAt(red + 17));
    }

    // A minified line between ordinary ones: the lines after it get their bars, the
    // long line only in view, and a comment opened on it reaches the lines after it.
    void aLongLineAmongShortOnes()
    {
        QString line;
        for (int i = 0; i < 3000; ++i)
            line += QStringLiteral("a%1{color:red}").arg(i, 4, 10, QLatin1Char('0'));
        line += QStringLiteral("z{color:#abc}");
        editor->setLines({QStringLiteral("p { color: blue }"), line, QStringLiteral("q { color: lime }")});
        const auto paint = [this] {
            editor->viewport()->repaint();
            QCoreApplication::processEvents();
            editor->viewport()->repaint();
        };
        paint();
        QStringList shown = bars(*editor);
        QVERIFY(shown.contains(QStringLiteral("blue=0000FF")));
        QVERIFY(shown.contains(QStringLiteral("lime=00FF00")));
        QVERIFY(shown.contains(QStringLiteral("red=FF0000")));
        QVERIFY(!shown.contains(QStringLiteral("#abc=AABBCC"))); // far right, out of view

        editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, long(line.size()) + 18);
        paint();
        QVERIFY(bars(*editor).contains(QStringLiteral("#abc=AABBCC")));

        editor->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, long(line.size()) + 5, "/*");
        paint();
        shown = bars(*editor);
        QVERIFY(!shown.contains(QStringLiteral("lime=00FF00")));
        QVERIFY(shown.contains(QStringLiteral("blue=0000FF")));
    }

    void switchedOffThereAreNoBars()
    {
        editor->setLines({QStringLiteral("a { color: red }")});
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList{"red=FF0000"});
        editor->setColourSwatchesVisible(false);
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList());
        editor->setLines({QStringLiteral("a { color: blue }")});
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList());
        editor->setColourSwatchesVisible(true);
        editor->viewport()->repaint();
        QCOMPARE(bars(*editor), QStringList{"blue=0000FF"});
    }

private:
    std::unique_ptr<HighlighterAttributes> attributes;
    std::unique_ptr<SheetEditor> editor;
};

QTEST_MAIN(TestColourSwatches)
#include "tst_colour_swatches.moc"
