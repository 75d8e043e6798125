#include "assistant/SelectorComposer.h"

#include <QTest>

using namespace SelectorComposer;

class TestSelectorComposer : public QObject
{
    Q_OBJECT

private slots:
    void advanced_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<bool>("pseudoClasses");
        QTest::newRow("anchor class with pseudo-class") << "a"
                                                        << "."
                                                        << "nav"
                                                        << ":hover"
                                                        << "a.nav:hover" << true;
        QTest::newRow("ID with pseudo-element") << "p"
                                                << "#"
                                                << "intro"
                                                << ":first-line"
                                                << "p#intro:first-line" << false;
        QTest::newRow("pseudo-class dropped off an anchor") << "p"
                                                            << "."
                                                            << ""
                                                            << ":hover"
                                                            << "p" << false;
        QTest::newRow("pseudo-element kept") << "p"
                                             << "."
                                             << ""
                                             << ":after"
                                             << "p:after" << false;
        QTest::newRow("case of the pseudo-class ignored") << "div"
                                                          << "."
                                                          << "x"
                                                          << ":HOVER"
                                                          << "div.x" << false;
        QTest::newRow("empty name adds no prefix") << "a"
                                                   << "#"
                                                   << ""
                                                   << ""
                                                   << "a" << true;
    }
    void advanced()
    {
        QFETCH(QString, element);
        QFETCH(QString, prefix);
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QString, selector);
        QFETCH(bool, pseudoClasses);
        const QStringList classes{"", ":link", ":visited", ":hover", ":active", ":focus"};
        const Advanced a = SelectorComposer::advanced(element, prefix, name, suffix, classes);
        QCOMPARE(a.selector, selector);
        QCOMPARE(a.pseudoClassesEnabled, pseudoClasses);
    }

    void collecting()
    {
        QStringList list;
        QVERIFY(collect(list, QStringLiteral("div p")));
        QVERIFY(!collect(list, QStringLiteral("div p")));
        QVERIFY(!collect(list, QString()));
        QVERIFY(collect(list, QStringLiteral("DIV P"))); // exactly equal only
        QCOMPARE(list.size(), 2);
    }

    void appendedLines()
    {
        const QStringList two{"div p", "ul>li"};
        QCOMPARE(linesToAppend(two, false), (QStringList{"div p {", "", " }", "", "ul>li {", "", " }", ""}));
        QCOMPARE(linesToAppend(two, true), (QStringList{"div p,ul>li {", "", " }", ""}));
        QCOMPARE(linesToAppend({}, true), QStringList());
        QCOMPARE(linesToAppend({}, false), QStringList());
        QCOMPARE(pair(QStringLiteral("ul"), QStringLiteral("li"), QStringLiteral(">")), QStringLiteral("ul>li"));
    }
};

QTEST_APPLESS_MAIN(TestSelectorComposer)
#include "tst_selector_composer.moc"
