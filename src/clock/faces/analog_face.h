#pragma once
// The analog face: a skin's dial, three hands and a cap, painted from the
// clock's look at the given (shifted) time.

#include "clock/clock_look.h"

#include <QDateTime>
#include <QSize>

class QPainter;

class analog_face
{
public:
    // window is the clock window's size: the second marks follow its
    // smaller side, while everything else is placed on the face picture.
    static void paint(QPainter &p, const clock_look &look, const QDateTime &t, QSize window);

    // The window takes the face picture's size.
    static QSize wanted_size(const clock_look &look) { return look.pictures.face.size(); }

private:
    static void paint_hand(QPainter &p, QSize face, const QPixmap &hand, double x, double y, double z, double degrees);
    static void paint_second_marks(QPainter &p, const clock_look &look, QSize face, QSize window);
};
