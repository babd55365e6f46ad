#include "clock/faces/card_painter.h"

#include "clock/faces/cached_render.h"

#include <QCache>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTransform>

#include <array>
#include <cmath>

namespace {

// Cards are never see-through, whatever alpha the user gave a stop.
QGradientStops opaque(const QGradientStops &stops)
{
    QGradientStops out = stops;
    for (auto &s : out)
        s.second.setAlpha(255);
    return out;
}

QTransform fold(const QRect &r, int degrees)
{
    const int cx = (r.left() + r.right()) / 2;
    const int cy = (r.top() + r.bottom()) / 2;
    QTransform t;
    t.translate(cx, cy);
    t.rotate(degrees, Qt::XAxis);
    t.translate(-cx, -cy);
    return t;
}

} // namespace

QString card_painter::strip_ampm(QString text)
{
    if (text.endsWith(QLatin1String("pm")))
        text.chop(2);
    else if (text.endsWith(QLatin1String("am")))
        text.chop(2);
    return text;
}

QRect card_painter::lower_region(const QRect &r)
{
    const int top = r.top() + r.height() / 2 - 1;
    return QRect(QPoint(r.left(), top), QPoint(r.right(), top + r.height() - 1));
}

namespace {

QString stops_key(const QGradientStops &stops)
{
    QString k;
    for (const QGradientStop &s : stops)
        k += QString::number(s.first) + s.second.name(QColor::HexArgb);
    return k;
}

} // namespace

void card_painter::paint_card(QPainter &p, const QRect &r, const QString &text, const QFont &font) const
{
    if (r.isEmpty())
        return;
    const QString key = text + '|' + font.key() + '|' + stops_key(m_background) + '|' + stops_key(m_digits);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_cards)
        draw_cached(p, *m_cards, key, r, [&](QPainter &q) { draw_card(q, r, text, font); });
    else
        draw_card(p, r, text, font);
    p.restore();
}

void card_painter::draw_card(QPainter &p, const QRect &r, const QString &text, const QFont &font) const
{
    const QString t = strip_ampm(text);
    const int w = r.width(), h = r.height();

    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient bk(r.left(), r.top(), r.left(), r.bottom());
    bk.setStops(opaque(m_background));
    p.setBrush(bk);
    p.drawRoundedRect(r, 15, 15, Qt::RelativeSize);

    p.setPen(QColor(181, 181, 181));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(r.left() + 1, r.top() + 4, w - 2, h - 8), 15, 15, Qt::RelativeSize);

    p.setPen(QColor(159, 159, 159));
    const int m = r.top() + h / 2 - 1;
    p.drawLine(r.left(), m, r.right(), m);

    p.setFont(font);
    const QRect d = QFontMetrics(font, p.device()).boundingRect(t);
    // Tall digits take the gradient from their own box, small ones from the card.
    QLinearGradient dg = d.bottom() - d.top() > 72 ? QLinearGradient(d.width() / 2, d.top(), d.width() / 2, d.bottom())
                                                   : QLinearGradient(w / 2, r.top(), w / 2, r.bottom());
    dg.setStops(opaque(m_digits));
    p.setPen(QPen(QBrush(dg), 1));
    p.drawText(r, Qt::AlignCenter, t);
    p.restore();
}

QPixmap card_painter::picture(const QRect &r, const QString &text, const QFont &font, qreal dpr) const
{
    QPixmap pm(r.size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter q(&pm);
    q.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    q.translate(-r.topLeft());
    draw_card(q, r, text, font);
    q.end();
    return pm;
}

namespace {

// Rows [from, to) of a card picture drawn at r's top-left plus `from`.
void draw_rows(QPainter &p, const QRect &r, const QPixmap &card, int from, int to)
{
    const qreal dpr = card.devicePixelRatio();
    p.drawPixmap(QRectF(r.left(), r.top() + from, r.width(), to - from), card,
                 QRectF(0, from * dpr, r.width() * dpr, (to - from) * dpr));
}

} // namespace

void card_painter::draw_turn(QPainter &p, const QRect &r, int frame, const QPixmap &old_card, const QPixmap &new_card)
{
    const QRect lower = lower_region(r);
    // The split line's row: above it the upper flap, from it the lower.
    const int split = lower.top() - r.top();
    // Clips narrow whatever clip the caller paints under (a repaint's region).
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (frame <= 50) {
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.setTransform(fold(r, -(180 * frame / 100)), true);
        draw_rows(p, r, old_card, 0, split);
        p.restore();
        p.setClipRect(lower, Qt::IntersectClip);
        draw_rows(p, r, old_card, split, r.height());
    } else {
        p.setClipRect(lower, Qt::IntersectClip);
        draw_rows(p, r, old_card, split, r.height());
        p.setTransform(fold(r, 180 - 180 * frame / 100), true);
        draw_rows(p, r, new_card, split, r.height());
    }
    p.restore();
}

namespace {

// The turning flap's corners at a frame, as draw_turn() draws it. Point by
// point: a whole polygon under a perspective goes through a painter path.
std::array<QPointF, 4> flap(const QRect &r, int frame)
{
    const int split = card_painter::lower_region(r).top() - r.top();
    const bool upper = frame <= 50;
    const QTransform t = upper ? fold(r, -(180 * frame / 100)) : fold(r, 180 - 180 * frame / 100);
    const QRectF f = upper ? QRectF(r.left(), r.top(), r.width(), split)
                           : QRectF(r.left(), r.top() + split, r.width(), r.height() - split);
    return {t.map(f.topLeft()), t.map(f.topRight()), t.map(f.bottomLeft()), t.map(f.bottomRight())};
}

} // namespace

qreal card_painter::flap_shift(const QRect &r, int from, int to, qreal dpr)
{
    if (r.isEmpty())
        return 0;
    if ((from <= 50) != (to <= 50))
        return r.height() * dpr;
    const auto a = flap(r, from), b = flap(r, to);
    qreal most = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const QPointF d = a[i] - b[i];
        most = qMax(most, std::hypot(d.x(), d.y()));
    }
    return most * dpr;
}

QRect card_painter::turn_damage(const QRect &r, int from, int to)
{
    if (r.isEmpty())
        return QRect();
    QRectF box;
    for (int frame : {from, to}) {
        const auto corners = flap(r, frame);
        qreal left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
        for (const QPointF &c : corners) {
            left = qMin(left, c.x());
            right = qMax(right, c.x());
            top = qMin(top, c.y());
            bottom = qMax(bottom, c.y());
        }
        box |= QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    return box.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(r.united(lower_region(r)));
}

void card_painter::paint_turn(QPainter &p, const QRect &r, int frame, const QString &old_text, const QString &new_text,
                              const QFont &font) const
{
    if (r.isEmpty())
        return;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    draw_turn(p, r, frame, picture(r, old_text, font, dpr), picture(r, new_text, font, dpr));
}
