#include "editor/CssColours.h"

#include <QTest>

using CssColours::Rgba;

namespace {

// "text=AARRGGBB" for each swatch, so a row reads like the sheet.
QStringList described(QByteArrayView text, const QList<CssColours::Swatch> &swatches)
{
    QStringList out;
    for (const CssColours::Swatch &s : swatches)
        out << QString::fromUtf8(text.sliced(s.start, s.length)) + QLatin1Char('=')
                + QStringLiteral("%1").arg(s.colour, 8, 16, QLatin1Char('0')).toUpper();
    return out;
}

} // namespace

class TestCssColours : public QObject
{
    Q_OBJECT

private slots:
    void colourOfAValue_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<Rgba>("colour");
        const auto row
            = [](const char *value, Rgba colour) { QTest::newRow(value) << QByteArray(value) << true << colour; };
        const auto invalid = [](const char *value) { QTest::newRow(value) << QByteArray(value) << false << Rgba(0); };
        row("#abc", 0xFFAABBCC);
        row("#ABCD", 0xDDAABBCC);
        row("#a1b2c3", 0xFFA1B2C3);
        row("#a1b2c380", 0x80A1B2C3);
        invalid("#abcde");
        invalid("#bbbbbbbbbbbbbbbbbbbbbbbbbbbb");
        invalid("#ggg");
        invalid("#");
        row("rgb(255, 0, 0)", 0xFFFF0000);
        row("rgba(0, 0, 255, .5)", 0x800000FF);
        row("RGB(1 2 3)", 0xFF010203);
        row("rgb(100% 50% 0% / 50%)", 0x80FF8000);
        row("rgb(300, -5, 1e1)", 0xFFFF000A);
        row("rgb(none 0 0 / 0.25)", 0x40000000);
        row("rgba(0,0,0,0)", 0x00000000);
        row(" rgb(0 0 0) ", 0xFF000000);
        invalid("rgb(1, 2)");
        invalid("rgb(1 2 3 4)");
        invalid("rgb(1, 2, 3,)");
        invalid("rgb(1 , 2 3)");
        invalid("rgb(none, 0, 0)");
        invalid("rgb(1 2 3 / 4 / 5)");
        invalid("rgb(1px 2 3)");
        invalid("rgb(var(--r) 0 0)");
        invalid("rgb(calc(1) 0 0)");
        invalid("rgb()");
        invalid("lab(50% 0 0)");
        row("hsl(120, 100%, 50%)", 0xFF00FF00);
        row("hsl(0.5turn 100% 50%)", 0xFF00FFFF);
        row("hsla(240deg, 100%, 50%, 0.5)", 0x800000FF);
        row("hsl(-120 100% 25%)", 0xFF000080);
        row("hsl(200grad 100 50)", 0xFF00FFFF);
        row("hsl(0 0% 100%)", 0xFFFFFFFF);
        invalid("hsl(120px 100% 50%)");
        invalid("hsl(120 100px 50%)");
        row("rebeccapurple", 0xFF663399);
        row("Red", 0xFFFF0000);
        row("LightGoldenRodYellow", 0xFFFAFAD2);
        invalid("transparent");
        invalid("currentcolor");
        invalid("reds");
        invalid("");
    }
    void colourOfAValue()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, valid);
        QFETCH(Rgba, colour);
        const std::optional<Rgba> found = CssColours::colourOf(value);
        QCOMPARE(found.has_value(), valid);
        if (valid)
            QCOMPARE(QString::number(*found, 16), QString::number(colour, 16));
    }

    void colourValuesInASheet_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("swatches");
        QTest::newRow("declarations") << QByteArray("a { color: #fff; background: rgb(0 0 0 / 50%) }")
                                      << QStringList{"#fff=FFFFFFFF", "rgb(0 0 0 / 50%)=80000000"};
        QTest::newRow("an id like a colour is a selector")
            << QByteArray("#add { color: red }") << QStringList{"red=FFFF0000"};
        QTest::newRow("a selector list over lines")
            << QByteArray("#bad,\n#fed {\n  color: #bad\n}") << QStringList{"#bad=FFBBAADD"};
        QTest::newRow("a value, then a selector on the same line")
            << QByteArray("a{color:#fff}#add{}") << QStringList{"#fff=FFFFFFFF"};
        QTest::newRow("class names and element names")
            << QByteArray(".red, .tan a { border-color: tan }") << QStringList{"tan=FFD2B48C"};
        QTest::newRow("comments and strings")
            << QByteArray("/* #fff */ a { content: \"red\"; color: /* blue */ green; x: 'it''s #fff' }")
            << QStringList{"green=FF008000"};
        QTest::newRow("an unclosed string ends with its line")
            << QByteArray("a { content: \"open\n; color: navy }") << QStringList{"navy=FF000080"};
        QTest::newRow("addresses") << QByteArray(
            "a { background: url(#red) url(\"x.png#fff\") url( data:a;b#fff ) #123 }")
                                   << QStringList{"#123=FF112233"};
        QTest::newRow("a quote inside an address")
            << QByteArray("a { background: red url(x'y) } #add { }") << QStringList{"red=FFFF0000"};
        QTest::newRow("inside other functions")
            << QByteArray("a { background: linear-gradient(to right, red 0%, hsl(0 0% 0%) 100%) }")
            << QStringList{"red=FFFF0000", "hsl(0 0% 0%)=FF000000"};
        QTest::newRow("colour functions that cannot be read")
            << QByteArray("a { color: rgb(var(--r) 0 0); x: rgba(0,0,0,.5); y: rgb(1 2) }")
            << QStringList{"rgba(0,0,0,.5)=80000000"};
        QTest::newRow("names that only contain a colour")
            << QByteArray("a { color: darkred-ish; x: red2; y: -red; z: 2red; animation: red-glow 1s }")
            << QStringList{};
        QTest::newRow("custom properties and nested rules")
            << QByteArray(":root { --brand: #0af; .x #bad { color: var(--brand, teal) } }")
            << QStringList{"#0af=FF00AAFF", "teal=FF008080"};
        QTest::newRow("at-rules") << QByteArray("@media (color) { a { color: navy } }") << QStringList{"navy=FF000080"};
        QTest::newRow("a value the text ends in") << QByteArray("a { color: #fff") << QStringList{"#fff=FFFFFFFF"};
        QTest::newRow("offsets count bytes")
            << QByteArray("a { content: 'äö'; color: #c0ffee }") << QStringList{"#c0ffee=FFC0FFEE"};
    }
    void colourValuesInASheet()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, swatches);
        QCOMPARE(described(text, CssColours::find(text, 0, text.size())), swatches);
    }

    // Only values that start in the range count; what follows the range still tells a
    // value from a selector.
    void onlyTheRangeIsReported_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QStringList>("swatches");
        QTest::newRow("from the second rule") << QByteArray("a{color:red}b{color:blue}") << QByteArray("b{")
                                              << QByteArray() << QStringList{"blue=FF0000FF"};
        QTest::newRow("up to the second rule") << QByteArray("a{color:red}b{color:blue}") << QByteArray()
                                               << QByteArray("b{") << QStringList{"red=FFFF0000"};
        QTest::newRow("a value that runs past the end") << QByteArray("a { color: rgb(1 2 3) }") << QByteArray()
                                                        << QByteArray("2 3") << QStringList{"rgb(1 2 3)=FF010203"};
        QTest::newRow("a selector whose brace lies past the end")
            << QByteArray("p { color: red }\n#bad,\n#fed {}") << QByteArray() << QByteArray("#fed")
            << QStringList{"red=FFFF0000"};
        QTest::newRow("a range inside a comment that starts before it")
            << QByteArray("a { color: red } /* b { color: blue } */") << QByteArray("b {") << QByteArray()
            << QStringList{};
    }
    void onlyTheRangeIsReported()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QStringList, swatches);
        const qsizetype start = from.isEmpty() ? 0 : text.indexOf(from);
        const qsizetype end = to.isEmpty() ? text.size() : text.indexOf(to);
        QCOMPARE(described(text, CssColours::find(text, start, end)), swatches);
    }
};

QTEST_APPLESS_MAIN(TestCssColours)
#include "tst_css_colours.moc"
