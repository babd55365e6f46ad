#include "glyphs.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <initializer_list>

namespace asset {

namespace {

// Open line segments through the points, in order.
void polyline(QPainterPath &p, std::initializer_list<QPointF> points)
{
    p.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        p.lineTo(*it);
}

// Centre lines of the digits in a box 0.6 wide and 1.0 high (y down).
QPainterPath digit_skeleton(QChar c, qreal *advance)
{
    QPainterPath p;
    *advance = 0.6;
    switch (c.unicode()) {
    case '0':
        p.addEllipse(QRectF(0.0, 0.0, 0.6, 1.0));
        break;
    case '1':
        polyline(p, {{0.06, 0.2}, {0.3, 0.0}, {0.3, 1.0}});
        *advance = 0.42;
        break;
    case '2':
        p.moveTo(0.03, 0.24);
        p.cubicTo(0.06, -0.07, 0.6, -0.08, 0.58, 0.27);
        p.cubicTo(0.56, 0.5, 0.18, 0.7, 0.01, 1.0);
        p.lineTo(0.6, 1.0);
        break;
    case '3':
        p.moveTo(0.03, 0.15);
        p.cubicTo(0.15, -0.05, 0.57, -0.04, 0.55, 0.24);
        p.cubicTo(0.54, 0.42, 0.38, 0.47, 0.2, 0.47);
        p.cubicTo(0.44, 0.47, 0.62, 0.55, 0.6, 0.74);
        p.cubicTo(0.58, 1.05, 0.11, 1.06, 0.0, 0.84);
        break;
    case '4':
        polyline(p, {{0.46, 1.0}, {0.46, 0.0}, {0.0, 0.68}, {0.62, 0.68}});
        break;
    case '5':
        polyline(p, {{0.55, 0.0}, {0.11, 0.0}, {0.06, 0.45}});
        p.cubicTo(0.25, 0.34, 0.62, 0.37, 0.6, 0.69);
        p.cubicTo(0.58, 1.05, 0.11, 1.05, 0.0, 0.85);
        break;
    case '6':
        p.addEllipse(QRectF(0.01, 0.42, 0.58, 0.58));
        p.moveTo(0.02, 0.72);
        p.cubicTo(-0.01, 0.35, 0.2, 0.07, 0.5, 0.0);
        break;
    case '7':
        polyline(p, {{0.0, 0.0}, {0.6, 0.0}, {0.2, 1.0}});
        break;
    case '8':
        p.addEllipse(QRectF(0.06, 0.0, 0.48, 0.45));
        p.addEllipse(QRectF(0.0, 0.45, 0.6, 0.55));
        break;
    case '9':
        p.addEllipse(QRectF(0.01, 0.0, 0.58, 0.58));
        p.moveTo(0.58, 0.28);
        p.cubicTo(0.61, 0.65, 0.4, 0.93, 0.1, 1.0);
        break;
    default:
        break;
    }
    return p;
}

} // namespace

QPainterPath stroke_number(const QString &digits, qreal h, qreal sw)
{
    const qreal gap = 0.2;
    QPainterPath skeleton;
    qreal x = 0;
    for (int i = 0; i < digits.size(); ++i) {
        qreal adv = 0;
        QPainterPath d = digit_skeleton(digits.at(i), &adv);
        skeleton.addPath(d.translated(x, 0));
        x += adv + (i + 1 < digits.size() ? gap : 0);
    }
    QTransform t;
    t.scale(h, h);
    t.translate(-x / 2, -0.5);
    QPainterPathStroker stroker;
    stroker.setWidth(sw);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath out = stroker.createStroke(t.map(skeleton));
    out.setFillRule(Qt::WindingFill);
    return out.simplified();
}

QPainterPath roman_numeral(const QString &text, qreal h)
{
    const qreal thick = 0.15 * h, thin = 0.055 * h, serif = 0.05 * h;
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    const auto bar = [&](qreal x0, qreal x1, qreal y) {
        QPainterPath s;
        s.addRect(QRectF(x0, y, x1 - x0, serif));
        out = out.united(s);
    };
    const auto stroke = [&](QPointF a, QPointF b, qreal w) {
        // A slanted stroke of horizontal width w between a (top) and b (bottom).
        QPolygonF poly;
        poly << QPointF(a.x() - w / 2, a.y()) << QPointF(a.x() + w / 2, a.y()) << QPointF(b.x() + w / 2, b.y())
             << QPointF(b.x() - w / 2, b.y());
        QPainterPath s;
        s.addPolygon(poly);
        s.closeSubpath();
        out = out.united(s);
    };
    qreal x = 0;
    const qreal gap = 0.04 * h;
    for (QChar c : text) {
        if (c == u'I') {
            const qreal cx = x + 0.14 * h;
            stroke({cx, 0}, {cx, h}, thick);
            bar(cx - 0.14 * h, cx + 0.14 * h, 0);
            bar(cx - 0.14 * h, cx + 0.14 * h, h - serif);
            x += 0.28 * h + gap;
        } else if (c == u'V') {
            const qreal w = 0.62 * h;
            stroke({x + 0.09 * h, 0}, {x + w / 2 - 0.02 * h, h}, thick);
            stroke({x + w - 0.09 * h, 0}, {x + w / 2 + 0.03 * h, h}, thin);
            bar(x, x + 0.2 * h, 0);
            bar(x + w - 0.18 * h, x + w, 0);
            x += w + gap;
        } else if (c == u'X') {
            const qreal w = 0.6 * h;
            stroke({x + 0.1 * h, 0}, {x + w - 0.1 * h, h}, thick);
            stroke({x + w - 0.1 * h, 0}, {x + 0.1 * h, h}, thin);
            bar(x, x + 0.22 * h, 0);
            bar(x + w - 0.2 * h, x + w, 0);
            bar(x, x + 0.2 * h, h - serif);
            bar(x + w - 0.22 * h, x + w, h - serif);
            x += w + gap;
        }
    }
    x -= gap;
    return out.translated(-x / 2, -h / 2);
}

} // namespace asset
