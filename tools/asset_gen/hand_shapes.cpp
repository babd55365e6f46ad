#include "hand_shapes.h"

#include <QPainterPathStroker>

namespace asset {

QPainterPath disc(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath baton(qreal half_base, qreal half_top, qreal length, qreal point, qreal tail, qreal boss)
{
    QPainterPath path;
    path.moveTo(-half_base, tail);
    path.lineTo(-half_top, -(length - point));
    path.lineTo(0, -length);
    path.lineTo(half_top, -(length - point));
    path.lineTo(half_base, tail);
    path.closeSubpath();
    return path.united(disc({0, 0}, boss));
}

QPainterPath stick(qreal w, qreal length, qreal tail)
{
    QPainterPath line;
    line.moveTo(0, tail);
    line.lineTo(0, -length);
    QPainterPathStroker s;
    s.setWidth(w);
    s.setCapStyle(Qt::RoundCap);
    return s.createStroke(line).simplified();
}

QPainterPath breguet(qreal shaft, qreal length, qreal tail, qreal ring_at, qreal ring_out, qreal ring_in, qreal boss)
{
    QPainterPath body;
    body.addRect(QRectF(-shaft / 2, -ring_at, shaft, ring_at + tail));
    QPainterPath leaf;
    const qreal base = ring_at + ring_out * 0.8;
    const qreal half = ring_out * 0.5;
    leaf.moveTo(0, -base + 1);
    leaf.cubicTo(half * 1.4, -base - (length - base) * 0.25, half * 0.5, -length + (length - base) * 0.3, 0, -length);
    leaf.cubicTo(-half * 0.5, -length + (length - base) * 0.3, -half * 1.4, -base - (length - base) * 0.25, 0,
                 -base + 1);
    leaf.closeSubpath();
    body = body.united(leaf).united(disc({0, -ring_at}, ring_out)).subtracted(disc({0, -ring_at}, ring_in));
    return body.united(disc({0, 0}, boss));
}

QPainterPath seconds_hand(qreal w, qreal length, qreal tail, qreal weight, qreal boss)
{
    QPainterPath shaft;
    shaft.addRect(QRectF(-w / 2, -length, w, length + tail));
    return shaft.united(disc({0, tail}, weight)).united(disc({0, 0}, boss));
}

} // namespace asset
