#include "platform/linux/audio_output.h"

#include "common/log.h"
#include "platform/linux/audio_format.h"
#include "platform/linux/audio_pcm_source.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

// A short server buffer keeps halt() prompt; the trailing silence must be
// longer than it so that stopping at "idle" never clips the sound.
constexpr qint64 buffer_bytes = pcm_out::bytes_per_second / 5;
constexpr qint64 tail_silence_bytes = pcm_out::bytes_per_second / 2;

QAudioFormat pcm_format()
{
    QAudioFormat format;
    format.setSampleRate(pcm_out::sample_rate);
    format.setChannelCount(pcm_out::channels);
    format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

audio_output::audio_output(QObject *parent) : QObject(parent) {}

audio_output::~audio_output()
{
    drop_sink();
}

bool audio_output::ensure_sink()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        drop_sink();
        m_error = QStringLiteral("Нет устройства вывода звука (звуковой сервер не запущен?)");
        qCWarning(lc_audio) << "no audio output device; sound not played";
        return false;
    }
    if (m_sink && device.id() == m_device_id)
        return true;
    drop_sink();
    const QAudioFormat format = pcm_format();
    if (!device.isFormatSupported(format)) {
        m_error = QStringLiteral("Устройство вывода звука «%1» не принимает 44,1 кГц, стерео, 16 бит")
                      .arg(device.description());
        qCWarning(lc_audio) << "output device" << device.description() << "rejects 44.1 kHz stereo s16";
        return false;
    }
    m_sink = new QAudioSink(device, format, this);
    m_sink->setBufferSize(buffer_bytes);
    m_device_id = device.id();
    // Queued: the sink must not be stopped from inside its own signal.
    connect(m_sink, &QAudioSink::stateChanged, this, &audio_output::state_changed, Qt::QueuedConnection);
    return true;
}

void audio_output::drop_sink()
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    m_sink->stop();
    delete m_sink;
    m_sink = nullptr;
    m_device_id.clear();
    m_source.reset();
    m_playing = false;
}

bool audio_output::start(const QByteArray &pcm)
{
    stop();
    m_error.clear();
    if (pcm.isEmpty() || !ensure_sink())
        return false;
    auto source = std::make_unique<pcm_source>(pcm, tail_silence_bytes);
    source->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_sink->start(source.get());
    m_source = std::move(source);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        m_error = QStringLiteral("Не удалось начать вывод звука (ошибка устройства %1)").arg(int(m_sink->error()));
        qCWarning(lc_audio) << "audio sink did not start, error" << m_sink->error();
        m_sink->stop();
        m_source.reset();
        return false;
    }
    m_playing = true;
    return true;
}

void audio_output::stop()
{
    if (m_sink && m_sink->state() != QAudio::StoppedState)
        m_sink->stop();
    m_source.reset();
    m_playing = false;
}

void audio_output::release()
{
    drop_sink();
    m_error.clear();
}

void audio_output::state_changed()
{
    if (!m_sink || !m_playing)
        return;
    const QAudio::State state = m_sink->state();
    if (state == QAudio::IdleState && m_source && m_source->atEnd()) {
        stop();
        emit finished();
    } else if (state == QAudio::StoppedState) {
        if (m_sink->error() != QAudio::NoError)
            qCWarning(lc_audio) << "audio output stopped with error" << m_sink->error();
        m_source.reset();
        m_playing = false;
        emit finished();
    }
}
