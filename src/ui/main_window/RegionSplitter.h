#pragma once

#include <QWidget>

// A bar between two regions of a window. Dragging it shows a hatched line at the new
// position; on release the target region takes the new size, and a region dragged
// below 30 pixels snaps closed to zero (it can be dragged open again).
class RegionSplitter : public QWidget
{
    Q_OBJECT

public:
    enum class TargetSide { Left, Right, Above, Below };

    static constexpr int kSnapBelow = 30;

    // `neighbour` is the region on the other side that gives up the space.
    RegionSplitter(TargetSide side, QWidget *target, QWidget *neighbour, int thickness, QWidget *parent);

    // The size a region gets for a proposed size: within 0..maximum, and 0 below 30.
    static int snappedSize(int proposed, int maximum);

signals:
    void regionResized();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool horizontalAxis() const { return m_side == TargetSide::Left || m_side == TargetSide::Right; }
    int targetSize() const;
    int maximumSize() const;
    int proposedSize(const QPoint &globalPos) const;
    void showLine(int size);

    TargetSide m_side;
    QWidget *m_target;
    QWidget *m_neighbour;
    QWidget *m_line = nullptr;
    QPoint m_pressedAt;
    int m_startSize = 0;
    bool m_dragging = false;
};
