// The selector assistant on the real main window.

#include "MainWindowFixture.h"
#include "assistant/SelectorAssistant.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

void choose(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = text.isEmpty() ? list->item(0) : list->findItems(text, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(text));
    list->setCurrentItem(item);
    item->setSelected(true);
    emit list->itemClicked(item);
}

} // namespace

class TestAssistant : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        a = &f->window->assistantDialog();
        a->show();
    }
    void cleanup() { f.reset(); }

    void startState()
    {
        QCOMPARE(a->windowTitle(), QStringLiteral("Individualformate"));
        QCOMPARE(a->findChild<QTabWidget *>(QStringLiteral("assistantPages"))->count(), 5);
        QCOMPARE(a->findChild<QListWidget *>(QStringLiteral("advancedElementList"))->item(0)->text(),
                 QStringLiteral("a"));
        QCOMPARE(a->findChild<QLabel *>(QStringLiteral("namePrefixLabel"))->text(), QStringLiteral("."));
        QVERIFY(a->findChild<QRadioButton *>(QStringLiteral("asSelectorListRadio"))->isChecked());
        QVERIFY(a->findChild<QListWidget *>(QStringLiteral("pseudoClassList"))->isEnabled());
    }

    void takeOverAppendsOneRulePerSelector()
    {
        f->editor()->setLines({"a {}"});
        choose(a->findChild<QListWidget *>(QStringLiteral("contextFirstList")), QStringLiteral("div"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("contextEdit"))->text(),
                 QString()); // one side only: unchanged
        choose(a->findChild<QListWidget *>(QStringLiteral("contextSecondList")), QStringLiteral("p"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("contextEdit"))->text(), QStringLiteral("div p"));
        a->findChild<QPushButton *>(QStringLiteral("useContextButton"))->click();
        a->findChild<QPushButton *>(QStringLiteral("useContextButton"))->click(); // once only
        choose(a->findChild<QListWidget *>(QStringLiteral("childFirstList")), QStringLiteral("ul"));
        choose(a->findChild<QListWidget *>(QStringLiteral("childSecondList")), QStringLiteral("li"));
        a->findChild<QPushButton *>(QStringLiteral("useChildButton"))->click();
        QCOMPARE(a->findChild<QListWidget *>(QStringLiteral("collectedList"))->count(), 2);
        a->findChild<QPushButton *>(QStringLiteral("appendButton"))->click();
        QCOMPARE(f->editor()->allLines(), (QStringList{"a {}", "div p {", "", " }", "", "ul>li {", "", " }", ""}));
        QVERIFY(!a->isVisible());
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
        // The rules are an edit of the document: it asks before they are lost, and
        // one undo takes all of them back.
        QVERIFY(f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), QString::fromUtf8("geändert"));
        QVERIFY(f->enabled("saveButton"));
        QVERIFY(f->enabled("undoButton"));
        f->action("actionUndo")->trigger();
        QCOMPARE(f->editor()->allLines(), QStringList{"a {}"});
        QVERIFY(!f->editor()->isDocumentModified());
    }

    void takeOverAsOneGroupedRule()
    {
        a->findChild<QRadioButton *>(QStringLiteral("asSeparateRulesRadio"))->setChecked(true);
        choose(a->findChild<QListWidget *>(QStringLiteral("descendantFirstList")), QStringLiteral("ul"));
        choose(a->findChild<QListWidget *>(QStringLiteral("descendantSecondList")), QStringLiteral("li"));
        a->findChild<QPushButton *>(QStringLiteral("useDescendantButton"))->click();
        choose(a->findChild<QListWidget *>(QStringLiteral("contextFirstList")), QStringLiteral("div"));
        choose(a->findChild<QListWidget *>(QStringLiteral("contextSecondList")), QStringLiteral("p"));
        a->findChild<QPushButton *>(QStringLiteral("useContextButton"))->click();
        a->findChild<QPushButton *>(QStringLiteral("appendButton"))->click();
        QCOMPARE(f->editor()->allLines(), (QStringList{"ul*li,div p {", "", " }", ""}));
    }

    void emptyListAppendsNothingButAnalyses()
    {
        for (bool grouped : {false, true}) {
            a->show();
            a->findChild<QRadioButton *>(QStringLiteral("asSeparateRulesRadio"))->setChecked(grouped);
            a->findChild<QPushButton *>(QStringLiteral("appendButton"))->click();
            QCOMPARE(f->editor()->lineCount(), 0);
        }
        QCOMPARE(f->find<QLabel>("parserStatusText")->text(), QStringLiteral("Keine Fehler gefunden!"));
    }

    void pseudoClassesForAnchorsOnly()
    {
        choose(a->findChild<QListWidget *>(QStringLiteral("advancedElementList")), QStringLiteral("a"));
        choose(a->findChild<QListWidget *>(QStringLiteral("pseudoClassList")), QStringLiteral(":hover"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(), QStringLiteral("a:hover"));
        choose(a->findChild<QListWidget *>(QStringLiteral("advancedElementList")), QStringLiteral("p"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(), QStringLiteral("p"));
        QVERIFY(a->pseudoSuffix().isEmpty());
        QVERIFY(!a->findChild<QListWidget *>(QStringLiteral("pseudoClassList"))->isEnabled());
        choose(a->findChild<QListWidget *>(QStringLiteral("pseudoElementList")), QStringLiteral(":after"));
        choose(a->findChild<QListWidget *>(QStringLiteral("advancedElementList")), QStringLiteral("div"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(), QStringLiteral("div:after"));
    }

    void classOrIdName()
    {
        choose(a->findChild<QListWidget *>(QStringLiteral("advancedElementList")), QStringLiteral("p"));
        a->findChild<QRadioButton *>(QStringLiteral("idsRadio"))->click();
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(),
                 QStringLiteral("p")); // an empty name adds no "#"
        a->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral("intro"));
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(), QStringLiteral("p#intro"));
        a->findChild<QRadioButton *>(QStringLiteral("classesRadio"))->click();
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("advancedEdit"))->text(), QStringLiteral("p.intro"));
        a->findChild<QPushButton *>(QStringLiteral("useAdvancedButton"))->click();
        QCOMPARE(a->findChild<QListWidget *>(QStringLiteral("collectedList"))->item(0)->text(),
                 QStringLiteral("p.intro"));
    }

    void reopenedAfterCancelKeepsTheChoices()
    {
        choose(a->findChild<QListWidget *>(QStringLiteral("contextFirstList")), QStringLiteral("div"));
        choose(a->findChild<QListWidget *>(QStringLiteral("contextSecondList")), QStringLiteral("p"));
        a->findChild<QPushButton *>(QStringLiteral("useContextButton"))->click();
        a->findChild<QPushButton *>(QStringLiteral("discardButton"))->click();
        QCOMPARE(f->editor()->lineCount(), 0);
        a->show();
        QCOMPARE(a->findChild<QListWidget *>(QStringLiteral("collectedList"))->count(), 0);
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("contextEdit"))->text(), QStringLiteral("div p"));
        QCOMPARE(a->findChild<QListWidget *>(QStringLiteral("contextFirstList"))->currentItem()->text(),
                 QStringLiteral("div"));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    SelectorAssistant *a = nullptr;
};

QTEST_MAIN(TestAssistant)
#include "tst_assistant.moc"
