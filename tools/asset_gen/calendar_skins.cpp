#include "calendar_skins.h"

#include "hand_shapes.h"
#include "paint_util.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace asset {

QImage calendar_skin(const calendar_look &look)
{
    // Drawn at twice the window's default size, so a calendar made larger
    // with the grip still gets a sharp picture.
    const qreal k = 2;
    const int w = int(300 * k), h = int(200 * k);
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(k, k, w - 2 * k, h - 2 * k);
    QPainterPath panel;
    panel.addRoundedRect(r, 14 * k, 14 * k);

    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p.fillPath(panel, g);

    p.save();
    p.setClipPath(panel);
    // A few blurred light spots, kept faint so the day numbers stay readable.
    lcg rnd(look.seed);
    for (int i = 0; i < 7; ++i) {
        const QPointF c(rnd.range(0, w), rnd.range(0, h));
        const qreal rad = rnd.range(25, 70) * k;
        QColor in = look.glow;
        in.setAlpha(int(rnd.range(14, 34)));
        QColor out = look.glow;
        out.setAlpha(0);
        QRadialGradient spot(c, rad);
        spot.setColorAt(0, in);
        spot.setColorAt(1, out);
        p.fillRect(r, spot);
    }
    // Glassy sheen over the upper part.
    QPainterPath sheen;
    sheen.moveTo(r.left(), r.top());
    sheen.lineTo(r.right(), r.top());
    sheen.lineTo(r.right(), r.top() + h * 0.18);
    sheen.cubicTo(r.right() - w * 0.35, r.top() + h * 0.32, r.left() + w * 0.3, r.top() + h * 0.2, r.left(),
                  r.top() + h * 0.36);
    sheen.closeSubpath();
    QLinearGradient sg(r.topLeft(), QPointF(r.left(), r.top() + h * 0.36));
    sg.setColorAt(0, QColor(255, 255, 255, 46));
    sg.setColorAt(1, QColor(255, 255, 255, 6));
    p.fillPath(sheen, sg);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), k));
    p.drawRoundedRect(r.adjusted(k / 2, k / 2, -k / 2, -k / 2), 13.5 * k, 13.5 * k);
    p.setPen(QPen(QColor(0, 0, 0, 90), k));
    p.drawRoundedRect(r.adjusted(-k / 2, -k / 2, k / 2, k / 2), 14.5 * k, 14.5 * k);
    return img;
}

QImage resize_grip()
{
    const int size = 16;
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const qreal o = 4 + i * 4;
        p.setPen(QPen(QColor(0, 0, 0, 120), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(size - 2, o), QPointF(o, size - 2));
        p.setPen(QPen(QColor(255, 255, 255, 230), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(size - 2, o), QPointF(o, size - 2));
    }
    return img;
}

} // namespace asset
