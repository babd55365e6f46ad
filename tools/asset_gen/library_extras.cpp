// Extra parts for the skin constructor's libraries, beyond those of the
// shipped skins: dials and hands in other finishes to mix and match, in
// classic, modern, minimal and dark looks.

#include "library_extras.h"
#include "dial_kit.h"
#include "hand_maker.h"
#include "hand_shapes.h"
#include "paint_util.h"

#include <QtMath>

namespace asset {

namespace {

const int dial_size = 240;

QImage plain_dial(const QColor &centre, const QColor &edge, const QColor &ink, const QColor &bezel)
{
    return draw_dial(dial_size, [&](QPainter &p, QPointF c) {
        radial_disc(p, c, 117.5, centre, edge);
        inner_shadow(p, c, 117.5, 7, 60);
        metal_ring(p, c, 119.6, 116.8, bezel, 0.5);
        for (int h = 0; h < 12; ++h)
            p.fillPath(radial_bar(c, h % 3 ? 99 : 92, 115.2, h % 3 ? 3.2 : 5.2, h * 30.0), ink);
    });
}

// Minimal: a flat white disc, a hairline rim, fine minute ticks and twelve
// slim bars; nothing else.
QImage minimal_dial()
{
    return draw_dial(dial_size, [](QPainter &p, QPointF c) {
        p.fillPath(disc(c, 119.5), QColor("#fbfbfa"));
        p.fillPath(ring_path(c, 119.5, 118.2), QColor("#c9cacc"));
        for (int m = 0; m < 60; ++m) {
            if (m % 5 == 0)
                p.fillPath(radial_bar(c, m % 15 ? 100 : 94, 112, m % 15 ? 2.4 : 3.4, m * 6.0), QColor("#1b1c1e"));
            else
                p.fillPath(radial_bar(c, 107, 112, 1.0, m * 6.0), QColor("#a6a8ab"));
        }
    });
}

// Modern: matte black with a faint sheen, bold white blocks, an orange
// minute track.
QImage modern_dial()
{
    return draw_dial(dial_size, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 118, QColor("#2b2d31"), QColor("#0d0e10"));
        inner_shadow(p, c, 118, 8, 90);
        metal_ring(p, c, 119.8, 117.2, QColor("#3a3c40"), 0.35);
        for (int m = 0; m < 60; ++m)
            if (m % 5 != 0)
                p.fillPath(radial_bar(c, 109, 113, 1.2, m * 6.0), QColor("#ff7a1a"));
        for (int h = 0; h < 12; ++h) {
            const bool main = h % 3 == 0;
            p.fillPath(radial_bar(c, main ? 80 : 88, 113, main ? 9.0 : 6.0, h * 30.0), QColor("#f4f4f2"));
        }
    });
}

// Dark blue sunray dial with silver indices.
QImage ocean_dial()
{
    return draw_dial(dial_size, [](QPainter &p, QPointF c) {
        radial_disc(p, c, 117.5, QColor("#2f5c9e"), QColor("#0d2247"));
        // Fine rays catching the light, fading towards the rim.
        p.save();
        p.setClipPath(disc(c, 117));
        for (int i = 0; i < 180; ++i) {
            const qreal a = i * 2.0;
            QColor ray = i % 2 ? QColor(255, 255, 255, 10) : QColor(0, 0, 20, 14);
            p.setPen(QPen(ray, 1.2));
            p.drawLine(polar(c, 6, a), polar(c, 117, a));
        }
        p.restore();
        inner_shadow(p, c, 117.5, 7, 80);
        metal_ring(p, c, 119.6, 116.6, QColor("#b8bec8"), 0.6);
        for (int h = 0; h < 12; ++h) {
            const bool main = h % 3 == 0;
            const QPainterPath bar = radial_bar(c, main ? 90 : 96, 112, main ? 6.0 : 4.0, h * 30.0);
            p.fillPath(bar, QColor("#e9edf2"));
            p.setPen(QPen(QColor("#8d96a3"), 0.6));
            p.drawPath(bar);
        }
    });
}

library_part hand_part(const char *library, const char *name, const hand_picture &h, int percent)
{
    return {library, name, library_hand(h, percent)};
}

} // namespace

QImage library_hand(const hand_picture &hand, int percent)
{
    const int p = hand.image.height();
    const int below = qRound(hand.z * p);
    const int above = p - below;
    // The clock puts the pivot at row -int(0 - (h - h * z)); find the
    // smallest height at which that row leaves room on both sides and lands
    // on whole pixels at double size too.
    const double z = percent / 100.0;
    for (int h = p;; ++h) {
        const int row = -int(0 - (h - h * z));
        if (row < above || h - row < below || -int(0 - (2 * h - 2 * h * z)) != 2 * row ||
            qAbs((h - row) - h * z) > 1e-6)
            continue;
        QImage out = canvas(hand.image.width(), h);
        QPainter painter(&out);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, row - above, hand.image);
        return out;
    }
}

