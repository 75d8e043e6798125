#pragma once

#include <QLabel>

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
