#include "Pictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace Pictures {

namespace {

const QColor kAmber(236, 171, 19);
const QColor kInk(40, 48, 64);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 90, 170);
const QColor kRed(190, 30, 30);
const QColor kGreen(40, 130, 60);

// All icons are drawn on a 32 x 32 canvas.
using Drawing = std::function<void(QPainter &)>;

QPen pen(const QColor &c, qreal w = 2.0)
{
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void page(QPainter &p, const QRectF &r = QRectF(6, 3, 20, 26))
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

void textLines(QPainter &p, qreal left, qreal top, int count, qreal width = 12)
{
    p.setPen(pen(QColor(150, 160, 175), 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 4), QPointF(left + width - (i % 2) * 4, top + i * 4));
}

void star(QPainter &p, QPointF c)
{
    p.setPen(pen(kAmber, 2.2));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawLine(QPointF(-5, 0), QPointF(5, 0));
        p.restore();
    }
}

void folder(QPainter &p)
{
    p.setPen(pen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(250, 205, 90));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(28, 11);
    back.lineTo(28, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kAmber);
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7, 15);
    front.lineTo(31, 15);
    front.lineTo(28, 26);
    front.closeSubpath();
    p.drawPath(front);
}

void disk(QPainter &p, QPointF at = QPointF(4, 4), qreal size = 24)
{
    const QRectF r(at, QSizeF(size, size));
    p.setPen(pen(kInk, 1.5));
    p.setBrush(kBlue);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + size * 0.2, r.top(), size * 0.6, size * 0.38));
    p.setBrush(QColor(210, 215, 225));
    p.drawRect(QRectF(r.left() + size * 0.25, r.top() + size * 0.6, size * 0.5, size * 0.4));
}

