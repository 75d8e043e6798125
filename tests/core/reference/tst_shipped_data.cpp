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
            const QList<TreeNode> tree
                = StyleDefinition::read(kData + QStringLiteral("/styledefs/") + definition + QStringLiteral(".def"));
            QVERIFY(!tree.isEmpty());
            for (const TreeNode &group : tree) {
                QVERIFY2(Catalogue::valueSourceOf(group.text).kind == Catalogue::SourceKind::GroupHeading,
                         qPrintable(definition + QStringLiteral(": group ") + group.text));
                QVERIFY2(!group.children.isEmpty(), qPrintable(definition + QStringLiteral(": empty ") + group.text));
                for (const TreeNode &property : group.children) {
                    const Catalogue::ValueSource source = Catalogue::valueSourceOf(property.text);
                    const bool served = source.kind != Catalogue::SourceKind::OwnFile
                        || kMadeAtStart.contains(property.text)
                        || QFile::exists(kData + QStringLiteral("/inf/") + source.fileName);
                    QVERIFY2(served, qPrintable(definition + QStringLiteral(": ") + property.text));
                }
            }
        }
    }

    void levelTwoHoldsTheBuiltInCatalogue()
    {
        const QList<TreeNode> level2 = StyleDefinition::read(kData + QStringLiteral("/styledefs/CSS Level 2.def"));
        for (const TreeNode &group : Catalogue::builtInProperties()) {
            const auto it
                = std::find_if(level2.begin(), level2.end(), [&](const TreeNode &g) { return g.text == group.text; });
            QVERIFY2(it != level2.end(), qPrintable(group.text));
            for (const TreeNode &property : group.children)
                QVERIFY2(it->children.contains(property), qPrintable(property.text));
        }
    }
};

QTEST_APPLESS_MAIN(TestShippedData)
#include "tst_shipped_data.moc"
