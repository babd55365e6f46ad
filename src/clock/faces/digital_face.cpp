#include "clock/faces/digital_face.h"

#include "clock/faces/cached_render.h"
#include "clock/faces/time_fields.h"
#include "common/time_source.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

const QFontMetrics &digital_face::metrics(const QFont &font, const QPaintDevice *device)
{
    const int dpi = device ? device->logicalDpiY() : 0;
    if (!m_metrics || dpi != m_dpi || font != m_font) {
        m_metrics.emplace(device ? QFontMetrics(font, device) : QFontMetrics(font));
        m_font = font;
        m_dpi = dpi;
        m_line_height = m_metrics->height();
        m_boxes.clear();
        m_advances.clear();
    }
    return *m_metrics;
}

const QString &digital_face::style_key(const QFont &font, const QColor &color)
{
    if (m_style_key.isEmpty() || font != m_style_font || color != m_style_color) {
        m_style_font = font;
        m_style_color = color;
        m_style_key = font.key() + '|' + color.name(QColor::HexArgb);
    }
    return m_style_key;
}

// The idle clock lays its text out at every tick, and the window asks for
// the size before each paint: measuring is shaping, so a line is measured
// once per text, not once per use.
QRect digital_face::measure(const QFontMetrics &fm, const QString &text)
{
    auto it = m_boxes.constFind(text);
    if (it != m_boxes.constEnd())
        return *it;
    // A line of seconds changes every second; keep the table small.
    if (m_boxes.size() > 16)
        m_boxes.clear();
    const QRect r = fm.boundingRect(text);
    m_boxes.insert(text, r);
    return r;
}

// The width of the text before a change, asked at every tick: the same
// text for a minute at a time.
int digital_face::advance(const QFontMetrics &fm, const QString &text)
{
    auto it = m_advances.constFind(text);
    if (it != m_advances.constEnd())
        return *it;
    if (m_advances.size() > 16)
        m_advances.clear();
    const int w = fm.horizontalAdvance(text);
    m_advances.insert(text, w);
    return w;
}

digital_text digital_face::layout(const clock_look &look, const QDateTime &t, bool framed, int &remembered_width,
                                  const QPaintDevice *device)
{
    const QFontMetrics &fm = metrics(look.font, device);
    digital_text d;
    // The window asks for its size and then paints, both at the same second:
    // format once per second (unless the formats show milliseconds). The
    // second is the wall clock's, which needs no look at the time zone,
    // unless the formats show the zone's name, which a second of the same
    // wall-clock time an hour later (at the end of summer time) may change.
    const QString formats = look.format_1 + '\n' + look.format_2;
    const bool zone = formats.contains(QLatin1Char('t'));
    const qint64 second = zone ? t.toMSecsSinceEpoch() / 1000
                               : t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000;
    if (second == m_second && formats == m_formats && !needs_sub_second(look)) {
        d.line1 = m_line1;
        d.line2 = m_line2;
    } else {
        // The user's format; day and month names in the interface's language.
        d.line1 = m_format_1.format(for_zone_format(t, look.format_1), look.format_1);
        if (!look.format_2.isEmpty())
            d.line2 = m_format_2.format(for_zone_format(t, look.format_2), look.format_2);
        m_second = second;
        m_formats = formats;
        m_line1 = d.line1;
        m_line2 = d.line2;
    }
    d.box1 = measure(fm, d.line1);
    d.box2 = d.line2.isEmpty() ? QRect() : measure(fm, d.line2);
    d.line_height = m_line_height;

    const bool two = !d.line2.isEmpty();
    const int text_w = two ? qMax(d.box1.width(), d.box2.width()) : d.box1.width();
    const int h = two ? d.box1.height() + d.box2.height() : d.box1.height();
    if (framed) {
        if (text_w > 1.2 * remembered_width)
            remembered_width = int(1.2 * text_w);
        d.size = QSize(remembered_width, h);
    } else {
        d.size = QSize(text_w + 20, h);
    }
    return d;
}

