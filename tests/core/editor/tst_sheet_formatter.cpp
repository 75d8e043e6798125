#include "analysis/FlatText.h"
#include "analysis/StyleSheetParser.h"
#include "editor/SheetFormatter.h"

#include "RealSheets.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// What the analysis reports of a sheet.
struct Analysis
{
    QStringList elements, classes, ids, repeats;
    int comments = 0;
    bool error = false;
    bool operator==(const Analysis &) const = default;
};

Analysis analyse(const QString &sheet)
{
    const FlatText flat = joinAndStripComments(sheet, !sheet.isEmpty());
    SheetAnalysis a;
    StyleSheetParser().parseSheet(flat.text, a);
    return {a.elementSelectors, a.classSelectors, a.idSelectors, a.repeatedSelectors, flat.commentCount, a.parseError};
}

QString formatted(const QString &sheet, const QString &indent = QStringLiteral("  "))
{
    return SheetFormatter::applied(sheet, SheetFormatter::edits(sheet, indent));
}

QString withoutSpace(QString text)
{
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    return text.remove(QLatin1Char('\f'));
}

// Formatting changes white space only, keeps the analysis, and changes nothing twice.
void checkFormatting(const QString &sheet, const QString &result, const QString &indent = QStringLiteral("  "))
{
    QCOMPARE(withoutSpace(result), withoutSpace(sheet));
    const Analysis before = analyse(sheet);
    const Analysis after = analyse(result);
    QCOMPARE(after.elements, before.elements);
    QCOMPARE(after.classes, before.classes);
    QCOMPARE(after.ids, before.ids);
    QCOMPARE(after.repeats, before.repeats);
    QCOMPARE(after.comments, before.comments);
    QCOMPARE(after.error, before.error);
    QCOMPARE(formatted(result, indent), result);
}

} // namespace

