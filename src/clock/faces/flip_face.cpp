#include "clock/faces/flip_face.h"

#include "clock/faces/cached_render.h"
#include "clock/faces/card_painter.h"
#include "common/interface_locale.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

namespace {

QFont digit_font(int pixel_size)
{
    QFont f(QStringLiteral("Helvetica"));
    f.setPixelSize(qMax(1, pixel_size));
    f.setWeight(QFont::Bold);
    return f;
}

QString caption_text(const clock_look &look, const QDateTime &t)
{
    return look.text_flip_clock.isEmpty() ? QString() : interface_locale().toString(t, look.text_flip_clock);
}

} // namespace

QRect flip_face::caption_box(const clock_look &look, const QString &caption, const QPaintDevice *device)
{
    if (caption.isEmpty())
        return QRect();
    const QString key =
        caption + '|' + look.font_flip_clock.key() + '|' + QString::number(device ? device->logicalDpiY() : 0);
    if (key != m_caption_key) {
        const QFontMetrics fm =
            device ? QFontMetrics(look.font_flip_clock, device) : QFontMetrics(look.font_flip_clock);
        m_caption_box = fm.boundingRect(caption);
        m_caption_key = key;
    }
    return m_caption_box;
}

// The caption with its shadow, drawn once per text into a strip the width
// of the window covering the caption's line.
void flip_face::paint_caption(QPainter &p, const clock_look &look, const QString &caption, int top, QSize window)
{
    const QFontMetrics fm(look.font_flip_clock, p.device());
    const int base = top + fm.height();
    const QRect strip = line_strip(fm, base, window);
    const QString key = caption + '|' + look.font_flip_clock.key() + '|' + look.color_flip_clock.name(QColor::HexArgb) +
                        look.shade_flip_clock.name(QColor::HexArgb) + '|' + QString::number(base);
    draw_cached(p, m_captions, key, strip, [&](QPainter &q) {
        q.setFont(look.font_flip_clock);
        q.setPen(look.shade_flip_clock);
        q.drawText(1, base + 1, caption);
        q.setPen(look.color_flip_clock);
        q.drawText(0, base, caption);
    });
}

QString flip_face::hour_text(const clock_look &look, const QDateTime &t)
{
    return t.toString(look.ampm ? QStringLiteral("hha") : QStringLiteral("hh"));
}

QSize flip_face::wanted_size(const clock_look &look, const QDateTime &t, const QPaintDevice *device)
{
    const QRect c = caption_box(look, caption_text(look, t), device);
    // The caption is drawn from x 0 with its shadow a pixel to the right:
    // its ink reaches past the box's width by the bearing and the shadow.
    const int caption_width = c.isEmpty() ? 0 : qMax(c.width(), c.right() + 2);
    return QSize(qMax(look.flip_size, caption_width), qMax(look.flip_size, c.height()));
}

flip_geometry flip_face::geometry(QSize window)
{
    const int a = int(0.3 * window.width());
    const int b = int(0.3 * window.height());
    return {QRect(0, 0, a, b), QRect(a + 10, 0, a, b), QRect(2 * a + 20, b / 2, int(0.5 * a), int(0.5 * b))};
}

flip_turns flip_face::due(const clock_look &look, const QDateTime &t, const flip_cards &cards, bool fading)
{
    flip_turns d;
    if (fading || !look.do_anim)
        return d;
    const QTime now = t.time();
    d.hour = !cards.hour.turning && cards.hour.last_turned.time().hour() != now.hour();
    d.min = !cards.min.turning && cards.min.last_turned.time().minute() != now.minute();
    d.sec = look.paint_flip_sec && !cards.sec.turning && cards.sec.last_turned.time().second() != now.second();
    return d;
}

void flip_face::paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window, const flip_cards &cards)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QString caption = caption_text(look, t);
    const flip_geometry g = geometry(window);
    const QFont big = digit_font(int(0.9 * g.hour.height()));
    const QFont small = digit_font(int(0.8 * g.sec.height()));
    const card_painter cp(look.gradient_bk, look.gradient_font, m_cards);

    const QString hh = hour_text(look, t);
    const QString mm = t.toString(QStringLiteral("mm"));
    const QString ss = t.toString(QStringLiteral("ss"));
    cp.paint_card(p, g.hour, hh, big);
    cp.paint_card(p, g.min, mm, big);
    if (look.paint_flip_sec)
        cp.paint_card(p, g.sec, ss, small);

    if (!caption.isEmpty())
        paint_caption(p, look, caption, g.hour.height(), window);

    // The new value is already on the card; the turning flaps go over it.
    if (cards.hour.turning)
        cp.paint_turn(p, g.hour, cards.hour.frame, hour_text(look, cards.hour.last_turned), hh, big);
    if (cards.sec.turning && look.paint_flip_sec)
        cp.paint_turn(p, g.sec, cards.sec.frame, cards.sec.last_turned.toString(QStringLiteral("ss")), ss, small);
    if (cards.min.turning)
        cp.paint_turn(p, g.min, cards.min.frame, cards.min.last_turned.toString(QStringLiteral("mm")), mm, big);
    p.restore();
}
