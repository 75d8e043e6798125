// Search and replace on the real main window, with scripted dialogs.

#include "MainWindowFixture.h"
#include "editor/search/FindReplace.h"

using FindReplace::ReplaceAnswer;
using FindReplace::SearchState;

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
        f->editor()->setLines({"p { color: red; }", "h1 { Color: blue; font-size: 2em }", "a { font: bold }"});
    }
    void cleanup() { f.reset(); }

    void searchNextAndNoWrap()
    {
        f->editor()->setCaretPosition(3, 5); // the first search covers the whole text anyway
        f->dialogs.searchAnswers << [](SearchState &s) { s.searchText = QStringLiteral("color"); };
        f->action("actionFind")->trigger();
        QCOMPARE(f->editor()->selectedText(), QStringLiteral("color"));
        QCOMPARE(f->editor()->caretLine(), 1);
        f->action("actionFindNext")->trigger();
        QCOMPARE(f->editor()->selectedText(), QStringLiteral("Color"));
        QCOMPARE(f->editor()->caretLine(), 2);
        const int column = f->editor()->caretColumn();
        f->action("actionFindNext")->trigger(); // no wrap-around
        QVERIFY(!f->editor()->hasSelectedText());
        QCOMPARE(f->editor()->caretLine(), 2);
        QCOMPARE(f->editor()->caretColumn(), column);
        QCOMPARE(f->find<QLabel>("searchNote")->text(), QStringLiteral("Text not found"));
        f->action("actionFindPrevious")->trigger();
        QCOMPARE(f->editor()->selectedText(), QStringLiteral("Color"));
        QVERIFY(f->find<QLabel>("searchNote")->text().isEmpty());
    }

    void wholeWordsAndCase()
    {
        f->dialogs.searchAnswers << [](SearchState &s) {
            s.searchText = QStringLiteral("font");
            s.wholeWords = true;
            s.caseSensitive = true;
        };
        f->action("actionFind")->trigger();
        QCOMPARE(f->editor()->caretLine(), 2); // the font of font-size
        QCOMPARE(f->editor()->selectedText(), QStringLiteral("font"));
    }

    void replaceAllIsOneUndoStep()
    {
        f->editor()->setLines({"aaa"});
        f->dialogs.searchAnswers << [](SearchState &s) {
            s.searchText = QStringLiteral("a");
            s.replaceText = QStringLiteral("aa");
        };
        f->dialogs.replaceAnswers << ReplaceAnswer::ReplaceRest;
        f->action("actionReplace")->trigger();
        QCOMPARE(f->editor()->allLines(), QStringList{"aaaaaa"});
        QCOMPARE(f->dialogs.confirmations, QStringList{"a"});
        f->editor()->undo();
        QCOMPARE(f->editor()->allLines(), QStringList{"aaa"});
    }

    void cancelKeepsWhatWasReplaced()
    {
        f->dialogs.searchAnswers << [](SearchState &s) {
            s.searchText = QStringLiteral("color");
            s.replaceText = QStringLiteral("background");
        };
        f->dialogs.replaceAnswers << ReplaceAnswer::SkipThis << ReplaceAnswer::ReplaceThis
                                  << ReplaceAnswer::StopReplacing;
        f->action("actionReplace")->trigger();
        QCOMPARE(f->editor()->allLines(),
                 (QStringList{"p { color: red; }", "h1 { background: blue; font-size: 2em }", "a { font: bold }"}));
    }

    void equalTextsChangeNothingAndAskNothing()
    {
        f->dialogs.searchAnswers << [](SearchState &s) {
            s.searchText = QStringLiteral("red");
            s.replaceText = QStringLiteral("red");
        };
        f->action("actionReplace")->trigger();
        QVERIFY(f->dialogs.confirmations.isEmpty());
        QVERIFY(!f->editor()->isDocumentModified());
    }

    void selectedOnlyWithoutSelectionSearchesEverything()
    {
        f->dialogs.searchAnswers << [](SearchState &s) {
            s.searchText = QStringLiteral("bold");
            s.selectedOnly = true;
        };
        f->action("actionFind")->trigger();
        QCOMPARE(f->editor()->caretLine(), 3);
    }

    void historyKeepsTenNewestFirst()
    {
        for (const char *text : {"color", "Color"}) {
            f->dialogs.searchAnswers << [text](SearchState &s) { s.searchText = QString::fromLatin1(text); };
            f->action("actionFind")->trigger();
        }
        f->dialogs.searchAnswers << [](SearchState &) {};
        f->action("actionFind")->trigger();
        // Read back through one more (cancelled) opening of the dialog.
        SearchState seen;
        f->dialogs.searchAnswers << [&seen](SearchState &s) { seen = s; };
        f->action("actionFind")->trigger();
        QCOMPARE(seen.searchHistory, QStringList{"Color"});
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
