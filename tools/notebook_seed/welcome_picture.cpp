#include "welcome_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QPainterPath ridge(int width, int base, const QList<QPointF> &peaks)
{
    QPainterPath p(QPointF(0, base));
    for (const QPointF &pt : peaks)
        p.lineTo(pt);
    p.lineTo(width, base);
    p.closeSubpath();
    return p;
}

} // namespace

QImage welcome_picture()
{
    const int w = 640, h = 400, shore = 260;
    QImage img(w, h, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, shore);
    sky.setColorAt(0, QColor(38, 64, 122));
    sky.setColorAt(0.55, QColor(233, 140, 110));
    sky.setColorAt(1, QColor(255, 214, 150));
    p.fillRect(0, 0, w, shore, sky);

    QRadialGradient glow(QPointF(520, 112), 170);
    glow.setColorAt(0, QColor(255, 244, 200, 230));
    glow.setColorAt(1, QColor(255, 244, 200, 0));
    p.fillRect(0, 0, w, shore, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(520, 112), 30, 30);

    const QPainterPath far =
        ridge(w, shore, {{0, 190}, {90, 150}, {170, 185}, {260, 120}, {360, 175}, {470, 140}, {560, 180}, {640, 160}});
    const QPainterPath near =
        ridge(w, shore, {{0, 225}, {120, 200}, {230, 230}, {330, 205}, {450, 235}, {560, 210}, {640, 228}});
    p.setBrush(QColor(96, 82, 128));
    p.drawPath(far);
    p.setBrush(QColor(52, 60, 92));
    p.drawPath(near);

    QLinearGradient water(0, shore, 0, h);
    water.setColorAt(0, QColor(250, 190, 140));
    water.setColorAt(0.25, QColor(120, 110, 150));
    water.setColorAt(1, QColor(30, 42, 78));
    p.fillRect(0, shore, w, h - shore, water);

    // The sun's path on the water: short strokes that thin out.
    for (int i = 0; i < 14; ++i) {
        const double y = shore + 8 + i * 9.5;
        const double half = 40 - i * 2.4;
        p.setBrush(QColor(255, 236, 180, 200 - i * 12));
        p.drawRoundedRect(QRectF(520 - half, y, 2 * half, 3), 1.5, 1.5);
    }

    // A small boat with a sail.
    p.setBrush(QColor(28, 30, 46));
    QPainterPath hull(QPointF(150, 300));
    hull.lineTo(230, 300);
    hull.lineTo(216, 314);
    hull.lineTo(162, 314);
    hull.closeSubpath();
    p.drawPath(hull);
    p.setBrush(QColor(244, 240, 230));
    QPainterPath sail(QPointF(190, 296));
    sail.lineTo(190, 236);
    sail.lineTo(222, 296);
    sail.closeSubpath();
    p.drawPath(sail);
    p.end();
    return img;
}