void cross(QPainter &p, QPointF c, qreal r, const QColor &colour = kRed)
{
    p.setPen(pen(colour, 3));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void curvedArrow(QPainter &p, bool back)
{
    p.save();
    if (!back) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    p.setPen(pen(kBlue, 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(9, 12);
    arc.cubicTo(16, 6, 28, 8, 26, 20);
    arc.cubicTo(25, 25, 20, 27, 15, 26);
    p.drawPath(arc);
    p.setBrush(kBlue);
    p.setPen(pen(kBlue, 1));
    QPolygonF head;
    head << QPointF(3, 13) << QPointF(12, 5) << QPointF(13, 17);
    p.drawPolygon(head);
    p.restore();
}

void magnifier(QPainter &p, QPointF c = QPointF(13, 13))
{
    p.setPen(pen(kInk, 3));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(c, 8, 8);
    p.setPen(pen(QColor(120, 80, 30), 4.5));
    p.drawLine(c + QPointF(6, 6), c + QPointF(14, 14));
}

void smallArrow(QPainter &p, bool right, QPointF at)
{
    p.setPen(pen(kGreen, 3));
    const qreal d = right ? 1 : -1;
    p.drawLine(at, at + QPointF(d * 10, 0));
    p.drawLine(at + QPointF(d * 10, 0), at + QPointF(d * 6, -4));
    p.drawLine(at + QPointF(d * 10, 0), at + QPointF(d * 6, 4));
}

void letters(QPainter &p, const QString &text, const QRectF &r, const QColor &c, int pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void roundBadge(QPainter &p, const QColor &fill, const QString &text)
{
    p.setPen(pen(fill.darker(130), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    letters(p, text, QRectF(3, 3, 26, 26), Qt::white, 20);
}

const QHash<QString, Drawing> &drawings()
{
    static const QHash<QString, Drawing> all = {
        {QStringLiteral("new"), [](QPainter &p) { page(p); textLines(p, 10, 14, 3); star(p, QPointF(24, 8)); }},
        {QStringLiteral("open"), [](QPainter &p) { folder(p); }},
        {QStringLiteral("save"), [](QPainter &p) { disk(p); }},
        {QStringLiteral("saveas"),
         [](QPainter &p) {
             disk(p, QPointF(2, 2), 20);
             p.setPen(pen(kAmber, 3));
             p.drawLine(QPointF(18, 28), QPointF(29, 17));
             p.setPen(pen(kInk, 1.5));
             p.drawLine(QPointF(16, 30), QPointF(18, 28));
         }},
        {QStringLiteral("close"), [](QPainter &p) { page(p); textLines(p, 10, 12, 2); cross(p, QPointF(21, 22), 5); }},
        {QStringLiteral("settings"),
         [](QPainter &p) {
             p.setPen(pen(kInk, 1.5));
             p.setBrush(QColor(170, 178, 190));
             QPainterPath gear;
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.translate(16, 16);
                 p.rotate(i * 45);
                 p.drawRect(QRectF(-3, -14, 6, 6));
                 p.restore();
             }
             p.drawEllipse(QPointF(16, 16), 10, 10);
             p.setBrush(kPaper);
             p.drawEllipse(QPointF(16, 16), 4, 4);
         }},
        {QStringLiteral("print"),
         [](QPainter &p) {
             p.setPen(pen(kInk, 1.5));
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 3, 14, 10));
             p.setBrush(QColor(170, 178, 190));
             p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 20, 14, 9));
             textLines(p, 11, 23, 2, 10);
             p.setBrush(kGreen);
             p.setPen(Qt::NoPen);
             p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
         }},
        {QStringLiteral("exit"),
         [](QPainter &p) {
             p.setPen(pen(kInk, 1.5));
             p.setBrush(QColor(160, 110, 60));
             p.drawRect(QRectF(5, 3, 14, 26));
             p.setBrush(kAmber);
             p.setPen(Qt::NoPen);
             p.drawEllipse(QPointF(16, 17), 1.5, 1.5);
             smallArrow(p, true, QPointF(18, 16));
         }},
        {QStringLiteral("undo"), [](QPainter &p) { curvedArrow(p, true); }},
        {QStringLiteral("redo"), [](QPainter &p) { curvedArrow(p, false); }},
        {QStringLiteral("cut"),
         [](QPainter &p) {
             p.setPen(pen(kInk, 2.5));
             p.drawLine(QPointF(10, 3), QPointF(20, 21));
             p.drawLine(QPointF(22, 3), QPointF(12, 21));
             p.setPen(pen(kRed, 2.5));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(10, 25), 4.5, 4.5);
             p.drawEllipse(QPointF(22, 25), 4.5, 4.5);
         }},
        {QStringLiteral("copy"),
         [](QPainter &p) {
             page(p, QRectF(3, 2, 16, 21));
             page(p, QRectF(12, 9, 16, 21));
             textLines(p, 15, 17, 3, 9);
         }},
        {QStringLiteral("paste"),
         [](QPainter &p) {
             p.setPen(pen(QColor(120, 80, 30), 1.5));
             p.setBrush(QColor(200, 150, 80));
             p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
             p.setBrush(QColor(170, 178, 190));
             p.drawRect(QRectF(10, 2, 8, 6));
             page(p, QRectF(13, 12, 16, 18));
             textLines(p, 16, 19, 3, 8);
         }},
        {QStringLiteral("delete"), [](QPainter &p) { cross(p, QPointF(16, 16), 9); }},
        {QStringLiteral("selectall"),
         [](QPainter &p) {
             QPen dashed = pen(kInk, 1.5);
             dashed.setStyle(Qt::DashLine);
             p.setPen(dashed);
             p.setBrush(QColor(128, 0, 0, 60));
             p.drawRect(QRectF(4, 4, 24, 24));
             textLines(p, 8, 10, 4, 14);
         }},
        {QStringLiteral("search"), [](QPainter &p) { magnifier(p); }},
        {QStringLiteral("searchnext"), [](QPainter &p) { magnifier(p, QPointF(11, 11)); smallArrow(p, true, QPointF(18, 27)); }},
        {QStringLiteral("searchprevious"),
         [](QPainter &p) { magnifier(p, QPointF(11, 11)); smallArrow(p, false, QPointF(14, 27)); }},
        {QStringLiteral("replace"),
         [](QPainter &p) {
             letters(p, QStringLiteral("a"), QRectF(1, 1, 14, 16), kInk, 15);
             letters(p, QStringLiteral("b"), QRectF(17, 15, 14, 16), kRed, 15);
             smallArrow(p, true, QPointF(8, 24));
         }},
        {QStringLiteral("german"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::black);
             p.drawRect(QRectF(2, 7, 28, 6));
             p.setBrush(QColor(221, 0, 0));
             p.drawRect(QRectF(2, 13, 28, 6));
             p.setBrush(QColor(255, 206, 0));
             p.drawRect(QRectF(2, 19, 28, 6));
         }},
        {QStringLiteral("english"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(1, 33, 105));
             p.drawRect(QRectF(2, 7, 28, 18));
             p.setPen(pen(Qt::white, 5));
             p.drawLine(QPointF(2, 7), QPointF(30, 25));
             p.drawLine(QPointF(2, 25), QPointF(30, 7));
             p.setPen(pen(QColor(200, 16, 46), 2));
             p.drawLine(QPointF(2, 7), QPointF(30, 25));
             p.drawLine(QPointF(2, 25), QPointF(30, 7));
             p.setPen(QPen(Qt::white, 7));
             p.drawLine(QPointF(16, 7), QPointF(16, 25));
             p.drawLine(QPointF(2, 16), QPointF(30, 16));
             p.setPen(QPen(QColor(200, 16, 46), 4));
             p.drawLine(QPointF(16, 7), QPointF(16, 25));
             p.drawLine(QPointF(2, 16), QPointF(30, 16));
         }},
        {QStringLiteral("help"), [](QPainter &p) { roundBadge(p, kBlue, QStringLiteral("?")); }},
        {QStringLiteral("info"), [](QPainter &p) { roundBadge(p, kGreen, QStringLiteral("i")); }},
        {QStringLiteral("homepage"),
         [](QPainter &p) {
             p.setPen(pen(kInk, 1.5));
             p.setBrush(kRed);
             QPolygonF roof;
             roof << QPointF(2, 16) << QPointF(16, 3) << QPointF(30, 16);
             p.drawPolygon(roof);
             p.setBrush(QColor(245, 230, 200));
             p.drawRect(QRectF(7, 16, 18, 13));
             p.setBrush(QColor(160, 110, 60));
             p.drawRect(QRectF(13, 20, 6, 9));
         }},
        {QStringLiteral("link"),
         [](QPainter &p) {
             p.setPen(pen(kBlue, 1.5));
             p.setBrush(QColor(200, 225, 250));
             p.drawEllipse(QRectF(3, 3, 26, 26));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(10, 3, 12, 26));
             p.drawLine(QPointF(3, 16), QPointF(29, 16));
             p.drawLine(QPointF(6, 9), QPointF(26, 9));
             p.drawLine(QPointF(6, 23), QPointF(26, 23));
         }},
        {QStringLiteral("assistant"),
         [](QPainter &p) {
             p.setPen(pen(QColor(90, 60, 30), 3.5));
             p.drawLine(QPointF(5, 28), QPointF(21, 12));
             star(p, QPointF(23, 9));
             letters(p, QStringLiteral("{}"), QRectF(0, 0, 16, 16), kBlue, 13);
         }},
        {QStringLiteral("specialchars"), [](QPainter &p) { letters(p, QStringLiteral("¶"), QRectF(0, 0, 32, 32), kInk, 26); }},
        {QStringLiteral("linenumbers"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(212, 208, 200));
             p.drawRect(QRectF(2, 2, 12, 28));
             letters(p, QStringLiteral("1"), QRectF(2, 2, 12, 9), kInk, 9);
             letters(p, QStringLiteral("2"), QRectF(2, 11, 12, 9), kInk, 9);
             letters(p, QStringLiteral("3"), QRectF(2, 20, 12, 9), kInk, 9);
             textLines(p, 17, 7, 3, 12);
         }},
        {QStringLiteral("grouptree"),
         [](QPainter &p) {
             p.setPen(QPen(kBlue, 2.5));
             p.drawLine(QPointF(8, 6), QPointF(8, 26));
             p.drawLine(QPointF(8, 14), QPointF(18, 14));
             p.drawLine(QPointF(8, 25), QPointF(18, 25));
             p.setBrush(kBlue);
             p.drawRect(QRectF(4, 2, 8, 6));
             p.drawRect(QRectF(18, 11, 10, 6));
             p.drawRect(QRectF(18, 22, 10, 6));
         }},
        {QStringLiteral("treeplus"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 2));
             p.drawLine(QPointF(6, 6), QPointF(6, 22));
             p.drawLine(QPointF(6, 12), QPointF(14, 12));
             p.drawLine(QPointF(6, 21), QPointF(14, 21));
             p.setBrush(QColor(170, 178, 190));
             p.drawRect(QRectF(2, 2, 8, 5));
             p.drawRect(QRectF(14, 9, 8, 5));
             p.drawRect(QRectF(14, 18, 8, 5));
             p.setPen(QPen(kGreen, 3.5));
             p.drawLine(QPointF(24, 20), QPointF(24, 30));
             p.drawLine(QPointF(19, 25), QPointF(29, 25));
         }},
        {QStringLiteral("autosort"),
         [](QPainter &p) {
             page(p, QRectF(4, 2, 18, 24));
             textLines(p, 8, 10, 3, 10);
             p.setPen(QPen(kGreen, 2.5));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(15, 15, 14, 14), 30 * 16, 280 * 16);
             p.setBrush(kGreen);
             QPolygonF head;
             head << QPointF(27, 13) << QPointF(30, 20) << QPointF(23, 19);
             p.drawPolygon(head);
         }},
        {QStringLiteral("comment"), [](QPainter &p) { letters(p, QStringLiteral("/*"), QRectF(0, 0, 32, 32), kGreen, 20); }},
    };
    return all;
}

