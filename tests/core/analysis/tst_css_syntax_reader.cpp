#include "analysis/CssSyntaxReader.h"

#include "RealSheets.h"
#include "SyntaxAgreement.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A rule as "kind selector", kind E, C or I, with " (repeat)" after a repeat.
QStringList described(const SyntaxReading &reading)
{
    QStringList out;
    for (const SyntaxRule &r : reading.rules) {
        const char kind = r.kind == SelectorKind::Class ? 'C' : r.kind == SelectorKind::Id ? 'I' : 'E';
        out << QStringLiteral("%1 %2%3").arg(QString(QLatin1Char(kind)), r.selector,
                                             r.repeat ? QStringLiteral(" (repeat)") : QString());
    }
    return out;
}

QStringList atRuleTexts(const SyntaxReading &reading)
{
    QStringList out;
    for (const SyntaxAtRule &a : reading.atRules)
        out << a.text;
    return out;
}

// As the fixture's writer sums up a list: sorted, one per line.
QString digest(QStringList list)
{
    list.sort();
    return QString::fromLatin1(QCryptographicHash::hash(list.join(u'\n').toUtf8(), QCryptographicHash::Sha256).toHex());
}

// A list that differs is written out, to compare with the writer's own lists
// (tools/css-syntax/generate.sh with a dump folder).
void dumpOnDifference(const QString &name, QStringList list)
{
    list.sort();
    QFile out(QDir::temp().filePath(name));
    if (out.open(QIODevice::WriteOnly))
        out.write((list.join(u'\n') + u'\n').toUtf8());
    qWarning("written to %s", qPrintable(out.fileName()));
}

} // namespace

class TestCssSyntaxReader : public QObject
{
    Q_OBJECT

private slots:
    void readsRules_data();
    void readsRules();
    void findsWhatIsUnbalanced_data();
    void findsWhatIsUnbalanced();
    void placesOfRules();
    void declarationsOfARule_data();
    void declarationsOfARule();
    void listsLikeTheClassicAnalysis();
    void hostileNesting();
    void editsReadAgainOnlyWhatChanged_data();
    void editsReadAgainOnlyWhatChanged();
    void realSheetsAsPostcssReadsThem_data() { addRealSheetRows(); }
    void realSheetsAsPostcssReadsThem();
};

