#pragma once

#include <QWidget>

class QToolButton;

// The main tool bar: large buttons with captions under their pictures, placed as the
// design has them. The buttons carry their own captions and hints.
class MainToolBar : public QWidget
{
    Q_OBJECT

public:
    explicit MainToolBar(QWidget *parent = nullptr);

    QToolButton *newButton() const { return m_newButton; }
    QToolButton *openButton() const { return m_openButton; }
    QToolButton *saveButton() const { return m_saveButton; }
    QToolButton *closeButton() const { return m_closeButton; }
    QToolButton *printButton() const { return m_printButton; }
    QToolButton *assistantButton() const { return m_assistantButton; }

private:
    QToolButton *m_newButton = nullptr;
    QToolButton *m_openButton = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QToolButton *m_assistantButton = nullptr;
};
