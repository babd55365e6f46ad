#pragma once
// What the output pulls samples from: a sound, then the end. An empty read
// before the end is an underrun, not the end. Read by the output's thread
// once started.

#include "platform/linux/sound/audio_format.h"

#include <QIODevice>

class audio_source : public QIODevice
{
    Q_OBJECT
public:
    explicit audio_source(const pcm_shape &shape);

    const pcm_shape &shape() const { return m_shape; }
    // Starts producing; the device is opened for reading.
    virtual void start();

    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_ended; }
    qint64 bytesAvailable() const override;

protected:
    // Up to `max` bytes of sound, whole frames; `ended` once nothing more
    // will come. Called on the thread of the output.
    virtual qint64 pull(char *data, qint64 max, bool &ended) = 0;
    // How much pull() could give at once.
    virtual qint64 ready() const = 0;

    qint64 readData(char *data, qint64 max) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    pcm_shape m_shape;
    bool m_ended = false;
};
