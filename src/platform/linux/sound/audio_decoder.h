#pragma once
// Decodes a sound file a stretch at a time into a given sample layout:
// FFmpeg for real containers, raw reads for ".pcm" files (s16, 44.1 kHz,
// stereo). open() already decodes the first moments, so a file that is not
// a sound fails there rather than once it is playing.

#include "platform/linux/sound/audio_format.h"

#include <QByteArray>
#include <QString>

#include <memory>

class audio_decoder
{
public:
    audio_decoder();
    ~audio_decoder();
    audio_decoder(const audio_decoder &) = delete;
    audio_decoder &operator=(const audio_decoder &) = delete;

    // False when `path` is not a sound this decoder can play; error() says
    // why, in words for the user.
    bool open(const QString &path, const pcm_shape &out);

    enum class result
    {
        more,
        end,
        failed
    };
    // Appends the next stretch of samples (whole frames of shape()) to `out`.
    // `failed`: error() says why; what was appended before still counts.
    result decode_some(QByteArray &out);

    const pcm_shape &shape() const { return m_shape; }
    const QString &error() const { return m_error; }

private:
    struct ffmpeg;
    bool fail(const QString &text);
    bool check_file(const QString &path);
    bool open_raw(const QString &path);
    bool open_ffmpeg(const QString &path);
    result decode_raw(QByteArray &out);
    result decode_packet(QByteArray &out);

    std::unique_ptr<ffmpeg> m_av;
    pcm_shape m_shape;
    QString m_path;
    QString m_error;
    QByteArray m_pending; // decoded by open(), handed out first
    bool m_ended = false;
};
