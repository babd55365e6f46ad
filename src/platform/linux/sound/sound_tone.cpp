// play_tone: a sine synthesised as the sink asks for it, on an output of
// its own, so an alarm sound that is playing keeps playing underneath.

#include "platform/linux/sound/sound_player.h"

#include "common/log.h"
#include "platform/linux/sound/audio_output.h"
#include "platform/linux/sound/audio_source.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int max_tone_ms = 60 * 1000;
constexpr int fade_ms = 5;
constexpr double amplitude = 0.5;

class tone_source final : public audio_source
{
public:
    tone_source(const pcm_shape &shape, int hz, int ms)
        : audio_source(shape), m_frames(qint64(shape.rate) * ms / 1000),
          m_fade(std::min<qint64>(qint64(shape.rate) * fade_ms / 1000, m_frames / 2)),
          m_step(2 * std::numbers::pi * hz / shape.rate)
    {}

protected:
    qint64 ready() const override { return (m_frames - m_done) * shape().bytes_per_frame(); }

    qint64 pull(char *data, qint64 max, bool &ended) override
    {
        const int frame = shape().bytes_per_frame();
        const int sample = shape().bytes_per_sample();
        const qint64 n = std::min(max / frame, m_frames - m_done);
        for (qint64 k = 0; k < n; ++k, ++m_done) {
            double gain = 1.0;
            if (m_done < m_fade)
                gain = double(m_done) / double(m_fade);
            else if (m_frames - 1 - m_done < m_fade)
                gain = double(m_frames - 1 - m_done) / double(m_fade);
            const double v = amplitude * gain * std::sin(m_step * double(m_done));
            for (int c = 0; c < shape().channels; ++c)
                write_sample(data + k * frame + c * sample, shape().kind, v);
        }
        ended = m_done == m_frames;
        return n * frame;
    }

private:
    qint64 m_frames;
    qint64 m_fade;
    double m_step;
    qint64 m_done = 0;
};

} // namespace

void play_sound_tone(int frequency_hz, int duration_ms)
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
    const std::optional<pcm_shape> shape = output->device_shape();
    if (!shape) {
        output->no_device();
        return;
    }
    output->start(std::make_unique<tone_source>(*shape, frequency_hz, std::min(duration_ms, max_tone_ms)));
}
