#include "platform/linux/sound/audio_ring.h"

#include <algorithm>
#include <cstring>

audio_ring::audio_ring(qint64 capacity) : m_buffer(size_t(std::max<qint64>(capacity, 1))) {}

bool audio_ring::write(const char *data, qint64 size)
{
    const auto capacity = qint64(m_buffer.size());
    std::unique_lock lock(m_mutex);
    while (size > 0) {
        m_room.wait(lock, [&] { return m_stopped || m_size < capacity; });
        if (m_stopped)
            return false;
        const qint64 tail = (m_head + m_size) % capacity;
        const qint64 n = std::min({size, capacity - m_size, capacity - tail});
        std::memcpy(m_buffer.data() + tail, data, size_t(n));
        m_size += n;
        data += n;
        size -= n;
    }
    return true;
}

void audio_ring::finish()
{
    std::lock_guard lock(m_mutex);
    m_finished = true;
}

void audio_ring::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_size = 0;
    }
    m_room.notify_all();
}

qint64 audio_ring::read(char *data, qint64 max, bool &ended)
{
    const auto capacity = qint64(m_buffer.size());
    qint64 done = 0;
    {
        std::lock_guard lock(m_mutex);
        while (done < max && m_size > 0) {
            const qint64 n = std::min({max - done, m_size, capacity - m_head});
            std::memcpy(data + done, m_buffer.data() + m_head, size_t(n));
            m_head = (m_head + n) % capacity;
            m_size -= n;
            done += n;
        }
        ended = (m_finished || m_stopped) && m_size == 0;
    }
    if (done > 0)
        m_room.notify_one();
    return done;
}

qint64 audio_ring::queued() const
{
    std::lock_guard lock(m_mutex);
    return m_size;
}