void TestCssSyntaxReader::readsRules_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("atRules");

    QTest::newRow("a brace in a string") << QStringLiteral("a { content: \"}\" } .x {}") << QStringList{"E a", "C .x"}
                                         << QStringList{};
    QTest::newRow("comment marks in strings and addresses")
        << QStringLiteral("a { content: \"/*\"; b: url(x/*y) } .x { c: '*/' }") << QStringList{"E a", "C .x"}
        << QStringList{};
    QTest::newRow("braces in an address")
        << QStringLiteral("a { b: url(x{y}) } #z {}") << QStringList{"E a", "I #z"} << QStringList{};
    QTest::newRow("escaped brace") << QStringLiteral(".a\\{b { c: d } e {}") << QStringList{"C .a\\{b", "E e"}
                                   << QStringList{};
    QTest::newRow("rules inside @media") << QStringLiteral("@media (min-width: 600px) { .a { b: c } p { d: e } }")
                                         << QStringList{"C .a", "E p"} << QStringList{"@media (min-width: 600px)"};
    QTest::newRow("conditional and layered blocks")
        << QStringLiteral("@supports (display:grid) { a {} } @container card (width > 1px) { b {} } @layer base "
                          "{ c {} } @scope (.x) to (.y) { d {} } @starting-style { e {} } @document url-prefix() "
                          "{ f {} }")
        << QStringList{"E a", "E b", "E c", "E d", "E e", "E f"}
        << QStringList{
               "@supports (display:grid)", "@container card (width > 1px)", "@layer base", "@scope (.x) to (.y)",
               "@starting-style",          "@document url-prefix()"};
    QTest::newRow("statements end at their semicolon")
        << QStringLiteral("@charset \"UTF-8\"; @import url(a.css) screen; @namespace svg url(x); @layer a, b; p {}")
        << QStringList{"E p"}
        << QStringList{"@charset \"UTF-8\"", "@import url(a.css) screen", "@namespace svg url(x)", "@layer a, b"};
    QTest::newRow("keyframe stops are no selectors")
        << QStringLiteral("@keyframes spin { from { a: b } 50% { c: d } to { e: f } } @-webkit-keyframes x { 0% {} "
                          "} p {}")
        << QStringList{"E p"} << QStringList{"@keyframes spin", "@-webkit-keyframes x"};
    QTest::newRow("descriptor blocks hold no selectors")
        << QStringLiteral("@font-face { font-family: \"X\"; src: url(x.woff2); unicode-range: U+0-FF } @page :first "
                          "{ margin: 1in; @top-left { content: 'x' } } @property --x { syntax: '<length>'; "
                          "inherits: false } @counter-style thumbs { system: cyclic } @font-feature-values Font "
                          "{ @swash { fancy: 1 } } a {}")
        << QStringList{"E a"}
        << QStringList{"@font-face", "@page :first", "@property --x", "@counter-style thumbs",
                       "@font-feature-values Font"};
    QTest::newRow("nested rules resolve")
        << QStringLiteral(".card { color: red; &:hover { a: b } .title { c: d } > p {} }")
        << QStringList{"C .card", "C .card:hover", "C .card .title", "C .card > p"} << QStringList{};
    QTest::newRow("nested lists combine")
        << QStringLiteral(".a, .b { .c, &.d {} }") << QStringList{"C .a .c, .a.d, .b .c, .b.d"} << QStringList{};
    // A rule that holds nothing but nested rules has no style of its own.
    QTest::newRow("nesting two levels") << QStringLiteral("ul { li { &:hover { x: y } } }")
                                        << QStringList{"E ul li:hover"} << QStringList{};
    QTest::newRow("a comment keeps a rule")
        << QStringLiteral(".a { /* b */ .c { d: e } }") << QStringList{"C .a", "C .a .c"} << QStringList{};
    QTest::newRow("a nested selector with a colon")
        << QStringLiteral(".x { a:hover { color: red } b: c }") << QStringList{"C .x", "C .x a:hover"} << QStringList{};
    QTest::newRow("a block in a custom property is its value")
        << QStringLiteral("a { --x: { b: c }; d: e } f {}") << QStringList{"E a", "E f"} << QStringList{};
    QTest::newRow("a brace in a function is its value")
        << QStringLiteral("a { b: f(x{y}) } c {}") << QStringList{"E a", "E c"} << QStringList{};
    QTest::newRow("nested @media with declarations") << QStringLiteral(".a { @media (x) { color: red; .b {} } }")
                                                     << QStringList{"C .a", "C .a .b"} << QStringList{"@media (x)"};
    QTest::newRow("kinds come from the tokens")
        << QStringLiteral("a[href$=\".pdf\"] {} #x {} .a #b {} a:not(.b) {} a#b.c {} [id=\"#x\"] {} p:nth-child(.5) {}")
        << QStringList{"E a[href$=\".pdf\"]", "I #x", "C .a #b", "E a:not(.b)", "C a#b.c", "E [id=\"#x\"]",
                       "E p:nth-child(.5)"}
        << QStringList{};
    QTest::newRow("comments and line ends in selectors")
        << QStringLiteral("h1,\n  h2 /* x */ {} a /* y */ b {} c/**/d {}")
        << QStringList{"E h1, h2", "E a b", "E c/**/d"} << QStringList{};
    QTest::newRow("repeats under the same at-rules")
        << QStringLiteral(".a {} @media print { .a {} .a {} } .a {} a, b {} b, a {} a b {} a { b {} }")
        << QStringList{"C .a",  "C .a",          "C .a (repeat)", "C .a (repeat)", "E a, b", "E b, a (repeat)",
                       "E a b", "E a b (repeat)"}
        << QStringList{"@media print"};
    QTest::newRow("markup comments at the top")
        << QStringLiteral("<!-- a {} -->") << QStringList{"E a"} << QStringList{};
    QTest::newRow("a rule nobody knows") << QStringLiteral("@-ms-viewport { width: device-width } @foo { a {} }")
                                         << QStringList{"E a"} << QStringList{"@-ms-viewport", "@foo"};
}

void TestCssSyntaxReader::readsRules()
{
    QFETCH(QString, sheet);
    QFETCH(QStringList, rules);
    QFETCH(QStringList, atRules);
    const SyntaxReading reading = readSheet(sheet);
    QCOMPARE(described(reading), rules);
    QCOMPARE(atRuleTexts(reading), atRules);
    QCOMPARE(reading.errorOffset, -1);
}

