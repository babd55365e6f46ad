#pragma once
// The flip face: hour, minute and (half-size) second cards with an
// optional caption. A card whose value differs from the one it last turned
// to turns over; the clock window runs the turn's time line. A face object
// keeps its clock's rendered cards and caption.

#include "clock/clock_look.h"
#include "clock/faces/cached_render.h"

#include <QDateTime>
#include <QFont>
#include <QGradientStops>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QRegion>
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

    // What the next second (or minute) changes: the cards whose value
    // differs, with the room a turn takes below them; everything when the
    // caption changes.
    static QRegion changed(const clock_look &look, const QDateTime &before, const QDateTime &now, QSize window);

    // True when the face shows anything that changes by the second.
    static bool shows_seconds(const clock_look &look);

    // The hour card's text, before the card strips an am/pm marker.
    static QString hour_text(const clock_look &look, const QDateTime &t);

private:
    QRect caption_box(const clock_look &look, const QString &caption, const QPaintDevice *device);

    // What the pictures are drawn from. A paint compares it (cheap) rather
    // than building keys: a turn paints 15 frames a second.
    struct style
    {
        QGradientStops bk, digits;
        QFont caption_font;
        QColor caption, shade;
        QSize window;
        qreal dpr = 0;
        int dpi = 0;
        bool operator==(const style &) const = default;
    };
    // The card texts of one second, formatted once.
    struct card_texts
    {
        QString hh, mm, ss, caption;
    };
    enum card_slot
    {
        hour_slot,
        min_slot,
        sec_slot
    };

    void prepare(const clock_look &look, QSize window, QPaintDevice *device);
    const card_texts &texts_at(const clock_look &look, const QDateTime &t);
    QPixmap card(card_slot slot, const QString &text);
    void paint_caption(QPainter &p, const clock_look &look, const QString &caption);

    // The caption's box, asked at every tick; the caption changes once a
    // day or so.
    QString m_caption_key;
    QRect m_caption_box;

    style m_style;
    flip_geometry m_geometry;
    QFont m_big, m_small;
    int m_caption_base = 0;
    QRect m_caption_strip;
    // Rendered cards by slot and text: the values on show and the ones
    // turning away. A card's picture is drawn once per value.
    QHash<QString, QPixmap> m_cards[3];
    QString m_caption_shown;
    QPixmap m_caption_picture;
    // Texts by second: the shown second and the cards' last turns.
    QHash<qint64, card_texts> m_texts;
    QString m_texts_caption;
    bool m_texts_ampm = false;
};