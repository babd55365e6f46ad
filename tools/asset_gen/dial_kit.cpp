#include "dial_kit.h"

#include "glyphs.h"
#include "paint_util.h"

#include <QConicalGradient>
#include <QRadialGradient>
#include <QTransform>

namespace asset {

QPainterPath ring_path(QPointF c, qreal r_out, qreal r_in)
{
    QPainterPath path;
    path.addEllipse(c, r_out, r_out);
    path.addEllipse(c, r_in, r_in);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void metal_ring(QPainter &p, QPointF c, qreal r_out, qreal r_in, const QColor &base, qreal shine)
{
    QConicalGradient g(c, 45);
    const QColor hi = mix(base, Qt::white, shine);
    const QColor lo = mix(base, Qt::black, shine * 0.5);
    g.setColorAt(0.0, hi);
    g.setColorAt(0.12, base);
    g.setColorAt(0.25, lo);
    g.setColorAt(0.38, base);
    g.setColorAt(0.5, hi);
    g.setColorAt(0.62, base);
    g.setColorAt(0.75, lo);
    g.setColorAt(0.88, base);
    g.setColorAt(1.0, hi);
    p.fillPath(ring_path(c, r_out, r_in), g);
    // A thin bevel: light on the outer edge, dark on the inner one.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
    p.drawEllipse(c, r_out - 0.5, r_out - 0.5);
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.drawEllipse(c, r_in + 0.4, r_in + 0.4);
    p.restore();
}

void radial_disc(QPainter &p, QPointF c, qreal r, const QColor &centre, const QColor &edge)
{
    QRadialGradient g(c - QPointF(r * 0.15, r * 0.2), r * 1.15);
    g.setColorAt(0.0, centre);
    g.setColorAt(0.7, mix(centre, edge, 0.45));
    g.setColorAt(1.0, edge);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.fillPath(disc, g);
}

void inner_shadow(QPainter &p, QPointF c, qreal r, qreal depth, int alpha)
{
    QRadialGradient g(c, r);
    const qreal from = 1.0 - depth / r;
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(from, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, alpha));
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.fillPath(disc, g);
}

QPainterPath radial_bar(QPointF c, qreal r0, qreal r1, qreal w, qreal deg)
{
    QPainterPath bar;
    bar.addRect(QRectF(-w / 2, -r1, w, r1 - r0));
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(deg);
    return t.map(bar);
}

QPainterPath place(const QPainterPath &shape, QPointF c, qreal r, qreal deg, bool upright)
{
    QTransform t;
    if (upright) {
        const QPointF at = polar(c, r, deg);
        t.translate(at.x(), at.y());
    } else {
        t.translate(c.x(), c.y());
        t.rotate(deg);
        t.translate(0, -r);
    }
    return t.map(shape);
}

QPainterPath hour_numeral(int hour, QPointF c, qreal r, qreal h, qreal sw)
{
    return place(stroke_number(QString::number(hour == 0 ? 12 : hour), h, sw), c, r, hour * 30.0, true);
}

QImage draw_dial(int size, const std::function<void(QPainter &, QPointF)> &draw)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QPointF(size / 2.0, size / 2.0));
    p.end();
    return img;
}

} // namespace asset
