#pragma once

#include <Qsci/qsciscintilla.h>

#include <QStringList>

class ColourSwatches;
class UnknownNames;

#include "css/ReadingPlaces.h"

// The text editor control with the behaviour the program needs, and the one set of
// operations the rest of the program edits the style sheet through. Line and column
// numbers are 1-based; line indexes of the line list are 0-based.
class SheetEditor : public QsciScintilla
{
    Q_OBJECT

public:
    static constexpr int kBookmarks = 10;

    explicit SheetEditor(QWidget *parent = nullptr);

    // Line list. Setting all lines clears undo and redo, puts the caret at 1:1, clears
    // the modified flag and reports no change. An empty text has no lines.
    int lineCount() const;
    QString line(int index) const;
    QStringList allLines() const;
    // The whole text, lines separated by LF, read straight from the control's buffer.
    QString wholeText() const;
    void setLines(const QStringList &lines);
    // Recorded for undo, so that it joins the undo step of the edit it belongs to and
    // marks the document modified; not reported as a change. Every edit is recorded:
    // an unrecorded one leaves the document unmodified and can be lost unasked.
    void insertRecordedLine(int index, const QString &text);
    // Lines at the end of the text as one undo step; the caret stays. Reported as one
    // change unless `report` is off (for a caller that runs the change handling itself).
    void appendRecordedLines(const QStringList &lines, bool report = true);
    // Empties text and bookmarks, undo and redo history and the modified flag.
    void clearAll();

    // Replaces the selection (or inserts at the caret), recorded for undo; the caret
    // ends after the text; reported as one change.
    void replaceSelection(const QString &text);

    // Lays the sheet out one rule per block and one declaration per line, indented with
    // the tab setting, or only the selection; white space alone changes. One undo step,
    // reported as one change; nothing happens when the layout is already so. The
    // caret (and the selection) stays with its text.
    void formatSheet();

    int caretLine() const;
    int caretColumn() const; // as on the screen: a tab to its stop, and the columns beyond the line end
    // The column as the status bar and the error's place show it: in characters, a tab
    // as one, and the columns beyond the line end.
    int caretCharacterColumn() const;
    void setCaretLine(int line);
    void setCaretColumn(int column);
    void setCaretPosition(int line, int column);

    bool isDocumentModified() const;
    void clearModified();

    bool canUndoEdit() const;
    bool canRedoEdit() const;

    // The name of the file's line ends, drawn at every line end while special
    // characters are shown ("CRLF", "LF" or "CR"); the text itself always holds LF.
    void setLineEndMark(const QString &mark);
    const QString &lineEndMark() const { return m_lineEndMark; }
    void setShowSpecialChars(bool on);
    bool showSpecialChars() const { return m_specialChars; }
    void setGutterVisible(bool on);
    bool gutterVisible() const { return m_gutterVisible; }
    void setLineNumbersVisible(bool on);
    bool lineNumbersVisible() const { return m_lineNumbers; }
    void setEditorFont(const QString &family, int pointSize);
    // A bar of its colour under every colour value; off at first.
    void setColourSwatchesVisible(bool on);
    bool colourSwatchesVisible() const;
    int colourSwatchIndicator() const;
    // Completion as you type and on Shift+Space or Ctrl+Space; on at first.
    void setCompletionEnabled(bool on);
    bool completionEnabled() const { return m_completion; }
    // What a property takes, as a call tip; on at first.
    void setPropertyTipsEnabled(bool on);
    bool propertyTipsEnabled() const { return m_propertyTips; }
    // A wavy underline under property names that none of `setKnownPropertyNames`
    // knows; off at first.
    void setUnknownNamesMarked(bool on);
    bool unknownNamesMarked() const;
    // Property names, and the descriptors of the at-rules that have them (@font-face…).
    void setKnownPropertyNames(const QStringList &names, const QHash<QString, QStringList> &descriptors = {});
    int unknownNameIndicator() const;
    // The marked name at `position`; empty when none is marked there.
    QString unknownNameAt(long position) const;
    // The nearest place at or before `position` (bytes) between the items of the sheet,
    // with the blocks open there: readings of the lines in view and of the caret's
    // declaration start there, so a key costs them only the text near it.
    Css::Place readingPlace(long position) const;
    // Selects the next unknown property name after the caret, from the top again
    // past the end; false when the sheet has none.
    bool selectNextUnknownName();

    int bookmarkLine(int number) const; // 1-based, 0 when unset
    void setBookmark(int number, int line);
    void gotoBookmark(int number);

    // Recorded edits, each reported as one change.
    void undo() override;
    void redo() override;
    void cut() override;
    void paste() override;
    void removeSelectedText() override;
    void replaceSelectedText(const QString &text) override;
    void clear() override;

signals:
    // After every edit recorded for undo, once the modified flag is up to date.
    void changed();
    // After a key press in the editor, once the editor has acted on it.
    void keyReport();
    // After a click in the editor has placed the caret.
    void clickReport();
    // The caret or the selection moved, by any means (keys, mouse, undo, commands);
    // reported when the control brings its view up to date.
    void caretMoved();
    void filesDropped(const QStringList &paths);
    // Shift+Space or Ctrl+Space while completion is on.
    void completionRequested();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class ChangeBatch;

    void configure();
    void clearControlKeys();
    bool runEditorKey(QKeyEvent *e);
    void onModified(int position, int type);
    void updateGutterWidth();
    void paintLineEndMarks();

    long send(unsigned int msg, unsigned long w = 0, long l = 0) const;
    long currentPos() const;
    void moveToVisibleLine(bool last, bool extend);
    void indentSelectedLines(bool in);
    void smartTab();
    void smartBackspace();
    void newLine();
    bool deleteSelectedLines();
    QString referenceLineAbove(int lineIndex) const;

    mutable Css::ReadingPlaces m_places; // first, so the indicators made with the editor may use them
    ColourSwatches *m_colourSwatches;
    UnknownNames *m_unknownNames;
    bool m_specialChars = false;
    bool m_completion = true;
    bool m_propertyTips = true;
    QString m_lineEndMark = QStringLiteral("LF");
    bool m_gutterVisible = true;
    bool m_lineNumbers = true;
    int m_silent = 0; // edits that are not reported as changes
    int m_batchDepth = 0; // a user action in progress: report once at its end
    long m_reportedCaret = 0; // the caret position last reported as moved
    bool m_changePending = false;
    int m_selectionMode = SC_SEL_STREAM; // how Shift with a movement key selects
    // An empty text is either no line at all (a new document, an empty file) or one
    // empty line; the control cannot tell the two apart.
    bool m_noLines = true;
};