// The error's place is marked with "|" in the sheet (the mark is taken out).
void TestCssSyntaxReader::findsWhatIsUnbalanced_data()
{
    QTest::addColumn<QString>("marked");
    QTest::newRow("no error") << QStringLiteral("a { b: c } @import 'x'");
    QTest::newRow("block still open") << QStringLiteral("a |{ b: c");
    QTest::newRow("nested block still open") << QStringLiteral("a |{ b { c: d }");
    QTest::newRow("a closing brace without its opening") << QStringLiteral("a {} |} b {}");
    QTest::newRow("text after the last rule") << QStringLiteral("p {} |q");
    QTest::newRow("comment still open") << QStringLiteral("a {} |/* b");
    QTest::newRow("comment open inside a block") << QStringLiteral("a { |/* b }");
    QTest::newRow("string still open") << QStringLiteral("a { content: |\"x }");
    QTest::newRow("parenthesis still open") << QStringLiteral("a { b: |rgb(1, 2 } c {}");
    QTest::newRow("@media without its block") << QStringLiteral("a {} |@media print");
    QTest::newRow("a brace in a string is no error") << QStringLiteral("a { content: \"{\" }");
    QTest::newRow("the first of two") << QStringLiteral("|} a { b");
}

void TestCssSyntaxReader::findsWhatIsUnbalanced()
{
    QFETCH(QString, marked);
    const qsizetype at = marked.indexOf(u'|');
    const QString sheet = QString(marked).remove(u'|');
    QCOMPARE(readSheet(sheet).errorOffset, at);
}

void TestCssSyntaxReader::placesOfRules()
{
    const QString sheet = QStringLiteral("/* x */ a { b: c }\n@media print {\n  .d { e: f }\n}");
    const SyntaxReading reading = readSheet(sheet);
    QCOMPARE(reading.rules.size(), 2);
    QCOMPARE(reading.rules[0].start, sheet.indexOf(u'a'));
    QCOMPARE(reading.rules[1].start, sheet.indexOf(u".d"));
    QCOMPARE(reading.atRules.value(0).start, sheet.indexOf(u'@'));
    QCOMPARE(reading.commentCount, 1);
}

void TestCssSyntaxReader::declarationsOfARule_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("declarations");
    QTest::newRow("plain") << QStringLiteral("a { color: red; margin: 0  1px }")
                           << QStringList{"color:red", "margin:0 1px"};
    QTest::newRow("strings, comments and addresses")
        << QStringLiteral("a { content: \"x; y\"; /* b: c; */ background: url(x;y) }")
        << QStringList{"content:\"x; y\"", "background:url(x;y)"};
    QTest::newRow("nested rules keep theirs")
        << QStringLiteral("a { b: c; &:hover { d: e } f: g }") << QStringList{"b:c", "f:g"};
    QTest::newRow("custom property with a block")
        << QStringLiteral("a { --x: { y: z }; w: v }") << QStringList{"--x:{ y: z }", "w:v"};
}

void TestCssSyntaxReader::declarationsOfARule()
{
    QFETCH(QString, sheet);
    QFETCH(QStringList, declarations);
    const SyntaxReading reading = readSheet(sheet);
    QVERIFY(!reading.rules.isEmpty());
    QCOMPARE(syntaxDeclarations(sheet, reading.rules.first()), declarations);
}

void TestCssSyntaxReader::listsLikeTheClassicAnalysis()
{
    CssSyntaxParser parser;
    SheetAnalysis analysis;
    parser.parseSheet(QStringLiteral(".b {} .a {} .B {} p {} P {} #x {} @media print { p {} } @import 'y';"), analysis);
    QCOMPARE(analysis.classSelectors, (QStringList{".a", ".b"}));
    QCOMPARE(analysis.elementSelectors, QStringList{"p"});
    QCOMPARE(analysis.idSelectors, QStringList{"#x"});
    QCOMPARE(analysis.repeatedSelectors, QStringList());
    QCOMPARE(analysis.atRules, (QStringList{"@import 'y'", "@media print"}));
    QVERIFY(!analysis.parseError);
    // Kept from run to run: an edit brings the lists up to date.
    parser.parseSheet(QStringLiteral(".b {} .b {} x { y {} }"), analysis);
    QCOMPARE(analysis.classSelectors, QStringList{".b"});
    QCOMPARE(analysis.elementSelectors, QStringList{"x y"});
    QCOMPARE(analysis.repeatedSelectors, QStringList{".b"});
    QCOMPARE(analysis.atRules, QStringList());
}

// Deep nesting, selectors that combine without end, and brackets never closed cost
// neither the stack nor unbounded time.
void TestCssSyntaxReader::hostileNesting()
{
    const QString deep = QStringLiteral("a{").repeated(100000) + QStringLiteral("}").repeated(100000);
    QVERIFY(readSheet(deep).rules.size() <= 1000);
    const QString brackets = QStringLiteral("a{b:").append(QStringLiteral("(").repeated(100000));
    QCOMPARE(readSheet(brackets).errorOffset, brackets.size() - 1);
    QString parents;
    for (int i = 0; i < 30; ++i)
        parents += QStringLiteral(".p%1,").arg(i);
    const QString combined = parents + QStringLiteral(".q{x:y;& & & & & & & & {}}");
    const SyntaxReading reading = readSheet(combined);
    QCOMPARE(reading.rules.size(), 2);
    QVERIFY(reading.rules[1].selector.size() < 1000000);
}

