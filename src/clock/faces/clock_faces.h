#pragma once
// The faces of one clock. Each face keeps the pictures and texts it has
// measured and rendered for this clock; a preview or a second clock holds
// faces of its own, so neither throws away what the other made.

#include "clock/faces/analog_face.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/flip_face.h"

struct clock_faces
{
    analog_face analog;
    digital_face digital;
    flip_face flip;
};
