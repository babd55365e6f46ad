#pragma once
// The clock window's size for its face, worked out from the settings and
// the time before anything is painted: the window is mapped at the size it
// keeps, and a later change of size is known before the paint that needs it.

#include "clock/clock_look.h"
#include "clock/faces/clock_faces.h"

#include <QDateTime>
#include <QSize>

class QPaintDevice;

class face_size
{
public:
    // The size the face asks for at time t, or an invalid size when the
    // face type names no face. framed and remembered_width follow the
    // digital face's framed sizing (the width only grows). The faces
    // measure with what they have measured before.
    static QSize wanted(clock_faces &faces, const clock_look &look, const QDateTime &t, bool framed,
                        int &remembered_width, const QPaintDevice *device = nullptr);

    // At least one pixel and at most limit on each side; an empty limit
    // (no screen known) leaves the size alone.
    static QSize clamped(QSize wanted, QSize limit);

    // What the largest screen of the running application shows, in the
    // device-independent pixels windows are sized in.
    static QSize largest_screen();
};

// Fits the clock window to its face: the wanted size, clamped to the
// largest screen, saying so in the log the first time a size is cut (a
// damaged clock.ini asks for the same absurd size at every tick).
class face_fit
{
public:
    QSize size_for(clock_faces &faces, const clock_look &look, const QDateTime &t, bool framed, int &remembered_width,
                   const QPaintDevice *device, QSize limit);

private:
    bool m_reported = false;
};