// The parser reads again only the items an edit touched; after every edit of a random
// sequence it must find what a fresh parser finds. The edits insert and take away the
// characters that matter most: braces, quotes, comment marks, at-keywords.
void TestCssSyntaxReader::editsReadAgainOnlyWhatChanged_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("path");
    QTest::newRow("media, nesting, strings")
        << QStringLiteral("@charset \"x\";\n.a { b: c }\n@media print {\n  .a { b: c }\n  @media (x) { .d {} }\n}\n"
                          ".card { color: red; &:hover { x: y } .t { u: v } }\n/* c */ p::after { content: \"}\" }\n"
                          "@keyframes k { from { a: b } }\n@font-face { src: url(x) }\n#id, .b { c: d }\n.a { b: c }\n")
        << QString();
    QTest::newRow("many small rules") << QStringLiteral(".a{}b{}#c{}.a{}@media x{.a{}b{}}d,e{}e,d{}").repeated(20)
                                      << QString();
    const QDir sheets(QStringLiteral(STYLOGRAF_SHEETS_DIR));
    const QString bootstrap = sheets.filePath(QStringLiteral("bootstrap.css"));
    if (QFileInfo::exists(bootstrap))
        QTest::newRow("bootstrap.css") << QString() << bootstrap;
}

void TestCssSyntaxReader::editsReadAgainOnlyWhatChanged()
{
    QFETCH(QString, sheet);
    QFETCH(QString, path);
    if (!path.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        sheet = QString::fromUtf8(file.readAll());
    }
    static const QStringList pieces{"{", "}",  ";",    "\"", "'", "/*", "*/", "@media y {", "a",
                                    " ", "\n", ".q{}", "&",  ",", "(",  ")",  "\\",         "x:y"};
    QRandomGenerator random(4711);
    CssSyntaxParser parser;
    QCOMPARE(SyntaxAgreement::disagreement(parser, sheet), QString());
    const int edits = path.isEmpty() ? 400 : 40;
    for (int i = 0; i < edits; ++i) {
        const qsizetype at = random.bounded(int(sheet.size()) + 1);
        const qsizetype removed = qMin<qsizetype>(random.bounded(3), sheet.size() - at);
        const QString inserted = random.bounded(4) == 0 ? QString() : pieces[random.bounded(int(pieces.size()))];
        sheet.replace(at, removed, inserted);
        const QString differs = SyntaxAgreement::disagreement(parser, sheet);
        if (!differs.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after edit %1 at %2: %3").arg(i).arg(at).arg(differs)));
    }
}

// The fixture holds what postcss finds in the real sheets make test fetches
// (tools/css-syntax/generate.sh writes it): the same rules and at-rules, and no error.
void TestCssSyntaxReader::realSheetsAsPostcssReadsThem()
{
    QFETCH(QString, path);
    SKIP_WITHOUT_REAL_SHEET(path);
    QFile fixture(QStringLiteral(TEST_DATA_DIR "/css/real-sheets.json"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QString name = QFileInfo(path).fileName();
    const QJsonObject expected = QJsonDocument::fromJson(fixture.readAll())
                                     .object()
                                     .value(QLatin1String("sheets"))
                                     .toObject()
                                     .value(name)
                                     .toObject();
    if (expected.isEmpty())
        QSKIP("a sheet the fixture does not know");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());
    const SyntaxReading reading = readSheet(sheet);
    QCOMPARE(reading.errorOffset, -1);
    QStringList rules, atRules;
    for (const SyntaxRule &r : reading.rules)
        rules << r.selector;
    for (const SyntaxAtRule &a : reading.atRules)
        atRules << a.text;
    if (digest(rules) != expected.value(QLatin1String("rulesDigest")).toString())
        dumpOnDifference(name + QStringLiteral(".rules"), rules);
    if (digest(atRules) != expected.value(QLatin1String("atRulesDigest")).toString())
        dumpOnDifference(name + QStringLiteral(".at-rules"), atRules);
    QCOMPARE(rules.size(), expected.value(QLatin1String("rules")).toInt());
    QCOMPARE(digest(rules), expected.value(QLatin1String("rulesDigest")).toString());
    QCOMPARE(atRules.size(), expected.value(QLatin1String("atRules")).toInt());
    QCOMPARE(digest(atRules), expected.value(QLatin1String("atRulesDigest")).toString());
}

QTEST_GUILESS_MAIN(TestCssSyntaxReader)
#include "tst_css_syntax_reader.moc"
