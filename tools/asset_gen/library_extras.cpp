// Extra parts for the skin constructor's libraries, beyond those of the
// shipped skins: plain dials and hands in other finishes to mix and match.

#include "library_extras.h"
#include "dial_kit.h"
#include "hand_maker.h"
#include "hand_shapes.h"
#include "paint_util.h"

namespace asset {

namespace {

QImage plain_dial(const QColor &centre, const QColor &edge, const QColor &ink, const QColor &bezel)
{
    const int size = 240;
    const QPointF c(size / 2.0, size / 2.0);
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    radial_disc(p, c, 117.5, centre, edge);
    inner_shadow(p, c, 117.5, 7, 60);
    metal_ring(p, c, 119.6, 116.8, bezel, 0.5);
    for (int h = 0; h < 12; ++h)
        p.fillPath(radial_bar(c, h % 3 ? 99 : 92, 115.2, h % 3 ? 3.2 : 5.2, h * 30.0), ink);
    return img;
}

} // namespace

QList<library_part> library_extras()
{
    QList<library_part> parts;
    parts.push_back({"Clockface", "plain_white",
                     plain_dial(QColor("#ffffff"), QColor("#e4e4e0"), QColor("#25282d"), QColor("#9aa0a8"))});
    parts.push_back({"Clockface", "plain_slate",
                     plain_dial(QColor("#4a5461"), QColor("#1f252d"), QColor("#eef2f6"), QColor("#2a2f36"))});
    parts.push_back({"Clockface", "plain_cream",
                     plain_dial(QColor("#fff9ec"), QColor("#eadcbd"), QColor("#5b3b1c"), QColor("#b8924a"))});

    const auto white = faceted(QColor("#ffffff"), QColor("#c9d0d8"));
    const auto gold = faceted(QColor("#f3d27a"), QColor("#b08a2e"));
    parts.push_back({"Hourface", "baton_white", make_hand(baton(3.7, 4.0, 64, 12, 11, 6.4), white).image});
    parts.push_back({"Minface", "baton_white", make_hand(baton(2.8, 3.0, 101, 13, 14, 5.4), white).image});
    parts.push_back({"Hourface", "breguet_gold", make_hand(breguet(3.6, 66, 9, 44, 7.0, 4.4, 6.6), gold).image});
    parts.push_back({"Minface", "breguet_gold", make_hand(breguet(2.8, 101, 12, 80, 5.6, 3.5, 5.6), gold).image});
    parts.push_back(
        {"Secundsface", "needle_gold", make_hand(seconds_hand(1.2, 106, 22, 3.6, 3.0), gold, 2, 0.3).image});
    parts.push_back(
        {"Secundsface", "needle_white", make_hand(seconds_hand(1.4, 106, 22, 4.0, 3.4), white, 2, 0.35).image});
    parts.push_back({"Dots", "gold", make_cap(4.0, dome(QColor("#fff1c4"), QColor("#9a7430"), QColor("#5c441a")))});
    parts.push_back({"Dots", "black", make_cap(4.0, dome(QColor("#6a6e75"), QColor("#101214"), QColor()))});
    return parts;
}

} // namespace asset
