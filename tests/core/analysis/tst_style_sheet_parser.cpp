#include "ParserAgreement.h"
#include "document/TextFileFormat.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList linesOf(const QString &sheet)
{
    return sheet.split(QLatin1Char('\n'));
}

// Everything the analysis produces agrees with the literal reference.
void compareWithReference(StyleSheetParser &parser, const QStringList &lines)
{
    const QString difference = Agreement::disagreement(parser, lines);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// What random sheets are made of: the characters that matter to the rules, letters
// that differ by case, and a pair of Deseret letters that differ by case outside the
// Basic Multilingual Plane.
const QStringList &pieces()
{
    static const QStringList p = [] {
        QStringList list;
        for (const QChar c : QStringLiteral("{}/*.#:, \nabPp"))
            list << QString(c);
        list << QString::fromUtf8("\xf0\x90\x90\x80") << QString::fromUtf8("\xf0\x90\x90\xa8"); // U+10400, U+10428
        return list;
    }();
    return p;
}

QString randomPiece(QRandomGenerator &random)
{
    return pieces()[random.bounded(int(pieces().size()))];
}

QString randomSheet(QRandomGenerator &random, int length)
{
    QString sheet;
    for (int i = 0; i < length; ++i)
        sheet += randomPiece(random);
    return sheet;
}

} // namespace

