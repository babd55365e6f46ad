#pragma once
// A read-only device over a block of samples followed by a stretch of
// silence. The sink reports "idle" as soon as it has read everything, while
// the server still holds its buffer; the silence is what gets cut then, not
// the end of the sound.

#include <QByteArray>
#include <QIODevice>

class pcm_source : public QIODevice
{
    Q_OBJECT
public:
    pcm_source(const QByteArray &pcm, qint64 silence_bytes, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override { return remaining() == 0; }
    qint64 size() const override { return m_pcm.size() + m_silence; }

protected:
    qint64 readData(char *data, qint64 max_size) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 remaining() const { return m_pcm.size() + m_silence - m_pos; }

    QByteArray m_pcm;
    qint64 m_silence;
    qint64 m_pos = 0;
};
