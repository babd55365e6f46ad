#include "clock/faces/analog_face.h"

#include "clock/faces/banded_paint.h"
#include "clock/faces/hand_outline.h"

#include <QPainter>

#include <QHash>

namespace {

// Where a hand stands: the face it turns on, its pivot factors and angle.
struct hand_place
{
    QSize face;
    double x, y, z, degrees;
    bool operator==(const hand_place &) const = default;
};

size_t qHash(const hand_place &p, size_t seed = 0)
{
    return qHashMulti(seed, p.face.width(), p.face.height(), p.x, p.y, p.z, p.degrees);
}

} // namespace

// The dial with its second marks, drawn once: stretched for the screen's
// device pixel ratio and marked, rather than 48 antialiased strokes and a
// scaling at every tick.
const QPixmap &analog_face::dial(const clock_look &look, QSize window, const QPainter &p)
{
    const QPixmap &face = look.pictures.face;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const bool marks = !look.not_paint_sec;
    if ((dpr == 1.0 || face.devicePixelRatio() != 1.0) && !marks)
        return face;
    dial_key key{face.cacheKey(), dpr, window, marks ? look.color_sec.rgba() : 0, marks};
    if (key == m_dial_key && !m_dial.isNull())
        return m_dial;
    m_dial_key = key;
    // The marks follow the window's smaller side and may reach past the
    // face picture.
    const QSize size = face.size().expandedTo(marks ? window : QSize());
    m_dial = QPixmap(size * dpr);
    m_dial.setDevicePixelRatio(dpr);
    m_dial.fill(Qt::transparent);
    QPainter q(&m_dial);
    q.setRenderHint(QPainter::SmoothPixmapTransform);
    if (dpr == 1.0 || face.devicePixelRatio() != 1.0) {
        q.drawPixmap(0, 0, face);
    } else {
        QPixmap stretched = face.scaled(face.size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched.setDevicePixelRatio(dpr);
        q.drawPixmap(0, 0, stretched);
    }
    if (marks)
        paint_second_marks(q, look, face.size(), window);
    q.end();
    return m_dial;
}

void analog_face::paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window, const QRegion &area)
{
    const skin_pictures &pic = look.pictures;
    const skin_offsets &o = look.offsets;
    const QSize face = pic.face.size();

    // Under a scale factor the skin's pictures are stretched: smoothly, or
    // the dial comes out jagged.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap &plate = dial(look, window, p);
    const analog_hands a = hands_at(look, t);

    // Bottom to top; each layer is drawn only in the bands it meets (see
    // banded_paint.h).
    QList<banded_layer> layers;
    layers.append({QRect(QPoint(), plate.deviceIndependentSize().toSize()), [&] { p.drawPixmap(0, 0, plate); }});
    const auto hand = [&](const QPixmap &pm, double x, double y, double z, double degrees) {
        layers.append({hand_box(face, pm, x, y, z, degrees), [&p, &pm, face, x, y, z, degrees] {
                           paint_hand(p, face, pm, x, y, z, degrees);
                       }});
    };
    if (!look.set_top_sec && look.do_draw_sec)
        hand(pic.secunds, o.secunds_x, o.secunds_y, o.secunds_z, a.sec);
    hand(pic.hour, o.hour_x, o.hour_y, o.hour_z, a.hour);
    hand(pic.mins, o.mins_x, o.mins_y, o.mins_z, a.min);
    if (look.set_top_sec && look.do_draw_sec)
        hand(pic.secunds, o.secunds_x, o.secunds_y, o.secunds_z, a.sec);
    const QPointF cap((face.width() / 2) * o.shapocka_x - pic.shapocka.width() / 2,
                      (face.height() / 2) * o.shapocka_y - pic.shapocka.height() / 2);
    layers.append({QRectF(cap, pic.shapocka.deviceIndependentSize()).toAlignedRect(),
                   [&p, &pic, cap] { p.drawPixmap(cap, pic.shapocka); }});
    paint_in_bands(p, area, layers);
}

