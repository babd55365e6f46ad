#pragma once
// Outlines of clock hands, pivot at (0, 0), pointing to negative y.

#include <QPainterPath>

namespace asset {

QPainterPath disc(QPointF c, qreal r);

// Straight hand widening or narrowing from the tail to a pointed tip, with a round boss.
QPainterPath baton(qreal half_base, qreal half_top, qreal length, qreal point, qreal tail, qreal boss);

// A round-ended stick of width w from tail to length.
QPainterPath stick(qreal w, qreal length, qreal tail);

// Breguet hand: slim shaft, an open ring at ring_at, a leaf tip beyond it.
QPainterPath breguet(qreal shaft, qreal length, qreal tail, qreal ring_at, qreal ring_out, qreal ring_in, qreal boss);

// Thin second hand with a round counterweight on the tail.
QPainterPath seconds_hand(qreal w, qreal length, qreal tail, qreal weight, qreal boss);

} // namespace asset
