#include "platform/linux/audio_decoder.h"

#include "common/log.h"
#include "platform/linux/audio_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

namespace {

struct format_closer
{
    void operator()(AVFormatContext *p) const { avformat_close_input(&p); }
};
struct codec_closer
{
    void operator()(AVCodecContext *p) const { avcodec_free_context(&p); }
};
struct swr_closer
{
    void operator()(SwrContext *p) const { swr_free(&p); }
};
struct packet_closer
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct frame_closer
{
    void operator()(AVFrame *p) const { av_frame_free(&p); }
};

// FFmpeg's own chatter goes to our debug log instead of stderr.
void forward_ffmpeg_log(void *avcl, int level, const char *fmt, va_list vl)
{
    if (level > AV_LOG_WARNING || !lc_audio().isDebugEnabled())
        return;
    char line[512];
    int print_prefix = 1;
    av_log_format_line2(avcl, level, fmt, vl, line, sizeof line, &print_prefix);
    qCDebug(lc_audio) << "ffmpeg:" << QByteArray(line).trimmed();
}

void install_ffmpeg_log()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_callback(forward_ffmpeg_log); });
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray ffmpeg_error(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QByteArray(text);
}

// Converts decoded frames of any layout, rate and sample format into pcm_out.
class resampler
{
public:
    resampler() = default;
    resampler(const resampler &) = delete;
    resampler &operator=(const resampler &) = delete;
    ~resampler() { av_channel_layout_uninit(&m_layout); }

    bool convert(const AVFrame *frame, QByteArray &out)
    {
        if (!matches(frame) && !rebuild(frame, out))
            return false;
        return run(const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples, out);
    }

    bool flush(QByteArray &out) { return !m_swr || run(nullptr, 0, out); }

private:
    bool matches(const AVFrame *f) const
    {
        return m_swr && f->format == m_format && f->sample_rate == m_rate &&
               av_channel_layout_compare(&f->ch_layout, &m_layout) == 0;
    }

    bool rebuild(const AVFrame *f, QByteArray &out)
    {
        if (m_swr && !flush(out))
            return false;
        m_swr.reset();
        av_channel_layout_uninit(&m_layout);
        AVChannelLayout in{};
        if (f->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&f->ch_layout) == 0)
            av_channel_layout_default(&in, f->ch_layout.nb_channels > 0 ? f->ch_layout.nb_channels : 1);
        else
            av_channel_layout_copy(&in, &f->ch_layout);
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext *swr = nullptr;
        int rc = swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, pcm_out::sample_rate, &in,
                                     AVSampleFormat(f->format), f->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        if (rc < 0 || !swr || swr_init(swr) < 0) {
            swr_free(&swr);
            return false;
        }
        m_swr.reset(swr);
        av_channel_layout_copy(&m_layout, &f->ch_layout);
        m_format = f->format;
        m_rate = f->sample_rate;
        return true;
    }

    bool run(const uint8_t **in, int in_samples, QByteArray &out)
    {
        const int room = swr_get_out_samples(m_swr.get(), in_samples);
        if (room < 0)
            return false;
        if (room == 0)
            return true;
        const qsizetype old = out.size();
        out.resize(old + qsizetype(room) * pcm_out::bytes_per_frame);
        auto *dst = reinterpret_cast<uint8_t *>(out.data() + old);
        const int got = swr_convert(m_swr.get(), &dst, room, in, in_samples);
        out.resize(old + qsizetype(std::max(got, 0)) * pcm_out::bytes_per_frame);
        return got >= 0;
    }

    std::unique_ptr<SwrContext, swr_closer> m_swr;
    AVChannelLayout m_layout{};
    int m_format = -1;
    int m_rate = 0;
};

} // namespace

bool audio_decoder::fail(const QString &text)
{
    m_pcm.clear();
    m_pcm.squeeze();
    m_error = text;
    return false;
}

QString audio_decoder::too_long(const QString &path) const
{
    const QString limit = m_max_seconds % 60 == 0 ? QStringLiteral("%1 мин").arg(m_max_seconds / 60)
                                                  : QStringLiteral("%1 с").arg(m_max_seconds);
    return QStringLiteral("Звук длиннее %1, такой файл не воспроизводится: %2").arg(limit, shown(path));
}

qint64 audio_decoder::max_bytes() const
{
    return qint64(m_max_seconds) * pcm_out::bytes_per_second;
}

bool audio_decoder::decode(const QString &path)
{
    m_pcm.clear();
    m_error.clear();
    if (!check_file(path))
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("pcm"), Qt::CaseInsensitive) == 0)
        return read_raw(path);
    return decode_with_ffmpeg(path);
}

