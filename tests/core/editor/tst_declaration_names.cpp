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
    QStringList names = PropertyGrammar::read(data + QStringLiteral("standards/css-grammar.json")).names();
    for (const QString &def : QDir(data + QStringLiteral("styledefs")).entryList({QStringLiteral("*.def")}))
        names << CompletionLists::propertyNames(StyleDefinition::read(data + QStringLiteral("styledefs/") + def));
    return DeclarationNames::KnownNames(names);
}

} // namespace

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
        QCOMPARE(texts(text, DeclarationNames::find(text, 0, text.size(), inComment)), names);
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
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), false, known)), unknown);
        // Without any known name nothing can be told apart.
        QVERIFY(DeclarationNames::unknown(text, 0, text.size(), false, {}).isEmpty());
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
        QCOMPARE(texts(text, DeclarationNames::unknown(text, 0, text.size(), false, shippedNames())), QStringList());
    }
};

QTEST_APPLESS_MAIN(TestDeclarationNames)
#include "tst_declaration_names.moc"
