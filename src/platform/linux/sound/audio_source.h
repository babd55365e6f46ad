#pragma once
// What a sink pulls samples from: a sound, then a stretch of silence, then
// the end. The sink reports "idle" as soon as it has read everything, while
// the server still holds its buffer; the silence is what gets cut then, not
// the end of the sound. An empty read before the end is an underrun, not
// the end.

#include "platform/linux/sound/audio_format.h"

#include <QIODevice>

class audio_source : public QIODevice
{
    Q_OBJECT
public:
    audio_source(const pcm_shape &shape, qint64 tail_ms);

    const pcm_shape &shape() const { return m_shape; }
    // Starts producing; the device is opened for reading.
    virtual void start();

    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_ended && m_tail == 0; }
    qint64 bytesAvailable() const override;

protected:
    // Up to `max` bytes of sound, whole frames; `ended` once nothing more
    // will come. Called on the thread of the sink.
    virtual qint64 pull(char *data, qint64 max, bool &ended) = 0;
    // How much pull() could give at once.
    virtual qint64 ready() const = 0;

    qint64 readData(char *data, qint64 max) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    pcm_shape m_shape;
    qint64 m_tail;
    bool m_ended = false;
};
