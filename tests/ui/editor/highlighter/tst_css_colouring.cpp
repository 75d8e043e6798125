// The highlighter in the real editor control.

#include "editor/SheetEditor.h"
#include "editor/highlighter/TSynCssSyn.h"

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
        attributes = std::make_unique<TSynCssSyn>();
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
        QCOMPARE(styleAt(*editor, 1, 1), int(TSynCssSyn::IdentifierAttri));
        QCOMPARE(styleAt(*editor, 1, 4), int(TSynCssSyn::StringAttri));   // the brace
        QCOMPARE(styleAt(*editor, 1, 6), int(TSynCssSyn::KeyAttri));      // color
        QCOMPARE(styleAt(*editor, 1, 13), int(TSynCssSyn::NumberAttri));  // #FFCC66
        QCOMPARE(styleAt(*editor, 1, 30), int(TSynCssSyn::CommentAttri)); // after the umlauts
        QCOMPARE(styleAt(*editor, 1, 37), int(TSynCssSyn::StringAttri));
    }

    void openingAndClosingACommentRecoloursTheLinesBelow()
    {
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("p { color: red; }");
        editor->setLines(lines);
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 50, 5), int(TSynCssSyn::KeyAttri));
        editor->setCaretPosition(1, 1);
        editor->replaceSelection(QStringLiteral("/*"));
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 50, 5), int(TSynCssSyn::CommentAttri));
        editor->setCaretPosition(20, 1);
        editor->replaceSelection(QStringLiteral("*/"));
        colourise(*editor);
        QCOMPARE(styleAt(*editor, 19, 5), int(TSynCssSyn::CommentAttri));
        QCOMPARE(styleAt(*editor, 50, 5), int(TSynCssSyn::KeyAttri));
    }

    void attributeChangesShowInEveryEditor()
    {
        SheetEditor second;
        second.setLexer(new CssLexer(*attributes, second.font(), &second));
        attributes->setForeground(TSynCssSyn::KeyAttri, QColor(0, 0, 255));
        attributes->setBold(TSynCssSyn::KeyAttri, false);
        for (SheetEditor *e : {editor.get(), &second}) {
            QCOMPARE(e->lexer()->color(TSynCssSyn::KeyAttri), QColor(0, 0, 255));
            QVERIFY(!e->lexer()->font(TSynCssSyn::KeyAttri).bold());
        }
    }

    void mainWindowColours()
    {
        const TSynCssSyn main(true);
        QCOMPARE(main.style(TSynCssSyn::IdentifierAttri).foreground, QColor(128, 0, 0));
        QVERIFY(main.style(TSynCssSyn::IdentifierAttri).bold);
        QVERIFY(main.style(TSynCssSyn::NumberAttri).bold);
        QVERIFY(main.style(TSynCssSyn::CommentAttri).italic);
        const TSynCssSyn plain(false);
        QVERIFY(!plain.style(TSynCssSyn::IdentifierAttri).foreground.isValid());
        QVERIFY(plain.style(TSynCssSyn::KeyAttri).bold);
    }

private:
    std::unique_ptr<TSynCssSyn> attributes;
    std::unique_ptr<SheetEditor> editor;
};

QTEST_MAIN(TestCssColouring)
#include "tst_css_colouring.moc"
