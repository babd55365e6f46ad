#include "hand_maker.h"

#include "paint_util.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace asset {

namespace {

// The clock draws a hand at truncate(-(p - p * z)); when z = b / p is a
// dyadic fraction the product is exact at any scale and no pixel is lost.
// Finds the smallest height p and pivot height b (at least the wanted ones,
// padding below and above) for which that holds.
void dyadic_layout(int below, int above, int *b, int *p)
{
    for (int h = below + above;; ++h) {
        int odd = h;
        while (odd % 2 == 0)
            odd /= 2;
        const int pivot = (below + odd - 1) / odd * odd;
        if (h - pivot >= above) {
            *b = pivot;
            *p = h;
            return;
        }
    }
}

} // namespace

hand_picture make_hand(const QPainterPath &outline, const hand_fill &fill, int shadow_radius, qreal shadow_opacity)
{
    const QRectF r = outline.boundingRect();
    const int margin = 3 * shadow_radius + 1;
    const int half_w = int(qCeil(qMax(-r.left(), r.right()))) + margin;
    const int w = 2 * half_w;
    int below = int(qCeil(qMax<qreal>(r.bottom(), 0))) + margin;
    const int above = int(qCeil(-r.top())) + margin;
    int h = 0;
    dyadic_layout(below, above, &below, &h);

    QImage body = canvas(w, h);
    {
        QPainter p(&body);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(half_w, h - below);
        fill(p, outline);
    }
    hand_picture out;
    out.image = shadow_radius > 0 ? with_shadow(body, shadow_radius, shadow_opacity) : body;
    out.z = double(below) / h;
    out.z_text = QString::number(out.z, 'g', 12);
    return out;
}

hand_fill faceted(const QColor &light, const QColor &dark, const QColor &edge)
{
    return [=](QPainter &p, const QPainterPath &shape) {
        p.fillPath(shape, light);
        const QRectF b = shape.boundingRect();
        p.save();
        p.setClipRect(QRectF(0, b.top() - 1, b.right() + 1, b.height() + 2));
        p.fillPath(shape, dark);
        p.restore();
        if (edge.isValid()) {
            p.setPen(QPen(edge, 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
        }
    };
}

hand_fill dome(const QColor &light, const QColor &dark, const QColor &rim)
{
    return [=](QPainter &p, const QPainterPath &disc) {
        const QRectF b = disc.boundingRect();
        QRadialGradient g(b.center() - QPointF(b.width() * 0.18, b.height() * 0.22), b.width() * 0.7);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.fillPath(disc, g);
        if (rim.isValid()) {
            p.setPen(QPen(rim, 0.7));
            p.setBrush(Qt::NoBrush);
            p.drawPath(disc);
        }
    };
}

QImage make_cap(qreal r, const hand_fill &fill, int shadow_radius, qreal shadow_opacity)
{
    const int half = int(qCeil(r)) + 3 * shadow_radius + 1;
    QImage body = canvas(2 * half, 2 * half);
    {
        QPainter p(&body);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(half, half);
        QPainterPath disc;
        disc.addEllipse(QPointF(0, 0), r, r);
        fill(p, disc);
    }
    return with_shadow(body, shadow_radius, shadow_opacity, QPointF(0, 0.6));
}

} // namespace asset
