#include "clock/digital_face.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

digital_text digital_face::layout(const clock_look &look, const QDateTime &t, bool framed, int &remembered_width,
                                  const QPaintDevice *device)
{
    const QFontMetrics fm = device ? QFontMetrics(look.font, device) : QFontMetrics(look.font);
    digital_text d;
    // Day and month names follow the user's locale, as on the desktop around the clock.
    const QLocale locale;
    d.line1 = locale.toString(t, look.format_1);
    if (!look.format_2.isEmpty())
        d.line2 = locale.toString(t, look.format_2);
    d.box1 = fm.boundingRect(d.line1);
    d.box2 = d.line2.isEmpty() ? QRect() : fm.boundingRect(d.line2);
    d.line_height = fm.height();

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

void digital_face::paint(QPainter &p, const clock_look &look, const digital_text &text, QSize window)
{
    p.save();
    p.setFont(look.font);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.setPen(look.color);
    p.drawText(QRect(10, 0, window.width(), window.height()), Qt::AlignLeft | Qt::AlignTop, text.line1);
    if (!text.line2.isEmpty())
        p.drawText(10, int(text.box1.height() + text.line_height / 1.5), text.line2);
    p.restore();
}

bool digital_face::needs_sub_second(const clock_look &look)
{
    // "z" is the only sub-second field of a date-time format; quoted text
    // may contain one too, which costs only some extra repaints.
    return look.format_1.contains(QLatin1Char('z')) || look.format_2.contains(QLatin1Char('z'));
}
