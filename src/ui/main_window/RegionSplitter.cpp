#include "RegionSplitter.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The hatched line that follows the mouse while the bar is dragged.
class DragLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
    }
};

} // namespace

RegionSplitter::RegionSplitter(TargetSide side, QWidget *target, QWidget *neighbour, int thickness, QWidget *parent)
    : QWidget(parent), m_side(side), m_target(target), m_neighbour(neighbour)
{
    if (horizontalAxis()) {
        setFixedWidth(thickness);
        setCursor(Qt::SplitHCursor);
    } else {
        setFixedHeight(thickness);
        setCursor(Qt::SplitVCursor);
    }
}

int RegionSplitter::snappedSize(int proposed, int maximum)
{
    const int size = qBound(0, proposed, qMax(0, maximum));
    return size < kSnapBelow ? 0 : size;
}

void RegionSplitter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
}

int RegionSplitter::targetSize() const
{
    return horizontalAxis() ? m_target->width() : m_target->height();
}

int RegionSplitter::maximumSize() const
{
    const int spare = m_neighbour ? (horizontalAxis() ? m_neighbour->width() : m_neighbour->height()) - kSnapBelow : 0;
    return targetSize() + qMax(0, spare);
}

int RegionSplitter::proposedSize(const QPoint &globalPos) const
{
    const QPoint delta = globalPos - m_pressedAt;
    switch (m_side) {
    case TargetSide::Left:
        return m_startSize + delta.x();
    case TargetSide::Right:
        return m_startSize - delta.x();
    case TargetSide::Above:
        return m_startSize + delta.y();
    case TargetSide::Below:
        break;
    }
    return m_startSize - delta.y();
}

void RegionSplitter::showLine(int size)
{
    QWidget *top = window();
    if (!m_line) {
        m_line = new DragLine(top);
        m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const int shift = size - m_startSize;
    QRect r(mapTo(top, QPoint(0, 0)), this->size());
    switch (m_side) {
    case TargetSide::Left:
        r.translate(shift, 0);
        break;
    case TargetSide::Right:
        r.translate(-shift, 0);
        break;
    case TargetSide::Above:
        r.translate(0, shift);
        break;
    case TargetSide::Below:
        r.translate(0, -shift);
        break;
    }
    m_line->setGeometry(r);
    m_line->raise();
    m_line->show();
}

void RegionSplitter::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_target->isVisible())
        return;
    m_dragging = true;
    m_pressedAt = e->globalPosition().toPoint();
    m_startSize = targetSize();
    showLine(m_startSize);
}

void RegionSplitter::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragging)
        showLine(qBound(0, proposedSize(e->globalPosition().toPoint()), maximumSize()));
}

void RegionSplitter::mouseReleaseEvent(QMouseEvent *e)
{
    if (!m_dragging || e->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    if (m_line)
        m_line->hide();
    const int size = snappedSize(proposedSize(e->globalPosition().toPoint()), maximumSize());
    if (horizontalAxis())
        m_target->setFixedWidth(size);
    else
        m_target->setFixedHeight(size);
    emit regionResized();
}
