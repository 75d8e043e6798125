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
        QCOMPARE(a->pageControl->count(), 5);
        QCOMPARE(a->List_html3->item(0)->text(), QStringLiteral("a"));
        QCOMPARE(a->lbl_precall->text(), QStringLiteral("."));
        QVERIFY(a->rad_add_as_single->isChecked());
        QVERIFY(a->List_psd_cla->isEnabled());
    }

    void takeOverAppendsOneRulePerSelector()
    {
        f->editor()->setLines({"a {}"});
        choose(a->List_html6, QStringLiteral("div"));
        QCOMPARE(a->ed_context->text(), QString()); // one side only: unchanged
        choose(a->List_html7, QStringLiteral("p"));
        QCOMPARE(a->ed_context->text(), QStringLiteral("div p"));
        a->btn_add_context->click();
        a->btn_add_context->click(); // once only
        choose(a->List_html4, QStringLiteral("ul"));
        choose(a->List_html5, QStringLiteral("li"));
        a->btn_add_child->click();
        QCOMPARE(a->List_Indi->count(), 2);
        a->Btn_Close_Indi->click();
        QCOMPARE(f->editor()->allLines(),
                 (QStringList{"a {}", "div p {", "", " }", "", "ul>li {", "", " }", ""}));
        QVERIFY(!a->isVisible());
        QCOMPARE(f->find<QLabel>("Status_Parser_text")->text(), QStringLiteral("Keine Fehler gefunden!"));
        // The rules are an edit of the document: it asks before they are lost, and
        // one undo takes all of them back.
        QVERIFY(f->editor()->isDocumentModified());
        QCOMPARE(f->field(1), QString::fromUtf8("geändert"));
        QVERIFY(f->enabled("btn_save"));
        QVERIFY(f->enabled("btn_undo"));
        f->action("Rckgngig1")->trigger();
        QCOMPARE(f->editor()->allLines(), QStringList{"a {}"});
        QVERIFY(!f->editor()->isDocumentModified());
    }

    void takeOverAsOneGroupedRule()
    {
        a->rad_add_as_grouped->setChecked(true);
        choose(a->List_html1, QStringLiteral("ul"));
        choose(a->List_html2, QStringLiteral("li"));
        a->btn_add_knotes->click();
        choose(a->List_html6, QStringLiteral("div"));
        choose(a->List_html7, QStringLiteral("p"));
        a->btn_add_context->click();
        a->Btn_Close_Indi->click();
        QCOMPARE(f->editor()->allLines(), (QStringList{"ul*li,div p {", "", " }", ""}));
    }

    void emptyListAppendsNothingButAnalyses()
    {
        for (bool grouped : {false, true}) {
            a->show();
            a->rad_add_as_grouped->setChecked(grouped);
            a->Btn_Close_Indi->click();
            QCOMPARE(f->editor()->lineCount(), 0);
        }
        QCOMPARE(f->find<QLabel>("Status_Parser_text")->text(), QStringLiteral("Keine Fehler gefunden!"));
    }

    void pseudoClassesForAnchorsOnly()
    {
        choose(a->List_html3, QStringLiteral("a"));
        choose(a->List_psd_cla, QStringLiteral(":hover"));
        QCOMPARE(a->ed_prev->text(), QStringLiteral("a:hover"));
        choose(a->List_html3, QStringLiteral("p"));
        QCOMPARE(a->ed_prev->text(), QStringLiteral("p"));
        QVERIFY(a->PseudoSuffix.isEmpty());
        QVERIFY(!a->List_psd_cla->isEnabled());
        choose(a->List_psd_elm, QStringLiteral(":after"));
        choose(a->List_html3, QStringLiteral("div"));
        QCOMPARE(a->ed_prev->text(), QStringLiteral("div:after"));
    }

    void classOrIdName()
    {
        choose(a->List_html3, QStringLiteral("p"));
        a->rad_ids->click();
        QCOMPARE(a->ed_prev->text(), QStringLiteral("p")); // an empty name adds no "#"
        a->ed_indi->setText(QStringLiteral("intro"));
        QCOMPARE(a->ed_prev->text(), QStringLiteral("p#intro"));
        a->rad_classes->click();
        QCOMPARE(a->ed_prev->text(), QStringLiteral("p.intro"));
        a->btn_add_advanced->click();
        QCOMPARE(a->List_Indi->item(0)->text(), QStringLiteral("p.intro"));
    }

    void reopenedAfterCancelKeepsTheChoices()
    {
        choose(a->List_html6, QStringLiteral("div"));
        choose(a->List_html7, QStringLiteral("p"));
        a->btn_add_context->click();
        a->Btn_escape->click();
        QCOMPARE(f->editor()->lineCount(), 0);
        a->show();
        QCOMPARE(a->List_Indi->count(), 0);
        QCOMPARE(a->ed_context->text(), QStringLiteral("div p"));
        QCOMPARE(a->List_html6->currentItem()->text(), QStringLiteral("div"));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
    SelectorAssistant *a = nullptr;
};

QTEST_MAIN(TestAssistant)
#include "tst_assistant.moc"
