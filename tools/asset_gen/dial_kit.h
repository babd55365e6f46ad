#pragma once
// Building blocks of dial pictures: rings, faces and indices.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QImage>
#include <QPointF>

#include <functional>

namespace asset {

QPainterPath ring_path(QPointF c, qreal r_out, qreal r_in);

// A polished metal ring: light catching at the top left and bottom right.
void metal_ring(QPainter &p, QPointF c, qreal r_out, qreal r_in, const QColor &base, qreal shine = 0.55);

// A disc with a soft radial gradient from centre to edge.
void radial_disc(QPainter &p, QPointF c, qreal r, const QColor &centre, const QColor &edge);

// Darkening just inside radius r, as if cast by the bezel above the dial.
void inner_shadow(QPainter &p, QPointF c, qreal r, qreal depth, int alpha);

// A radial bar (rectangle) from r0 to r1 of width w at angle deg.
QPainterPath radial_bar(QPointF c, qreal r0, qreal r1, qreal w, qreal deg);

// A shape defined around (0, 0) and moved to angle deg and radius r; upright
// keeps it unrotated, otherwise its top points outwards.
QPainterPath place(const QPainterPath &shape, QPointF c, qreal r, qreal deg, bool upright);

// The numeral of hour (0 written as 12) in stroke_number() lettering of
// height h and stroke width sw, upright at radius r in the hour's direction.
QPainterPath hour_numeral(int hour, QPointF c, qreal r, qreal h, qreal sw);

// A transparent dial picture size pixels square: draw paints it with an
// antialiasing painter, given the centre.
QImage draw_dial(int size, const std::function<void(QPainter &, QPointF)> &draw);

} // namespace asset
