#pragma once
// Turns a hand outline into a skin picture: pointing to 12 o'clock, narrow,
// transparent, with a soft shadow, and the pivot placed so that the clock's
// integer arithmetic lands on it exactly.

#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace asset {

struct hand_picture
{
    QImage image;
    double z = 0;   // pivot height above the bottom edge, as a fraction of the height
    QString z_text; // z as written to settings.ini
};

// outline: the hand with its pivot at (0, 0), tip towards negative y.
// fill paints the hand; it gets a painter whose origin is the pivot.
using hand_fill = std::function<void(class QPainter &, const QPainterPath &)>;

hand_picture make_hand(const QPainterPath &outline, const hand_fill &fill, int shadow_radius = 2,
                       qreal shadow_opacity = 0.38);

// Plain fill: two facets, the left one lighter, with a hairline edge.
hand_fill faceted(const QColor &light, const QColor &dark, const QColor &edge = QColor());

// A lit dome: highlight at the top left, rim line around.
hand_fill dome(const QColor &light, const QColor &dark, const QColor &rim);

// Cap picture: a disc painted by fill around (0, 0), radius r, with a shadow.
QImage make_cap(qreal r, const hand_fill &fill, int shadow_radius = 2, qreal shadow_opacity = 0.4);

} // namespace asset
