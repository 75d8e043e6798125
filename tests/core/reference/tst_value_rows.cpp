// Every value the reference panels offer is valid CSS for the property that offers
// it, by the grammar of today's standards (the extract the data generator writes).

#include "ValueGrammar.h"
#include "app/AppError.h"
#include "reference/Catalogue.h"
#include "reference/DataFile.h"
#include "reference/StyleDefinition.h"

#include <QTest>

namespace {

const QString kData = QStringLiteral(SHIPPED_DATA_DIR);

const ValueGrammar &grammar()
{
    static const ValueGrammar g(kData + QStringLiteral("/standards/css-grammar.json"));
    return g;
}

// Groups of the historical definitions whose properties today's standards no longer
// define (CSS 2's aural properties) or never did (one browser's scrollbar colours),
// and CSS 2's aural property among the tables.
const QStringList kBeyondTodaysGrammar{QStringLiteral("Aural"), QStringLiteral("Internet Explorer Extensions")};
const QStringList kPropertiesBeyondTodaysGrammar{QStringLiteral("speak-header")};

// The text a row writes into the sheet for the grammar to judge; empty for rows that
// write nothing.
QString writtenValue(const QString &row)
{
    if (row == QLatin1String("mixed"))
        return {};
    return row == QLatin1String("url()") ? QStringLiteral("url(bg.png)") : row;
}

void collectLeaves(const QList<TreeNode> &rows, QStringList &out)
{
    for (const TreeNode &row : rows) {
        if (row.children.isEmpty())
            out << row.text;
        else
            collectLeaves(row.children, out); // a heading is never written
    }
}

} // namespace

class TestValueRows : public QObject
{
    Q_OBJECT

private slots:
    void grammarJudgesValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");

