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
        editor->setKnownPropertyNames({"color", "width", "margin", "zoom"},
                                      {{"font-face", {"font-family", "src", "font-display"}}});
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
        QTest::newRow("a declaration inside an address") << "a { margin: url(p;colr:red) }" << QStringList{};
        QTest::newRow("descriptors of @font-face")
            << "@font-face { font-family: X; src: url(x); font-display: swap; colr: 1 }" << QStringList{"colr"};
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

    // The lines in view start inside a block that begins above them: in a @font-face
    // block its descriptors are still no typos, in a rule's block a typo still is one;
    // on ordinary lines and on a minified one.
    void aViewInsideABlockThatStartsAbove_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QStringList>("marked");
        const auto lines = [](const char *head, const char *declaration) {
            QString text = QString::fromLatin1(head) + QStringLiteral(" {\n");
            for (int i = 0; i < 300; ++i)
                text += QStringLiteral("  %1;\n").arg(QString::fromLatin1(declaration).arg(i));
            return text + QStringLiteral("}\na { colr: red }\n");
        };
        const auto minified = [](const char *head, const char *declaration) {
            QString text = QString::fromLatin1(head) + QLatin1Char('{');
            for (int i = 0; i < 2000; ++i)
                text += QString::fromLatin1(declaration).arg(i) + QLatin1Char(';');
            return text + QStringLiteral("}a{colr:red}\n");
        };
        QTest::newRow("font-face over lines")
            << lines("@font-face", "src: url(f%1.woff2); font-display: swap") << QStringList{};
        QTest::newRow("font-face minified")
            << minified("@font-face", "src:url(f%1.woff2);font-display:swap") << QStringList{};
        QTest::newRow("a rule over lines") << lines("p", "margin: %1px; colr: red") << QStringList{"colr"};
        QTest::newRow("a rule minified") << minified("p", "margin:%1px;colr:red") << QStringList{"colr"};
    }
    void aViewInsideABlockThatStartsAbove()
    {
        QFETCH(QString, block);
        QFETCH(QStringList, marked);
        editor->setText(QStringLiteral("p { color: red }\n").repeated(100) + block);
        if (block.count(u'\n') > 10) {
            editor->setFirstVisibleLine(300);
        } else {
            editor->setFirstVisibleLine(100);
            editor->SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, 40000L);
        }
        editor->viewport()->repaint();
        QCoreApplication::processEvents();
        editor->viewport()->repaint();
        QStringList shown = ::marked(*editor);
        shown.removeDuplicates();
        QCOMPARE(shown, marked);
        editor->setCursorPosition(100, 0);
        QVERIFY(editor->selectNextUnknownName());
        QCOMPARE(editor->selectedText(), QStringLiteral("colr"));
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
