#include "editor/CompletionContext.h"

#include <QTest>

using Kind = CompletionContext::Kind;

class TestCompletionContext : public QObject
{
    Q_OBJECT

private slots:
    // "|" marks the caret.
    void contexts_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("atRule");
        const auto row = [](const char *name, const char *sheet, Kind kind, const char *word = "",
                            const char *property = "", const char *atRule = "") {
            QTest::newRow(name) << QString::fromUtf8(sheet) << kind << QString::fromUtf8(word)
                                << QString::fromUtf8(property) << QString::fromUtf8(atRule);
        };
        row("an empty sheet", "|", Kind::Selector);
        row("a selector being typed", "a { color: red }\nd|", Kind::Selector, "d");
        row("the second selector of a list", "h1, h|", Kind::Selector, "h");
        row("right after a rule", "a { color: red }|", Kind::Selector);
        row("a property name", "a { col|", Kind::Property, "col");
        row("a property after a declaration", "a { color: red; |", Kind::Property);
        row("a property on the next line", "a {\n  color: red;\n  fl|\n}", Kind::Property, "fl");
        row("a value", "a { color: re|", Kind::Value, "re", "color");
        row("a value after blanks", "a { margin: 0 au|", Kind::Value, "au", "margin");
        row("a value right after the colon", "a { Display:|", Kind::Value, "", "display");
        row("a value inside a function", "a { color: rgb(1, 2|", Kind::Value, "2", "color");
        row("after a string in a value", "a { content: 'x' n|", Kind::Value, "n", "content");
        row("inside a string", "a { content: 'x|", Kind::None);
        row("inside a string left open", "a { content: \"x y|\n}", Kind::None);
        row("inside a comment", "/* a { col| */", Kind::None);
        row("inside a comment left open", "a { /* col|", Kind::None);
        row("after a comment", "a { /* c */ col|", Kind::Property, "col");
        row("braces and colons in strings and comments", "a { content: \"{;}:\"; /* } */ wi|", Kind::Property, "wi");
        row("an at-rule's prelude", "@med|", Kind::None);
        row("a rule in @media", "@media screen { d|", Kind::Selector, "d");
        row("a property in a rule in @media", "@media screen { a { mar|", Kind::Property, "mar");
        row("after a rule in @media", "@media screen { a { b: c } |", Kind::Selector);
        row("a keyframe selector", "@keyframes k { fr|", Kind::None);
        row("a property in a keyframe", "@-webkit-keyframes k { from { opa|", Kind::Property, "opa");
        row("a descriptor in @font-face", "@font-face { font-fa|", Kind::Property, "font-fa", "", "font-face");
        row("a descriptor's value", "@font-face { font-display: sw|", Kind::Value, "sw", "font-display", "font-face");
        row("a property in @page", "@page :first { mar|", Kind::Property, "mar", "", "page");
        row("in a margin box of @page", "@page { @top-left { con|", Kind::Property, "con", "", "page");
        row("inside a string that holds a declaration", "a { content: \"x; color: re|d\" }", Kind::None);
        row("inside a string that starts like one", "a { content: \"color: re|d\" }", Kind::None);
        row("inside an address that holds a declaration", "a { background: url(x;color:re|d) }", Kind::None);
        row("after an address that holds a declaration", "a { background: url(x;color:red) n|", Kind::Value, "n",
            "background");
        row("after a block in a custom property", "a { --x: { b: c }; co|", Kind::Property, "co");
        row("after a brace in a function", "a { b: f(x{y}); co|", Kind::Property, "co");
        row("a minified line", "a{color:red}b{marg|", Kind::Property, "marg");
        row("a value on a minified line", "a{color:red}b{margin:0;color:#f|", Kind::Value, "f", "color");
        row("a property in a nested rule", "a { &:hover { col|", Kind::Property, "col");
        row("a nested selector", "a { &:ho|", Kind::None);
        row("a nested selector of words", "a { .x b|", Kind::None);
        row("a value holding a colon in brackets", "a { background: url(a:b) n|", Kind::Value, "n", "background");
    }
    void contexts()
    {
        QFETCH(QString, sheet);
        QFETCH(Kind, kind);
        QFETCH(QString, word);
        QFETCH(QString, property);
        QFETCH(QString, atRule);
        const qsizetype caret = sheet.indexOf(QLatin1Char('|'));
        sheet.remove(caret, 1);
        const CompletionContext c = CompletionContext::at(sheet, caret);
        QCOMPARE(c.kind, kind);
        if (kind != Kind::None) {
            QCOMPARE(sheet.sliced(c.wordStart, caret - c.wordStart), word);
            QCOMPARE(c.property, property);
            QCOMPARE(c.atRule, atRule);
        }
    }

    // A reading may start at a place inside a rule's block (the editor's reading place
    // before the caret): it knows the blocks open there.
    void startsInsideABlock()
    {
        Css::Blocks inRule;
        inRule.open({});
        const QString declarations = QStringLiteral("color: red; fl");
        const CompletionContext c = CompletionContext::at(declarations, declarations.size(), inRule);
        QCOMPARE(c.kind, Kind::Property);
        QCOMPARE(c.wordStart, declarations.size() - 2);
        Css::Blocks inFontFace;
        inFontFace.open("font-face");
        QCOMPARE(CompletionContext::at(QStringLiteral("src: url(x); fo"), 15, inFontFace).atRule,
                 QStringLiteral("font-face"));
        QCOMPARE(CompletionContext::at(QStringLiteral("} a"), 3, inRule).kind, Kind::Selector);
    }
};

QTEST_APPLESS_MAIN(TestCompletionContext)
#include "tst_completion_context.moc"
