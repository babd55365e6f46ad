#include "pcm_probe.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace pcm_probe {

namespace {

qint64 frames(const QByteArray &pcm)
{
    return pcm.size() / 4;
}

double left(const QByteArray &pcm, qint64 frame)
{
    return qFromLittleEndian<qint16>(pcm.constData() + frame * 4) / 32768.0;
}

qint64 to_frame(const QByteArray &pcm, double s)
{
    return std::clamp<qint64>(qint64(s * rate), 0, frames(pcm));
}

} // namespace

double seconds(const QByteArray &pcm)
{
    return double(frames(pcm)) / rate;
}

double rms(const QByteArray &pcm, double from_s, double to_s)
{
    const qint64 a = to_frame(pcm, from_s), b = to_frame(pcm, to_s);
    if (b <= a)
        return 0;
    double sum = 0;
    for (qint64 i = a; i < b; ++i)
        sum += left(pcm, i) * left(pcm, i);
    return std::sqrt(sum / double(b - a));
}

span sound_span(const QByteArray &pcm, double threshold)
{
    constexpr qint64 window = rate / 100;
    span s;
    for (qint64 w = 0; w + window <= frames(pcm); w += window) {
        const double t = double(w) / rate;
        if (rms(pcm, t, t + 0.01) > threshold) {
            if (s.start_s < 0)
                s.start_s = t;
            s.end_s = t + 0.01;
        }
    }
    return s;
}

double pitch_hz(const QByteArray &pcm, double from_s, double to_s)
{
    const qint64 a = to_frame(pcm, from_s), b = to_frame(pcm, to_s);
    qint64 first = -1, last = -1;
    int crossings = 0;
    for (qint64 i = a + 1; i < b; ++i) {
        if (left(pcm, i - 1) < 0 && left(pcm, i) >= 0) {
            if (first < 0)
                first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0;
    return double(crossings - 1) * rate / double(last - first);
}

} // namespace pcm_probe
