#pragma once
// Plays one audio_source at a time on the sound server's default sink
// (pulse_playback: the server pulls the source on a thread of its own).
// Each start looks for the default sink anew, so a device plugged in or a
// server restarted since the last sound is used. Ends are told on the
// thread that owns the output.

#include "platform/linux/sound/audio_device.h"
#include "platform/linux/sound/audio_format.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class audio_source;
class pulse_playback;

class audio_output : public QObject
{
    Q_OBJECT
public:
    explicit audio_output(QObject *parent = nullptr);
    ~audio_output() override;

    // The layout the default sink plays without converting; empty when
    // there is no sink (no sound server). The sink is kept for start().
    std::optional<pcm_shape> device_shape();

    // Plays `source` from its start on the sink device_shape() found,
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
    void ended(quint64 generation, bool complete, const QString &why);

    std::unique_ptr<pulse_playback> m_playback;
    std::optional<output_device> m_device;
    quint64 m_generation = 0;
    QString m_error;
    bool m_playing = false;
};
