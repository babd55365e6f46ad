// The default skin: a clean light dial with Arabic numerals and dark baton hands.

#include "dial_kit.h"
#include "hand_shapes.h"
#include "paint_util.h"
#include "skins.h"

namespace asset {

namespace {

QImage standart_face()
{
    return draw_dial(240, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 117.5, QColor("#ffffff"), QColor("#e6e6e2"));
        inner_shadow(p, c, 117.5, 7, 46);
        metal_ring(p, c, 119.6, 116.8, QColor("#50555d"), 0.5);

        const QColor ink("#23262b");
        for (int h = 0; h < 12; ++h) {
            const bool main = h % 3 == 0;
            p.fillPath(radial_bar(c, 99, 115.2, main ? 4.6 : 3.0, h * 30.0), ink);
        }
        for (int h = 1; h <= 12; ++h)
            p.fillPath(hour_numeral(h, c, h >= 10 ? 82 : 84, 15.5, 2.3), ink);
    });
}

} // namespace

skin_set make_standart()
{
    skin_set s;
    s.name = "Standart";
    s.face = standart_face();
    const auto dark = faceted(QColor("#3a3e45"), QColor("#16181b"));
    s.hour = make_hand(baton(3.7, 4.0, 64, 12, 11, 6.4), dark);
    s.mins = make_hand(baton(2.8, 3.0, 101, 13, 14, 5.4), dark);

    s.secs = make_hand(seconds_hand(1.5, 106, 21, 4.2, 3.6), faceted(QColor("#e0423a"), QColor("#c02a22")), 2, 0.3);

    s.cap = make_cap(3.4, dome(QColor("#f6f6f6"), QColor("#7b8088"), QColor("#3b3e44")));
    return s;
}

} // namespace asset
