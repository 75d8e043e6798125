// The reference data we ship reads without error and serves every property.

#include "app/AppError.h"
#include "reference/Catalogue.h"
#include "reference/DataFile.h"
#include "reference/StyleDefinition.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kData = QStringLiteral(SHIPPED_DATA_DIR);

// Properties whose values are made, not shipped: the font list is written at every start.
const QStringList kMadeAtStart{QStringLiteral("font-family")};

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void elementListStartsWithTheBuiltInNames()
    {
        const QStringList names = DataFile::readLines(kData + QStringLiteral("/inf/selektoren.inf"));
        QCOMPARE(names.mid(0, 3), (QStringList{"a", "abbrev", "acronym"}));
        QCOMPARE(names[48], QStringLiteral("var"));
        QVERIFY(names.contains(QStringLiteral("article")));
        QStringList unique = names;
        QCOMPARE(unique.removeDuplicates(), 0);
        for (const QString &name : names)
            QVERIFY2(!name.isEmpty() && !name.front().isSpace(), qPrintable(name));
    }

    void everyValueFileReads()
    {
        const QDir inf(kData + QStringLiteral("/inf"));
        for (const QString &name : inf.entryList({QStringLiteral("*.inf")}, QDir::Files)) {
            QList<TreeNode> rows;
            try {
                TreeText::read(inf.filePath(name), rows);
            } catch (const AppError &e) {
                QFAIL(qPrintable(name + QStringLiteral(": ") + e.text()));
            }
            QVERIFY2(!rows.isEmpty(), qPrintable(name));
        }
    }

    void everyDefinitionServesEveryProperty()
    {
        const QStringList definitions = DataFile::readLines(kData + QStringLiteral("/styledefs/styles.dat"));
        QVERIFY(definitions.contains(QStringLiteral("CSS Level 2")));
        for (const QString &definition : definitions) {
            const StyleDefinition::Definition def = StyleDefinition::readDefinition(
                kData + QStringLiteral("/styledefs/") + definition + QStringLiteral(".def"));
            QVERIFY(!def.tree.isEmpty());
            for (const TreeNode &group : def.tree) {
                QVERIFY2(Catalogue::valueSourceOf(group.text).kind == Catalogue::SourceKind::GroupHeading,
                         qPrintable(definition + QStringLiteral(": group ") + group.text));
                QVERIFY2(!group.children.isEmpty(), qPrintable(definition + QStringLiteral(": empty ") + group.text));
                for (const TreeNode &property : group.children) {
                    const Catalogue::ValueSource source = Catalogue::valueSourceIn(
                        property.text, kData + QStringLiteral("/inf/"), def.colourProperties.contains(property.text));
                    const bool served = source.kind != Catalogue::SourceKind::OwnFile
                        || kMadeAtStart.contains(property.text)
                        || QFile::exists(kData + QStringLiteral("/inf/") + source.fileName);
                    QVERIFY2(served, qPrintable(definition + QStringLiteral(": ") + property.text));
                }
            }
        }
    }

    // CSS Level 2 offers every property of the built-in catalogue (the browser's own
    // scrollbar colours under a group of their own).
    void levelTwoHoldsTheBuiltInCatalogue()
    {
        const QList<TreeNode> level2 = StyleDefinition::read(kData + QStringLiteral("/styledefs/CSS Level 2.def"));
        QStringList offered;
        for (const TreeNode &group : level2) {
            for (const TreeNode &property : group.children)
                offered << property.text;
        }
        for (const TreeNode &group : Catalogue::builtInProperties()) {
            for (const TreeNode &property : group.children)
                QVERIFY2(offered.contains(property.text), qPrintable(property.text));
        }
        QVERIFY(!offered.contains(QStringLiteral("speak-header-cell")));
    }

    // Value files are single-byte text; what we ship is plain ASCII, the same in every code page.
    void dataFilesAreAscii()
    {
        for (const QString &folder : {QStringLiteral("/inf"), QStringLiteral("/styledefs")}) {
            const QDir dir(kData + folder);
            for (const QString &name : dir.entryList(QDir::Files)) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray bytes = file.readAll();
                const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
                QVERIFY2(ascii, qPrintable(name));
            }
        }
    }

    // The element list: the built-in names, then every element of today's HTML.
    void elementListHoldsTodaysHtml_data()
    {
        QTest::addColumn<QString>("element");
        for (const char *name :
             {"article", "dialog", "details", "main", "picture", "search", "slot", "template", "video"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void elementListHoldsTodaysHtml()
    {
        QFETCH(QString, element);
        const QStringList names = DataFile::readLines(kData + QStringLiteral("/inf/selektoren.inf"));
        QVERIFY(names.indexOf(element) >= 49);
    }
};

QTEST_APPLESS_MAIN(TestShippedData)
#include "tst_shipped_data.moc"
