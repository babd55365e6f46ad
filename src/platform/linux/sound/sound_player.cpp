// The module's player: open_file checks the file and decodes its first
// moments at once; play() streams the rest from a worker thread
// (audio_stream) into audio_output, in the layout of the current device.

#include "platform/linux/sound/sound_player.h"

#include "common/log.h"
#include "platform/linux/sound/audio_output.h"
#include "platform/linux/sound/audio_stream.h"

namespace {

class sound_player final : public sound_engine
{
public:
    int open_file(const QString &path) override
    {
        // The old sound goes whether or not the new one opens.
        m_output.stop();
        m_stream.reset();
        m_path.clear();
        if (m_released) {
            m_error = QStringLiteral("Проигрыватель уже закрыт.");
            return 0;
        }
        m_stream = open_stream(path, m_output.device_shape().value_or(pcm_shape::cd()));
        if (!m_stream) {
            qCWarning(lc_audio).noquote() << m_error;
            return 0;
        }
        m_path = path;
        m_error.clear();
        return 1;
    }

    void play() override
    {
        if (m_released || m_path.isEmpty())
            return;
        m_output.stop();
        const std::optional<pcm_shape> shape = m_output.device_shape();
        if (!shape) {
            m_output.no_device();
            m_error = m_output.error();
            return;
        }
        // Each play starts from the beginning; a stream opened for another
        // device, or already (partly) played, is opened again.
        if (!m_stream || !m_stream->fresh() || m_stream->shape() != *shape)
            m_stream = open_stream(m_path, *shape);
        if (!m_stream) {
            qCWarning(lc_audio).noquote() << m_error;
            return;
        }
        if (!m_output.start(std::move(m_stream)))
            m_error = m_output.error();
    }

    void halt() override { m_output.stop(); }

    QString last_error() const override { return m_error; }

    void release() override
    {
        m_output.release();
        m_stream.reset();
        m_path.clear();
        m_released = true;
    }

    bool is_playing() const override { return m_output.is_playing(); }

private:
    std::unique_ptr<audio_stream> open_stream(const QString &path, const pcm_shape &shape)
    {
        auto decoder = std::make_unique<audio_decoder>();
        if (!decoder->open(path, shape)) {
            m_error = decoder->error();
            return nullptr;
        }
        return std::make_unique<audio_stream>(std::move(decoder));
    }

    audio_output m_output;
    std::unique_ptr<audio_stream> m_stream;
    QString m_path;
    QString m_error;
    bool m_released = false;
};

} // namespace

std::unique_ptr<sound_engine> create_sound_player()
{
    return std::make_unique<sound_player>();
}
