#include "platform/linux/sound/audio_output.h"

#include "common/log.h"
#include "platform/linux/sound/audio_source.h"
#include "platform/linux/sound/pulse_playback.h"
#include "platform/linux/sound/sound_player.h"

namespace {

// A short server buffer keeps halt() prompt.
constexpr qint64 buffer_ms = 200;

} // namespace

audio_output::audio_output(QObject *parent) : QObject(parent) {}

audio_output::~audio_output()
{
    drop();
}

std::optional<pcm_shape> audio_output::device_shape()
{
    m_device = current_output_device();
    if (!m_device)
        return std::nullopt;
    return m_device->shape;
}

bool audio_output::fail(const QString &text)
{
    m_error = text;
    qCWarning(lc_audio).noquote() << text;
    tell_output_unavailable();
    return false;
}

void audio_output::no_device()
{
    stop();
    fail(QStringLiteral("Нет устройства вывода звука (звуковой сервер не запущен?)"));
    qCWarning(lc_audio) << "no audio output device; sound not played";
}

bool audio_output::start(std::unique_ptr<audio_source> source)
{
    stop();
    m_error.clear();
    if (!source)
        return false;
    if (!m_device) {
        no_device();
        return false;
    }
    const quint64 generation = ++m_generation;
    source->start();
    QString why;
    m_playback = pulse_playback::start(
        std::move(source), buffer_ms,
        [this, generation](bool complete, const QString &reason) {
            // From the playback's thread; dropped if this output is gone by then.
            QMetaObject::invokeMethod(
                this, [this, generation, complete, reason] { ended(generation, complete, reason); },
                Qt::QueuedConnection);
        },
        why);
    if (!m_playback)
        return fail(QStringLiteral("Не удалось начать вывод звука на «%1» (%2)").arg(m_device->description, why));
    m_playing = true;
    return true;
}

void audio_output::drop()
{
    // Stops the sound and joins its thread; the source goes with it.
    m_playback.reset();
    m_playing = false;
}

void audio_output::stop()
{
    drop();
}

void audio_output::release()
{
    drop();
    m_error.clear();
}

void audio_output::ended(quint64 generation, bool complete, const QString &why)
{
    if (generation != m_generation || !m_playing)
        return;
    drop();
    if (!complete)
        fail(QStringLiteral("Вывод звука прервался (%1)").arg(why));
    emit finished();
}
