// The reference panels on the real main window: clicks show values, double-clicks insert.

#include "MainWindowFixture.h"
#include "i18n/UiTexts.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

namespace {

QStringList topTexts(const QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(0);
    return texts;
}

QTreeWidgetItem *item(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return nullptr;
    for (QTreeWidgetItem *p = found.first()->parent(); p; p = p->parent())
        p->setExpanded(true);
    tree->scrollToItem(found.first());
    return found.first();
}

void click(QTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *it = item(tree, text);
    QVERIFY2(it, qPrintable(text));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(it).center());
}

void doubleClick(QTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *it = item(tree, text);
    QVERIFY2(it, qPrintable(text));
    const QPoint at = tree->visualItemRect(it).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestReferencePanels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        elements = f->find<QTreeWidget>("elementTree");
        properties = f->find<QTreeWidget>("propertyTree");
        values = f->find<QTreeWidget>("valueTree");
        colours = f->find<QListWidget>("colourList");
    }
    void cleanup() { f.reset(); }

    void startState()
    {
        QCOMPARE(f->find<QComboBox>("definitionChooser")->currentText(), QStringLiteral("CSS Level 2"));
        QVERIFY(topTexts(properties).contains(QStringLiteral("Font-Format")));
        QVERIFY(topTexts(properties).contains(QStringLiteral("Aural"))); // from the file, not the built-in list
        QCOMPARE(topTexts(values).size(), 11);
        QCOMPARE(topTexts(elements).value(0), QStringLiteral("a"));
        QVERIFY(topTexts(elements).contains(QStringLiteral("article")));
        QVERIFY(values->isVisible());
        QVERIFY(!colours->isVisible());
        QVERIFY(f->dialogs.asked.isEmpty());
    }

    void clicksShowTheValues()
    {
        click(properties, QStringLiteral("color"));
        QVERIFY(colours->isVisible());
        QVERIFY(!values->isVisible());
        QCOMPARE(colours->count(), 216);

        click(properties, QStringLiteral("text-align"));
        QVERIFY(values->isVisible());
        QVERIFY(topTexts(values).contains(QStringLiteral("center")));

        click(properties, QStringLiteral("border"));
        QVERIFY(topTexts(values).contains(QStringLiteral("solid"))); // its own border.inf, before massangaben.inf
        QVERIFY(!topTexts(values).contains(QStringLiteral("mixed")));

        click(properties, QStringLiteral("font-family"));
        QVERIFY(topTexts(values).contains(QStringLiteral("Default"))); // the font list written at start

        const QStringList before = topTexts(values);
        click(properties, QStringLiteral("color"));
        click(properties, QStringLiteral("Border")); // a heading: the values stay, shown again
        QVERIFY(values->isVisible());
        QCOMPARE(topTexts(values), before);
    }

    void definitionsFollowTheChooser()
    {
        auto *chooser = f->find<QComboBox>("definitionChooser");
        chooser->setCurrentText(QStringLiteral("CSS (Baseline 2026)"));
        QVERIFY(topTexts(properties).contains(QStringLiteral("Grid")));
        QVERIFY(item(properties, QStringLiteral("grid-template-columns")));
        chooser->setEditText(QStringLiteral("CSS Lev"));
        QCOMPARE(properties->topLevelItemCount(), 0);
        QCOMPARE(f->dialogs.askedTexts().value(0),
                 QStringLiteral("Datei %1CSS Lev.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir));
    }

    // A failing definition is reported once per choice, however often the window is
    // activated again; a working one takes over.
    void failingDefinitionIsReportedOncePerChoice()
    {
        QFile::remove(f->paths.styleDefDir + QStringLiteral("CSS Level 1.def"));
        auto *chooser = f->find<QComboBox>("definitionChooser");
        const auto reports = [&] { return f->dialogs.asked.size(); };
        chooser->setEditText(QStringLiteral("CSS Level "));
        QCOMPARE(reports(), 1);
        f->reactivate();
        f->reactivate();
        QCOMPARE(reports(), 1);
        chooser->setEditText(QStringLiteral("CSS Level"));
        QCOMPARE(reports(), 2); // another failing name
        // Picked from the list: changing the name reports it, once.
        chooser->setCurrentIndex(0);
        emit chooser->activated(0);
        QCOMPARE(reports(), 3);
        QCOMPARE(f->dialogs.askedTexts().last(),
                 QStringLiteral("Datei %1CSS Level 1.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir));
        f->reactivate();
        QCOMPARE(reports(), 3);
        emit chooser->activated(0); // chosen again
        QCOMPARE(reports(), 4);
        chooser->setCurrentIndex(2);
        QVERIFY(item(properties, QStringLiteral("grid-template-columns")));
        f->reactivate();
        QCOMPARE(reports(), 4);
    }

    void selectorBlockAtTheCaret()
    {
        f->editor()->setLines({"a {}", "b {}", ""});
        f->editor()->setCaretPosition(3, 1);
        doubleClick(elements, QStringLiteral("p"));
        QCOMPARE(f->editor()->allLines(), (QStringList{"a {}", "b {}", "p {", "", "}"}));
        QCOMPARE(QPoint(f->editor()->caretColumn(), f->editor()->caretLine()), QPoint(4, 4));
        QVERIFY(f->editor()->hasFocus());
        // The analysis ran once the closing brace was in, and saw the new rule.
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        // One undo step takes the whole block back.
        f->action("actionUndo")->trigger();
        QCOMPARE(f->editor()->allLines(), (QStringList{"a {}", "b {}", ""}));
    }

    void enterInTheElementListInsertsToo()
    {
        click(elements, QStringLiteral("div"));
        QTest::keyClick(elements, Qt::Key_Return);
        QCOMPARE(f->editor()->allLines(), (QStringList{"div {", "", "}"}));
    }

    void declarations_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("value") << "text-align"
                               << "center"
                               << "text-align: center;";
        QTest::newRow("colour with a blank") << "color"
                                             << "#000000 "
                                             << "color: #000000 ;";
        QTest::newRow("colour") << "background-color"
                                << "#FF0000"
                                << "background-color: #FF0000;";
    }
    void declarations()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(QString, inserted);
        f->editor()->setLines(QStringList(9, QStringLiteral("x")) << QStringLiteral("abcdefgh"));
        f->editor()->setCaretPosition(10, 5);
        click(properties, property);
        if (colours->isVisible()) {
            QListWidgetItem *row = colours->findItems(value, Qt::MatchExactly).value(0);
            QVERIFY(row);
            colours->scrollToItem(row);
            const QPoint at = colours->visualItemRect(row).center();
            QTest::mouseClick(colours->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(colours->viewport(), Qt::LeftButton, {}, at);
        } else {
            doubleClick(values, value);
        }
        QCOMPARE(f->editor()->line(9), QStringLiteral("abcd") + inserted + QStringLiteral("efgh"));
        QCOMPARE(f->editor()->line(10), QString());
        QCOMPARE(QPoint(f->editor()->caretColumn(), f->editor()->caretLine()), QPoint(5, 11));
        QCOMPARE(f->field(1), QString::fromUtf8("geändert"));
    }

    void pictureValue_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("own value file with url()") << "content"
                                                   << "/elsewhere/bg.gif"
                                                   << "content:url(bg.gif);";
        QTest::newRow("picture property") << "background-image:url()"
                                          << "/x/y/bg.png"
                                          << "background-image:url(bg.png);";
        QTest::newRow("cancelled") << "content"
                                   << ""
                                   << "";
    }
    void pictureValue()
    {
        QFETCH(QString, property);
        QFETCH(QString, picture);
        QFETCH(QString, inserted);
        click(properties, property);
        f->dialogs.pictureAnswers << picture;
        doubleClick(values, QStringLiteral("url()"));
        QCOMPARE(f->dialogs.pictureDialogs, 1);
        QCOMPARE(f->editor()->allLines(), inserted.isEmpty() ? QStringList() : (QStringList{inserted, ""}));
    }

    // The modern definition: its colour properties show the colour list, and a row with
    // rows under it is a heading that a double-click never writes.
    void modernDefinitionValues()
    {
        f->find<QComboBox>("definitionChooser")->setCurrentText(QStringLiteral("CSS (Baseline 2026)"));
        click(properties, QStringLiteral("caret-color"));
        QVERIFY(colours->isVisible());

        click(properties, QStringLiteral("grid-template-columns"));
        QVERIFY(values->isVisible());
        QVERIFY(topTexts(values).contains(QStringLiteral("repeat(3, 1fr)")));

        click(properties, QStringLiteral("outline"));
        doubleClick(values, QStringLiteral("<named-color>"));
        QCOMPARE(f->editor()->lineCount(), 0);
        doubleClick(values, QStringLiteral("rebeccapurple"));
        QCOMPARE(f->editor()->allLines(), (QStringList{"outline: rebeccapurple;", ""}));
    }

    void mixedShowsTheNote()
    {
        click(properties, QStringLiteral("font"));
        doubleClick(values, QStringLiteral("mixed"));
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(UiText::MixOfValues)});
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Information);
        QCOMPARE(f->editor()->lineCount(), 0);
    }

    void nothingChosenInsertsNothing()
    {
        doubleClick(values, QStringLiteral("underline")); // no property chosen yet
        QCOMPARE(f->editor()->lineCount(), 0);
        click(properties, QStringLiteral("Lists"));
        doubleClick(values, QStringLiteral("underline")); // a heading is no property
        QCOMPARE(f->editor()->lineCount(), 0);
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    QTreeWidget *elements = nullptr, *properties = nullptr, *values = nullptr;
    QListWidget *colours = nullptr;
};

QTEST_MAIN(TestReferencePanels)
#include "tst_reference_panels.moc"
