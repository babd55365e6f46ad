// A rounded-square desk clock: sand face, slate frame, big numerals at the
// quarters and coral accents.

#include "dial_kit.h"
#include "hand_shapes.h"
#include "paint_util.h"
#include "skins.h"

#include <QLinearGradient>

namespace asset {

namespace {

QImage square_face()
{
    const int size = 220;
    return draw_dial(size, [](QPainter &p, QPointF c) {
        const QRectF outer(0.5, 0.5, size - 1, size - 1);
        QLinearGradient frame(outer.topLeft(), outer.bottomRight());
        frame.setColorAt(0, QColor("#566273"));
        frame.setColorAt(1, QColor("#262c35"));
        QPainterPath frame_path;
        frame_path.addRoundedRect(outer, 46, 46);
        p.fillPath(frame_path, frame);

        const QRectF inner = outer.adjusted(3.2, 3.2, -3.2, -3.2);
        QPainterPath face;
        face.addRoundedRect(inner, 43, 43);
        QLinearGradient sand(inner.topLeft(), inner.bottomRight());
        sand.setColorAt(0, QColor("#fbf6ee"));
        sand.setColorAt(1, QColor("#e9dccb"));
        p.fillPath(face, sand);
        // Soft shade along the top and left edges under the frame.
        p.save();
        p.setClipPath(face);
        QPainterPath shade = face.subtracted([&] {
            QPainterPath in;
            in.addRoundedRect(inner.adjusted(4, 5, 1, 1), 40, 40);
            return in;
        }());
        p.fillPath(shade, QColor(0, 0, 0, 22));
        p.restore();

        const QColor ink("#2c333d");
        const QColor coral("#e4572e");
        for (int h = 0; h < 12; ++h) {
            if (h % 3 == 0)
                p.fillPath(hour_numeral(h, c, h == 0 ? 78 : 82, 25, 3.6), ink);
            else
                p.fillPath(radial_bar(c, 88, 99, 3.4, h * 30.0), ink);
        }
        p.fillPath(place(disc({0, 0}, 2.6), c, 99, 0, false), coral);
    });
}

} // namespace

skin_set make_square()
{
    skin_set s;
    s.name = "Square";
    s.face = square_face();
    const auto slate = faceted(QColor("#3e4652"), QColor("#252a32"));
    QPainterPath hour;
    hour.addRoundedRect(QRectF(-4, -60, 8, 72), 4, 4);
    s.hour = make_hand(hour.united(disc({0, 0}, 6.4)), slate);
    QPainterPath mins;
    mins.addRoundedRect(QRectF(-2.9, -94, 5.8, 108), 2.9, 2.9);
    s.mins = make_hand(mins.united(disc({0, 0}, 5.4)), slate);
    s.secs = make_hand(seconds_hand(1.4, 98, 22, 4.4, 3.6).subtracted(disc({0, 22}, 2.2)),
                       faceted(QColor("#ef6a43"), QColor("#d2481f")), 2, 0.3);
    s.cap = make_cap(3.4, dome(QColor("#f7f2ea"), QColor("#b9ad9c"), QColor("#2c333d")));
    return s;
}

} // namespace asset
