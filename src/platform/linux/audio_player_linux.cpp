// The audio_player of this platform: FFmpeg decodes into memory,
// audio_output plays from there.

#include "platform/audio_player.h"

#include "common/log.h"
#include "platform/linux/audio_decoder.h"
#include "platform/linux/audio_output.h"

namespace {

class audio_player_linux final : public audio_player
{
public:
    explicit audio_player_linux(QObject *parent) : audio_player(parent), m_output(this) {}

    int open_file(const QString &path) override
    {
        // The old sound goes whether or not the new one opens.
        m_output.stop();
        m_pcm.clear();
        if (m_released) {
            m_error = QStringLiteral("Проигрыватель уже закрыт.");
            return 0;
        }
        audio_decoder decoder;
        if (!decoder.decode(path)) {
            m_error = decoder.error();
            qCWarning(lc_audio).noquote() << m_error;
            return 0;
        }
        m_pcm = decoder.take_pcm();
        m_error.clear();
        return 1;
    }

    void play() override
    {
        if (m_released || m_pcm.isEmpty())
            return;
        if (!m_output.start(m_pcm))
            m_error = m_output.error();
    }

    void halt() override { m_output.stop(); }

    QString last_error() const override { return m_error; }

    void release() override
    {
        m_output.release();
        m_pcm = QByteArray();
        m_released = true;
    }

    bool is_playing() const override { return m_output.is_playing(); }

private:
    audio_output m_output;
    QByteArray m_pcm;
    QString m_error;
    bool m_released = false;
};

} // namespace

std::unique_ptr<audio_player> audio_player::create(QObject *parent)
{
    return std::make_unique<audio_player_linux>(parent);
}
