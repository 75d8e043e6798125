#pragma once

#include <QDialog>
#include <QLabel>

class Dialogs;
class UiTexts;

// A text that is a link: red and underlined while the mouse is over it.
class HoverLink : public QLabel
{
    Q_OBJECT

public:
    HoverLink(const QString &text, QWidget *parent);
    void setHovered(bool hovered);
    bool hovered() const { return m_hovered; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool m_hovered = false;
};

// "Info": the picture, the version, a credit line and the links to write to us and
// to the home page.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(Dialogs &dialogs, const UiTexts &texts, QWidget *parent = nullptr);

    QLabel *lbl_version;
    QLabel *lbl_credit;
    HoverLink *lbl_contact;
    HoverLink *lbl_homepage;
};
