#pragma once
// Decodes a whole sound file into memory in the one format the output plays
// (see audio_output::pcm_format): FFmpeg for real containers, raw bytes for
// ".pcm" files, which are already in that format.

#include <QByteArray>
#include <QString>

#include <utility>

class audio_decoder
{
public:
    // Longest sound accepted; a bigger one would hold hundreds of MB in memory.
    static constexpr int default_max_seconds = 30 * 60;

    void set_max_seconds(int seconds) { m_max_seconds = seconds; }

    // True when `path` decoded into pcm(); otherwise error() says why.
    bool decode(const QString &path);

    const QByteArray &pcm() const { return m_pcm; }
    QByteArray take_pcm() { return std::exchange(m_pcm, {}); }
    const QString &error() const { return m_error; }

private:
    bool check_file(const QString &path);
    bool read_raw(const QString &path);
    bool decode_with_ffmpeg(const QString &path);
    qint64 max_bytes() const;
    QString too_long(const QString &path) const;
    bool fail(const QString &text);

    int m_max_seconds = default_max_seconds;
    QByteArray m_pcm;
    QString m_error;
};
