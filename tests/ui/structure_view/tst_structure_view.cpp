// The analysis views on the real main window, as the user types.

#include "MainWindowFixture.h"
#include "preview/WebEnginePreview.h"
#include "settings/IniFile.h"
#include "structure_view/AnalysisController.h"
#include "structure_view/StructureView.h"

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

QStringList childTexts(const QTreeWidgetItem *node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

// The groups shown.
QStringList topLevel(const QTreeWidget *tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (!tree->topLevelItem(i)->isHidden())
            texts << tree->topLevelItem(i)->text(0);
    }
    return texts;
}

// The font and colours the tree's painting would use for a row.
QStyleOptionViewItem lookOf(QTreeWidget *tree, QTreeWidgetItem *item)
{
    QStyleOptionViewItem option;
    option.initFrom(tree);
    if (item->isSelected())
        option.state |= QStyle::State_Selected;
    const QModelIndex index = tree->indexFromItem(item);
    struct Probe : QStyledItemDelegate
    {
        using QStyledItemDelegate::initStyleOption;
    };
    static_cast<Probe *>(static_cast<QStyledItemDelegate *>(tree->itemDelegate()))->initStyleOption(&option, index);
    return option;
}

} // namespace

class TestStructureView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        view = f->window->findChild<StructureView *>();
    }
    void cleanup() { f.reset(); }

    void startsWithThreeEmptyGroups()
    {
        QCOMPARE(topLevel(view->groupedTree()), (QStringList{"Elemente", QString::fromUtf8("ID´s"), "Klassen"}));
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Parserinformationen"));
        QVERIFY(view->groupedViewButton()->isChecked());
        QVERIFY(!view->declarationsButton()->isChecked());
        QVERIFY(view->autoSortButton()->isChecked());
        auto *info = f->find<QTreeWidget>("parserInfoTree");
        QCOMPARE(topLevel(info), QStringList{"Status"});
        QCOMPARE(info->topLevelItem(0)->childCount(), 0);
    }

    void typingFillsTheGroupsSortedAndTheCounts()
    {
        f->type(QStringLiteral("b{} a{} /* x */ .k{} #i{} .B{}"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), (QStringList{"a", "b"}));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(1)), QStringList{"#i"});
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(2)), (QStringList{".B", ".k"}));
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        QCOMPARE(childTexts(f->find<QTreeWidget>("parserInfoTree")->topLevelItem(0)),
                 (QStringList{"formatierte HTML-Elemente: 2", "erstellte Klassen: 2", "erstellte Individualformate: 1",
                              "gefundene Kommentare: 1"}));
        QVERIFY(view->groupedTree()->topLevelItem(0)->isExpanded());
    }

    void anErrorKeepsTheGroupedTreeAndTheCounts()
    {
        f->type(QStringLiteral(".gone{} p{}"));
        f->editor()->selectAll();
        f->editor()->replaceSelection(QStringLiteral("p{} q")); // one change
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Fehler gefunden!"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(2)), QStringList{".gone"});
        QCOMPARE(f->window->analysis().analysis().status, ParserStatus::Error);
        QTest::keyClick(f->editor(), Qt::Key_Backspace);
        QTest::keyClick(f->editor(), Qt::Key_Backspace);
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(2)), QStringList());
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), QStringList{"p"});
    }

    void caseChangesKeepTheNode()
    {
        f->type(QStringLiteral(".Foo{}"));
        f->editor()->selectAll();
        f->type(QStringLiteral(".foo{}"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(2)), QStringList{".Foo"});
    }

    void aSelectorNamedLikeAGroupLeavesTheGroupAlone()
    {
        f->type(QStringLiteral("elemente{}"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), QStringList{"elemente"});
        f->editor()->selectAll();
        f->type(QStringLiteral("p{}"));
        QCOMPARE(topLevel(view->groupedTree()).size(), 3);
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), QStringList{"p"});
    }

    void withoutSortingNewSelectorsGoToTheEnd()
    {
        view->autoSortButton()->click();
        f->type(QStringLiteral("m{} "));
        f->editor()->replaceSelection(QStringLiteral("b{} a{}")); // both new in one analysis
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), (QStringList{"m", "a", "b"}));
        view->autoSortButton()->click();
        f->type(QStringLiteral(" "));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), (QStringList{"a", "b", "m"}));
    }

    void repeatsAreBoldRedInBothTrees()
    {
        f->type(QStringLiteral("p{a:b} p{c:d} q{}"));
        QTreeWidgetItem *p = view->groupedTree()->topLevelItem(0)->child(0);
        QTreeWidgetItem *q = view->groupedTree()->topLevelItem(0)->child(1);
        QVERIFY(lookOf(view->groupedTree(), p).font.bold());
        QCOMPARE(lookOf(view->groupedTree(), p).palette.color(QPalette::Text), QColor(Qt::red));
        QVERIFY(!lookOf(view->groupedTree(), q).font.bold());
        q->setSelected(true);
        QCOMPARE(lookOf(view->groupedTree(), q).backgroundBrush.color(), QColor(255, 223, 94));
        QVERIFY(lookOf(view->groupedTree(), q).font.bold());

        view->groupedViewButton()->click(); // the flat view
        view->declarationsButton()->click();
        f->type(QStringLiteral(" "));
        QTreeWidget *flat = view->ruleTree();
        QCOMPARE(topLevel(flat), (QStringList{"p", "p", "q"})); // sorted
        // The node of the first rule carries its declaration, the repeat none.
        int withChild = 0;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(lookOf(flat, flat->topLevelItem(i)).font.bold());
            withChild += flat->topLevelItem(i)->childCount();
        }
        QCOMPARE(withChild, 1);
        flat->topLevelItem(2)->setSelected(true);
        QCOMPARE(lookOf(flat, flat->topLevelItem(2)).backgroundBrush.color(), QColor(255, 223, 94));
        QCOMPARE(lookOf(flat, flat->topLevelItem(2)).palette.color(QPalette::Text), QColor(Qt::black));
    }

    // A selected row shows one colour across, branch area included: the yellow, or
    // for a repeat in the flat tree the window's background under its bold red.
    void selectionCoversTheWholeRow_data()
    {
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("yellow");
        QTest::newRow("grouped tree") << true << "q" << true;
        QTest::newRow("grouped tree, a repeat") << true << "p" << true;
        QTest::newRow("flat tree") << false << "q" << true;
        QTest::newRow("flat tree, a repeat") << false << "p" << false;
    }
    void selectionCoversTheWholeRow()
    {
        QFETCH(bool, grouped);
        QFETCH(QString, node);
        QFETCH(bool, yellow);
        f->type(QStringLiteral("p{a:b} p{c:d} q{}"));
        if (!grouped)
            view->groupedViewButton()->click();
        QTreeWidget *tree = grouped ? view->groupedTree() : view->ruleTree();
        tree->expandAll();
        QTreeWidgetItem *item = tree->findItems(node, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(item);
        tree->setCurrentItem(item);
        QTest::qWait(50);
        const QRect row = tree->visualItemRect(item);
        const QImage image = tree->viewport()->grab().toImage();
        const QColor expected = yellow ? QColor(255, 223, 94) : tree->palette().color(QPalette::Base);
        for (const int x : {1, row.left() - 1, row.right() - 2}) {
            if (x < 0)
                continue;
            QCOMPARE(QColor(image.pixel(x, row.center().y())), expected);
        }
        QVERIFY(lookOf(tree, item).font.bold() == (node == QLatin1String("p") || grouped));
    }

    void flatTreeOnlyWithoutGroups()
    {
        f->type(QStringLiteral("b{} a{x:1;y:2}"));
        QCOMPARE(view->ruleTree()->topLevelItemCount(), 0);
        view->groupedViewButton()->click();
        QVERIFY(view->ruleTree()->isVisible());
        QVERIFY(!view->groupedTree()->isVisible());
        // Filled by the walk alone: newest on top, unsorted until the next change.
        QCOMPARE(topLevel(view->ruleTree()), (QStringList{"a", "b"}));
        view->autoSortButton()->click();
        f->type(QStringLiteral(" "));
        QCOMPARE(topLevel(view->ruleTree()), (QStringList{"a", "b"}));
        view->declarationsButton()->click();
        QCOMPARE(childTexts(view->ruleTree()->topLevelItem(0)), (QStringList{"x:1", "y:2"}));
        view->groupedViewButton()->click();
        QCOMPARE(view->ruleTree()->topLevelItemCount(), 0);
    }

    void sortedFlatTreeWithSortedDeclarations()
    {
        view->groupedViewButton()->click();
        view->declarationsButton()->click();
        f->type(QStringLiteral("b{} a{z:1;m:2}"));
        QCOMPARE(topLevel(view->ruleTree()), (QStringList{"a", "b"}));
        QCOMPARE(childTexts(view->ruleTree()->topLevelItem(0)), (QStringList{"m:2", "z:1"}));
        view->declarationsButton()->click(); // the walk alone: reverse document order
        view->declarationsButton()->click();
        QCOMPARE(topLevel(view->ruleTree()), (QStringList{"a", "b"}));
        QCOMPARE(childTexts(view->ruleTree()->topLevelItem(0)), (QStringList{"z:1", "m:2"}));
    }

    // On a large sheet every keystroke inside a declaration must leave the trees'
    // items alone: no row is made, removed or repainted for a selector that stayed.
    void aKeyThatChangesNoSelectorTouchesNoItem_data()
    {
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<bool>("sorted");
        QTest::newRow("grouped, sorted") << true << true;
        QTest::newRow("grouped, unsorted") << true << false;
        QTest::newRow("flat, sorted") << false << true;
        QTest::newRow("flat, unsorted") << false << false;
    }
    void aKeyThatChangesNoSelectorTouchesNoItem()
    {
        QFETCH(bool, grouped);
        QFETCH(bool, sorted);
        if (!grouped)
            view->groupedViewButton()->click();
        if (!sorted)
            view->autoSortButton()->click();
        f->editor()->setText(QStringLiteral("b { color: red }\n.k, a { margin: 0 }\n#i { x: 1 }\nb { y: 2 }\n"));
        QTreeWidget *tree = grouped ? view->groupedTree() : view->ruleTree();
        QVERIFY(tree->topLevelItemCount() > 0);
        QAbstractItemModel *model = tree->model();
        const char *changes[]
            = {SIGNAL(rowsInserted(QModelIndex, int, int)),
               SIGNAL(rowsRemoved(QModelIndex, int, int)),
               SIGNAL(rowsMoved(QModelIndex, int, int, QModelIndex, int)),
               SIGNAL(dataChanged(QModelIndex, QModelIndex, QList<int>)),
               SIGNAL(layoutChanged(QList<QPersistentModelIndex>, QAbstractItemModel::LayoutChangeHint)),
               SIGNAL(modelReset())};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char *change : changes)
            spies.push_back(std::make_unique<QSignalSpy>(model, change));
        f->editor()->setFocus();
        f->editor()->setCursorPosition(1, 17); // in "margin: 0"
        QTest::keyClick(f->editor(), '1');
        QTest::keyClick(f->editor(), Qt::Key_Backspace);
        f->editor()->setCursorPosition(2, 0); // before "#i": a blank keeps the selector
        QTest::keyClick(f->editor(), ' ');
        for (size_t i = 0; i < spies.size(); ++i)
            QVERIFY2(spies[i]->isEmpty(), changes[i]);
        QTest::keyClick(f->editor(), 'x'); // "x#i": now a selector changes
        QVERIFY(std::any_of(spies.begin(), spies.end(), [](const auto &spy) { return !spy->isEmpty(); }));
    }

    // Where the analysis stopped is shown beside the status; a double-click on it, the
    // menu entry or Ctrl+E put the caret there.
    void theErrorsPlaceTakesTheCaretThere()
    {
        auto *place = f->find<QLabel>("parserErrorPlace");
        QAction *goToError = f->action("actionGoToError");
        f->editor()->setText(QStringLiteral("a {}\n/* a comment */\n\t.k { color: red\n"));
        QVERIFY(place->isVisible());
        QCOMPARE(place->text(), QStringLiteral("3:5")); // the opening brace of ".k", after the tab
        QVERIFY(goToError->isEnabled());
        QCOMPARE(goToError->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

        int line = -1, index = -1;
        f->editor()->setCursorPosition(0, 0);
        QTest::mouseDClick(place, Qt::LeftButton);
        f->editor()->getCursorPosition(&line, &index);
        QCOMPARE(std::pair(line, index), std::pair(2, 4));

        f->editor()->setCursorPosition(0, 0);
        goToError->trigger();
        f->editor()->getCursorPosition(&line, &index);
        QCOMPARE(std::pair(line, index), std::pair(2, 4));
        QVERIFY(f->editor()->hasFocus());
        QTRY_COMPARE(f->field(0), place->text()); // the caret field counts characters too

        f->editor()->setCursorPosition(2, 17);
        QTest::keyClick(f->editor(), '}');
        QVERIFY(!place->isVisible());
        QVERIFY(!goToError->isEnabled());
    }

    // "Go to rule" from a node: Enter or the context menu put the caret on the rule's
    // selector; in the grouped tree the selector's first rule, in the flat tree the rule
    // the row stands for. A click only selects.
    void goToRuleFromTheTrees()
    {
        f->editor()->setText(QStringLiteral("a { }\n.k { x: 1 }\n  b { }\n\t.k { y: 2 }\n"));
        auto caret = [this] {
            int line = -1, index = -1;
            f->editor()->getCursorPosition(&line, &index);
            return std::pair(line, index);
        };
        QTreeWidget *grouped = view->groupedTree();
        QTreeWidgetItem *k = grouped->topLevelItem(2)->child(0);
        QCOMPARE(k->text(0), QStringLiteral(".k"));
        f->editor()->setCursorPosition(0, 0);
        QTest::mouseClick(grouped->viewport(), Qt::LeftButton, {}, grouped->visualItemRect(k).center());
        QCOMPARE(grouped->currentItem(), k);
        QCOMPARE(caret(), std::pair(0, 0));
        QTest::keyClick(grouped, Qt::Key_Return);
        QCOMPARE(caret(), std::pair(1, 0));

        // The context menu offers the entry for a selector, not for a group.
        f->editor()->setCursorPosition(0, 0);
        QTreeWidgetItem *b = grouped->topLevelItem(0)->child(1);
        emit grouped->customContextMenuRequested(grouped->visualItemRect(b).center());
        auto *menu = grouped->findChild<QMenu *>();
        QVERIFY(menu && menu->actions().contains(view->goToRuleAction()));
        view->goToRuleAction()->trigger();
        menu->close();
        QCOMPARE(caret(), std::pair(2, 2));
        QTest::qWait(50); // the closed menu goes
        emit grouped->customContextMenuRequested(grouped->visualItemRect(grouped->topLevelItem(1)).center());
        QVERIFY(!grouped->findChild<QMenu *>());

        // The flat tree: each ".k" row goes to its own rule, a declaration to its rule.
        view->declarationsButton()->click();
        view->groupedViewButton()->click();
        QTreeWidget *flat = view->ruleTree();
        QList<std::pair<int, int>> places;
        for (int row = 0; row < flat->topLevelItemCount(); ++row) {
            if (flat->topLevelItem(row)->text(0) != QLatin1String(".k"))
                continue;
            QTreeWidgetItem *rule = flat->topLevelItem(row);
            flat->setCurrentItem(rule->childCount() > 0 ? rule->child(0) : rule); // a repeat has no declarations
            QTest::keyClick(flat, Qt::Key_Enter);
            places << caret();
        }
        QCOMPARE(places, (QList<std::pair<int, int>>{{3, 1}, {1, 0}})); // the newest on top
    }

    // Read by CSS syntax (Ansicht > "Analyse nach CSS-Syntax"): rules in @media count,
    // nested rules resolve, keyframes and @font-face hold no selectors, a brace in a
    // string is text, and the at-rules have a group of their own; the choice is kept.
    void readingByCssSyntax()
    {
        const QString sheet = QStringLiteral("@charset \"UTF-8\";\n@media (min-width: 600px) {\n  .col { a: b }\n}\n"
                                             "@keyframes spin { from { x: y } to { x: z } }\n"
                                             "@font-face { font-family: \"X\"; src: url(x.woff2) }\n"
                                             ".card { color: red; &:hover { c: d } .title { e: f } }\n"
                                             "a::after { content: \"}\" }\n");
        f->editor()->setText(sheet);
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Fehler gefunden!"));
        QAction *css = f->action("actionAnalyseByCssSyntax");
        QVERIFY(css && !css->isChecked());
        css->trigger();
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        QTreeWidget *grouped = view->groupedTree();
        QCOMPARE(topLevel(grouped), (QStringList{"Elemente", QString::fromUtf8("ID´s"), "Klassen", "@-Regeln"}));
        QCOMPARE(childTexts(grouped->topLevelItem(0)), QStringList{"a::after"});
        QCOMPARE(childTexts(grouped->topLevelItem(2)), (QStringList{".card", ".card .title", ".card:hover", ".col"}));
        QCOMPARE(childTexts(grouped->topLevelItem(3)),
                 (QStringList{"@charset \"UTF-8\"", "@font-face", "@keyframes spin", "@media (min-width: 600px)"}));
        QVERIFY(
            IniFile(f->paths.settingsFile()).readSwitch(QStringLiteral("CSS-Syntax"), QStringLiteral("Status"), false));

        // Go to rule on an at-rule and on a nested rule.
        auto caret = [this] {
            int line = -1, index = -1;
            f->editor()->getCursorPosition(&line, &index);
            return std::pair(line, index);
        };
        grouped->setCurrentItem(grouped->topLevelItem(3)->child(3));
        QTest::keyClick(grouped, Qt::Key_Return);
        QCOMPARE(caret(), std::pair(1, 0));
        grouped->setCurrentItem(grouped->topLevelItem(2)->child(2));
        QTest::keyClick(grouped, Qt::Key_Return);
        QCOMPARE(caret(), std::pair(6, 20));

        // The flat tree lists each rule with its own declarations.
        view->declarationsButton()->click();
        view->groupedViewButton()->click();
        QTreeWidget *flat = view->ruleTree();
        QStringList rules;
        for (int row = 0; row < flat->topLevelItemCount(); ++row)
            rules << flat->topLevelItem(row)->text(0) + u' ' + childTexts(flat->topLevelItem(row)).join(u',');
        QCOMPARE(rules,
                 (QStringList{"a::after content:\"}\"", ".card .title e:f", ".card:hover c:d", ".card color:red",
                              ".col a:b"})); // newest on top until the next key
        view->groupedViewButton()->click();

        // Back to the classic walk: the at-rules' group goes, the choice is kept.
        css->trigger();
        QCOMPARE(topLevel(grouped), (QStringList{"Elemente", QString::fromUtf8("ID´s"), "Klassen"}));
        QVERIFY(
            !IniFile(f->paths.settingsFile()).readSwitch(QStringLiteral("CSS-Syntax"), QStringLiteral("Status"), true));
        // A new window reads the sheet as last chosen.
        css->trigger();
        f->open();
        QVERIFY(f->action("actionAnalyseByCssSyntax")->isChecked());
        QCOMPARE(f->window->analysis().syntax(), AnalysisSyntax::Css);
    }

    // The classic walk meets an at-rule block: a hint offers the reading by CSS syntax,
    // once per sheet; its link switches, its other link puts it aside.
    void aHintOffersTheCssReading()
    {
        auto *hint = f->find<QLabel>("cssSyntaxHint");
        QVERIFY(!hint->isVisible());
        f->type(QStringLiteral("a {}"));
        QVERIFY(!hint->isVisible());
        f->type(QStringLiteral(" @media print { b {} }"));
        QVERIFY(hint->isVisible());
        QVERIFY(hint->text().contains(QLatin1String("href=\"css\"")));
        emit hint->linkActivated(QStringLiteral("hide"));
        QVERIFY(!hint->isVisible());
        f->type(QStringLiteral(" @media x { c {} }"));
        QVERIFY(!hint->isVisible()); // once per sheet

        f->openFile(QStringLiteral("other.css"), "} p {}\n");
        QVERIFY(hint->isVisible()); // another sheet
        emit hint->linkActivated(QStringLiteral("css"));
        QVERIFY(!hint->isVisible());
        QCOMPARE(f->window->analysis().syntax(), AnalysisSyntax::Css);
        QVERIFY(f->action("actionAnalyseByCssSyntax")->isChecked());
        QCOMPARE(f->find<QLabel>("parserErrorPlace")->text(), QStringLiteral("1:1")); // the stray brace
    }

    // Another sheet never shows the last one's analysis: opened with an error, its trees,
    // counts and preview are empty until its first analysis without error.
    void anotherSheetStartsEmpty()
    {
        f->openFile(QStringLiteral("small.css"), "a {} .k {}\n");
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(2)), QStringList{".k"});
        f->openFile(QStringLiteral("broken.css"), "b { c: d\n");
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Fehler gefunden!"));
        for (int group = 0; group < 3; ++group)
            QCOMPARE(childTexts(view->groupedTree()->topLevelItem(group)), QStringList());
        QCOMPARE(childTexts(f->find<QTreeWidget>("parserInfoTree")->topLevelItem(0)).first(),
                 QStringLiteral("formatierte HTML-Elemente: 0"));
        auto *preview = f->window->findChild<WebEnginePreview *>();
        QVERIFY(!preview->latestPage().contains(QLatin1String("Klasse: .k")));
        QVERIFY(!preview->latestPage().contains(QLatin1String("a {}")));
        // Mended, it shows its own.
        f->editor()->setCursorPosition(0, 8);
        f->type(QStringLiteral("}"));
        QCOMPARE(childTexts(view->groupedTree()->topLevelItem(0)), QStringList{"b"});
        QVERIFY(preview->latestPage().contains(QLatin1String(">Element: b<")));
    }

    void emptySheetCountsZero()
    {
        f->action("actionNew")->trigger();
        QCOMPARE(childTexts(f->find<QTreeWidget>("parserInfoTree")->topLevelItem(0)),
                 (QStringList{"formatierte HTML-Elemente: 0", "erstellte Klassen: 0", "erstellte Individualformate: 0",
                              "gefundene Kommentare: 0"}));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    StructureView *view = nullptr;
};

QTEST_MAIN(TestStructureView)
#include "tst_structure_view.moc"
