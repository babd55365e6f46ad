#include "platform/linux/sound/audio_output.h"

#include "common/log.h"
#include "platform/linux/sound/audio_device.h"
#include "platform/linux/sound/audio_source.h"
#include "platform/linux/sound/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>

namespace {

// A short server buffer keeps halt() prompt; the silence after each sound
// (see audio_source) must be longer than it.
constexpr qint64 buffer_ms = 200;

QAudioFormat qt_format(const pcm_shape &shape)
{
    QAudioFormat format;
    format.setSampleRate(shape.rate);
    format.setChannelCount(shape.channels);
    if (shape.channels == 1)
        format.setChannelConfig(QAudioFormat::ChannelConfigMono);
    else if (shape.channels == 2)
        format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    switch (shape.kind) {
    case sample_kind::u8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case sample_kind::s16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    case sample_kind::s32:
        format.setSampleFormat(QAudioFormat::Int32);
        break;
    case sample_kind::f32:
        format.setSampleFormat(QAudioFormat::Float);
        break;
    }
    return format;
}

std::optional<pcm_shape> from_qt(const QAudioFormat &f)
{
    if (!f.isValid() || f.channelCount() < 1 || f.channelCount() > 8 || f.sampleRate() < 8000 ||
        f.sampleRate() > 192000)
        return std::nullopt;
    pcm_shape shape;
    shape.rate = f.sampleRate();
    shape.channels = f.channelCount();
    switch (f.sampleFormat()) {
    case QAudioFormat::UInt8:
        shape.kind = sample_kind::u8;
        break;
    case QAudioFormat::Int16:
        shape.kind = sample_kind::s16;
        break;
    case QAudioFormat::Int32:
        shape.kind = sample_kind::s32;
        break;
    case QAudioFormat::Float:
        shape.kind = sample_kind::f32;
        break;
    default:
        return std::nullopt;
    }
    return shape;
}

} // namespace

audio_output::audio_output(QObject *parent) : QObject(parent) {}

audio_output::~audio_output()
{
    drop();
}

std::optional<pcm_shape> audio_output::device_shape()
{
    m_device = current_output_device();
    if (m_device.isNull())
        return std::nullopt;
    const std::optional<pcm_shape> preferred = from_qt(m_device.preferredFormat());
    if (preferred && m_device.isFormatSupported(qt_format(*preferred)))
        return preferred;
    return pcm_shape::cd();
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
    const QAudioDevice device = m_device;
    if (device.isNull()) {
        no_device();
        return false;
    }
    const pcm_shape shape = source->shape();
    m_sink = new QAudioSink(device, qt_format(shape), this);
    m_sink->setBufferSize(shape.bytes_for_ms(buffer_ms));
    const quint64 generation = ++m_generation;
    // Queued: the sink must not be stopped from inside its own signal.
    connect(
        m_sink, &QAudioSink::stateChanged, this, [this, generation] { state_changed(generation); },
        Qt::QueuedConnection);
    source->start();
    m_sink->start(source.get());
    m_source = std::move(source);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        const int code = int(m_sink->error());
        drop();
        return fail(QStringLiteral("Не удалось начать вывод звука на «%1» (ошибка устройства %2)")
                        .arg(device.description())
                        .arg(code));
    }
    m_playing = true;
    return true;
}

void audio_output::drop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    // After the sink: it reads from the source until stopped.
    m_source.reset();
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

void audio_output::state_changed(quint64 generation)
{
    if (generation != m_generation || !m_sink || !m_playing)
        return;
    const QAudio::State state = m_sink->state();
    if (state == QAudio::IdleState && m_source && m_source->atEnd()) {
        drop();
        emit finished();
    } else if (state == QAudio::StoppedState) {
        const QAudio::Error error = m_sink->error();
        drop();
        if (error != QAudio::NoError)
            fail(QStringLiteral("Вывод звука прервался (ошибка устройства %1)").arg(int(error)));
        emit finished();
    }
}
