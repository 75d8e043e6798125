// The highlighter in the real editor control.

#include "editor/SheetEditor.h"
#include "editor/highlighter/CssLexer.h"

#include <QTest>

namespace {

int styleAt(SheetEditor &editor, int line, int column)
{
    const long pos = editor.SendScintilla(QsciScintillaBase::SCI_FINDCOLUMN, line - 1, column - 1);
    return int(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos));
}

void colourise(SheetEditor &editor)
{
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
}

} // namespace

class TestCssColouring : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        attributes = std::make_unique<HighlighterAttributes>();
        editor = std::make_unique<SheetEditor>();
        editor->setLexer(new CssLexer(*attributes, editor->font(), editor.get()));
    }
    void cleanup()
    {
        editor.reset();
        attributes.reset();
    }

    void tokensGetTheirAttributes()
    {
        editor->setLines({QString::fromUtf8("h1 { color: #FFCC66; } /* größe */ 'x'")});
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 1, 1), int(HighlighterAttributes::Attribute::Identifier));
        QCOMPARE(styleAt(*editor, 1, 4), int(HighlighterAttributes::Attribute::String)); // the brace
        QCOMPARE(styleAt(*editor, 1, 6), int(HighlighterAttributes::Attribute::Key)); // color
        QCOMPARE(styleAt(*editor, 1, 13), int(HighlighterAttributes::Attribute::Number)); // #FFCC66
        QCOMPARE(styleAt(*editor, 1, 30), int(HighlighterAttributes::Attribute::Comment)); // after the umlauts
        QCOMPARE(styleAt(*editor, 1, 37), int(HighlighterAttributes::Attribute::String));
    }

    void openingAndClosingACommentRecoloursTheLinesBelow()
    {
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("p { color: red; }");
        editor->setLines(lines);
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 50, 5), int(HighlighterAttributes::Attribute::Key));
        editor->setCaretPosition(1, 1);
        editor->replaceSelection(QStringLiteral("/*"));
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 50, 5), int(HighlighterAttributes::Attribute::Comment));
        editor->setCaretPosition(20, 1);
        editor->replaceSelection(QStringLiteral("*/"));
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 19, 5), int(HighlighterAttributes::Attribute::Comment));
        QCOMPARE(styleAt(*editor, 50, 5), int(HighlighterAttributes::Attribute::Key));
    }

    void attributeChangesShowInEveryEditor()
    {
        SheetEditor second;
        second.setLexer(new CssLexer(*attributes, second.font(), &second));
        attributes->setForeground(HighlighterAttributes::Attribute::Key, QColor(0, 0, 255));
        attributes->setBold(HighlighterAttributes::Attribute::Key, false);
        for (SheetEditor *e : {editor.get(), &second}) {
            QCOMPARE(e->lexer()->color(int(HighlighterAttributes::Attribute::Key)), QColor(0, 0, 255));
            QVERIFY(!e->lexer()->font(int(HighlighterAttributes::Attribute::Key)).bold());
        }
    }

    void mainWindowColours()
    {
        const HighlighterAttributes main(true);
        QCOMPARE(main.style(HighlighterAttributes::Attribute::Identifier).foreground, QColor(128, 0, 0));
        QVERIFY(main.style(HighlighterAttributes::Attribute::Identifier).bold);
        QVERIFY(main.style(HighlighterAttributes::Attribute::Number).bold);
        QVERIFY(main.style(HighlighterAttributes::Attribute::Comment).italic);
        const HighlighterAttributes plain(false);
        QVERIFY(!plain.style(HighlighterAttributes::Attribute::Identifier).foreground.isValid());
        QVERIFY(plain.style(HighlighterAttributes::Attribute::Key).bold);
    }

private:
    std::unique_ptr<HighlighterAttributes> attributes;
    std::unique_ptr<SheetEditor> editor;
};

QTEST_MAIN(TestCssColouring)
#include "tst_css_colouring.moc"
