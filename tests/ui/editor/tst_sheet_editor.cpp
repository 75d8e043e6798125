#include "editor/EditorPane.h"
#include "editor/SheetEditor.h"
#include "editor/UndoGroup.h"

#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

// A key and its modifiers, or text to type.
struct Stroke
{
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};
using Strokes = QList<Stroke>;

Stroke key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    return {k, m, {}};
}
Stroke typed(const QString &t)
{
    return {Qt::Key_unknown, Qt::NoModifier, t};
}

constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Alt = Qt::AltModifier;

void press(QWidget *w, const Stroke &s)
{
    if (!s.text.isEmpty()) {
        QTest::keyClicks(w, s.text);
        return;
    }
    // Built by hand: QTest would attach a letter's text to Ctrl and Alt combinations.
    QKeyEvent down(QEvent::KeyPress, s.key, s.modifiers, QString());
    QCoreApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, s.key, s.modifiers, QString());
    QCoreApplication::sendEvent(w, &up);
}

} // namespace

Q_DECLARE_METATYPE(Stroke)
Q_DECLARE_METATYPE(Strokes)

class TestSheetEditor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        pane = std::make_unique<EditorPane>();
        pane->resize(600, 400);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane.get()));
        editor = pane->editor();
        editor->setFocus();
    }
    void cleanup() { pane.reset(); }

    void keys_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QPoint>("caret"); // column, line (1-based)
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QPoint>("caretAfter");

        const QStringList two{"abcdef", "ab"};
        QTest::newRow("Down on the last line stays")
            << two << QPoint(2, 2) << Strokes{key(Qt::Key_Down)} << two << QPoint(2, 2);
        QTest::newRow("Ctrl+Down scrolls, the caret stays")
            << two << QPoint(2, 1) << Strokes{key(Qt::Key_Down, Ctrl)} << two << QPoint(2, 1);
        QTest::newRow("Up on line 1 stays") << two << QPoint(3, 1) << Strokes{key(Qt::Key_Up)} << two << QPoint(3, 1);
        QTest::newRow("three letters on an empty line")
            << QStringList{"", ""} << QPoint(1, 2) << Strokes{typed("abc")} << QStringList{"", "abc"} << QPoint(4, 2);
        QTest::newRow("caret goes beyond the line end")
            << two << QPoint(1, 2) << Strokes{key(Qt::Key_End), key(Qt::Key_Right), key(Qt::Key_Right)} << two
            << QPoint(5, 2);
        QTest::newRow("typing beyond the end pads with blanks")
            << two << QPoint(3, 2) << Strokes{key(Qt::Key_Right), key(Qt::Key_Right), typed("x")}
            << QStringList{"abcdef", "ab  x"} << QPoint(6, 2);
        QTest::newRow("column kept across a shorter line")
            << QStringList{"abcdef", "a", "abcdef"} << QPoint(5, 1) << Strokes{key(Qt::Key_Down), key(Qt::Key_Down)}
            << QStringList{"abcdef", "a", "abcdef"} << QPoint(5, 3);
        QTest::newRow("Home and End") << two << QPoint(3, 1) << Strokes{key(Qt::Key_End)} << two << QPoint(7, 1);
        QTest::newRow("Ctrl+End, Ctrl+Home")
            << two << QPoint(3, 1) << Strokes{key(Qt::Key_End, Ctrl), key(Qt::Key_Home, Ctrl)} << two << QPoint(1, 1);
        QTest::newRow("Ctrl+Right goes word-wise")
            << QStringList{"color: red"} << QPoint(1, 1) << Strokes{key(Qt::Key_Right, Ctrl), key(Qt::Key_Right, Ctrl)}
            << QStringList{"color: red"} << QPoint(8, 1);
        QTest::newRow("Shift+Right selects")
            << QStringList{"abc"} << QPoint(1, 1)
            << Strokes{key(Qt::Key_Right, Shift), key(Qt::Key_Right, Shift), typed("X")} << QStringList{"Xc"}
            << QPoint(2, 1);
        QTest::newRow("Shift+Ctrl+Right selects a word")
            << QStringList{"abc def"} << QPoint(1, 1) << Strokes{key(Qt::Key_Right, Ctrl | Shift), typed("X")}
            << QStringList{"Xdef"} << QPoint(2, 1);
        QTest::newRow("Delete") << QStringList{"abc"} << QPoint(2, 1) << Strokes{key(Qt::Key_Delete)}
                                << QStringList{"ac"} << QPoint(2, 1);
        QTest::newRow("Backspace") << QStringList{"abc"} << QPoint(3, 1) << Strokes{key(Qt::Key_Backspace)}
                                   << QStringList{"ac"} << QPoint(2, 1);
        QTest::newRow("Ctrl+Backspace deletes the word before")
            << QStringList{"margin auto"} << QPoint(12, 1) << Strokes{key(Qt::Key_Backspace, Ctrl)}
            << QStringList{"margin "} << QPoint(8, 1);
        QTest::newRow("Ctrl+T deletes to the end of the word")
            << QStringList{"margin auto"} << QPoint(3, 1) << Strokes{key(Qt::Key_T, Ctrl)} << QStringList{"ma auto"}
            << QPoint(3, 1);
        QTest::newRow("Ctrl+Y deletes the line")
            << QStringList{"a", "b", "c"} << QPoint(1, 2) << Strokes{key(Qt::Key_Y, Ctrl)} << QStringList{"a", "c"}
            << QPoint(1, 2);
        QTest::newRow("Shift+Ctrl+Y deletes to the line end")
            << QStringList{"abcdef"} << QPoint(3, 1) << Strokes{key(Qt::Key_Y, Ctrl | Shift)} << QStringList{"ab"}
            << QPoint(3, 1);
        QTest::newRow("Enter keeps the indent")
            << QStringList{"    color: red;"} << QPoint(16, 1) << Strokes{key(Qt::Key_Return)}
            << QStringList{"    color: red;", "    "} << QPoint(5, 2);
        QTest::newRow("Enter drops trailing blanks")
            << QStringList{"a {   "} << QPoint(7, 1) << Strokes{key(Qt::Key_Return)} << QStringList{"a {", ""}
            << QPoint(1, 2);
        QTest::newRow("Enter splits, Ctrl+M too") << QStringList{"ab"} << QPoint(2, 1) << Strokes{key(Qt::Key_M, Ctrl)}
                                                  << QStringList{"a", "b"} << QPoint(1, 2);
        QTest::newRow("Tab goes below the next word above")
            << QStringList{"h1 {  color: red;", ""} << QPoint(1, 2) << Strokes{key(Qt::Key_Tab), key(Qt::Key_Tab)}
            << QStringList{"h1 {  color: red;", "      "} << QPoint(7, 2);
        QTest::newRow("Tab without a word above inserts blanks to the tab stop")
            << QStringList{"ab"} << QPoint(3, 1) << Strokes{key(Qt::Key_Tab)} << QStringList{"ab      "}
            << QPoint(9, 1);
        QTest::newRow("Backspace in the indent steps back to the indent above")
            << QStringList{"    color: red;", "          "} << QPoint(11, 2) << Strokes{key(Qt::Key_Backspace)}
            << QStringList{"    color: red;", "    "} << QPoint(5, 2);
        QTest::newRow("Insert switches to overwriting")
            << QStringList{"abc"} << QPoint(1, 1) << Strokes{key(Qt::Key_Insert), typed("xy")} << QStringList{"xyc"}
            << QPoint(3, 1);
        QTest::newRow("Alt+Backspace undoes, Shift+Alt+Backspace redoes")
            << QStringList{"a"} << QPoint(2, 1)
            << Strokes{typed("bc"), key(Qt::Key_Backspace, Alt), key(Qt::Key_Backspace, Alt | Shift),
                       key(Qt::Key_Backspace, Alt)}
            << QStringList{"a"} << QPoint(2, 1);
        QTest::newRow("bookmarks: set with Shift+Ctrl+digit, go with Ctrl+digit")
            << QStringList{"a", "bb", "c"} << QPoint(2, 2)
            << Strokes{key(Qt::Key_3, Ctrl | Shift), key(Qt::Key_Home, Ctrl), key(Qt::Key_3, Ctrl)}
            << QStringList{"a", "bb", "c"} << QPoint(1, 2);
        QTest::newRow("Shift+Ctrl+I and U indent and unindent the lines")
            << QStringList{"a", "b"} << QPoint(1, 1)
            << Strokes{key(Qt::Key_Down, Shift), key(Qt::Key_End, Shift), key(Qt::Key_I, Ctrl | Shift),
                       key(Qt::Key_I, Ctrl | Shift), key(Qt::Key_U, Ctrl | Shift)}
            << QStringList{"        a", "        b"} << QPoint(10, 2);
        QTest::newRow("Shift+Ctrl+B goes to the matching bracket")
            << QStringList{"a { b }"} << QPoint(3, 1) << Strokes{key(Qt::Key_B, Ctrl | Shift)} << QStringList{"a { b }"}
            << QPoint(8, 1);
        QTest::newRow("unbound Ctrl key types nothing")
            << QStringList{"a"} << QPoint(1, 1) << Strokes{key(Qt::Key_Q, Ctrl | Shift), key(Qt::Key_E, Ctrl)}
            << QStringList{"a"} << QPoint(1, 1);
    }
    void keys()
    {
        QFETCH(QStringList, lines);
        QFETCH(QPoint, caret);
        QFETCH(Strokes, strokes);
        QFETCH(QStringList, expected);
        QFETCH(QPoint, caretAfter);
        editor->setLines(lines);
        editor->setCaretPosition(caret.y(), caret.x());
        for (const Stroke &s : strokes)
            press(editor, s);
        QCOMPARE(editor->allLines(), expected);
        QCOMPARE(QPoint(editor->caretColumn(), editor->caretLine()), caretAfter);
    }

    void selectionModes_data()
    {
        QTest::addColumn<Qt::Key>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("normal") << Qt::Key_N << QStringList{"agh", "ijkl"};
        QTest::newRow("column") << Qt::Key_C << QStringList{"acd", "egh", "ijkl"};
        QTest::newRow("whole lines") << Qt::Key_L << QStringList{"ijkl"};
    }
    void selectionModes()
    {
        QFETCH(Qt::Key, mode);
        QFETCH(QStringList, expected);
        editor->setLines({"abcd", "efgh", "ijkl"});
        editor->setCaretPosition(1, 2);
        press(editor, key(mode, Ctrl | Shift));
        press(editor, key(Qt::Key_Down, Shift));
        press(editor, key(Qt::Key_Right, Shift));
        press(editor, key(Qt::Key_Delete));
        QCOMPARE(editor->allLines(), expected);
    }

    // Whole lines selected are deleted as lines: no empty line stays in their place.
    void deletingWholeLines_data()
    {
        QTest::addColumn<int>("caretLine");
        QTest::addColumn<int>("linesDown");
        QTest::addColumn<Stroke>("deletion");
        QTest::addColumn<QStringList>("expected");
        const Stroke del = key(Qt::Key_Delete), back = key(Qt::Key_Backspace), cut = key(Qt::Key_Delete, Shift);
        QTest::newRow("one line, Delete") << 2 << 0 << del << QStringList{"abcd", "ijkl"};
        QTest::newRow("the first line") << 1 << 0 << del << QStringList{"efgh", "ijkl"};
        QTest::newRow("the last two lines") << 2 << 1 << del << QStringList{"abcd"};
        QTest::newRow("every line") << 1 << 2 << del << QStringList{QString()};
        QTest::newRow("Backspace") << 1 << 1 << back << QStringList{"ijkl"};
        QTest::newRow("cut") << 2 << 0 << cut << QStringList{"abcd", "ijkl"};
    }
    void deletingWholeLines()
    {
        QFETCH(int, caretLine);
        QFETCH(int, linesDown);
        QFETCH(Stroke, deletion);
        QFETCH(QStringList, expected);
        editor->setLines({"abcd", "efgh", "ijkl"});
        editor->setCaretPosition(caretLine, 2);
        press(editor, key(Qt::Key_L, Ctrl | Shift));
        press(editor, key(Qt::Key_Right, Shift));
        for (int i = 0; i < linesDown; ++i)
            press(editor, key(Qt::Key_Down, Shift));
        press(editor, deletion);
        QCOMPARE(editor->allLines(), expected);
        editor->undo();
        QCOMPARE(editor->allLines(), (QStringList{"abcd", "efgh", "ijkl"}));
    }

    // With special characters shown, every line end carries the name of the file's line
    // end, though the control holds LF.
    void lineEndMarksNameTheFilesLineEnds()
    {
        editor->setLines({"p {}", "q {}"});
        editor->setShowSpecialChars(true);
        pane->resize(400, 200);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane.get()));
        const long end = editor->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, 0);
        const int x = int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, end));
        const int y = int(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, end));
        const int middle = y + int(editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0)) / 2;
        // The mark right of the first line's end, as dark pixels across its middle.
        const auto markWidth = [&] {
            const QImage image = editor->viewport()->grab().toImage();
            int dark = 0;
            for (int i = x; i < x + 80; ++i)
                dark += qGray(image.pixel(i, middle)) < 128;
            return dark;
        };
        const int lf = markWidth();
        QVERIFY(lf > 0);
        editor->setLineEndMark(QStringLiteral("CRLF"));
        QVERIFY2(markWidth() > lf + 5, qPrintable(QStringLiteral("%1 %2").arg(lf).arg(markWidth())));
        editor->setShowSpecialChars(false);
        QCOMPARE(markWidth(), 0);
    }

    void settingLinesIsNoChange()
    {
        QSignalSpy changes(editor, &SheetEditor::changed);
        editor->setLines({"a", "b"});
        QCOMPARE(editor->lineCount(), 2);
        QVERIFY(!editor->isDocumentModified());
        QVERIFY(!editor->canUndoEdit());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(QPoint(editor->caretColumn(), editor->caretLine()), QPoint(1, 1));
    }

    void emptyTextAndOneEmptyLineDiffer()
    {
        editor->setLines({});
        QCOMPARE(editor->lineCount(), 0);
        QCOMPARE(editor->allLines(), QStringList());
        editor->setLines({QString()});
        QCOMPARE(editor->lineCount(), 1);
        QCOMPARE(editor->allLines(), QStringList{QString()});
        editor->setLines({"a", ""});
        QCOMPARE(editor->allLines(), (QStringList{"a", ""}));
    }

    void oneChangeReportPerAction()
    {
        editor->setLines({"abc"});
        QSignalSpy changes(editor, &SheetEditor::changed);
        press(editor, typed("x"));
        QCOMPARE(changes.count(), 1);
        editor->selectAll();
        editor->replaceSelection(QStringLiteral("new"));
        QCOMPARE(changes.count(), 2); // a deletion and an insertion, one report
        {
            UndoGroup group(*editor);
            editor->insertRecordedLine(0, QStringLiteral("top"));
            editor->replaceSelection(QStringLiteral("!"));
        }
        QCOMPARE(changes.count(), 3);
        editor->undo();
        QCOMPARE(changes.count(), 4);
        QCOMPARE(editor->allLines(), QStringList{"new"});
        press(editor, key(Qt::Key_Right));
        QCOMPARE(changes.count(), 4); // moving the caret changes nothing
    }

    // Lines added from code must never make a later undo hit the wrong characters.
    void lineListOperationsKeepUndoExact()
    {
        editor->setLines({"a {", "}"});
        editor->setCaretPosition(2, 2);
        press(editor, typed(" x"));
        editor->insertRecordedLine(0, QStringLiteral("/* top */"));
        pane->appendCommentTemplate();
        QCOMPARE(editor->allLines(),
                 (QStringList{"/* top */", "a {", "} x", "", QString::fromUtf8("/* Kommentar für CSS-Dateien*/"), ""}));
        while (editor->canUndoEdit())
            editor->undo();
        QCOMPARE(editor->allLines(), (QStringList{"a {", "}"}));
    }

    // The template is an edit like any other: it marks the document and can be undone.
    void commentTemplateIsOneUndoableEdit()
    {
        editor->setLines({"p {}"});
        editor->setCaretPosition(1, 3);
        QSignalSpy changes(editor, &SheetEditor::changed);
        pane->commentButton()->click();
        pane->commentButton()->click();
        const QString comment = QString::fromUtf8("/* Kommentar für CSS-Dateien*/");
        QCOMPARE(editor->allLines(), (QStringList{"p {}", "", comment, "", "", comment, ""}));
        QCOMPARE(QPoint(editor->caretColumn(), editor->caretLine()), QPoint(3, 1));
        QVERIFY(editor->isDocumentModified());
        QCOMPARE(changes.count(), 2);
        editor->undo();
        QCOMPARE(editor->allLines(), (QStringList{"p {}", "", comment, ""}));
        editor->undo();
        QCOMPARE(editor->allLines(), QStringList{"p {}"});
        QVERIFY(!editor->isDocumentModified());
    }

    void commentTemplateOnAnEmptyText()
    {
        editor->setLines({});
        pane->appendCommentTemplate();
        QCOMPARE(editor->allLines(), (QStringList{"", QString::fromUtf8("/* Kommentar für CSS-Dateien*/"), ""}));
    }

    void replaceSelectionRightOfTheLineEnd()
    {
        editor->setLines({"ab"});
        editor->setCaretPosition(1, 5);
        editor->replaceSelection(QStringLiteral("c: d;"));
        QCOMPARE(editor->allLines(), QStringList{"ab  c: d;"});
        QCOMPARE(editor->caretColumn(), 10);
    }

    void clearAllForgetsEverything()
    {
        editor->setLines({"a", "b"});
        editor->setBookmark(1, 2);
        press(editor, typed("x"));
        editor->clearAll();
        QCOMPARE(editor->lineCount(), 0);
        QCOMPARE(editor->bookmarkLine(1), 0);
        QVERIFY(!editor->canUndoEdit());
        QVERIFY(!editor->isDocumentModified());
    }

    void gutterButtonHidesNumbersUntilPressedAgain()
    {
        editor->setLines({"a"});
        QVERIFY(pane->lineNumbersButton()->isChecked());
        QVERIFY(editor->marginWidth(0) > 0);
        pane->lineNumbersButton()->click();
        QCOMPARE(editor->marginWidth(0), 0);
        QCOMPARE(editor->marginWidth(1), 0);
        editor->setLineNumbersVisible(true); // what the settings do: no effect while the gutter is hidden
        QCOMPARE(editor->marginWidth(0), 0);
        pane->lineNumbersButton()->click();
        QVERIFY(editor->marginWidth(0) > 0);
        QVERIFY(editor->marginWidth(1) > 0);
    }

    void gutterFitsAtLeastFourDigits()
    {
        editor->setLines({"a"});
        const int small = editor->marginWidth(0);
        editor->setLines(QStringList(9999, QStringLiteral("a")));
        QCOMPARE(editor->marginWidth(0), small);
        editor->setLines(QStringList(10000, QStringLiteral("a")));
        QVERIFY(editor->marginWidth(0) > small);
    }

    void specialCharactersButton()
    {
        QVERIFY(!pane->formattingMarksButton()->isChecked());
        QVERIFY(!editor->showSpecialChars());
        pane->formattingMarksButton()->click();
        QVERIFY(editor->showSpecialChars());
        QCOMPARE(editor->whitespaceVisibility(), QsciScintilla::WsVisible);
        QVERIFY(editor->eolVisibility());
    }

    void droppedFilesAreNotText()
    {
        editor->setLines({"a"});
        QSignalSpy dropped(editor, &SheetEditor::filesDropped);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/x.css"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor->viewport(), &drop);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped[0][0].toStringList(), QStringList{"/tmp/x.css"});
        QCOMPARE(editor->allLines(), QStringList{"a"});
    }

    void clickPlacesTheCaretAndReports()
    {
        editor->setLines({"first line", "second line", "third"});
        QSignalSpy clicks(editor, &SheetEditor::clickReport);
        press(editor, key(Qt::Key_Down));
        const int lineHeight = editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0);
        const int x = editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0,
                                            editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 2));
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(x + 2, 2 * lineHeight + lineHeight / 2));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(editor->caretLine(), 3);
    }

    void scrollBarDragShowsTheTopLine()
    {
        editor->setLines(QStringList(500, QStringLiteral("p {}")));
        emit editor->verticalScrollBar()->sliderMoved(41);
        QCOMPARE(QToolTip::text(), QStringLiteral("Top Line: 42"));
    }

private:
    std::unique_ptr<EditorPane> pane;
    SheetEditor *editor = nullptr;
};

QTEST_MAIN(TestSheetEditor)
#include "tst_sheet_editor.moc"