class TestStyleSheetParser : public QObject
{
    Q_OBJECT

private slots:
    void edgeCases_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("repeats");
        QTest::addColumn<int>("comments");
        QTest::addColumn<bool>("error");
        using L = QStringList;
        QTest::newRow("empty") << "" << L{} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("one rule") << "p{color:red}" << L{"p"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("kinds") << ".x{} #y{} p.z{} h1#k{} #k.m{}" << L{} << L{".x", "#k.m", "p.z"} << L{"#y", "h1#k"}
                               << L{} << 0 << false;
        QTest::newRow("case variants") << ".b{} .a{} .B{}" << L{} << L{".a", ".b"} << L{} << L{} << 0 << false;
        QTest::newRow("case variants beyond the BMP")
            << QString::fromUtf8("\xf0\x90\x90\x80{} \xf0\x90\x90\xa8{}") << L{QString::fromUtf8("\xf0\x90\x90\x80")}
            << L{} << L{} << L{} << 0 << false;
        QTest::newRow("grouped selector") << "h1, h2 {}" << L{"h1, h2"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("twice") << "p{} p{}" << L{"p"} << L{} << L{} << L{"p"} << 0 << false;
        QTest::newRow("three times") << "p{}\np{}\np{}" << L{"p"} << L{} << L{} << L{"p", "p"} << 0 << false;
        QTest::newRow("P then p") << "P{} p{}" << L{"P"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("last line empty") << "p{}\n" << L{"p"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("comment after the last rule") << "p{}\n/* end */" << L{"p"} << L{} << L{} << L{} << 1 << false;
        QTest::newRow("text after the last rule") << "p{} q" << L{"p"} << L{} << L{} << L{} << 0 << true;
        QTest::newRow("rule without its brace") << "p{color:red" << L{} << L{} << L{} << L{} << 0 << true;
        QTest::newRow("one comment") << "/* c */ a{}" << L{"a"} << L{} << L{} << L{} << 1 << false;
        QTest::newRow("comments do not nest")
            << "/* a /* b */ c */ p{}" << L{"c */ p"} << L{} << L{} << L{} << 1 << false;
        QTest::newRow("closing mark first stops removal")
            << "*/ /* x */ p{}" << L{"*/ /* x */ p"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("closing brace before a rule") << "} p{}" << L{"} p", "p"} << L{} << L{} << L{} << 0 << false;
        QTest::newRow("closing brace after the last rule") << "p{} }" << L{"p"} << L{} << L{} << L{} << 0 << true;
        QTest::newRow("slash star slash is a comment") << "/*/ p{}" << L{"p"} << L{} << L{} << L{} << 1 << false;
        QTest::newRow("removal joins a new comment")
            << "a//*x*/* y */b{}" << L{"ab"} << L{} << L{} << L{} << 2 << false;
        QTest::newRow("unterminated comment stays") << "p{} /* open" << L{"p"} << L{} << L{} << L{} << 0 << true;
        QTest::newRow("at-rule head is an element")
            << "@media print { p {} }" << L{"@media print"} << L{} << L{} << L{} << 0 << true;
    }
    void edgeCases()
    {
        QFETCH(QString, sheet);
        QFETCH(QStringList, elements);
        QFETCH(QStringList, classes);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, repeats);
        QFETCH(int, comments);
        QFETCH(bool, error);
        StyleSheetParser parser;
        const Agreement::Outcome o = Agreement::analyse(parser, sheet.isEmpty() ? QStringList() : linesOf(sheet));
        QCOMPARE(o.analysis.elementSelectors, elements);
        QCOMPARE(o.analysis.classSelectors, classes);
        QCOMPARE(o.analysis.idSelectors, ids);
        QCOMPARE(o.analysis.repeatedSelectors, repeats);
        QCOMPARE(o.analysis.commentCount, comments);
        QCOMPARE(o.analysis.parseError, error);
    }

    void agreesWithTheLiteralReferenceOnTrickyCases_data()
    {
        QTest::addColumn<QString>("sheet");
        const char *sheets[] = {
            "",
            "\n",
            " ",
            "p{}",
            "/**/",
            "/*/",
            "/*/*/",
            "*/*",
            "//**",
            "/**/*/",
            "/*a*//*b*/",
            "a{}/*",
            "a{/*}*/b}",
            "}}}p{}",
            "{}",
            " { } ",
            "p{x}}q{y}",
            "a/\n*b*/c{}",
            "a{}\n/\n*\n*\n/",
            "x{} X{} x{} .a{}.A{}#i{}#I{}",
            "a:hover, a:focus {}\n  a:hover, a:focus{ }",
        };
        for (const char *s : sheets)
            QTest::newRow(s[0] ? s : "(empty)") << QString::fromLatin1(s);
    }
    void agreesWithTheLiteralReferenceOnTrickyCases()
    {
        QFETCH(QString, sheet);
        StyleSheetParser parser;
        compareWithReference(parser, linesOf(sheet));
        compareWithReference(parser, QStringList());
    }

    // Where the analysis stopped, in the sheet: the opening brace of the rule that is not
    // closed, or the first character of the text that has no opening brace; the same
    // through every way the sheet is flattened.
    void errorPlace_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("line"); // from 1
        QTest::addColumn<int>("column"); // from 1
        QTest::newRow("text after the last rule") << "p{} q" << 1 << 5;
        QTest::newRow("rule not closed") << "x { a: 1;\n b: 2;" << 1 << 3;
        QTest::newRow("on a later line, indented") << "a{}\n\n   b" << 3 << 4;
        QTest::newRow("tabs") << "\ta{}\n\t\tb {" << 2 << 5;
        QTest::newRow("CR LF") << "a{}\r\nb" << 2 << 1;
        QTest::newRow("after a comment over two lines") << "/* x */ a{} /* y\n z */ b {" << 2 << 9;
        QTest::newRow("after two comments in a row") << "a{} /*1*//*2*/ q{" << 1 << 17;
        QTest::newRow("after a comment that ends a line") << "a{}\n/* c\nd */ e" << 3 << 6;
        QTest::newRow("a closing brace without an opening one") << "a{} b }" << 1 << 5;
        QTest::newRow("a comment across the seam of another") << "a{} //*x*/*y*/ z" << 1 << 16;
    }
    void errorPlace()
    {
        QFETCH(QString, sheet);
        QFETCH(int, line);
        QFETCH(int, column);
        const QStringList lines = TextFileFormat::splitLines(sheet);
        const FlatText flats[] = {joinAndStripComments(lines), joinAndStripComments(QStringView(sheet), true),
                                  joinAndStripComments(QString(sheet), true), joinAndStripFileText(QString(sheet))};
        for (const FlatText &flat : flats) {
            StyleSheetParser parser;
            SheetAnalysis analysis;
            parser.parseSheet(flat.text, analysis);
            QVERIFY(analysis.parseError);
            const auto place = flat.sheetPosition(analysis.errorOffset);
            QCOMPARE(place.first + 1, line);
            QCOMPARE(place.second + 1, column);
        }
    }

    // A file's text flattened in one piece gives what its lines give, whatever its line
    // ends and whether the last line has one.
    void fileTextFlattensAsItsLines_data()
    {
        QTest::addColumn<QString>("text");
        const char *texts[] = {"",
                               "\n",
                               "\r\n",
                               "\r",
                               "\n\n",
                               "\r\r\n",
                               "\n\r",
                               "a",
                               "a\n",
                               "a\r",
                               "a\r\n",
                               "a\n\n",
                               " p{} \r\n q{}\r\n",
                               "p{}\rq{}",
                               "/* a\r\n b */ p{}\n\n",
                               "a{}\r\n\r\n",
                               "\t x{ }\t\n"};
        for (const char *t : texts)
            QTest::newRow(QByteArray(t).toPercentEncoding().constData()) << QString::fromLatin1(t);
        QTest::newRow("NUL as line end") << QStringLiteral("p{}") + QChar(0) + QStringLiteral("q{}") + QChar(0);
    }
    void fileTextFlattensAsItsLines()
    {
        QFETCH(QString, text);
        const FlatText fromLines = joinAndStripComments(TextFileFormat::splitLines(text));
        const FlatText fromText = joinAndStripFileText(QString(text));
        QCOMPARE(fromText.text, fromLines.text);
        QCOMPARE(fromText.commentCount, fromLines.commentCount);
    }

    // Many generated sheets through one parser, so that what it keeps between runs is
    // exercised too.
    void agreesWithTheLiteralReferenceOnGeneratedSheets()
    {
        QRandomGenerator random(20261210);
        StyleSheetParser parser;
        for (int i = 0; i < 3000; ++i) {
            compareWithReference(parser, linesOf(randomSheet(random, random.bounded(201))));
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Sheets with many selectors, so that large changes are merged into the lists.
    void agreesWithTheLiteralReferenceOnLargerSheets()
    {
        QRandomGenerator random(7);
        StyleSheetParser parser;
        for (int i = 0; i < 60; ++i) {
            QString sheet;
            const int rules = random.bounded(300);
            for (int r = 0; r < rules; ++r)
                sheet += randomSheet(random, random.bounded(6)) + QStringLiteral("{}");
            compareWithReference(parser, linesOf(sheet));
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Small edits one after another, as typing makes them.
    void agreesWithTheLiteralReferenceWhileEditing()
    {
        QRandomGenerator random(42);
        StyleSheetParser parser;
        QString sheet = QStringLiteral("p{} .a{} #b{} div p{} P{} .A{}\n/* c */ h1{} p{}");
        for (int i = 0; i < 2000; ++i) {
            int at = sheet.isEmpty() ? 0 : random.bounded(int(sheet.size()));
            if (at > 0 && sheet[at].isLowSurrogate())
                --at; // a whole letter, never half of one
            if (random.bounded(3) == 0 && !sheet.isEmpty())
                sheet.remove(at, sheet[at].isHighSurrogate() ? 2 : 1);
            else
                sheet.insert(at, randomPiece(random));
            compareWithReference(parser, linesOf(sheet));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void extractRule_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("rule");
        QTest::newRow("declarations") << "a { color : red ; margin : 0 }"
                                      << "a"
                                      << "a{color:red;margin:0}";
        QTest::newRow("descendant selector") << "div p { color : red } a { x : y }"
                                             << "div p"
                                             << "divp{color:red}";
        QTest::newRow("first rule wins") << "p{a:1} p{b:2}"
                                         << "p"
                                         << "p{a:1}";
        QTest::newRow("tail of a longer selector") << "div p{a:1} p{b:2}"
                                                   << "p"
                                                   << "p{a:1}";
        QTest::newRow("letter case counts") << "P{a:1} p{b:2}"
                                            << "p"
                                            << "p{b:2}";
        QTest::newRow("comments are gone") << "p{/* x */a:1}"
                                           << "p"
                                           << "p{a:1}";
        QTest::newRow("unclosed rule runs to the end") << "p{a:1"
                                                       << "p"
                                                       << "p{a:1";
        QTest::newRow("missing selector takes the start") << "q{a:1} r{}"
                                                          << "x"
                                                          << "q{a:1}";
    }
    void extractRule()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, selector);
        QFETCH(QString, rule);
        QCOMPARE(Reference::extractRule(linesOf(sheet), selector), rule);
        QCOMPARE(RuleExtractor(joinAndStripComments(linesOf(sheet)).text).extract({selector}), QStringList{rule});
    }

    void declarations_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QStringList>("declarations");
        QTest::newRow("two") << "p{color:red;margin:0}"
                             << "p" << QStringList{"color:red", "margin:0"};
        QTest::newRow("key in other case") << "P{a:b;}"
                                           << "p" << QStringList{"a:b"};
        QTest::newRow("descendant") << "divp{a:b}"
                                    << "div p" << QStringList{"a:b"};
        QTest::newRow("tab splits") << "p{a:b\tc:d}"
                                    << "p" << QStringList{"a:b", "c:d"};
        QTest::newRow("empty rule") << "p{}"
                                    << "p" << QStringList{};
    }
    void declarations()
    {
        QFETCH(QString, rule);
        QFETCH(QString, selector);
        QFETCH(QStringList, declarations);
        QCOMPARE(declarationsOf(rule, selector), declarations);
    }

    void repeatedRunsFollowTheText()
    {
        StyleSheetParser parser;
        SheetAnalysis a;
        const QString first = joinAndStripComments(QStringList{"b{} a{} .c{}"}).text;
        parser.parseSheet(first, a);
        const QString second = joinAndStripComments(QStringList{"b{color:red} a{} .d{}"}).text;
        parser.parseSheet(second, a);
        QCOMPARE(a.classSelectors, QStringList{".d"});
        QCOMPARE(a.elementSelectors, (QStringList{"a", "b"}));
    }
};

QTEST_APPLESS_MAIN(TestStyleSheetParser)
#include "tst_style_sheet_parser.moc"
