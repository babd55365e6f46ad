#pragma once
// Paints one flip card, still or in the middle of its turn, from the two
// card gradients and a text. No pictures: everything scales with the card.
// Rendered cards go to the cache of the face that paints them.

#include "clock/faces/cached_render.h"

#include <QGradientStops>
#include <QPixmap>
#include <QString>

class QFont;
class QPainter;
class QRect;

class card_painter
{
public:
    card_painter(const QGradientStops &background, const QGradientStops &digits, render_cache &cards)
        : m_background(background), m_digits(digits), m_cards(&cards)
    {}
    // Without a cache: for picture() and draw_turn() only; paint_card()
    // then draws straight away.
    card_painter(const QGradientStops &background, const QGradientStops &digits)
        : m_background(background), m_digits(digits)
    {}

    // "03pm" -> "03": the card shows only the number.
    static QString strip_ampm(QString text);

    void paint_card(QPainter &p, const QRect &r, const QString &text, const QFont &font) const;

    // frame runs 0..100: the upper flap with the old text folds away in the
    // first half, the lower flap with the new text falls in the second.
    void paint_turn(QPainter &p, const QRect &r, int frame, const QString &old_text, const QString &new_text,
                    const QFont &font) const;

    // The region a turn may touch: the card and the half card below it,
    // where the falling flap is seen in perspective.
    static QRect lower_region(const QRect &r);

    // The card as paint_card() draws it at r, as a picture of r's size at
    // the device pixel ratio dpr, for faces that keep their own pictures.
    QPixmap picture(const QRect &r, const QString &text, const QFont &font, qreal dpr) const;

    // The turn from two such pictures: only the transforms change from
    // frame to frame. The upper half of the old card folds away, then the
    // lower half of the new one falls over the old lower half.
    static void draw_turn(QPainter &p, const QRect &r, int frame, const QPixmap &old_card, const QPixmap &new_card);

    // How far the turning flap moves from one frame to another, in device
    // pixels: the largest shift of one of its corners. A flap that goes from
    // the upper half to the lower between the two counts as moved a whole
    // card. At the ends of a turn, where it eases in and out, a frame moves
    // it by hundredths of a pixel.
    static qreal flap_shift(const QRect &r, int from, int to, qreal dpr);

    // What going from one frame of a turn to another changes: the places of
    // the flap at both, with a pixel around for smoothing, inside the
    // region a turn may touch. The rest of the card is the same at both.
    static QRect turn_damage(const QRect &r, int from, int to);

private:
    void draw_card(QPainter &p, const QRect &r, const QString &text, const QFont &font) const;

    QGradientStops m_background;
    QGradientStops m_digits;
    render_cache *m_cards = nullptr;
};
