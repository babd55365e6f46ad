#pragma once
// The digital face: one or two lines of the shifted date-time in the
// user's formats, font and colour. The window fits itself to the text.
// A face object keeps what it measured, formatted and rendered for its own
// clock; two clocks with different looks each keep theirs.

#include "clock/clock_look.h"
#include "clock/faces/cached_render.h"
#include "clock/faces/time_fields.h"
#include "common/interface_locale.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QPaintDevice;
class QPainter;

struct digital_text
{
    QString line1, line2;
    QRect box1, box2; // as the font metrics measure them
    int line_height = 0;
    QSize size; // the window size this text asks for
};

class digital_face
{
public:
    // Formats the lines and works out the window size. In framed mode the
    // width comes from remembered_width, which only ever grows (by 20 %
    // headroom), so the frame does not jitter as the digits change.
    digital_text layout(const clock_look &look, const QDateTime &t, bool framed, int &remembered_width,
                        const QPaintDevice *device = nullptr);

    void paint(QPainter &p, const clock_look &look, const digital_text &text, QSize window);

    // What must be repainted to go from one text to the next: the first
    // line's band while only it changed (the seconds), else everything.
    static QRect changed_area(const digital_text &before, const digital_text &now, QSize window);

    // Narrower still: of the first line only the text from the first
    // character that changed (with its neighbour, for kerning and
    // overhanging glyphs) to the right edge. Empty when nothing changed.
    QRect changed_span(const digital_text &before, const digital_text &now, QSize window, const QFont &font,
                       const QPaintDevice *device);

    // True when the formats show something finer than a second.
    static bool needs_sub_second(const clock_look &look);
    // True when they show seconds (or finer): else the text changes once a minute.
    static bool shows_seconds(const clock_look &look);

private:
    // The metrics of the font last asked for, remade only when the font or
    // the screen's resolution changes: the face asks at every tick.
    const QFontMetrics &metrics(const QFont &font, const QPaintDevice *device);
    // The part of the picture keys that names the font and colour.
    const QString &style_key(const QFont &font, const QColor &color);
    QRect measure(const QFontMetrics &fm, const QString &text);
    int advance(const QFontMetrics &fm, const QString &text);
    void paint_second_line(QPainter &p, const clock_look &look, const QString &text, int base, QSize window);

    // Line boxes and advances of the font last measured with.
    std::optional<QFontMetrics> m_metrics;
    QFont m_font;
    int m_dpi = -1;
    int m_line_height = 0;
    QHash<QString, QRect> m_boxes;
    QHash<QString, int> m_advances;

    QFont m_style_font;
    QColor m_style_color;
    QString m_style_key;

    // Each line's format, formatted by the minute.
    minute_formatter m_format_1{interface_locale()}, m_format_2{interface_locale()};
    // The lines last formatted, and for which second and formats.
    QString m_formats, m_line1, m_line2;
    qint64 m_second = -1;

    render_cache m_second_lines{2};
    render_cache m_first_lines{2};
};
