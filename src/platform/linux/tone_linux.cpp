// play_tone: a synthesised sine on an output of its own, so an alarm sound
// that is playing keeps playing underneath.

#include "platform/audio_player.h"

#include "common/log.h"
#include "platform/linux/audio_format.h"
#include "platform/linux/audio_output.h"

#include <QCoreApplication>
#include <QPointer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int max_tone_ms = 60 * 1000;
constexpr int fade_ms = 5;
constexpr double amplitude = 0.5 * 32767;

QByteArray sine(int hz, int ms)
{
    const qint64 frames = qint64(pcm_out::sample_rate) * ms / 1000;
    const qint64 fade = std::min<qint64>(qint64(pcm_out::sample_rate) * fade_ms / 1000, frames / 2);
    QByteArray pcm(qsizetype(frames * pcm_out::bytes_per_frame), Qt::Uninitialized);
    auto *out = reinterpret_cast<qint16 *>(pcm.data());
    const double step = 2 * std::numbers::pi * hz / pcm_out::sample_rate;
    for (qint64 i = 0; i < frames; ++i) {
        double gain = 1.0;
        if (i < fade)
            gain = double(i) / double(fade);
        else if (frames - 1 - i < fade)
            gain = double(frames - 1 - i) / double(fade);
        const auto v = qToLittleEndian(qint16(std::lround(amplitude * gain * std::sin(step * double(i)))));
        for (int c = 0; c < pcm_out::channels; ++c)
            out[i * pcm_out::channels + c] = v;
    }
    return pcm;
}

} // namespace

void play_tone(int frequency_hz, int duration_ms)
{
    if (frequency_hz < 20 || frequency_hz > 20000 || duration_ms <= 0) {
        qCWarning(lc_audio) << "tone of" << frequency_hz << "Hz for" << duration_ms << "ms ignored";
        return;
    }
    auto *app = QCoreApplication::instance();
    if (!app) {
        qCWarning(lc_audio) << "tone needs a running application; not played";
        return;
    }
    // One output for all tones, living as long as the application.
    static QPointer<audio_output> output;
    if (!output)
        output = new audio_output(app);
    output->start(sine(frequency_hz, std::min(duration_ms, max_tone_ms)));
}
