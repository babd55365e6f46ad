#pragma once
// The digital face: one or two lines of the shifted date-time in the
// user's formats, font and colour. The window fits itself to the text.

#include "clock/clock_look.h"

#include <QDateTime>
#include <QRect>
#include <QSize>
#include <QString>

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
    static digital_text layout(const clock_look &look, const QDateTime &t, bool framed, int &remembered_width,
                               const QPaintDevice *device = nullptr);

    static void paint(QPainter &p, const clock_look &look, const digital_text &text, QSize window);

    // What must be repainted to go from one text to the next: the first
    // line's band while only it changed (the seconds), else everything.
    static QRect changed_area(const digital_text &before, const digital_text &now, QSize window);

    // True when the formats show something finer than a second.
    static bool needs_sub_second(const clock_look &look);
};
