#pragma once
// Short notification sounds synthesised from sine partials, 44.1 kHz mono.

#include <QByteArray>
#include <QString>

#include <vector>

namespace asset {

constexpr int sample_rate = 44100;

std::vector<float> soft_bell();
std::vector<float> two_tone_alert();
std::vector<float> marimba_reminder();
std::vector<float> wind_chime();

// 16-bit PCM WAV file bytes; samples are clipped to [-1, 1].
QByteArray wav_bytes(const std::vector<float> &samples);

// FLAC through the FFmpeg libraries; false (with a message) when no encoder is available.
bool write_flac(const std::vector<float> &samples, const QString &path);

} // namespace asset
