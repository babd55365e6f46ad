#pragma once
// The output device to play on now. Qt's own default stays the sink that
// was the default when it first connected, so a sink chosen later
// (headphones plugged in, another output picked) would not be followed;
// the sound server itself is asked which sink is its default.

#include <QAudioDevice>

// Null when there is no output at all (no sound server).
QAudioDevice current_output_device();