QList<library_part> library_extras()
{
    QList<library_part> parts;
    parts.push_back({"Clockface", "plain_white",
                     plain_dial(QColor("#ffffff"), QColor("#e4e4e0"), QColor("#25282d"), QColor("#9aa0a8"))});
    parts.push_back({"Clockface", "plain_slate",
                     plain_dial(QColor("#4a5461"), QColor("#1f252d"), QColor("#eef2f6"), QColor("#2a2f36"))});
    parts.push_back({"Clockface", "plain_cream",
                     plain_dial(QColor("#fff9ec"), QColor("#eadcbd"), QColor("#5b3b1c"), QColor("#b8924a"))});
    parts.push_back({"Clockface", "minimal_white", minimal_dial()});
    parts.push_back({"Clockface", "modern_black", modern_dial()});
    parts.push_back({"Clockface", "ocean_blue", ocean_dial()});

    const auto white = faceted(QColor("#ffffff"), QColor("#c9d0d8"));
    const auto gold = faceted(QColor("#f3d27a"), QColor("#b08a2e"));
    const auto black = faceted(QColor("#26282c"), QColor("#111214"));
    const auto red = faceted(QColor("#e8483e"), QColor("#c8322a"));
    const auto orange = faceted(QColor("#ff8a2e"), QColor("#e0661a"));
    const auto ivory = faceted(QColor("#fafaf7"), QColor("#d5d8dc"), QColor("#6c7178"));

    parts.push_back(
        hand_part("Hourface", "baton_white", make_hand(baton(3.7, 4.0, 64, 12, 11, 6.4), white), hour_pivot_percent));
    parts.push_back(
        hand_part("Minface", "baton_white", make_hand(baton(2.8, 3.0, 101, 13, 12, 5.4), white), mins_pivot_percent));
    parts.push_back(hand_part("Hourface", "breguet_gold", make_hand(breguet(3.6, 66, 9, 44, 7.0, 4.4, 6.6), gold),
                              hour_pivot_percent));
    parts.push_back(hand_part("Minface", "breguet_gold", make_hand(breguet(2.8, 101, 10, 80, 5.6, 3.5, 5.6), gold),
                              mins_pivot_percent));
    // Minimal: flat black sticks, a thin red seconds stick.
    parts.push_back(hand_part("Hourface", "stick_black",
                              make_hand(stick(5.0, 62, 8).united(disc({0, 0}, 5.0)), black, 2, 0.25),
                              hour_pivot_percent));
    parts.push_back(hand_part("Minface", "stick_black",
                              make_hand(stick(3.4, 102, 8).united(disc({0, 0}, 4.2)), black, 2, 0.25),
                              mins_pivot_percent));
    parts.push_back(hand_part("Secundsface", "stick_red",
                              make_hand(stick(1.3, 106, 20).united(disc({0, 0}, 3.0)), red, 1, 0.25),
                              secunds_pivot_percent));
    // Modern: broad ivory swords with a dark edge, an orange lollipop seconds.
    parts.push_back(
        hand_part("Hourface", "sword_ivory", make_hand(baton(5.2, 3.2, 66, 16, 10, 7.0), ivory), hour_pivot_percent));
    parts.push_back(
        hand_part("Minface", "sword_ivory", make_hand(baton(4.2, 2.4, 104, 18, 10, 6.0), ivory), mins_pivot_percent));
    parts.push_back(
        hand_part("Secundsface", "lollipop_orange",
                  make_hand(seconds_hand(1.3, 108, 20, 3.4, 3.2).united(disc({0, -84}, 4.6)), orange, 2, 0.3),
                  secunds_pivot_percent));
    // Too thin for two facets to read as anything but a fringe: nearly flat.
    const auto flat_gold = faceted(QColor("#e2b84e"), QColor("#c9a040"));
    parts.push_back(hand_part("Secundsface", "needle_gold",
                              make_hand(seconds_hand(1.2, 106, 22, 3.6, 3.0), flat_gold, 2, 0.3),
                              secunds_pivot_percent));
    parts.push_back(hand_part("Secundsface", "needle_white",
                              make_hand(seconds_hand(1.4, 106, 22, 4.0, 3.4), white, 2, 0.35), secunds_pivot_percent));

    parts.push_back({"Dots", "gold", make_cap(4.0, dome(QColor("#fff1c4"), QColor("#9a7430"), QColor("#5c441a")))});
    parts.push_back({"Dots", "black", make_cap(4.0, dome(QColor("#6a6e75"), QColor("#101214"), QColor()))});
    parts.push_back({"Dots", "red", make_cap(3.2, dome(QColor("#ff8a80"), QColor("#c62a20"), QColor()), 1, 0.3)});
    parts.push_back(
        {"Dots", "orange", make_cap(3.6, dome(QColor("#ffc08a"), QColor("#e0621a"), QColor("#7a3000")), 2, 0.35)});
    parts.push_back(
        {"Dots", "steel", make_cap(4.2, dome(QColor("#ffffff"), QColor("#8a929c"), QColor("#4a5058")), 2, 0.4)});
    return parts;
}

} // namespace asset