QPixmap render(const Drawing &draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return pixmap;
}

void diamond(QPainter &p, const QColor &fill, QRectF r = QRectF(2, 2, 12, 12))
{
    QPolygonF shape;
    shape << QPointF(r.center().x(), r.top()) << QPointF(r.right(), r.center().y()) << QPointF(r.center().x(), r.bottom())
          << QPointF(r.left(), r.center().y());
    p.setPen(QPen(fill.darker(150), 1));
    QLinearGradient shine(r.topLeft(), r.bottomRight());
    shine.setColorAt(0, fill.lighter(160));
    shine.setColorAt(1, fill);
    p.setBrush(shine);
    p.drawPolygon(shape);
}

void smallWindow(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
    p.fillRect(QRectF(1, 2, 14, 3), QColor(10, 36, 106));
}

void badge(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

const QHash<int, Drawing> &parserDrawings()
{
    static const QHash<int, Drawing> all = {
        {0, [](QPainter &p) { diamond(p, QColor(30, 80, 220)); }},
        {1, [](QPainter &p) { diamond(p, QColor(20, 150, 40)); }},
        {2, [](QPainter &p) { diamond(p, QColor(200, 30, 200)); }},
        {3, [](QPainter &p) { smallWindow(p); diamond(p, QColor(20, 150, 40), QRectF(4, 6, 8, 8)); }},
        {4,
         [](QPainter &p) {
             smallWindow(p);
             diamond(p, QColor(20, 150, 40), QRectF(2, 6, 7, 7));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(240, 200, 0));
             p.drawEllipse(QRectF(9, 7, 5, 5));
         }},
        {6,
         [](QPainter &p) {
             badge(p, QColor(30, 150, 40));
             p.drawLine(QPointF(4.5, 8.5), QPointF(7, 11));
             p.drawLine(QPointF(7, 11), QPointF(11.5, 5));
         }},
        {7,
         [](QPainter &p) {
             badge(p, QColor(210, 30, 30));
             p.drawLine(QPointF(5, 5), QPointF(11, 11));
             p.drawLine(QPointF(5, 11), QPointF(11, 5));
         }},
        {8,
         [](QPainter &p) {
             QPolygonF triangle;
             triangle << QPointF(8, 1) << QPointF(15, 14.5) << QPointF(1, 14.5);
             p.setPen(QPen(QColor(150, 110, 0), 1));
             p.setBrush(QColor(255, 210, 0));
             p.drawPolygon(triangle);
             p.setPen(QPen(Qt::black, 1.6));
             p.drawLine(QPointF(8, 5.5), QPointF(8, 10));
             p.drawPoint(QPointF(8, 12.5));
         }},
        {9,
         [](QPainter &p) {
             QPainterPath glyph;
             glyph.moveTo(2, 11);
             glyph.cubicTo(4, 2, 7, 2, 7, 8);
             glyph.cubicTo(7, 13, 10, 13, 14, 4);
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(QColor(60, 60, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
             p.drawPath(glyph);
             p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
             p.drawPath(glyph);
         }},
        {12, [](QPainter &p) { diamond(p, QColor(240, 130, 0), QRectF(3, 3, 10, 10)); }},
    };
    return all;
}

QPixmap renderSmall(const Drawing &draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

} // namespace

QIcon parserImage(int index)
{
    const auto it = parserDrawings().constFind(index);
    return it == parserDrawings().constEnd() ? QIcon() : QIcon(renderSmall(*it));
}

QIcon icon(const QString &name)
{
    const auto it = drawings().constFind(name);
    if (it == drawings().constEnd())
        return {};
    QIcon result;
    for (int size : {16, 24, 32})
        result.addPixmap(render(*it, size));
    return result;
}

QPixmap splash()
{
    QPixmap pixmap(345, 90);
    pixmap.fill(kPaper);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient band(0, 0, 345, 0);
    band.setColorAt(0, QColor(40, 48, 64));
    band.setColorAt(1, QColor(80, 96, 128));
    p.fillRect(QRect(0, 0, 345, 56), band);

    QFont brace(QStringLiteral("DejaVu Sans Mono"));
    brace.setPixelSize(44);
    brace.setBold(true);
    p.setFont(brace);
    p.setPen(kAmber);
    p.drawText(QRect(10, 2, 70, 52), Qt::AlignCenter, QStringLiteral("{ }"));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(88, 4, 250, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Stylograf"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(12);
    p.setFont(subtitle);
    p.setPen(QColor(230, 230, 230));
    p.drawText(QRect(90, 36, 250, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Style Sheets von Hand geschrieben"));

    p.setPen(QPen(kAmber, 2));
    p.drawLine(0, 56, 345, 56);

    QFont code(QStringLiteral("DejaVu Sans Mono"));
    code.setPixelSize(11);
    p.setFont(code);
    p.setPen(QColor(120, 120, 120));
    p.drawText(QRect(8, 60, 210, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("h1 { color: #336699; }"));
    return pixmap;
}

} // namespace Pictures
