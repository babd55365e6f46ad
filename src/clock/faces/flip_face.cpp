#include "clock/faces/flip_face.h"

#include "clock/faces/cached_render.h"
#include "clock/faces/card_painter.h"
#include "clock/faces/time_fields.h"
#include "common/interface_locale.h"
#include "common/time_source.h"

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
    return look.text_flip_clock.isEmpty() ? QString() : interface_locale().toString(for_zone_format(t, look.text_flip_clock), look.text_flip_clock);
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

QRegion flip_face::changed(const clock_look &look, const QDateTime &before, const QDateTime &now, QSize window)
{
    const QRect all(QPoint(), window);
    if (caption_text(look, before) != caption_text(look, now))
        return all;
    const flip_geometry g = geometry(window);
    const auto card = [](const QRect &r) { return QRegion(r.united(card_painter::lower_region(r))); };
    QRegion r;
    if (hour_text(look, before) != hour_text(look, now))
        r += card(g.hour);
    if (before.time().minute() != now.time().minute())
        r += card(g.min);
    if (look.paint_flip_sec && before.time().second() != now.time().second())
        r += card(g.sec);
    return r.intersected(all);
}

bool flip_face::shows_seconds(const clock_look &look)
{
    return look.paint_flip_sec || finest_field(look.text_flip_clock) <= time_field::second;
}

void flip_face::prepare(const clock_look &look, QSize window, QPaintDevice *device)
{
    const qreal dpr = device ? device->devicePixelRatioF() : 1.0;
    style now{look.gradient_bk,
              look.gradient_font,
              look.font_flip_clock,
              look.color_flip_clock,
              look.shade_flip_clock,
              window,
              dpr,
              device ? device->logicalDpiY() : 0};
    if (now == m_style)
        return;
    m_style = std::move(now);
    m_geometry = geometry(window);
    m_big = digit_font(int(0.9 * m_geometry.hour.height()));
    m_small = digit_font(int(0.8 * m_geometry.sec.height()));
    const QFontMetrics fm = device ? QFontMetrics(look.font_flip_clock, device) : QFontMetrics(look.font_flip_clock);
    m_caption_base = m_geometry.hour.height() + fm.height();
    m_caption_strip = line_strip(fm, m_caption_base, window);
    for (auto &c : m_cards)
        c.clear();
    m_caption_shown.clear();
    m_caption_picture = QPixmap();
}

const flip_face::card_texts &flip_face::texts_at(const clock_look &look, const QDateTime &t)
{
    if (look.text_flip_clock != m_texts_caption || look.ampm != m_texts_ampm || m_texts.size() > 8) {
        m_texts.clear();
        m_texts_caption = look.text_flip_clock;
        m_texts_ampm = look.ampm;
    }
    // Keyed by the wall-clock second the texts show: the instant would ask
    // the time zone (a look at /etc/localtime) twice a frame.
    const qint64 second = t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000;
    auto it = m_texts.find(second);
    if (it == m_texts.end())
        it = m_texts.insert(second, {hour_text(look, t), t.toString(QStringLiteral("mm")),
                                     t.toString(QStringLiteral("ss")), caption_text(look, t)});
    return *it;
}

QPixmap flip_face::card(card_slot slot, const QString &text)
{
    QHash<QString, QPixmap> &cards = m_cards[slot];
    auto it = cards.find(text);
    if (it != cards.end())
        return *it;
    // A card shows two values at most at a time; a few more are kept for
    // a turn that ends while the next begins.
    if (cards.size() >= 4)
        cards.clear();
    const QRect r = slot == hour_slot ? m_geometry.hour : slot == min_slot ? m_geometry.min : m_geometry.sec;
    const card_painter cp(m_style.bk, m_style.digits);
    return *cards.insert(text, cp.picture(r, text, slot == sec_slot ? m_small : m_big, m_style.dpr));
}

// The caption with its shadow, drawn once per text into a strip the width
// of the window covering the caption's line.
void flip_face::paint_caption(QPainter &p, const clock_look &look, const QString &caption)
{
    if (m_caption_strip.isEmpty())
        return;
    if (caption != m_caption_shown || m_caption_picture.isNull()) {
        m_caption_picture = QPixmap(m_caption_strip.size() * m_style.dpr);
        m_caption_picture.setDevicePixelRatio(m_style.dpr);
        m_caption_picture.fill(Qt::transparent);
        QPainter q(&m_caption_picture);
        q.setRenderHints(p.renderHints());
        q.translate(-m_caption_strip.topLeft());
        q.setFont(look.font_flip_clock);
        q.setPen(look.shade_flip_clock);
        q.drawText(1, m_caption_base + 1, caption);
        q.setPen(look.color_flip_clock);
        q.drawText(0, m_caption_base, caption);
        q.end();
        m_caption_shown = caption;
    }
    p.drawPixmap(m_caption_strip.topLeft(), m_caption_picture);
}

void flip_face::paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window, const flip_cards &cards)
{
    prepare(look, window, p.device());
    const flip_geometry &g = m_geometry;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const card_texts now = texts_at(look, t);
    const QString hh = card_painter::strip_ampm(now.hh);
    p.drawPixmap(g.hour.topLeft(), card(hour_slot, hh));
    p.drawPixmap(g.min.topLeft(), card(min_slot, now.mm));
    if (look.paint_flip_sec)
        p.drawPixmap(g.sec.topLeft(), card(sec_slot, now.ss));

    if (!now.caption.isEmpty())
        paint_caption(p, look, now.caption);

    // The new value is already on the card; the turning flaps go over it.
    if (cards.hour.turning) {
        const QString old = card_painter::strip_ampm(texts_at(look, cards.hour.last_turned).hh);
        card_painter::draw_turn(p, g.hour, cards.hour.frame, card(hour_slot, old), card(hour_slot, hh));
    }
    if (cards.sec.turning && look.paint_flip_sec) {
        const QString old = texts_at(look, cards.sec.last_turned).ss;
        card_painter::draw_turn(p, g.sec, cards.sec.frame, card(sec_slot, old), card(sec_slot, now.ss));
    }
    if (cards.min.turning) {
        const QString old = texts_at(look, cards.min.last_turned).mm;
        card_painter::draw_turn(p, g.min, cards.min.frame, card(min_slot, old), card(min_slot, now.mm));
    }
    p.restore();
}
