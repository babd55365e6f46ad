#include "platform/linux/audio_pcm_source.h"

#include <algorithm>
#include <cstring>

pcm_source::pcm_source(const QByteArray &pcm, qint64 silence_bytes, QObject *parent)
    : QIODevice(parent), m_pcm(pcm), m_silence(std::max<qint64>(0, silence_bytes))
{}

qint64 pcm_source::bytesAvailable() const
{
    return remaining() + QIODevice::bytesAvailable();
}

qint64 pcm_source::readData(char *data, qint64 max_size)
{
    const qint64 n = std::min(max_size, remaining());
    if (n <= 0)
        return 0;
    const qint64 from_pcm = std::clamp<qint64>(m_pcm.size() - m_pos, 0, n);
    if (from_pcm > 0)
        std::memcpy(data, m_pcm.constData() + m_pos, size_t(from_pcm));
    std::memset(data + from_pcm, 0, size_t(n - from_pcm));
    m_pos += n;
    return n;
}
