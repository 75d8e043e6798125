// The wavy underline under unknown property names, in the real editor control.

#include "IndicatorMarks.h"
#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"

#include <QTest>

namespace {

QStringList marked(SheetEditor &editor)
{
    QStringList out;
    for (const IndicatorMark &m : indicatorMarks(editor, editor.unknownNameIndicator()))
        out << m.text;
    return out;
}

} // namespace

class TestUnknownNames : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        attributes = std::make_unique<HighlighterAttributes>();
        editor = std::make_unique<SheetEditor>();
        editor->setLexer(new CssLexer(*attributes, editor->font(), editor.get()));
        editor->setKnownPropertyNames({"color", "width", "margin", "zoom"});
        editor->setUnknownNamesMarked(true);
        editor->resize(500, 200);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    void cleanup()
    {
        editor.reset();
        attributes.reset();
    }

    void typosAreMarked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("typos") << "a { colr: red; width: 1px; widht: 2px }" << QStringList{"colr", "widht"};
        QTest::newRow("custom and vendor names") << "a { --colr: 1; -webkit-colr: 2 }" << QStringList{};
        QTest::newRow("selectors and values") << "a:hovr { color: rd }" << QStringList{};
        QTest::newRow("a comment over lines") << "/*\na { colr: red }\n*/\nb { widht: 0 }" << QStringList{"widht"};
        QTest::newRow("after umlauts") << "/* Größe */ a { wídth: 1px; colr: red }" << QStringList{"wídth", "colr"};
    }
    void typosAreMarked()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, marked);
        editor->setText(text);
        editor->viewport()->repaint();
        QCOMPARE(::marked(*editor), marked);
    }

    void mendingATypoRemovesItsMark()
    {
        editor->setText(QStringLiteral("a { colr: red }"));
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor), QStringList{"colr"});
        QCOMPARE(editor->unknownNameAt(5), QStringLiteral("colr"));
        QCOMPARE(editor->unknownNameAt(1), QString());
        editor->setCursorPosition(0, 7);
        QTest::keyClick(editor.get(), Qt::Key_O);
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor), QStringList());
        QCOMPARE(editor->unknownNameAt(5), QString());
    }

    void switchedOffOrWithoutData()
    {
        editor->setText(QStringLiteral("a { colr: red }"));
        editor->setUnknownNamesMarked(false);
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor), QStringList());
        QCOMPARE(editor->unknownNameAt(5), QString());
        editor->setUnknownNamesMarked(true);
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor), QStringList{"colr"});
        // Without any known name (no data could be read) every name would be a typo.
        editor->setKnownPropertyNames({});
        editor->viewport()->repaint();
        QCOMPARE(marked(*editor), QStringList());
    }

    void onlyTheLinesInView()
    {
        QString text;
        for (int i = 0; i < 2000; ++i)
            text += QStringLiteral("a%1 { colr: red }\n").arg(i);
        editor->setText(text);
        editor->viewport()->repaint();
        const QStringList first = marked(*editor);
        QVERIFY(!first.isEmpty());
        QVERIFY(first.size() < 100);
        editor->setFirstVisibleLine(1500);
        editor->viewport()->repaint(); // the highlighter colours down to the view first
        QCoreApplication::processEvents();
        editor->viewport()->repaint();
        const long at = editor->positionFromLineIndex(1500, 9);
        QCOMPARE(editor->unknownNameAt(at), QStringLiteral("colr"));
    }

    void goingFromTypoToTypo()
    {
        editor->setText(QStringLiteral("a { colr: red; width: 0 }\nb { widht: 1px }\nc { color: red }"));
        editor->setCursorPosition(0, 0);
        QVERIFY(editor->selectNextUnknownName());
        QCOMPARE(editor->selectedText(), QStringLiteral("colr"));
        QVERIFY(editor->selectNextUnknownName());
        QCOMPARE(editor->selectedText(), QStringLiteral("widht"));
        QVERIFY(editor->selectNextUnknownName()); // from the top again
        QCOMPARE(editor->selectedText(), QStringLiteral("colr"));
        editor->setText(QStringLiteral("a { color: red }"));
        QVERIFY(!editor->selectNextUnknownName());
    }

private:
    std::unique_ptr<HighlighterAttributes> attributes;
    std::unique_ptr<SheetEditor> editor;
};

QTEST_MAIN(TestUnknownNames)
#include "tst_unknown_names.moc"