// The second line (a date, as a rule) changes once a day: drawn once into a
// strip as wide as the window, then copied at every paint.
void digital_face::paint_second_line(QPainter &p, const clock_look &look, const QString &text, int base, QSize window)
{
    const QRect strip = line_strip(metrics(look.font, p.device()), base, window);
    const QString key = text + '|' + style_key(look.font, look.color) + '|' + QString::number(base);
    draw_cached(p, m_second_lines, key, strip, [&](QPainter &q) {
        q.setFont(look.font);
        q.setPen(look.color);
        q.drawText(10, base, text);
    });
}

void digital_face::paint(QPainter &p, const clock_look &look, const digital_text &text, QSize window)
{
    p.save();
    p.setFont(look.font);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.setPen(look.color);
    // Left-aligned at the top of the window, 10 px in. Drawn into a picture
    // once per text and copied: text drawn straight onto the window at the
    // clock's opacity takes the toolkit's path that blends glyph by glyph
    // and pixel by pixel on helper threads, which wakes them at every tick.
    // The picture is the text's only drawing, so it is shaped there, once.
    const QRect band = QRect(0, 0, window.width(), text.line_height + 4).intersected(QRect(QPoint(), window));
    const QString key = text.line1 + '|' + style_key(look.font, look.color);
    draw_cached(p, m_first_lines, key, band, [&](QPainter &q) {
        q.setFont(look.font);
        q.setPen(look.color);
        q.drawText(QPointF(10, QFontMetricsF(look.font, q.device()).ascent()), text.line1);
    });
    if (!text.line2.isEmpty())
        paint_second_line(p, look, text.line2, int(text.box1.height() + text.line_height / 1.5), window);
    p.restore();
}

QRect digital_face::changed_area(const digital_text &before, const digital_text &now, QSize window)
{
    const QRect all(QPoint(), window);
    if (before.line2 != now.line2 || before.box1.height() != now.box1.height() || before.size != now.size ||
        before.line_height != now.line_height)
        return all;
    return QRect(0, 0, window.width(), qMax(now.box1.height(), now.line_height) + 2).intersected(all);
}

QRect digital_face::changed_span(const digital_text &before, const digital_text &now, QSize window, const QFont &font,
                                 const QPaintDevice *device)
{
    const QRect band = changed_area(before, now, window);
    if (band == QRect(QPoint(), window) || before.line1.size() != now.line1.size())
        return band;
    qsizetype first = 0;
    while (first < now.line1.size() && before.line1[first] == now.line1[first])
        ++first;
    if (first == now.line1.size())
        return QRect();
    // The glyph before the change may kern against it or reach into it;
    // a glyph may overhang its advance (italics) by part of the line height.
    const QFontMetrics &fm = metrics(font, device);
    const int overhang = fm.height() / 2;
    const int from = 10 + advance(fm, now.line1.left(qMax<qsizetype>(0, first - 1))) - overhang;
    // To the end of the longer of the two texts' ink, not to the window's
    // edge, which a wider date line may put far beyond the time. The box
    // sums the glyphs' rounded metrics; drawn at their exact places the ink
    // may end a little past it (up to a twentieth of the line height in the
    // installed fonts, four pixels at 72 px): an eighth and two are kept.
    const int to = 10 + qMax(before.box1.right(), now.box1.right()) + fm.height() / 8 + 2;
    return band.intersected(QRect(QPoint(qMax(0, from), band.top()), QPoint(to, band.bottom())));
}

bool digital_face::shows_seconds(const clock_look &look)
{
    return finest_field(look.format_1) <= time_field::second || finest_field(look.format_2) <= time_field::second;
}

bool digital_face::needs_sub_second(const clock_look &look)
{
    // "z" is the only sub-second field of a date-time format; quoted text
    // may contain one too, which costs only some extra repaints.
    return look.format_1.contains(QLatin1Char('z')) || look.format_2.contains(QLatin1Char('z'));
}
