#pragma once
// The flip face: hour, minute and (half-size) second cards with an
// optional caption. A card whose value differs from the one it last turned
// to turns over; the clock window runs the turn's time line. A face object
// keeps its clock's rendered cards and caption.

#include "clock/clock_look.h"
#include "clock/faces/cached_render.h"

#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>

class QPaintDevice;
class QPainter;

struct flip_card
{
    QDateTime last_turned;
    bool turning = false;
    int frame = 0; // 0..100 while turning
};

struct flip_cards
{
    flip_card hour, min, sec;
};

struct flip_geometry
{
    QRect hour, min, sec;
};

// Which time lines should start now.
struct flip_turns
{
    bool hour = false, min = false, sec = false;
    bool any() const { return hour || min || sec; }
};

class flip_face
{
public:
    // The square of the flip size, widened or heightened by a larger caption.
    QSize wanted_size(const clock_look &look, const QDateTime &t, const QPaintDevice *device = nullptr);

    // Cards are sized from the window, so a wide caption grows them too.
    static flip_geometry geometry(QSize window);

    // Cards whose value changed since their last turn and are not turning yet.
    // Nothing turns while the clock fades in or when animation is off.
    static flip_turns due(const clock_look &look, const QDateTime &t, const flip_cards &cards, bool fading);

    void paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window, const flip_cards &cards);

    // The hour card's text, before the card strips an am/pm marker.
    static QString hour_text(const clock_look &look, const QDateTime &t);

private:
    QRect caption_box(const clock_look &look, const QString &caption, const QPaintDevice *device);
    void paint_caption(QPainter &p, const clock_look &look, const QString &caption, int top, QSize window);

    // The caption's box, asked at every frame of a turn; the caption
    // changes once a day or so.
    QString m_caption_key;
    QRect m_caption_box;
    render_cache m_captions{4};
    // Rendered cards by value. A turning card is painted twice per 40 ms
    // frame plus the still ones; shaping and filling gradient text that
    // often is most of the face's cost, while the values change once a
    // second at most.
    render_cache m_cards{64};
};