bool audio_decoder::check_file(const QString &path)
{
    if (path.isEmpty())
        return fail(QStringLiteral("Не указан звуковой файл."));
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("Файл не найден: %1").arg(shown(path)));
    if (info.isDir())
        return fail(QStringLiteral("Это папка, а не звуковой файл: %1").arg(shown(path)));
    if (!info.isReadable())
        return fail(QStringLiteral("Нет доступа к файлу: %1").arg(shown(path)));
    if (info.size() == 0)
        return fail(QStringLiteral("Файл пуст: %1").arg(shown(path)));
    return true;
}

bool audio_decoder::read_raw(const QString &path)
{
    QFile file(path);
    const qint64 frames = file.size() / pcm_out::bytes_per_frame;
    if (frames == 0)
        return fail(QStringLiteral("В файле нет ни одного звукового отсчёта: %1").arg(shown(path)));
    if (frames * pcm_out::bytes_per_frame > max_bytes())
        return fail(too_long(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Не удалось открыть файл: %1 (%2)").arg(shown(path), file.errorString()));
    m_pcm = file.read(frames * pcm_out::bytes_per_frame);
    if (m_pcm.size() != frames * pcm_out::bytes_per_frame)
        return fail(QStringLiteral("Не удалось прочитать файл: %1 (%2)").arg(shown(path), file.errorString()));
    return true;
}

bool audio_decoder::decode_with_ffmpeg(const QString &path)
{
    install_ffmpeg_log();
    const QString not_sound =
        QStringLiteral("Файл не является звуковым или его формат не поддерживается: %1").arg(shown(path));

    AVFormatContext *raw_fmt = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (int rc = avformat_open_input(&raw_fmt, name.constData(), nullptr, nullptr); rc < 0) {
        qCDebug(lc_audio) << "avformat_open_input failed for" << path << ffmpeg_error(rc);
        return fail(not_sound);
    }
    std::unique_ptr<AVFormatContext, format_closer> fmt(raw_fmt);
    if (avformat_find_stream_info(fmt.get(), nullptr) < 0)
        return fail(not_sound);

    const AVCodec *codec = nullptr;
    const int index = av_find_best_stream(fmt.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index < 0)
        return fail(not_sound);
    if (!codec)
        return fail(QStringLiteral("Нет декодера для этого звукового формата: %1").arg(shown(path)));
    AVStream *stream = fmt->streams[index];

    // Refuse early when the container already tells us the sound is too long.
    if (fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0 && fmt->duration / AV_TIME_BASE > m_max_seconds)
        return fail(too_long(path));

    std::unique_ptr<AVCodecContext, codec_closer> dec(avcodec_alloc_context3(codec));
    if (!dec || avcodec_parameters_to_context(dec.get(), stream->codecpar) < 0 ||
        avcodec_open2(dec.get(), codec, nullptr) < 0)
        return fail(QStringLiteral("Не удалось открыть декодер звука: %1").arg(shown(path)));

    if (fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0)
        m_pcm.reserve(qsizetype(std::min<qint64>(max_bytes(), fmt->duration * pcm_out::bytes_per_second / AV_TIME_BASE +
                                                                  pcm_out::bytes_per_second)));

    std::unique_ptr<AVPacket, packet_closer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, frame_closer> frame(av_frame_alloc());
    resampler convert;
    int good_frames = 0;
    int bad_packets = 0;

    // Drains every frame the decoder has ready; false on a fatal problem.
    auto receive = [&]() -> bool {
        for (;;) {
            const int rc = avcodec_receive_frame(dec.get(), frame.get());
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return true;
            if (rc < 0) {
                ++bad_packets;
                return true;
            }
            const bool ok = convert.convert(frame.get(), m_pcm);
            av_frame_unref(frame.get());
            if (!ok)
                return false;
            ++good_frames;
            if (m_pcm.size() > max_bytes())
                return false;
        }
    };

    bool ok = true;
    while (ok && av_read_frame(fmt.get(), packet.get()) >= 0) {
        if (packet->stream_index == index) {
            if (avcodec_send_packet(dec.get(), packet.get()) < 0)
                ++bad_packets;
            ok = receive();
        }
        av_packet_unref(packet.get());
    }
    if (ok) {
        avcodec_send_packet(dec.get(), nullptr);
        ok = receive() && convert.flush(m_pcm);
    }
    if (m_pcm.size() > max_bytes())
        return fail(too_long(path));
    if (!ok)
        return fail(QStringLiteral("Не удалось декодировать звук: %1").arg(shown(path)));
    // Random bytes can look like a few frames of some stream format; a real
    // sound decodes mostly cleanly.
    if (good_frames == 0 || m_pcm.isEmpty() || bad_packets > good_frames) {
        qCDebug(lc_audio) << path << "decoded frames:" << good_frames << "broken packets:" << bad_packets;
        return fail(not_sound);
    }
    m_pcm.squeeze();
    return true;
}
