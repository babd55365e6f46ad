#pragma once
// Rendered-once pictures for the faces: a card, a caption, a date line is
// drawn into a pixmap the first time a key is seen and copied afterwards.
// The pixmap has the painter's device pixel ratio, so it stays sharp under
// a scale factor.

#include <QCache>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class QFontMetrics;
class QPainter;

// Pictures by key, and which was drawn last: when the cache is full, the
// picture a new key takes the place of is painted over, not made anew.
class render_cache : public QCache<QString, QPixmap>
{
public:
    explicit render_cache(qsizetype max_cost = 100) : QCache<QString, QPixmap>(max_cost) {}
    QString last;
};

// Draws `area` (painter coordinates) from the cache, rendering it with
// `render` (same coordinates) when `key` is new. The key need not name the
// area or the device pixel ratio: both are added here.
void draw_cached(QPainter &p, render_cache &cache, const QString &key, const QRect &area,
                 const std::function<void(QPainter &)> &render);

// The band a line of text with its baseline at `base` covers across the
// window, with room for antialiasing and a one-pixel shadow; never larger
// than the window, however large the font.
QRect line_strip(const QFontMetrics &fm, int base, QSize window);
