#pragma once
// The output to play on now: the sound server's default sink, asked anew
// each time, so a sink chosen since the last sound (headphones plugged in,
// another output picked) is followed.

#include "platform/linux/sound/audio_format.h"

#include <QString>

#include <optional>

struct output_device
{
    QString description;
    // The sink's own layout: a sound in it plays without converting.
    pcm_shape shape;
};

// Empty when there is no output at all (no sound server, or no sink).
std::optional<output_device> current_output_device();
