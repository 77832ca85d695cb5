#include "logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pc::gui {

namespace {

const QColor Steel(96, 110, 124);
const QColor SteelLight(176, 188, 198);
const QColor Sky1(28, 58, 92);
const QColor Sky2(52, 104, 150);

// A run of U-shaped piles in plan between x0 and x1, `pitch` wide each,
// `depth` deep, centred on the line y; every second pile turned over, so
// that the wall forms the trapezoidal wave of a U-pile wall. Interlocks are
// drawn as small rings where two piles meet.
void drawWall(QPainter &p, qreal x0, qreal x1, qreal y, qreal pitch, qreal depth, qreal thickness)
{
    QPainterPath path;
    const qreal flank = pitch * 0.18;
    bool up = true;
    qreal x = x0;
    path.moveTo(x, y);
    std::vector<QPointF> locks;
    while (x < x1 - 0.5) {
        const qreal dy = up ? -depth / 2 : depth / 2;
        path.lineTo(x + flank, y + dy);
        path.lineTo(x + pitch - flank, y + dy);
        path.lineTo(x + pitch, y);
        x += pitch;
        locks.emplace_back(x, y);
        up = !up;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen shadow(QColor(0, 0, 0, 90), thickness + 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(shadow);
    p.drawPath(path.translated(2, 3));
    QLinearGradient g(0, y - depth / 2, 0, y + depth / 2);
    g.setColorAt(0, SteelLight);
    g.setColorAt(1, Steel);
    p.setPen(QPen(QBrush(g), thickness, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(path);
    p.setPen(QPen(SteelLight, thickness * 0.45));
    p.setBrush(Steel);
    for (size_t i = 0; i + 1 < locks.size(); ++i)
        p.drawEllipse(locks[i], thickness * 0.8, thickness * 0.8);
    p.restore();
}

QPixmap canvas(QSize size, qreal dpr)
{
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    return pm;
}

} // namespace

QPixmap splashPicture(QSize size, qreal dpr)
{
    QPixmap pm = canvas(size, dpr);
    QPainter p(&pm);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, Sky1);
    sky.setColorAt(1, Sky2);
    p.fillRect(QRectF(0, 0, w, h), sky);

    // The wall, with water before it and soil behind it.
    const qreal wallY = h * 0.56;
    p.fillRect(QRectF(0, wallY, w, h - wallY), QColor(122, 96, 62));
    p.fillRect(QRectF(0, wallY - h * 0.16, w, h * 0.16), QColor(60, 120, 170));
    drawWall(p, -20, w + 60, wallY, 74, 38, 7);

    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title = p.font();
    title.setPixelSize(static_cast<int>(h * 0.16));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, h * 0.08, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Pilecorr"));
    QFont sub = p.font();
    sub.setBold(false);
    sub.setPixelSize(static_cast<int>(h * 0.045));
    p.setFont(sub);
    p.setPen(QColor(220, 230, 240));
    p.drawText(QRectF(0, h * 0.27, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Steel sheet piles by allowable stresses, with corrosion"));
    return pm;
}

QPixmap aboutBand(QSize size, qreal dpr)
{
    QPixmap pm = canvas(size, dpr);
    QPainter p(&pm);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient sky(0, 0, w, 0);
    sky.setColorAt(0, Sky1);
    sky.setColorAt(1, Sky2);
    p.fillRect(QRectF(0, 0, w, h), sky);
    drawWall(p, w * 0.52, w + 30, h * 0.55, 34, 18, 3.5);
    QFont title = p.font();
    title.setPixelSize(static_cast<int>(h * 0.5));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawText(QRectF(12, 0, w * 0.5, h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Pilecorr"));
    return pm;
}

} // namespace pc::gui
