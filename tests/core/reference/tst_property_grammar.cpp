// The standards' syntax of properties, from the shipped extract.

#include "reference/PropertyGrammar.h"

#include <QTemporaryDir>
#include <QTest>

class TestPropertyGrammar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        grammar = PropertyGrammar::read(QStringLiteral(SHIPPED_DATA_DIR "/standards/css-grammar.json"));
    }

    void syntaxAndInitialValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("syntax"); // empty: not known
        QTest::addColumn<QString>("initial");
        QTest::newRow("grid-template-columns") << "grid-template-columns"
                                               << "none | <track-list> | <auto-track-list> | subgrid <line-name-list>?"
                                               << "none";
        QTest::newRow("letter case ignored") << "COLOR"
                                             << "<color>"
                                             << "CanvasText";
        QTest::newRow("a typo") << "colr"
                                << ""
                                << "";
        QTest::newRow("a custom property") << "--brand"
                                           << ""
                                           << "";
    }
    void syntaxAndInitialValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, syntax);
        QFETCH(QString, initial);
        const PropertyGrammar::Property *p = grammar.find(name);
        QCOMPARE(p != nullptr, !syntax.isEmpty());
        if (p) {
            QCOMPARE(p->syntax, syntax);
            QCOMPARE(p->initial, initial);
        }
    }

    void nearestNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<QStringList>("nearest");
        QTest::newRow("a letter missing") << "colr" << QStringList() << QStringList{"color"};
        QTest::newRow("two letters swapped") << "widht" << QStringList() << QStringList{"width"};
        QTest::newRow("a name of a definition")
            << "scrollbar-base-colr" << QStringList{"scrollbar-base-color"} << QStringList{"scrollbar-base-color"};
        QTest::newRow("nothing near") << "xyzzy-quux" << QStringList() << QStringList();
    }
    void nearestNames()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, more);
        QFETCH(QStringList, nearest);
        const QStringList found = grammar.nearest(name, more);
        // The nearest come first; others may follow.
        QCOMPARE(found.first(qMin(found.size(), qMax<qsizetype>(nearest.size(), 1))), nearest);
    }

    // Real sheets use properties no panel offers: they are known, without a syntax.
    void namesBeyondThePanels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::newRow("a panel's property") << "grid-template-columns" << true;
        QTest::newRow("not in every browser") << "user-select" << true;
        QTest::newRow("a legacy alias") << "word-wrap" << true;
        QTest::newRow("only MDN's") << "box-flex-group" << true;
        QTest::newRow("a typo") << "colr" << false;
    }
    void namesBeyondThePanels()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QCOMPARE(grammar.names().contains(name), known);
    }

    void aMissingFileKnowsNothing()
    {
        QTemporaryDir dir;
        QVERIFY(PropertyGrammar::read(dir.filePath(QStringLiteral("none.json"))).isEmpty());
        QVERIFY(!grammar.isEmpty());
    }

private:
    PropertyGrammar grammar;
};

QTEST_APPLESS_MAIN(TestPropertyGrammar)
#include "tst_property_grammar.moc"
