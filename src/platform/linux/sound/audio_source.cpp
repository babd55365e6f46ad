#include "platform/linux/sound/audio_source.h"

audio_source::audio_source(const pcm_shape &shape) : m_shape(shape) {}

void audio_source::start()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 audio_source::bytesAvailable() const
{
    return (m_ended ? 0 : ready()) + QIODevice::bytesAvailable();
}

qint64 audio_source::readData(char *data, qint64 max)
{
    const int frame = m_shape.bytes_per_frame();
    max = max / frame * frame;
    if (m_ended || max <= 0)
        return 0;
    return pull(data, max, m_ended);
}
