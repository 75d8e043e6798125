#pragma once

#include <QWidget>

class QToolButton;
class SheetEditor;

// The middle of the main window: the editor's tool bar above the editor.
class EditorPane : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPane(QWidget *parent = nullptr);

    SheetEditor *editor() const { return m_editor; }

    QToolButton *undoButton() const { return m_undoButton; }
    QToolButton *redoButton() const { return m_redoButton; }
    QToolButton *formattingMarksButton() const { return m_formattingMarksButton; }
    QToolButton *lineNumbersButton() const { return m_lineNumbersButton; }
    QToolButton *commentButton() const { return m_commentButton; }

    // Three lines at the end of the text, one undo step; the caret stays.
    void appendCommentTemplate();

private:
    SheetEditor *m_editor;
    QToolButton *m_undoButton;
    QToolButton *m_redoButton;
    QToolButton *m_formattingMarksButton;
    QToolButton *m_lineNumbersButton;
    QToolButton *m_commentButton;
};
