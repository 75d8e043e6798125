// The reference panels on the real main window: clicks show values, double-clicks insert.

#include "MainWindowFixture.h"
#include "i18n/UiTexts.h"

#include <QComboBox>
#include <QLineEdit>
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
        choose(QStringLiteral("CSS (Baseline 2026)"));
        QVERIFY(topTexts(properties).contains(QStringLiteral("Grid")));
        QVERIFY(item(properties, QStringLiteral("grid-template-columns")));
        typeIntoChooser(QStringLiteral("Nichts"));
        QVERIFY(item(properties, QStringLiteral("grid-template-columns"))); // not looked up while typed
        QVERIFY(f->dialogs.asked.isEmpty());
        QTest::keyClick(chooser(), Qt::Key_Return);
        QCOMPARE(properties->topLevelItemCount(), 0);
        QCOMPARE(
            f->dialogs.askedTexts(),
            QStringList{QStringLiteral("Datei %1Nichts.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir)});
        // Enter on a listed name takes it, with no second lookup from the list's own row.
        typeIntoChooser(QStringLiteral("CSS Level 1"));
        QTest::keyClick(chooser(), Qt::Key_Return);
        QCOMPARE(topTexts(properties).value(1), QStringLiteral("Color and Background"));
        QCOMPARE(f->dialogs.asked.size(), 1);
    }

    // A failing definition is reported once per confirmation, however often the window
    // is activated again or the focus leaves the field; a working one takes over.
    void failingDefinitionIsReportedOncePerChoice()
    {
        QFile::remove(f->paths.styleDefDir + QStringLiteral("CSS Level 1.def"));
        const auto reports = [&] { return f->dialogs.asked.size(); };
        typeIntoChooser(QStringLiteral("Nichts"));
        QTest::keyClick(chooser(), Qt::Key_Return);
        QCOMPARE(reports(), 1);
        f->reactivate();
        f->reactivate();
        QCOMPARE(reports(), 1);
        QTest::keyClick(chooser(), Qt::Key_Return); // confirmed again
        QCOMPARE(reports(), 2);
        leaveChooser();
        QCOMPARE(reports(), 2);
        typeIntoChooser(QStringLiteral("Nix"));
        leaveChooser(); // another failing name
        QCOMPARE(reports(), 3);
        QCOMPARE(f->dialogs.askedTexts().last(),
                 QStringLiteral("Datei %1Nix.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir));
        chooser()->showPopup();
        chooser()->hidePopup();
        QCOMPARE(reports(), 3);
        // Picked from the list: reported, once, and again when picked again.
        choose(QStringLiteral("CSS Level 1"));
        QCOMPARE(reports(), 4);
        QCOMPARE(f->dialogs.askedTexts().last(),
                 QStringLiteral("Datei %1CSS Level 1.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir));
        f->reactivate();
        QCOMPARE(reports(), 4);
        choose(QStringLiteral("CSS Level 1"));
        QCOMPARE(reports(), 5);
        // Enter on a listed name, the list's current one or another.
        QTest::keyClick(chooser(), Qt::Key_Return);
        QCOMPARE(reports(), 6);
        typeIntoChooser(QStringLiteral("CSS (Baseline 2026)"));
        QTest::keyClick(chooser(), Qt::Key_Return);
        typeIntoChooser(QStringLiteral("CSS Level 1"));
        QTest::keyClick(chooser(), Qt::Key_Return);
        QCOMPARE(reports(), 7);
        choose(QStringLiteral("CSS (Baseline 2026)"));
        QVERIFY(item(properties, QStringLiteral("grid-template-columns")));
        f->reactivate();
        QCOMPARE(reports(), 7);
    }

    // Without the start definition its failure is shown once at the start; opening the
    // list and leaving the field do not bring the box back.
    void missingStartDefinitionIsReportedOnce()
    {
        QFile::remove(f->paths.styleDefDir + QStringLiteral("CSS Level 2.def"));
        f->open();
        QCOMPARE(f->dialogs.askedTexts(),
                 QStringList{
                     QStringLiteral("Datei %1CSS Level 2.def kann nicht geöffnet werden.").arg(f->paths.styleDefDir)});
        chooser()->setFocus(Qt::MouseFocusReason);
        chooser()->showPopup();
        chooser()->hidePopup();
        leaveChooser();
        f->reactivate();
        QCOMPARE(f->dialogs.asked.size(), 1);
        QCOMPARE(chooser()->currentText(), QStringLiteral("CSS Level 2"));
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
        choose(QStringLiteral("CSS (Baseline 2026)"));
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
    QComboBox *chooser() const { return f->find<QComboBox>("definitionChooser"); }
    // A name picked from the chooser's list.
    void choose(const QString &name) const
    {
        const int row = chooser()->findText(name);
        QVERIFY2(row >= 0, qPrintable(name));
        chooser()->setCurrentIndex(row);
        emit chooser()->activated(row);
    }
    // Typed over the chooser's text, as after a click into it.
    void typeIntoChooser(const QString &name) const
    {
        chooser()->setFocus(Qt::MouseFocusReason);
        chooser()->lineEdit()->selectAll();
        QTest::keyClicks(chooser(), name);
    }
    void leaveChooser() const { f->editor()->setFocus(Qt::TabFocusReason); }

    std::unique_ptr<MainWindowFixture> f;
    QTreeWidget *elements = nullptr, *properties = nullptr, *values = nullptr;
    QListWidget *colours = nullptr;
};

QTEST_MAIN(TestReferencePanels)
#include "tst_reference_panels.moc"
