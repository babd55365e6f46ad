#pragma once
// Sine-wave sound files for tests and benchmarks, made at run time:
// sox for the formats it writes, FFmpeg's encoders for mp3, aac and ac3.

#include <QByteArray>
#include <QString>

namespace sound_fixture {

// Writes `seconds` of a `hz` sine to `path`, format chosen by extension
// (wav, ogg, flac, pcm = raw s16le 44.1 kHz stereo, mp3, aac, ac3).
// Returns an empty text on success, else what went wrong.
QString make_sine(const QString &path, double seconds, int hz);

// Same through sox with extra output options (e.g. "-r 22050 -c 1 -b 8").
QString make_sine_sox(const QString &path, double seconds, int hz, const QStringList &output_options);

bool have_sox();

// A long sine quickly: 8-bit mono WAV at `rate`, written directly (sox
// takes minutes for hours of sound).
QString make_long_wav(const QString &path, double seconds, int hz, int rate = 8000);

// path's sine made once and reused; a failure is logged, the path returned anyway.
QString cached_sine(const QString &path, double seconds, int hz);

} // namespace sound_fixture
