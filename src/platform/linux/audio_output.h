#pragma once
// Plays one block of pcm_out samples once on the default output device,
// asynchronously. A block can be restarted or replaced at any time.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QAudioSink;
class pcm_source;

class audio_output : public QObject
{
    Q_OBJECT
public:
    explicit audio_output(QObject *parent = nullptr);
    ~audio_output() override;

    // Starts `pcm` from its beginning, replacing whatever plays. False (and
    // error() set, logged) when there is no usable output device.
    bool start(const QByteArray &pcm);
    // Stops at once; nothing more is heard.
    void stop();
    // Stops and gives the device back.
    void release();

    bool is_playing() const { return m_playing; }
    const QString &error() const { return m_error; }

signals:
    void finished();

private:
    bool ensure_sink();
    void drop_sink();
    void state_changed();

    std::unique_ptr<pcm_source> m_source;
    QAudioSink *m_sink = nullptr;
    QByteArray m_device_id;
    QString m_error;
    bool m_playing = false;
};
