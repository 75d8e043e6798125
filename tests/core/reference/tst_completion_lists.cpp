// The words completion offers, read from the shipped reference data.

#include "reference/CompletionLists.h"
#include "reference/StyleDefinition.h"

#include <QTest>

namespace {

const QString kInf = QStringLiteral(SHIPPED_DATA_DIR "/inf/");
const QStringList kKeywords{"inherit", "initial", "unset", "revert"};

} // namespace

class TestCompletionLists : public QObject
{
    Q_OBJECT

private slots:
    void propertiesOfEachDefinition_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("CSS Level 1") << "CSS Level 1" << QStringList{"font-family", "word-spacing", "display"}
                                     << QStringList{"grid-template-columns", "Font-Format", "Background"};
        QTest::newRow("CSS Level 2") << "CSS Level 2" << QStringList{"z-index", "background-image"}
                                     << QStringList{"grid-template-columns", "background-image:url()"};
        QTest::newRow("today's") << "CSS (Baseline 2026)"
                                 << QStringList{"grid-template-columns", "display", "aspect-ratio", "flex"}
                                 << QStringList{"layout-grid"};
    }
    void propertiesOfEachDefinition()
    {
        QFETCH(QString, definition);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QStringList names = CompletionLists::propertyNames(StyleDefinition::read(
            QStringLiteral(SHIPPED_DATA_DIR "/styledefs/") + definition + QStringLiteral(".def")));
        for (const QString &name : present)
            QVERIFY2(names.contains(name), qPrintable(name));
        for (const QString &name : absent)
            QVERIFY2(!names.contains(name), qPrintable(name));
        QCOMPARE(names.size(), QSet<QString>(names.cbegin(), names.cend()).size());
    }

    void valuesOfAProperty_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("definitionColour");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("its own value file") << "display" << false << QStringList{"block", "inline", "run-in"} << -1;
        QTest::newRow("the colour list") << "color" << false << QStringList{"#000000", "#000033"} << 216 + 4;
        QTest::newRow("a colour property of the definition")
            << "accent-color" << true << QStringList{"#000000"} << 216 + 4;
        QTest::newRow("rows under headings, no \"mixed\"") << "font" << false << QStringList{"xx-small serif"} << -1;
        QTest::newRow("no value file") << "no-such-property" << false << kKeywords << 4;
        QTest::newRow("a group heading") << "Background" << false << kKeywords << 4;
    }
    void valuesOfAProperty()
    {
        QFETCH(QString, property);
        QFETCH(bool, definitionColour);
        QFETCH(QStringList, first);
        QFETCH(int, count);
        const QStringList values = CompletionLists::valuesOf(property, kInf, definitionColour);
        QCOMPARE(values.first(first.size()), first);
        QCOMPARE(values.last(4), kKeywords);
        QVERIFY(!values.contains(QStringLiteral("mixed")));
        if (count >= 0)
            QCOMPARE(values.size(), count);
    }

    void matching_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("nothing typed: all, in order")
            << "" << QStringList{"overflow", "float",       "flex-basis",    "flex",
                                 "font",     "flood-color", "border-bottom", "scrollbar-width"};
        QTest::newRow("starts first, then anywhere")
            << "fl" << QStringList{"flex", "flex-basis", "float", "flood-color", "overflow"};
        QTest::newRow("letter case ignored")
            << "FL" << QStringList{"flex", "flex-basis", "float", "flood-color", "overflow"};
        QTest::newRow("a part after a hyphen before the rest")
            << "b" << QStringList{"border-bottom", "flex-basis", "scrollbar-width"};
        QTest::newRow("no match") << "xyz" << QStringList{};
    }
    void matching()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        const QStringList words{"overflow", "float",       "flex-basis",    "flex",
                                "font",     "flood-color", "border-bottom", "scrollbar-width"};
        QCOMPARE(CompletionLists::matching(words, typed), offered);
    }
};

QTEST_APPLESS_MAIN(TestCompletionLists)
#include "tst_completion_lists.moc"
