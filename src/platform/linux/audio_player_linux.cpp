// The audio_player of this platform: a stand-in that loads the sound module
// at the first open_file() and hands every operation to the module's engine.
// Without the module each open fails with the reason; nothing else changes.

#include "platform/audio_player.h"

#include "common/log.h"
#include "platform/linux/sound_module_loader.h"

#include <memory>

namespace {

class audio_player_linux final : public audio_player
{
public:
    using audio_player::audio_player;

    int open_file(const QString &path) override
    {
        if (!m_engine && !m_released) {
            if (const sound_module_api *api = sound_module_loader::shared().api())
                m_engine.reset(api->create_engine());
        }
        if (!m_engine) {
            m_error = m_released ? QStringLiteral("Проигрыватель уже закрыт.") : sound_module_loader::shared().error();
            qCWarning(lc_audio).noquote() << m_error << path;
            return 0;
        }
        return m_engine->open_file(path);
    }

    void play() override
    {
        if (m_engine)
            m_engine->play();
    }

    void halt() override
    {
        if (m_engine)
            m_engine->halt();
    }

    QString last_error() const override { return m_engine ? m_engine->last_error() : m_error; }

    void release() override
    {
        if (m_engine)
            m_engine->release();
        m_released = true;
    }

    bool is_playing() const override { return m_engine && m_engine->is_playing(); }

private:
    std::unique_ptr<sound_engine> m_engine;
    QString m_error;
    bool m_released = false;
};

} // namespace

std::unique_ptr<audio_player> audio_player::create(QObject *parent)
{
    return std::make_unique<audio_player_linux>(parent);
}

void play_tone(int frequency_hz, int duration_ms)
{
    if (const sound_module_api *api = sound_module_loader::shared().api())
        api->play_tone(frequency_hz, duration_ms);
    else
        qCWarning(lc_audio).noquote() << "tone of" << frequency_hz
                                      << "Hz not played:" << sound_module_loader::shared().error();
}
