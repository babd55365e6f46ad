// A small friendly clock: white face, teal rim, rounded stick hands.

#include "dial_kit.h"
#include "hand_shapes.h"
#include "paint_util.h"
#include "skins.h"

namespace asset {

namespace {

QImage mini_face()
{
    return draw_dial(140, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 68, QColor("#ffffff"), QColor("#e9eef0"));
        p.fillPath(ring_path(c, 68, 62.6), QColor("#dcefef"));
        inner_shadow(p, c, 68, 5, 50);
        metal_ring(p, c, 69.8, 67.5, QColor("#1d7480"), 0.35);

        const QColor ink("#24404c");
        for (int h = 0; h < 12; ++h) {
            if (h % 3 == 0)
                p.fillPath(hour_numeral(h, c, h == 0 ? 51 : 53, 12, 2.1), ink);
            else
                p.fillPath(place(disc({0, 0}, 2.3), c, 56, h * 30.0, false), ink);
        }
    });
}

} // namespace

skin_set make_mini()
{
    skin_set s;
    s.name = "Mini";
    s.face = mini_face();
    const auto slate = faceted(QColor("#3b5563"), QColor("#22333d"));
    s.hour = make_hand(stick(5.2, 35, 6).united(disc({0, 0}, 4.4)), slate, 2, 0.32);
    s.mins = make_hand(stick(3.8, 55, 7).united(disc({0, 0}, 3.6)), slate, 2, 0.32);
    s.secs = make_hand(seconds_hand(1.1, 59, 13, 2.8, 2.6), faceted(QColor("#ff6a5c"), QColor("#e84c3d")), 1, 0.3);
    s.cap = make_cap(2.4, dome(QColor("#ff8f84"), QColor("#d43b2d"), QColor()), 1, 0.35);
    return s;
}

} // namespace asset