analog_hands analog_face::hands_at(const clock_look &look, const QDateTime &t)
{
    const QTime now = t.time();
    const int h = now.hour(), m = now.minute(), s = now.second(), ms = now.msec();
    analog_hands a;
    a.hour = 30.0 * (h + m / 60.0);
    a.min = 6.0 * (m + s / 60.0);
    // At exactly one repaint a second the hand jumps; faster, it sweeps.
    a.sec = look.repaint_interval == 1000.0 ? 6.0 * s : 6.0 * (s + ms / 1000.0);
    return a;
}

QTransform analog_face::hand_transform(QSize face, const QPixmap &hand, double x, double y, double z, double degrees)
{
    const int w = hand.width(), len = hand.height();
    QTransform t;
    t.translate((face.width() / 2) * x, (face.height() / 2) * y);
    t.rotate(degrees);
    // The pivot sits on the centre line, the fraction z of the length above
    // the bottom.
    t.translate(-(w / 2), int(0 - (len - len * z)));
    return t;
}

QRect analog_face::hand_box(QSize face, const QPixmap &hand, double x, double y, double z, double degrees)
{
    if (hand.isNull())
        return QRect();
    const QRectF drawn(0, 0, hand.width(), hand.height());
    // Smooth filtering and the device pixel ratio's rounding reach a pixel
    // or so past the picture's own edge.
    return hand_transform(face, hand, x, y, z, degrees).mapRect(drawn).toAlignedRect().adjusted(-2, -2, 2, 2);
}

QRegion analog_face::damage(const clock_look &look, const QDateTime &before, const QDateTime &after)
{
    const skin_pictures &pic = look.pictures;
    const skin_offsets &o = look.offsets;
    const QSize face = pic.face.size();
    const analog_hands a = hands_at(look, before), b = hands_at(look, after);
    QRegion r;
    // Along the needles only, not their turned rectangles; smoothing and
    // the device pixel ratio's rounding reach a pixel or so past the ink.
    // A tick's old places are the last tick's new ones, and a second hand
    // that jumps comes back to each of its sixty places every minute: the
    // strips are kept per hand picture, up to 64 places of each.
    const auto cover = [&](const QPixmap &hand, double x, double y, double z, double degrees) {
        static QHash<qint64, QHash<hand_place, QRegion>> known;
        if (known.size() > 8 && !known.contains(hand.cacheKey()))
            known.clear();
        QHash<hand_place, QRegion> &mine = known[hand.cacheKey()];
        const hand_place at{face, x, y, z, degrees};
        if (const auto it = mine.constFind(at); it != mine.constEnd())
            return *it;
        if (mine.size() >= 64)
            mine.clear();
        return *mine.insert(at, hand_outline::cover(hand_outline::of(hand), hand_transform(face, hand, x, y, z, degrees),
                                                    2, damage_band_rows));
    };
    const auto moved = [&](const QPixmap &hand, double x, double y, double z, double from, double to) {
        if (from == to || hand.isNull())
            return;
        r += cover(hand, x, y, z, from);
        r += cover(hand, x, y, z, to);
    };
    if (look.do_draw_sec)
        moved(pic.secunds, o.secunds_x, o.secunds_y, o.secunds_z, a.sec, b.sec);
    moved(pic.hour, o.hour_x, o.hour_y, o.hour_z, a.hour, b.hour);
    moved(pic.mins, o.mins_x, o.mins_y, o.mins_z, a.min, b.min);
    return r;
}

void analog_face::paint_hand(QPainter &p, QSize face, const QPixmap &hand, double x, double y, double z, double degrees)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setTransform(hand_transform(face, hand, x, y, z, degrees), true);
    p.drawPixmap(0, 0, hand);
    p.restore();
}

void analog_face::paint_second_marks(QPainter &p, const clock_look &look, QSize face, QSize window)
{
    const int side = qMin(window.width(), window.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(face.width() / 2, face.height() / 2);
    p.scale(side / 200.0, side / 200.0);
    p.setPen(look.color_sec);
    // 48 marks on a 200-unit dial; the five-minute places are left to the skin.
    for (int i = 1; i <= 59; ++i) {
        p.rotate(6.0);
        if (i % 5 != 0)
            p.drawLine(92, 0, 96, 0);
    }
    p.restore();
}
