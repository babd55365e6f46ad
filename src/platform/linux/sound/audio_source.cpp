#include "platform/linux/sound/audio_source.h"

#include <algorithm>
#include <cstring>

audio_source::audio_source(const pcm_shape &shape, qint64 tail_ms) : m_shape(shape), m_tail(shape.bytes_for_ms(tail_ms))
{}

void audio_source::start()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 audio_source::bytesAvailable() const
{
    return (m_ended ? m_tail : ready()) + QIODevice::bytesAvailable();
}

qint64 audio_source::readData(char *data, qint64 max)
{
    const int frame = m_shape.bytes_per_frame();
    max = max / frame * frame;
    qint64 n = 0;
    if (!m_ended)
        n = pull(data, max, m_ended);
    if (m_ended && n < max) {
        const qint64 silence = std::min(max - n, m_tail);
        // Unsigned 8-bit silence is the middle value, not zero.
        std::memset(data + n, m_shape.kind == sample_kind::u8 ? 0x80 : 0, size_t(silence));
        m_tail -= silence;
        n += silence;
    }
    return n;
}
