#pragma once
// Plays one audio_source at a time on the default output device, pulling
// from it on the GUI thread. Each start looks for the default device anew,
// so a device plugged in or a server restarted since the last sound is used.

#include "platform/linux/sound/audio_format.h"

#include <QAudioDevice>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QAudioSink;
class audio_source;

class audio_output : public QObject
{
    Q_OBJECT
public:
    explicit audio_output(QObject *parent = nullptr);
    ~audio_output() override;

    // The layout the default device plays without converting; empty when
    // there is no device (no sound server). The device is kept for start().
    std::optional<pcm_shape> device_shape();

    // Plays `source` from its start on the device device_shape() found,
    // replacing whatever plays. False when
    // nothing can be heard: error() says why, it is logged, and the user is
    // told once per run.
    bool start(std::unique_ptr<audio_source> source);
    // For a caller that found no device itself: sets error() and tells as start() would.
    void no_device();
    // Stops at once: nothing more is heard, the source is destroyed.
    void stop();
    // Stops and gives the device back.
    void release();

    bool is_playing() const { return m_playing; }
    const QString &error() const { return m_error; }

signals:
    void finished();

private:
    bool fail(const QString &text);
    void drop();
    void state_changed(quint64 generation);

    std::unique_ptr<audio_source> m_source;
    QAudioSink *m_sink = nullptr;
    QAudioDevice m_device;
    quint64 m_generation = 0;
    QString m_error;
    bool m_playing = false;
};
