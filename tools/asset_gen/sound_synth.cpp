#include "sound_synth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace asset {

namespace {

struct partial
{
    double ratio, amp, decay_s; // frequency ratio, amplitude, time to fall by 1/e
};

// Adds a struck tone: fast attack, exponential decay per partial.
void strike(std::vector<float> &out, double at_s, double f0, double gain, const std::vector<partial> &partials,
            double length_s)
{
    const size_t start = size_t(at_s * sample_rate);
    const size_t n = size_t(length_s * sample_rate);
    if (out.size() < start + n)
        out.resize(start + n, 0.f);
    const double attack = 0.004 * sample_rate;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / sample_rate;
        double v = 0;
        for (const partial &p : partials)
            v += p.amp * std::exp(-t / p.decay_s) * std::sin(2 * M_PI * f0 * p.ratio * t);
        const double env = i < attack ? double(i) / attack : 1.0;
        // Fade the tail so the file never ends on a click.
        const double tail = std::min(1.0, double(n - i) / (0.05 * sample_rate));
        out[start + i] += float(gain * v * env * tail);
    }
}

void normalise(std::vector<float> &s, float peak)
{
    float m = 0;
    for (float v : s)
        m = std::max(m, std::fabs(v));
    if (m > 0)
        for (float &v : s)
            v *= peak / m;
}

const std::vector<partial> bell_partials = {
    {0.5, 0.35, 1.6}, {1.0, 1.0, 1.1},  {1.19, 0.45, 0.8}, {1.5, 0.3, 0.6},
    {2.0, 0.45, 0.5}, {2.74, 0.2, 0.3}, {3.76, 0.12, 0.2}, {5.4, 0.06, 0.12},
};

} // namespace

std::vector<float> soft_bell()
{
    std::vector<float> s;
    strike(s, 0.0, 659.26, 1.0, bell_partials, 2.6);
    strike(s, 0.42, 523.25, 0.8, bell_partials, 2.4);
    normalise(s, 0.7f);
    return s;
}

std::vector<float> two_tone_alert()
{
    std::vector<float> s;
    const std::vector<partial> tone = {{1.0, 1.0, 0.35}, {2.0, 0.25, 0.15}, {3.0, 0.12, 0.08}};
    for (int i = 0; i < 3; ++i) {
        strike(s, i * 0.5, 880.0, 1.0, tone, 0.45);
        strike(s, i * 0.5 + 0.22, 659.26, 1.0, tone, 0.45);
    }
    normalise(s, 0.65f);
    return s;
}

std::vector<float> marimba_reminder()
{
    std::vector<float> s;
    const std::vector<partial> bar = {{1.0, 1.0, 0.45}, {3.93, 0.28, 0.07}, {9.2, 0.08, 0.02}};
    const double notes[] = {523.25, 659.26, 783.99, 1046.5, 783.99, 1046.5};
    const double at[] = {0.0, 0.14, 0.28, 0.42, 0.7, 0.84};
    for (int i = 0; i < 6; ++i)
        strike(s, at[i], notes[i], i >= 4 ? 0.8 : 1.0, bar, 1.2);
    normalise(s, 0.7f);
    return s;
}

std::vector<float> wind_chime()
{
    std::vector<float> s;
    const std::vector<partial> rod = {{1.0, 1.0, 1.3}, {2.76, 0.35, 0.5}, {5.4, 0.15, 0.2}};
    const double notes[] = {1174.66, 1318.51, 1567.98, 1760.0, 2093.0, 1567.98, 1318.51};
    const double at[] = {0.0, 0.18, 0.31, 0.52, 0.66, 0.9, 1.12};
    for (int i = 0; i < 7; ++i)
        strike(s, at[i], notes[i], 0.6 + 0.1 * (i % 3), rod, 2.2);
    normalise(s, 0.6f);
    return s;
}

QByteArray wav_bytes(const std::vector<float> &samples)
{
    const auto u32 = [](QByteArray &b, quint32 v) {
        char d[4];
        qToLittleEndian(v, d);
        b.append(d, 4);
    };
    const auto u16 = [](QByteArray &b, quint16 v) {
        char d[2];
        qToLittleEndian(v, d);
        b.append(d, 2);
    };
    const quint32 data_size = quint32(samples.size() * 2);
    QByteArray b("RIFF");
    u32(b, 36 + data_size);
    b += "WAVEfmt ";
    u32(b, 16);
    u16(b, 1); // PCM
    u16(b, 1); // mono
    u32(b, sample_rate);
    u32(b, sample_rate * 2);
    u16(b, 2);
    u16(b, 16);
    b += "data";
    u32(b, data_size);
    for (float v : samples)
        u16(b, quint16(qint16(std::lround(std::clamp(v, -1.f, 1.f) * 32767.f))));
    return b;
}

} // namespace asset
