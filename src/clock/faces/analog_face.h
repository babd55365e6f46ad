#pragma once
// The analog face: a skin's dial, three hands and a cap, painted from the
// clock's look at the given (shifted) time. Each clock (or preview) keeps
// its own face, so the dial stretched for one screen is not thrown away by
// another painting a different skin.

#include "clock/clock_look.h"

#include <QDateTime>
#include <QPixmap>
#include <QRegion>
#include <QSize>
#include <QTransform>

class QPainter;

// Where the hands point at one moment, in clock degrees.
struct analog_hands
{
    double hour = 0, min = 0, sec = 0;
    bool operator==(const analog_hands &) const = default;
};

class analog_face
{
public:
    static analog_hands hands_at(const clock_look &look, const QDateTime &t);

    // What changes on the window from a face painted at `before` to one
    // painted at `after`: the old and the new place of every hand that
    // moved, with a margin for smoothing. Everything else stays.
    static QRegion damage(const clock_look &look, const QDateTime &before, const QDateTime &after);

    // window is the clock window's size: the second marks follow its
    // smaller side, while everything else is placed on the face picture.
    // area is the part of the window being painted (empty: all of it).
    void paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window, const QRegion &area = QRegion());

    // The window takes the face picture's size.
    static QSize wanted_size(const clock_look &look) { return look.pictures.face.size(); }

private:
    const QPixmap &dial(const clock_look &look, QSize window, const QPainter &p);
    static void paint_hand(QPainter &p, QSize face, const QPixmap &hand, double x, double y, double z, double degrees);
    static QTransform hand_transform(QSize face, const QPixmap &hand, double x, double y, double z, double degrees);
    // Rows of the strips a moved hand's repaint is made of: thinner ones
    // hug a slanted needle closer, at more rectangles to clear, paint and
    // send. Each rectangle costs more than its pixels: side by side, strips
    // of 16 rows idled 4 % below strips of 8, as strips of 32 did, and 4
    // rows 6 % above 16.
    static constexpr int damage_band_rows = 16;
    static QRect hand_box(QSize face, const QPixmap &hand, double x, double y, double z, double degrees);
    static void paint_second_marks(QPainter &p, const clock_look &look, QSize face, QSize window);

    // The dial as drawn, and what it was drawn from.
    struct dial_key
    {
        qint64 face = 0;
        qreal dpr = 0;
        QSize window;
        QRgb marks_colour = 0;
        bool marks = false;
        bool operator==(const dial_key &) const = default;
    };
    QPixmap m_dial;
    dial_key m_dial_key;
};
