#include "editor/DeclarationNames.h"
#include "reference/CompletionLists.h"
#include "reference/PropertyGrammar.h"
#include "reference/StyleDefinition.h"

#include "RealSheets.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QStringList texts(QByteArrayView text, const QList<DeclarationNames::Name> &names)
{
    QStringList out;
    for (const DeclarationNames::Name &n : names)
        out << QString::fromUtf8(text.sliced(n.start, n.length));
    return out;
}

// What the window knows: the standards' names and those of every shipped definition.
DeclarationNames::KnownNames shippedNames()
{
    const QString data = QStringLiteral(SHIPPED_DATA_DIR "/");
    const PropertyGrammar grammar = PropertyGrammar::read(data + QStringLiteral("standards/css-grammar.json"));
    QStringList names = grammar.names();
    for (const QString &def : QDir(data + QStringLiteral("styledefs")).entryList({QStringLiteral("*.def")}))
        names << CompletionLists::propertyNames(StyleDefinition::read(data + QStringLiteral("styledefs/") + def));
    return DeclarationNames::KnownNames(names, grammar.descriptorNames());
}

} // namespace

class TestDeclarationNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("declarations") << QByteArray("a { colr: red; widht : 1px }") << QStringList{"colr", "widht"};
        QTest::newRow("over lines and minified")
            << QByteArray("a {\n  color: red;\n  margin:0\n}b{x:y}") << QStringList{"color", "margin", "x"};
        QTest::newRow("selectors with colons") << QByteArray("a:hover, b::after { c: d }") << QStringList{"c"};
        QTest::newRow("a selector over lines") << QByteArray("}\na:hover,\nb:focus {\n  c: d;\n}") << QStringList{"c"};
        QTest::newRow("custom and vendor names")
            << QByteArray("a { --x: 1; -webkit-y: 2; _zoom: 1 }") << QStringList{"_zoom"};
        QTest::newRow("comments and strings")
            << QByteArray("a { /* b: c; */ d: 'e; f: g'; /* x */ h: i }") << QStringList{"d", "h"};
        QTest::newRow("values are no names")
            << QByteArray("a { font: bold serif; background: url(a:b) }") << QStringList{"font", "background"};
        QTest::newRow("nested rules") << QByteArray("a { b: c; &:hover { d: e } f: g }") << QStringList{"b", "d", "f"};
        QTest::newRow("a declaration inside an address")
            << QByteArray("a { background: url(p;colr:red) }") << QStringList{"background"};
        QTest::newRow("a declaration inside a string")
            << QByteArray("a { content: \"x; colr: red\"; b: c }") << QStringList{"content", "b"};
        QTest::newRow("an escaped quote in a string")
            << QByteArray("a { content: \"x\\\"; colr: red\"; b: c }") << QStringList{"content", "b"};
        QTest::newRow("a string left open ends with its line")
            << QByteArray("a { content: \"x\n; b: c; d: \"e;\n f: g }") << QStringList{"content", "b", "d"};
        QTest::newRow("a semicolon in brackets")
            << QByteArray("a { b: f(x; colr: red); c: d }") << QStringList{"b", "c"};
        QTest::newRow("a block in a custom property")
            << QByteArray("a { --x: { colr: red }; b: c }") << QStringList{"b"};
        QTest::newRow("a list before a colon") << QByteArray("x { a, b: c; d: e }") << QStringList{"d"};
        QTest::newRow("a comment before the colon") << QByteArray("x { a/* b */: c }") << QStringList{"a"};
        QTest::newRow("no declarations at the top") << QByteArray("colr: red; a { b: c }") << QStringList{"b"};
        QTest::newRow("keyframes") << QByteArray("@keyframes k { from { colr: red } }") << QStringList{"colr"};
    }
    void names()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, names);
        QCOMPARE(texts(text, DeclarationNames::find(text, 0, text.size())), names);
    }

    // The names of @font-face and its kind are its descriptors; in @page properties too;
    // in the block of an at-rule nobody knows, nothing is marked.
    void descriptors_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("font-face") << QByteArray("@font-face { font-family: \"X\"; src: url(x.woff2); font-display: "
                                                 "swap; unicode-range: U+0-FF; font-stretch: normal }")
                                   << QStringList{};
        QTest::newRow("a property is no descriptor")
            << QByteArray("@font-face { color: red; srcc: x }") << QStringList{"color", "srcc"};
        QTest::newRow("page, its margin boxes")
            << QByteArray("@page :first { size: A4; margin: 1in; @top-left { content: 'x'; colr: red } }")
            << QStringList{"colr"};
        QTest::newRow("property, counter-style, font-feature-values")
            << QByteArray("@property --x { syntax: '<length>'; inherits: false; initial-value: 0 } "
                          "@counter-style c { system: cyclic; symbols: a; suffix: ' ' } "
                          "@font-feature-values F { font-display: swap; @swash { fancy: 1 } }")
            << QStringList{};
        QTest::newRow("an at-rule nobody knows")
            << QByteArray("@-ms-viewport { width: device-width; zoom: 1; x: y }") << QStringList{};
        QTest::newRow("in @media the properties")
            << QByteArray("@media print { a { colr: red; src: x } }") << QStringList{"colr", "src"};
    }
    void descriptors()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, unknown);
        static const DeclarationNames::KnownNames known = shippedNames();
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), {}, known)), unknown);
    }

    // A name that starts in the range is read on to its colon and its end, however
    // close to the range's end it starts.
    void aNameAtTheRangesEnd()
    {
        const QByteArray text("a {{ coli: x; b: y }");
        const qsizetype at = text.indexOf("coli");
        QCOMPARE(texts(text, DeclarationNames::find(text, at, at + 1)), QStringList{"coli"});
        QCOMPARE(texts(text, DeclarationNames::find(text, 0, at)), QStringList());
    }

    // A reading that starts at a place inside a block (the editor's reading place before
    // the lines in view) knows the blocks open there.
    void startsInsideABlock()
    {
        Css::Blocks inFontFace;
        inFontFace.open("font-face");
        const QByteArray text("src: url(x); font-display: swap }\na { colr: red }");
        const auto names = DeclarationNames::find(text, 0, text.size(), inFontFace);
        QCOMPARE(texts(text, names), (QStringList{"src", "font-display", "colr"}));
        QCOMPARE(names[0].atRule, QByteArray("font-face"));
        QCOMPARE(names[2].atRule, QByteArray());
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), inFontFace, shippedNames())),
                 QStringList{"colr"});
    }

    void unknownNames_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("typos") << QByteArray("a { colr: red; widht: 1px; color: red }") << QStringList{"colr", "widht"};
        QTest::newRow("letter case") << QByteArray("a { COLOR: red; Colr: red }") << QStringList{"Colr"};
        QTest::newRow("old and legacy names")
            << QByteArray("a { word-wrap: break-word; _zoom: 1; azimuth: left; box-flex-group: 1 }") << QStringList{};
        QTest::newRow("an old hack of a typo") << QByteArray("a { _zom: 1 }") << QStringList{"_zom"};
        QTest::newRow("umlauts") << QByteArray("a { größe: 1px }") << QStringList{"größe"};
    }
    void unknownNames()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, unknown);
        static const DeclarationNames::KnownNames known = shippedNames();
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), {}, known)), unknown);
        // Without any known name nothing can be told apart.
        QVERIFY(DeclarationNames::unknown(text, 0, text.size(), {}, {}).isEmpty());
    }

    // Real framework sheets (tools/perf/fetch-sheets.sh; make test fetches them) use no
    // name that should be marked.
    void realSheetsHaveNoUnknownNames_data() { addRealSheetRows(); }
    void realSheetsHaveNoUnknownNames()
    {
        QFETCH(QString, path);
        SKIP_WITHOUT_REAL_SHEET(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(DeclarationNames::find(text, 0, text.size()).size() > 1000);
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), {}, shippedNames())), QStringList());
    }
};

QTEST_APPLESS_MAIN(TestDeclarationNames)
#include "tst_declaration_names.moc"
