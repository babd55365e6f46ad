// An ivory dial with radial Roman numerals, a railway minute track, a brass
// bezel and blued Breguet hands.

#include "dial_kit.h"
#include "glyphs.h"
#include "hand_shapes.h"
#include "paint_util.h"
#include "skins.h"

namespace asset {

namespace {

const char *const romans[] = {"XII", "I", "II", "III", "IIII", "V", "VI", "VII", "VIII", "IX", "X", "XI"};

QImage classic_face()
{
    return draw_dial(260, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 127, QColor("#fcf7ea"), QColor("#e8d9b6"));
        inner_shadow(p, c, 127, 8, 60);

        // Fine engine turning in the centre.
        p.setBrush(Qt::NoBrush);
        for (qreal r = 6; r < 66; r += 2.4) {
            p.setPen(QPen(QColor(120, 90, 40, 26), 0.7));
            p.drawEllipse(c, r, r);
        }
        const QColor ink("#2e2217");
        p.setPen(QPen(ink, 0.8));
        p.drawEllipse(c, 67, 67);
        p.drawEllipse(c, 119.6, 119.6);
        p.drawEllipse(c, 124.8, 124.8);
        p.setPen(QPen(ink, 0.5));
        p.drawEllipse(c, 88, 88);

        for (int h = 0; h < 12; ++h) {
            p.fillPath(radial_bar(c, 119.6, 124.8, 2.6, h * 30.0), ink);
            p.fillPath(place(roman_numeral(QString::fromLatin1(romans[h]), 21), c, 102, h * 30.0, false), ink);
        }
        metal_ring(p, c, 129.6, 126.2, QColor("#b8924a"), 0.6);
    });
}

} // namespace

skin_set make_classic()
{
    skin_set s;
    s.name = "Classic";
    s.face = classic_face();
    const auto blued = faceted(QColor("#34508c"), QColor("#15254a"));
    s.hour = make_hand(breguet(3.6, 72, 9, 48, 7.4, 4.6, 6.8), blued);
    s.mins = make_hand(breguet(2.8, 110, 12, 88, 5.8, 3.6, 5.8), blued);
    QPainterPath sec = seconds_hand(1.1, 114, 26, 4.4, 3.2).subtracted(disc({0, 26}, 2.3));
    s.secs = make_hand(sec, faceted(QColor("#2f4a85"), QColor("#1a2b52")), 2, 0.3);
    s.cap = make_cap(3.8, dome(QColor("#fff1c4"), QColor("#9a7430"), QColor("#5c441a")));
    return s;
}

} // namespace asset
