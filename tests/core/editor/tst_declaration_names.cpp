#include "editor/DeclarationNames.h"

#include <QTest>

class TestDeclarationNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("inComment");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("declarations") << QByteArray("a { colr: red; widht : 1px }") << false
                                      << QStringList{"colr", "widht"};
        QTest::newRow("over lines and minified")
            << QByteArray("a {\n  color: red;\n  margin:0\n}b{x:y}") << false << QStringList{"color", "margin", "x"};
        QTest::newRow("selectors with colons") << QByteArray("a:hover, b::after { c: d }") << false << QStringList{"c"};
        QTest::newRow("a selector over lines")
            << QByteArray("}\na:hover,\nb:focus {\n  c: d;\n}") << false << QStringList{"c"};
        QTest::newRow("custom and vendor names")
            << QByteArray("a { --x: 1; -webkit-y: 2; _zoom: 1 }") << false << QStringList{"_zoom"};
        QTest::newRow("comments and strings")
            << QByteArray("a { /* b: c; */ d: 'e; f: g'; /* x */ h: i }") << false << QStringList{"d", "h"};
        QTest::newRow("values are no names")
            << QByteArray("a { font: bold serif; background: url(a:b) }") << false << QStringList{"font", "background"};
        QTest::newRow("starting in a comment") << QByteArray("b: c; */ d: e;") << true << QStringList{"d"};
        QTest::newRow("nested rules") << QByteArray("a { b: c; &:hover { d: e } f: g }") << false
                                      << QStringList{"b", "d", "f"};
    }
    void names()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, inComment);
        QFETCH(QStringList, names);
        QStringList found;
        for (const DeclarationNames::Name &n : DeclarationNames::find(text, 0, text.size(), inComment))
            found << QString::fromUtf8(text.sliced(n.start, n.length));
        QCOMPARE(found, names);
    }
};

QTEST_APPLESS_MAIN(TestDeclarationNames)
#include "tst_declaration_names.moc"
