#pragma once
// A bounded byte queue between one writer thread (the decoder) and one
// reader (the sink, on the GUI thread). The writer waits for room; the
// reader never waits.

#include <QtGlobal>

#include <condition_variable>
#include <mutex>
#include <vector>

class audio_ring
{
public:
    explicit audio_ring(qint64 capacity);

    // Blocks until everything is queued; false when stop() came first.
    bool write(const char *data, qint64 size);
    // Nothing more will be written.
    void finish();
    // Wakes and refuses the writer; what is queued is dropped.
    void stop();

    // Up to `max` queued bytes; `ended` once the writer finished and all was read.
    qint64 read(char *data, qint64 max, bool &ended);
    qint64 queued() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_room;
    std::vector<char> m_buffer;
    qint64 m_head = 0; // next byte to read
    qint64 m_size = 0;
    bool m_finished = false;
    bool m_stopped = false;
};
