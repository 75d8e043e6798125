#include "HoverLink.h"

#include <QMouseEvent>

HoverLink::HoverLink(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setHovered(false);
}

void HoverLink::setHovered(bool hovered)
{
    m_hovered = hovered;
    QFont f = font();
    f.setUnderline(hovered);
    setFont(f);
    setStyleSheet(hovered ? QStringLiteral("color: rgb(255, 0, 0);") : QStringLiteral("color: black;"));
}

void HoverLink::enterEvent(QEnterEvent *e)
{
    QLabel::enterEvent(e);
    setHovered(true);
}

void HoverLink::leaveEvent(QEvent *e)
{
    QLabel::leaveEvent(e);
    setHovered(false);
}

void HoverLink::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        emit clicked();
}