class TestSheetFormatter : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a minified rule") << "a{color:red;margin:0 auto}"
                                         << "a {\n  color: red;\n  margin: 0 auto\n}";
        QTest::newRow("rules, and the final line end") << "a{b:c}\nd{e:f}\n"
                                                       << "a {\n  b: c\n}\nd {\n  e: f\n}\n";
        QTest::newRow("untidy white space") << "  a  {  b :  c ;\n\n\n  d:e  }  "
                                            << "a {\n  b: c;\n\n  d: e\n}";
        QTest::newRow("selectors as written") << "a  >  b,\nc{x:y}"
                                              << "a  >  b,\nc {\n  x: y\n}";
        QTest::newRow("nested blocks") << "@media screen{a{b:c}d{e:f}}"
                                       << "@media screen {\n  a {\n    b: c\n  }\n  d {\n    e: f\n  }\n}";
        QTest::newRow("comments where they stand")
            << "/* head */\na{/* inside */b:c;/* after */\n/* own line */d:e}"
            << "/* head */\na { /* inside */\n  b: c; /* after */\n  /* own line */\n  d: e\n}";
        QTest::newRow("strings and addresses are not split")
            << "a{content:\"a;b{c}\";background:url(x;y) url( 'p;q' )}"
            << "a {\n  content: \"a;b{c}\";\n  background: url(x;y) url( 'p;q' )\n}";
        QTest::newRow("one blank line stays between rules") << "a{b:c}\n\n\n\nd{e:f}"
                                                            << "a {\n  b: c\n}\n\nd {\n  e: f\n}";
        QTest::newRow("a statement before a rule belongs to its selector") << "@charset \"UTF-8\";a{b:c}"
                                                                           << "@charset \"UTF-8\";a {\n  b: c\n}";
        QTest::newRow("a statement on a line of its own") << "@import url(x.css);\na{b:c}"
                                                          << "@import url(x.css);\na {\n  b: c\n}";
        QTest::newRow("declarations after a nested rule belong to a selector")
            << "a{b{c:d}e:f;g{h:i}}"
            << "a {\n  b {\n    c: d\n  }\n  e:f;g {\n    h: i\n  }\n}";
        QTest::newRow("a block in a custom property is its value") << "a{--x:{b};c:d}"
                                                                   << "a {\n  --x: {b};\n  c: d\n}";
        QTest::newRow("a custom property's block at the rule's end") << "a{--x:{b}}"
                                                                     << "a {\n  --x: {b}\n}";
        QTest::newRow("a brace in a function is its value") << "a{b:f(x{y});c:d}"
                                                            << "a {\n  b: f(x{y});\n  c: d\n}";
        QTest::newRow("a line break at a colon stays") << "a{grid-template-areas:\n  'a b'\n  'c d'}"
                                                       << "a {\n  grid-template-areas:\n  'a b'\n  'c d'\n}";
        QTest::newRow("hacks of old browsers") << "a{*zoom:1;_height:1px}"
                                               << "a {\n  *zoom: 1;\n  _height: 1px\n}";
        QTest::newRow("an empty rule") << "a{ }"
                                       << "a {}";
        QTest::newRow("a rule that is not closed") << "a{b:c"
                                                   << "a {\n  b: c";
        QTest::newRow("a closing brace without its opening one") << "}a{b:c}"
                                                                 << "}a {\n  b: c\n}";
        QTest::newRow("an escaped brace in a selector") << ".a\\{b{c:d}"
                                                        << ".a\\{b {\n  c: d\n}";
        QTest::newRow("the line end that closes an unclosed string") << "a \"x\f{b:c}"
                                                                     << "a \"x\f{\n  b: c\n}";
        QTest::newRow("a comment opened in an unclosed string") << "a{b:\"x/*\n}c{d:e} */;f:g}"
                                                                << "a {\n  b: \"x/*\n}c{d:e} */;\n  f: g\n}";
        QTest::newRow("inside a comment the walk strays into") << "a { content: \"x /* c\n/*/* c { col*/ d }"
                                                               << "a {\n  content: \"x /* c\n/*/* c { col*/ d\n  }";
        QTest::newRow("a backslash before a line end keeps it") << "a{b:c\\\n;d:e}"
                                                                << "a {\n  b: c\\\n;\n  d: e\n}";
        QTest::newRow("a hex escape before a brace") << ".\\a{b:c}"
                                                     << ".\\a {\n  b: c\n}";
        QTest::newRow("a hex escape before a line end") << "a{b:c\\f}"
                                                        << "a {\n  b: c\\f\n}";
        QTest::newRow("an escaped blank stays") << "a{b:c\\ ;d:e}"
                                                << "a {\n  b: c\\ ;\n  d: e\n}";
        QTest::newRow("comments the analysis reads otherwise") << "/*/*}//**//*/*/*"
                                                               << "/*/*}//**//*/*/*";
        QTest::newRow("white space only") << " \n\t\n"
                                          << "";
    }
    void layout()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        const QString result = formatted(sheet);
        QCOMPARE(result, expected);
        checkFormatting(sheet, result);
    }

    void indentIsTheEditorsSetting()
    {
        QCOMPARE(formatted(QStringLiteral("@media x{a{b:c}}"), QStringLiteral("\t")),
                 QStringLiteral("@media x {\n\ta {\n\t\tb: c\n\t}\n}"));
        QCOMPARE(formatted(QStringLiteral("a{b:c}"), QString(8, QLatin1Char(' '))),
                 QStringLiteral("a {\n        b: c\n}"));
    }

    // Real framework sheets, minified and not (tools/perf/fetch-sheets.sh fetches them
    // for `make test`).
    void realSheetsKeepTheirAnalysis_data() { addRealSheetRows(); }
    void realSheetsKeepTheirAnalysis()
    {
        QFETCH(QString, path);
        SKIP_WITHOUT_REAL_SHEET(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sheet = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QString indent(8, QLatin1Char(' '));
        const QString result = formatted(sheet, indent);
        checkFormatting(sheet, result, indent);
        if (path.endsWith(QLatin1String(".min.css")))
            QVERIFY(result.count(QLatin1Char('\n')) > 1000);
    }

    // A selection is formatted alone, in the layout the whole sheet would get.
    void aSelection()
    {
        const QString sheet = QStringLiteral("a{b:c}@media x{d{e:f}}");
        const QList<SheetFormatter::Edit> all = SheetFormatter::edits(sheet, QStringLiteral("  "));
        const QList<SheetFormatter::Edit> part
            = SheetFormatter::within(all, sheet.indexOf(QLatin1String("d{")), sheet.size());
        QCOMPARE(SheetFormatter::applied(sheet, part), QStringLiteral("a{b:c}@media x{d {\n    e: f\n  }\n}"));
        QCOMPARE(SheetFormatter::within(all, 0, sheet.size()), all);
    }

    void positionsFollowTheEdits_data()
    {
        QTest::addColumn<QString>("before"); // "|" marks the position
        QTest::addColumn<QString>("after");
        QTest::newRow("in a declaration") << "a{color:r|ed}"
                                          << "a {\n  color: r|ed\n}";
        QTest::newRow("at a word's start") << "a{|color:red}"
                                           << "a {\n  |color: red\n}";
        QTest::newRow("in white space that goes") << "a{b:c;  |  d:e}"
                                                  << "a {\n  b: c;\n  |d: e\n}";
        QTest::newRow("at the end") << "a{b:c}|"
                                    << "a {\n  b: c\n}|";
    }
    void positionsFollowTheEdits()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        const qsizetype mark = before.indexOf(QLatin1Char('|'));
        const QString sheet = QString(before).remove(mark, 1);
        const QList<SheetFormatter::Edit> edits = SheetFormatter::edits(sheet, QStringLiteral("  "));
        QString result = SheetFormatter::applied(sheet, edits);
        result.insert(SheetFormatter::positionAfter(edits, mark), QLatin1Char('|'));
        QCOMPARE(result, after);
    }
};

QTEST_APPLESS_MAIN(TestSheetFormatter)
#include "tst_sheet_formatter.moc"