        QTest::newRow("padding takes a length") << "padding"
                                                << "10px" << true;
        QTest::newRow("padding takes up to four") << "padding"
                                                  << "0 1em 2px 50%" << true;
        QTest::newRow("padding takes no fifth") << "padding"
                                                << "0 1em 2px 50% 0" << false;
        QTest::newRow("padding takes no auto") << "padding"
                                               << "auto" << false;
        QTest::newRow("margin takes auto") << "margin"
                                           << "auto" << true;
        QTest::newRow("margin takes no thick") << "margin"
                                               << "thick" << false;
        QTest::newRow("border-width takes thick") << "border-width"
                                                  << "thick" << true;
        QTest::newRow("border-width takes no percentage") << "border-width"
                                                          << "50%" << false;
        QTest::newRow("unitless zero is a length") << "width"
                                                   << "0" << true;
        QTest::newRow("unitless one is no length") << "width"
                                                   << "1" << false;
        QTest::newRow("pause takes a time, not 0") << "pause"
                                                   << "0" << false;
        QTest::newRow("cursor url needs its fallback") << "cursor"
                                                       << "url(hand.cur)" << false;
        QTest::newRow("cursor url with its fallback") << "cursor"
                                                      << "url(hand.cur), pointer" << true;
        QTest::newRow("content attr needs a name") << "content"
                                                   << "attr()" << false;
        QTest::newRow("content attr with a name") << "content"
                                                  << "attr(title)" << true;
        QTest::newRow("speak of CSS 2") << "speak"
                                        << "spell-out" << false;
        QTest::newRow("a category label is no value") << "display"
                                                      << "Flexbox und Grid" << false;
        QTest::newRow("display pair") << "display"
                                      << "inline flex" << true;
        QTest::newRow("keywords ignore case") << "display"
                                              << "BLOCK" << true;
        QTest::newRow("every property takes inherit") << "grid-template-columns"
                                                      << "inherit" << true;
        QTest::newRow("optional prefix keyword") << "align-self"
                                                 << "last baseline" << true;
        QTest::newRow("prefix keyword alone") << "align-self"
                                              << "last" << false;
        QTest::newRow("unordered parts") << "border"
                                         << "red 1px solid" << true;
        QTest::newRow("each part once") << "border"
                                        << "solid solid" << false;
        QTest::newRow("function with a comma list") << "grid-template-columns"
                                                    << "repeat(3, minmax(100px, 1fr))" << true;
        QTest::newRow("function with wrong arguments") << "grid-template-columns"
                                                       << "repeat(1fr)" << false;
        QTest::newRow("hex colour") << "color"
                                    << "#FF0000" << true;
        QTest::newRow("hex colour of five digits") << "color"
                                                   << "#FF000" << false;
        QTest::newRow("named colour") << "color"
                                      << "rebeccapurple" << true;
        QTest::newRow("colour function") << "color"
                                         << "rgb(0 128 255 / 50%)" << true;
        QTest::newRow("shadow list") << "box-shadow"
                                     << "0 0 4px black, inset 1px 1px red" << true;
        QTest::newRow("comma list has no trailing comma") << "transition-property"
                                                          << "opacity," << false;
        QTest::newRow("steps easing") << "transition-timing-function"
                                      << "steps(4, end)" << true;
        QTest::newRow("unknown property") << "colr"
                                          << "red" << false;
    }

    void grammarJudgesValues()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(bool, valid);
        QCOMPARE(grammar().accepts(property, value), valid);
    }

    void everyOfferedValueSuitsItsProperty()
    {
        const QString infDir = kData + QStringLiteral("/inf/");
        const QStringList definitions = DataFile::readLines(kData + QStringLiteral("/styledefs/styles.dat"));
        QStringList faults;
        int checked = 0;
        for (const QString &name : definitions) {
            const StyleDefinition::Definition definition = StyleDefinition::readDefinition(
                kData + QStringLiteral("/styledefs/") + name + QStringLiteral(".def"));
            for (const TreeNode &group : definition.tree) {
                for (const TreeNode &node : group.children) {
                    const QString property = Catalogue::urlPropertyName(node.text);
                    if (!grammar().knows(property)) {
                        if (!kBeyondTodaysGrammar.contains(group.text)
                            && !kPropertiesBeyondTodaysGrammar.contains(node.text))
                            faults << name + QStringLiteral(": no grammar for ") + node.text;
                        continue;
                    }
                    const Catalogue::ValueSource source
                        = Catalogue::valueSourceIn(node.text, infDir, definition.colourProperties.contains(node.text));
                    QStringList rows;
                    if (source.kind == Catalogue::SourceKind::Colours) {
                        rows = Catalogue::colourRows().mid(0, 7); // the rows with and without a blank
                    } else if (source.kind != Catalogue::SourceKind::GroupHeading) {
                        QList<TreeNode> tree;
                        try {
                            TreeText::read(infDir + source.fileName, tree);
                        } catch (const AppError &) {
                            if (source.kind == Catalogue::SourceKind::SharedFile
                                || node.text != QLatin1String("font-family"))
                                faults << name + QStringLiteral(": no values for ") + node.text;
                        }
                        collectLeaves(tree, rows);
                    }
                    for (const QString &row : rows) {
                        const QString value = writtenValue(row).trimmed();
                        ++checked;
                        if (!value.isEmpty() && !grammar().accepts(property, value))
                            faults << QStringLiteral("%1: %2: %3 (%4)")
                                          .arg(name, node.text, row,
                                               source.fileName.isEmpty() ? QStringLiteral("colour list")
                                                                         : source.fileName);
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(checked > 0);
    }

    // The shared files serve any property of their class that has no file of its own.
    void sharedFilesSuitEveryPropertyOfTheirClass_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("properties");
        QTest::newRow("measurements") << "massangaben.inf"
                                      << QStringList{"margin",       "padding-top", "border-width",
                                                     "border-left",  "top",         "max-width",
                                                     "line-height",  "text-indent", "border-spacing",
                                                     "outline-width"};
        QTest::newRow("pictures") << "picture.inf" << QStringList{"background-image", "list-style-image"};
        QTest::newRow("border styles") << "border-style.inf"
                                       << QStringList{"border-style", "border-top-style", "border-left-style"};
    }

    void sharedFilesSuitEveryPropertyOfTheirClass()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, properties);
        QList<TreeNode> tree;
        TreeText::read(kData + QStringLiteral("/inf/") + file, tree);
        QStringList rows;
        collectLeaves(tree, rows);
        QVERIFY(!rows.isEmpty());
        for (const QString &property : properties) {
            for (const QString &row : rows)
                QVERIFY2(grammar().accepts(property, writtenValue(row)),
                         qPrintable(property + QStringLiteral(": ") + row));
        }
    }
};

QTEST_APPLESS_MAIN(TestValueRows)
#include "tst_value_rows.moc"
