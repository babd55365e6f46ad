#pragma once
// Measures interleaved s16le stereo 44.1 kHz samples: where the sound is,
// how loud, which pitch. Used on decoder output and on recordings.

#include <QByteArray>

namespace pcm_probe {

constexpr int rate = 44100;

struct span
{
    double start_s = -1; // -1: no sound at all
    double end_s = -1;
    double length_s() const { return start_s < 0 ? 0 : end_s - start_s; }
};

double seconds(const QByteArray &pcm);
// Part of the signal louder than `threshold` (0..1 of full scale), judged in
// 10 ms windows.
span sound_span(const QByteArray &pcm, double threshold = 0.02);
// RMS of the left channel between two times (0..1 of full scale).
double rms(const QByteArray &pcm, double from_s, double to_s);
// Pitch of the left channel between two times, from its zero crossings.
double pitch_hz(const QByteArray &pcm, double from_s, double to_s);

} // namespace pcm_probe
