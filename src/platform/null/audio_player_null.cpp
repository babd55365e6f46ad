// Platforms without sound output: every open fails with a clear reason.

#include "platform/audio_player.h"

#include "common/log.h"
#include "platform/audio_notice.h"

namespace {

class audio_player_null final : public audio_player
{
public:
    using audio_player::audio_player;

    int open_file(const QString &path) override
    {
        m_error = QStringLiteral("Воспроизведение звука не поддерживается в этой сборке: %1").arg(path);
        qCWarning(lc_audio).noquote() << m_error;
        return 0;
    }
    void play() override {}
    void halt() override {}
    QString last_error() const override { return m_error; }
    void release() override {}
    bool is_playing() const override { return false; }

private:
    QString m_error;
};

} // namespace

std::unique_ptr<audio_player> audio_player::create(QObject *parent)
{
    return std::make_unique<audio_player_null>(parent);
}

void play_tone(int frequency_hz, int duration_ms)
{
    qCInfo(lc_audio) << "tone of" << frequency_hz << "Hz for" << duration_ms << "ms (no sound output in this build)";
    report_output_unavailable();
}
