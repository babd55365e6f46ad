#include "stickers.h"

#include "hand_shapes.h"
#include "paint_util.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace asset {

namespace {

QPainterPath paper_outline(QRectF r, qreal curl, quint32 seed)
{
    lcg rnd(seed);
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 3);
    // Torn edge: small irregular teeth along the top.
    for (qreal x = r.left() + 4; x < r.right() - 2; x += rnd.range(3.0, 6.5))
        path.lineTo(x, r.top() + rnd.range(0.0, 4.5));
    path.lineTo(r.right(), r.top() + 2);
    path.lineTo(r.right(), r.bottom() - curl);
    // Bottom right corner folded up towards the reader.
    path.quadTo(r.right() - curl * 0.25, r.bottom() - curl * 0.3, r.right() - curl, r.bottom());
    path.lineTo(r.left() + 2, r.bottom());
    path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - 2);
    path.closeSubpath();
    return path;
}

} // namespace

QImage note_paper(const QColor &paper, const QColor &pin, quint32 seed)
{
    const int w = 260, h = 200;
    const QRectF r(6, 12, w - 12, h - 18);
    const qreal curl = 30;
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QPainterPath sheet = paper_outline(r, curl, seed);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, paper.lighter(106));
    g.setColorAt(1, paper.darker(104));
    p.fillPath(sheet, g);

    p.save();
    p.setClipPath(sheet);
    p.setPen(QPen(QColor(70, 100, 150, 38), 1));
    for (qreal y = r.top() + 34.5; y < r.bottom() - 6; y += 19)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    p.setPen(QPen(QColor(200, 60, 60, 50), 1));
    p.drawLine(QPointF(r.left() + 22.5, r.top() + 6), QPointF(r.left() + 22.5, r.bottom()));
    // Shade where the curl lifts the paper.
    QRadialGradient lift(QPointF(r.right(), r.bottom()), curl * 1.9);
    lift.setColorAt(0, QColor(0, 0, 0, 55));
    lift.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, lift);
    p.restore();

    // The curled flap: the underside of the paper, lit from the top left.
    QPainterPath flap;
    const QPointF a(r.right(), r.bottom() - curl), b(r.right() - curl, r.bottom());
    flap.moveTo(a);
    flap.quadTo(QPointF(r.right() - curl * 0.25, r.bottom() - curl * 0.3), b);
    flap.quadTo(QPointF(r.right() - curl * 0.95, r.bottom() - curl * 0.95), a);
    QLinearGradient fg(QPointF(r.right() - curl, r.bottom() - curl), QPointF(r.right(), r.bottom()));
    fg.setColorAt(0, paper.lighter(112));
    fg.setColorAt(1, paper.darker(125));
    p.fillPath(flap, fg);
    p.setPen(QPen(paper.darker(150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(QPen(paper.darker(135), 0.8));
    p.drawPath(sheet);

    // A push pin at the top, its needle hidden under the head.
    const QPointF c(w / 2.0, r.top() + 9);
    p.fillPath(disc(c + QPointF(1.5, 2.5), 8.5), QColor(0, 0, 0, 60));
    QRadialGradient head(c - QPointF(3, 3), 11);
    head.setColorAt(0, pin.lighter(160));
    head.setColorAt(0.5, pin);
    head.setColorAt(1, pin.darker(160));
    p.fillPath(disc(c, 8), head);
    p.fillPath(disc(c - QPointF(2.6, 2.8), 2.2), QColor(255, 255, 255, 170));
    return img;
}

QList<gif_frame> bell_frames()
{
    const int w = 150, h = 112, count = 20;
    QList<gif_frame> frames;
    for (int f = 0; f < count; ++f) {
        const qreal phase = 2 * M_PI * f / count;
        const qreal angle = 22 * qSin(phase);
        QImage img = canvas(w, h);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF top(w / 2.0, 14);

        // Sound rings on the side the bell swings to.
        const qreal strength = qAbs(qSin(phase));
        if (strength > 0.55) {
            const int side = angle > 0 ? 1 : -1;
            p.setPen(QPen(QColor(235, 150, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 2; ++i) {
                const qreal rr = 9 + i * 8 + (strength - 0.55) * 14;
                const QRectF arc(w / 2.0 + side * 52 - rr, 60 - rr, 2 * rr, 2 * rr);
                p.drawArc(arc, side > 0 ? -40 * 16 : 140 * 16, 80 * 16);
            }
        }

        p.translate(top);
        p.rotate(angle);
        p.scale(0.84, 0.84);
        // Clapper swings less than the bell, so it strikes at the ends.
        p.save();
        p.rotate(-angle * 0.55);
        p.setPen(QPen(QColor("#5a3a12"), 3));
        p.drawLine(QPointF(0, 20), QPointF(0, 84));
        p.fillPath(disc({0, 88}, 7.5), QColor("#6b4516"));
        p.fillPath(disc({-2.5, 85.5}, 2.4), QColor(255, 255, 255, 90));
        p.restore();

        QPainterPath bell;
        bell.moveTo(-10, 8);
        bell.cubicTo(-34, 12, -30, 52, -40, 70);
        bell.quadTo(-48, 80, -36, 82);
        bell.lineTo(36, 82);
        bell.quadTo(48, 80, 40, 70);
        bell.cubicTo(30, 52, 34, 12, 10, 8);
        bell.closeSubpath();
        QLinearGradient gold(-40, 0, 40, 0);
        gold.setColorAt(0, QColor("#b9791a"));
        gold.setColorAt(0.3, QColor("#ffe28a"));
        gold.setColorAt(0.55, QColor("#f2b632"));
        gold.setColorAt(1, QColor("#9c5f0c"));
        p.fillPath(bell, gold);
        QPainterPath lip;
        lip.addRoundedRect(QRectF(-44, 76, 88, 9), 4.5, 4.5);
        QLinearGradient lipg(-44, 0, 44, 0);
        lipg.setColorAt(0, QColor("#a8680f"));
        lipg.setColorAt(0.35, QColor("#ffe9a6"));
        lipg.setColorAt(1, QColor("#8f560a"));
        p.fillPath(lip, lipg);
        p.setPen(QPen(QColor("#7a4a08"), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bell.united(lip));
        // Crown ring and a red bow.
        p.setPen(QPen(QColor("#8f5a0c"), 3.2));
        p.drawEllipse(QPointF(0, 2), 6, 6);
        p.setPen(Qt::NoPen);
        QPainterPath bow;
        bow.moveTo(0, 13);
        bow.cubicTo(-24, -6, -30, 28, 0, 15);
        bow.cubicTo(30, 28, 24, -6, 0, 13);
        bow.moveTo(-3, 15);
        bow.lineTo(-12, 30);
        bow.lineTo(-6, 29);
        bow.lineTo(-4, 34);
        bow.lineTo(0, 16);
        bow.lineTo(4, 34);
        bow.lineTo(6, 29);
        bow.lineTo(12, 30);
        bow.lineTo(3, 15);
        bow.closeSubpath();
        p.fillPath(bow, QColor("#d8322c"));
        p.fillPath(disc({0, 13}, 3.6), QColor("#b3201b"));
        p.end();
        frames.push_back({img, 5});
    }
    return frames;
}

} // namespace asset
