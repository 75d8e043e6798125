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

    QToolButton *btn_undo;
    QToolButton *btn_redo;
    QToolButton *btn_special_chars;
    QToolButton *btn_line_nr;
    QToolButton *btn_css_comment;

    // Three lines at the end of the text, one undo step; the caret stays.
    void appendCommentTemplate();

private:
    SheetEditor *m_editor;
};
