#include "editor/highlighter/CssScanner.h"

#include <QTest>

Q_DECLARE_METATYPE(RangeState)

namespace {

const char *const kKinds[]
    = {"Comment", "Identifier", "Key", "EndOfLine", "Number", "Space", "String", "Symbol", "Unknown"};

// The tokens of a line as "text=Kind", and the range state after it.
QStringList tokens(CssScanner &scanner, const QString &line)
{
    QStringList out;
    for (scanner.loadLine(line); !scanner.atLineEnd(); scanner.nextToken())
        out << scanner.tokenText().toString() + QLatin1Char('=') + QLatin1String(kKinds[int(scanner.tokenKind())]);
    return out;
}

} // namespace

class TestCssScanner : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<RangeState>("rangeIn");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<RangeState>("rangeOut");
        const RangeState N = RangeState::Normal, C = RangeState::InComment;
        QTest::newRow("colour declaration")
            << N << "color: #FFCC66;" << QStringList{"color=Key", ":=Unknown", " =Space", "#FFCC66=Number", ";=Unknown"}
            << N;
        QTest::newRow("size with unit") << N << "font-size: 12pt"
                                        << QStringList{"font-size=Key", ":=Unknown", " =Space", "12=Number", "pt=Key"}
                                        << N;
        QTest::newRow("keywords in any case")
            << N << "BACKGROUND-COLOR Background-Color"
            << QStringList{"BACKGROUND-COLOR=Key", " =Space", "Background-Color=Key"} << N;
        QTest::newRow("identifiers") << N << "h1 body Black"
                                     << QStringList{"h1=Identifier", " =Space", "body=Identifier", " =Space",
                                                    "Black=Identifier"}
                                     << N;
        QTest::newRow("hash without hex digits") << N << "#header" << QStringList{"#=Number", "header=Identifier"} << N;
        QTest::newRow("hash with hex digits") << N << "#fade" << QStringList{"#fade=Number"} << N;
        QTest::newRow("comment opened") << N << "/* a" << QStringList{"/* a=Comment"} << C;
        QTest::newRow("comment closed") << C << "b */ c" << QStringList{"b */=Comment", " =Space", "c=Identifier"} << N;
        QTest::newRow("empty comment") << N << "/**/" << QStringList{"/**/=Comment"} << N;
        QTest::newRow("slash star slash stays open") << N << "/*/" << QStringList{"/*/=Comment"} << C;
        QTest::newRow("slash star at the line end")
            << N << "a /*" << QStringList{"a=Identifier", " =Space", "/*=Comment"} << C;
        QTest::newRow("empty line in a comment") << C << "" << QStringList{} << C;
        QTest::newRow("unclosed string") << N << "'abc" << QStringList{"'abc=String"} << N;
        QTest::newRow("two strings in a row") << N << "'a''b'" << QStringList{"'a'=String", "'b'=String"} << N;
        QTest::newRow("triple apostrophe opens")
            << N << "'''x' y" << QStringList{"'''x'=String", " =Space", "y=Identifier"} << N;
        QTest::newRow("double quotes are no string")
            << N << "\"Arial\"" << QStringList{"\"=Unknown", "Arial=Identifier", "\"=Unknown"} << N;
        QTest::newRow("brace with digits") << N << "{12}" << QStringList{"{12=String", "}=String"} << N;
        QTest::newRow("minus after a blank")
            << N << " -5px" << QStringList{" =Space", "-=Number", "5=Number", "px=Key"} << N;
        QTest::newRow("minus dot") << N << " -.5em" << QStringList{" =Space", "-.=Number", "5=Number", "em=Key"} << N;
        QTest::newRow("lone minus between blanks")
            << N << "a - b" << QStringList{"a=Identifier", " =Space", "-=Unknown", " =Space", "b=Identifier"} << N;
        QTest::newRow("minus at the line start") << N << "-x" << QStringList{"-=Identifier", "x=Identifier"} << N;
        QTest::newRow("negative hash") << N << "a---" << QStringList{"a---=Identifier"} << N;
        QTest::newRow("minus and digit inside") << N << "a-5" << QStringList{"a-5=Identifier"} << N;
        QTest::newRow("two full stops") << N << "1..2" << QStringList{"1=Number", ".=Unknown", ".=Unknown", "2=Number"}
                                        << N;
        QTest::newRow("exponent") << N << "2e3 1.5em 3E2ex"
                                  << QStringList{"2e3=Number", " =Space",    "1.5=Number", "em=Key",
                                                 " =Space",    "3E2=Number", "ex=Key"}
                                  << N;
        QTest::newRow("digit matches any digit") << N << "panose-2" << QStringList{"panose-2=Key"} << N;
        QTest::newRow("parentheses and slash")
            << N << "url(a/b)"
            << QStringList{"url=Identifier", "(=Symbol", "a=Identifier", "/=Symbol", "b=Identifier", ")=Symbol"} << N;
        QTest::newRow("tabs are space") << N << "\t\tx" << QStringList{"\t\t=Space", "x=Identifier"} << N;
        QTest::newRow("umlaut") << N << QString::fromUtf8("ä") << QStringList{QString::fromUtf8("ä=Unknown")} << N;
    }
    void lines()
    {
        QFETCH(RangeState, rangeIn);
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QFETCH(RangeState, rangeOut);
        CssScanner scanner;
        scanner.setRangeState(rangeIn);
        QCOMPARE(tokens(scanner, line), expected);
        QCOMPARE(scanner.rangeState(), rangeOut);
    }

    void everyKeywordIsFoundInAnyCase()
    {
        QCOMPARE(CssScanner::keywords().size(), 186);
        for (const QString &word : CssScanner::keywords()) {
            QVERIFY2(CssScanner::isKeyword(word), qPrintable(word));
            QVERIFY2(CssScanner::isKeyword(word.toUpper()), qPrintable(word));
            QVERIFY(CssScanner::keywordHash(word) >= 0 && CssScanner::keywordHash(word) <= 254);
        }
        QCOMPARE(CssScanner::keywordHash(QStringLiteral("cm")), 16);
        QCOMPARE(CssScanner::keywordHash(QStringLiteral("deg")), 16);
    }

    void nearMissesAreNoKeywords_data()
    {
        QTest::addColumn<QString>("word");
        for (const char *w : {"colour", "colors", "font-", "border-", "h1", "px2", "zooms", "margin_top", "em-", "s1"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void nearMissesAreNoKeywords()
    {
        QFETCH(QString, word);
        QVERIFY(!CssScanner::isKeyword(word));
    }
};

QTEST_APPLESS_MAIN(TestCssScanner)
#include "tst_css_scanner.moc"
