// A dark sunray dial with luminous indices and hands, steel chapter ring and
// an orange second hand.

#include "dial_kit.h"
#include "hand_shapes.h"
#include "paint_util.h"
#include "skins.h"

#include <QConicalGradient>

namespace asset {

namespace {

const QColor lume("#d4fae4");
const QColor glow("#6dffb8");

QImage midnight_face()
{
    const int size = 240;
    return draw_dial(size, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 117.5, QColor("#22345a"), QColor("#080d18"));
        // Sunray finish: faint alternating sectors.
        QConicalGradient rays(c, 90);
        for (int i = 0; i <= 72; ++i)
            rays.setColorAt(i / 72.0, QColor(255, 255, 255, i % 2 ? 0 : 9));
        p.fillPath(ring_path(c, 106.5, 0.1), rays);

        metal_ring(p, c, 116.8, 106.4, QColor("#8a939f"), 0.3);
        inner_shadow(p, c, 106.5, 4, 90);
        const QColor dark("#1a1e25");
        for (int h = 0; h < 12; ++h)
            p.fillPath(radial_bar(c, 108.2, 115.4, 2.8, h * 30.0), dark);

        QImage lumes = canvas(size, size);
        {
            QPainter q(&lumes);
            q.setRenderHint(QPainter::Antialiasing);
            for (int h = 0; h < 12; ++h) {
                QPainterPath mark;
                if (h == 0) {
                    mark.moveTo(-9, -101);
                    mark.lineTo(9, -101);
                    mark.lineTo(0, -80);
                    mark.closeSubpath();
                } else {
                    const qreal w = h % 3 ? 6.2 : 8.4;
                    mark.addRoundedRect(QRectF(-w / 2, -101, w, h % 3 ? 19 : 23), 2, 2);
                }
                q.fillPath(place(mark, c, 0, h * 30.0, false), lume);
            }
        }
        p.drawImage(0, 0, blurred_silhouette(lumes, 2, QColor(109, 255, 184, 90)));
        p.drawImage(0, 0, lumes);
        p.setPen(QPen(QColor("#b9c3cf"), 0.8));
        p.setBrush(Qt::NoBrush);
        metal_ring(p, c, 119.6, 116.8, QColor("#3a414b"), 0.45);
    });
}

// Steel frame with a luminous inlay.
hand_fill lume_hand(const QPainterPath &inlay)
{
    return [inlay](QPainter &p, const QPainterPath &shape) {
        faceted(QColor("#dfe5ec"), QColor("#838e9b"))(p, shape);
        p.fillPath(inlay, lume);
    };
}

QPainterPath inlay(qreal half_base, qreal half_top, qreal from, qreal to)
{
    QPainterPath path;
    path.moveTo(-half_base, -from);
    path.lineTo(-half_top, -to);
    path.lineTo(0, -to - half_top * 2);
    path.lineTo(half_top, -to);
    path.lineTo(half_base, -from);
    path.closeSubpath();
    return path;
}

} // namespace

skin_set make_midnight()
{
    skin_set s;
    s.name = "Midnight";
    s.face = midnight_face();
    s.hour = make_hand(baton(3.6, 5.0, 64, 13, 12, 6.6), lume_hand(inlay(2.2, 3.4, 12, 50)));
    s.mins = make_hand(baton(2.8, 3.6, 100, 12, 14, 5.6), lume_hand(inlay(1.5, 2.2, 12, 87)));
    const QPainterPath sec = seconds_hand(1.5, 106, 22, 3.2, 3.8).united(disc({0, -78}, 3.6));
    s.secs = make_hand(
        sec,
        [](QPainter &p, const QPainterPath &shape) {
            faceted(QColor("#ff8a33"), QColor("#e8620c"))(p, shape);
            p.fillPath(disc({0, -78}, 2.1), lume);
        },
        2, 0.45);
    s.cap = make_cap(3.6, dome(QColor("#ffb070"), QColor("#d0560a"), QColor("#7a3000")));
    return s;
}

} // namespace asset
