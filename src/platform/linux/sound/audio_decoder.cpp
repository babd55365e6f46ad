#include "platform/linux/sound/audio_decoder.h"

#include "common/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
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

// How much open() decodes to tell a sound from something that merely looks
// like one, and how many packets it reads at most for that.
constexpr qint64 check_ms = 250;
constexpr int check_packets = 400;
// Broken packets in a row after which a sound is given up mid-way.
constexpr int max_broken_run = 64;
// Read size for raw files.
constexpr qint64 raw_chunk_bytes = 16 * 1024;
// The resampler's set-up grows with the ratio of the rates: a header that
// claims a rate of gigahertz makes it take gigabytes and minutes before the
// first sample. No real sound file goes beyond these.
constexpr int max_rate = 768000;
constexpr int max_channels = 64;

bool playable_shape(int rate, int channels)
{
    return rate <= max_rate && channels <= max_channels;
}

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

AVSampleFormat av_format(sample_kind kind)
{
    switch (kind) {
    case sample_kind::u8:
        return AV_SAMPLE_FMT_U8;
    case sample_kind::s16:
        return AV_SAMPLE_FMT_S16;
    case sample_kind::s32:
        return AV_SAMPLE_FMT_S32;
    case sample_kind::f32:
        return AV_SAMPLE_FMT_FLT;
    }
    return AV_SAMPLE_FMT_S16;
}

// Converts samples of any layout, rate and format into one pcm_shape,
// rebuilding itself when the input changes mid-stream.
class resampler
{
public:
    explicit resampler(const pcm_shape &out) : m_out(out) {}
    resampler(const resampler &) = delete;
    resampler &operator=(const resampler &) = delete;
    ~resampler() { av_channel_layout_uninit(&m_layout); }

    bool convert(const uint8_t **in, int samples, int format, int rate, const AVChannelLayout &layout, QByteArray &out)
    {
        if (!matches(format, rate, layout) && !rebuild(format, rate, layout, out))
            return false;
        return run(in, samples, out);
    }

    bool flush(QByteArray &out) { return !m_swr || run(nullptr, 0, out); }

private:
    bool matches(int format, int rate, const AVChannelLayout &layout) const
    {
        return m_swr && format == m_format && rate == m_rate && av_channel_layout_compare(&layout, &m_layout) == 0;
    }

    bool rebuild(int format, int rate, const AVChannelLayout &layout, QByteArray &out)
    {
        if (!playable_shape(rate, layout.nb_channels)) {
            qCWarning(lc_audio) << "sound changed to" << rate << "Hz," << layout.nb_channels << "channels; not played";
            return false;
        }
        if (m_swr && !flush(out))
            return false;
        m_swr.reset();
        av_channel_layout_uninit(&m_layout);
        AVChannelLayout in{};
        if (layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&layout) == 0)
            av_channel_layout_default(&in, layout.nb_channels > 0 ? layout.nb_channels : 1);
        else
            av_channel_layout_copy(&in, &layout);
        AVChannelLayout target{};
        av_channel_layout_default(&target, m_out.channels);
        SwrContext *swr = nullptr;
        int rc = swr_alloc_set_opts2(&swr, &target, av_format(m_out.kind), m_out.rate, &in, AVSampleFormat(format),
                                     rate, 0, nullptr);
        av_channel_layout_uninit(&in);
        av_channel_layout_uninit(&target);
        if (rc < 0 || !swr || swr_init(swr) < 0) {
            swr_free(&swr);
            return false;
        }
        m_swr.reset(swr);
        av_channel_layout_copy(&m_layout, &layout);
        m_format = format;
        m_rate = rate;
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
        out.resize(old + qsizetype(room) * m_out.bytes_per_frame());
        auto *dst = reinterpret_cast<uint8_t *>(out.data() + old);
        const int got = swr_convert(m_swr.get(), &dst, room, in, in_samples);
        out.resize(old + qsizetype(std::max(got, 0)) * m_out.bytes_per_frame());
        return got >= 0;
    }

    pcm_shape m_out;
    std::unique_ptr<SwrContext, swr_closer> m_swr;
    AVChannelLayout m_layout{};
    int m_format = -1;
    int m_rate = 0;
};

} // namespace

struct audio_decoder::ffmpeg
{
    explicit ffmpeg(const pcm_shape &out) : convert(out) {}

    std::unique_ptr<AVFormatContext, format_closer> fmt;
    std::unique_ptr<AVCodecContext, codec_closer> dec;
    std::unique_ptr<AVPacket, packet_closer> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, frame_closer> frame{av_frame_alloc()};
    resampler convert;
    QFile raw;
    int index = -1;
    bool flushing = false;
    int good_frames = 0;
    int bad_packets = 0;
    int broken_run = 0;
};

audio_decoder::audio_decoder() = default;
audio_decoder::~audio_decoder() = default;

void write_sample(char *out, sample_kind kind, double v)
{
    v = std::clamp(v, -1.0, 1.0);
    switch (kind) {
    case sample_kind::u8: {
        const auto s = quint8(std::lround(v * 127.0 + 128.0));
        std::memcpy(out, &s, 1);
        break;
    }
    case sample_kind::s16: {
        const auto s = qint16(std::lround(v * 32767.0));
        std::memcpy(out, &s, 2);
        break;
    }
    case sample_kind::s32: {
        const auto s = qint32(std::llround(v * 2147483647.0));
        std::memcpy(out, &s, 4);
        break;
    }
    case sample_kind::f32: {
        const auto s = float(v);
        std::memcpy(out, &s, 4);
        break;
    }
    }
}

bool audio_decoder::fail(const QString &text)
{
    m_av.reset();
    m_pending.clear();
    m_error = text;
    return false;
}

bool audio_decoder::open(const QString &path, const pcm_shape &out)
{
    m_av.reset();
    m_pending.clear();
    m_error.clear();
    m_ended = false;
    m_shape = out;
    m_path = path;
    if (!check_file(path))
        return false;
    m_av = std::make_unique<ffmpeg>(out);
    if (!m_av->packet || !m_av->frame)
        return fail(QStringLiteral("Недостаточно памяти для звука: %1").arg(shown(path)));
    if (QFileInfo(path).suffix().compare(QLatin1String("pcm"), Qt::CaseInsensitive) == 0)
        return open_raw(path);
    return open_ffmpeg(path);
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

bool audio_decoder::open_raw(const QString &path)
{
    const pcm_shape raw = pcm_shape::cd();
    if (QFileInfo(path).size() < raw.bytes_per_frame())
        return fail(QStringLiteral("В файле нет ни одного звукового отсчёта: %1").arg(shown(path)));
    m_av->raw.setFileName(path);
    if (!m_av->raw.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Не удалось открыть файл: %1 (%2)").arg(shown(path), m_av->raw.errorString()));
    return true;
}

bool audio_decoder::open_ffmpeg(const QString &path)
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
    m_av->fmt.reset(raw_fmt);
    if (avformat_find_stream_info(m_av->fmt.get(), nullptr) < 0)
        return fail(not_sound);

    const AVCodec *codec = nullptr;
    m_av->index = av_find_best_stream(m_av->fmt.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_av->index < 0)
        return fail(not_sound);
    if (!codec)
        return fail(QStringLiteral("Нет декодера для этого звукового формата: %1").arg(shown(path)));
    // Only the sound is read; pictures and other streams are skipped at the demuxer.
    for (unsigned i = 0; i < m_av->fmt->nb_streams; ++i)
        if (int(i) != m_av->index)
            m_av->fmt->streams[i]->discard = AVDISCARD_ALL;

    m_av->dec.reset(avcodec_alloc_context3(codec));
    if (!m_av->dec || avcodec_parameters_to_context(m_av->dec.get(), m_av->fmt->streams[m_av->index]->codecpar) < 0 ||
        avcodec_open2(m_av->dec.get(), codec, nullptr) < 0)
        return fail(QStringLiteral("Не удалось открыть декодер звука: %1").arg(shown(path)));
    if (!playable_shape(m_av->dec->sample_rate, m_av->dec->ch_layout.nb_channels))
        return fail(QStringLiteral("Звук с частотой %1 Гц и числом каналов %2 не поддерживается: %3")
                        .arg(m_av->dec->sample_rate)
                        .arg(m_av->dec->ch_layout.nb_channels)
                        .arg(shown(path)));

    // Random bytes can look like a few frames of some stream format; a real
    // sound decodes mostly cleanly from its start.
    int packets = 0;
    result r = result::more;
    while (r == result::more && m_pending.size() < m_shape.bytes_for_ms(check_ms) && packets++ < check_packets)
        r = decode_packet(m_pending);
    if (r == result::failed)
        return fail(m_error.isEmpty() ? not_sound : m_error);
    if (m_av->good_frames == 0 || m_pending.isEmpty() || m_av->bad_packets > m_av->good_frames) {
        qCDebug(lc_audio) << path << "decoded frames:" << m_av->good_frames << "broken packets:" << m_av->bad_packets;
        return fail(not_sound);
    }
    m_ended = r == result::end;
    return true;
}

audio_decoder::result audio_decoder::decode_some(QByteArray &out)
{
    if (!m_pending.isEmpty()) {
        out += m_pending;
        m_pending.clear();
        return m_ended ? result::end : result::more;
    }
    if (m_ended || !m_av)
        return m_error.isEmpty() ? result::end : result::failed;
    const qsizetype before = out.size();
    result r = result::more;
    while (r == result::more && out.size() == before)
        r = m_av->raw.isOpen() ? decode_raw(out) : decode_packet(out);
    if (r != result::more) {
        m_ended = true;
        m_av.reset();
    }
    return r;
}

audio_decoder::result audio_decoder::decode_raw(QByteArray &out)
{
    const pcm_shape raw = pcm_shape::cd();
    QByteArray chunk = m_av->raw.read(raw_chunk_bytes);
    if (chunk.isNull() && m_av->raw.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("Не удалось прочитать файл: %1 (%2)").arg(shown(m_path), m_av->raw.errorString());
        return result::failed;
    }
    chunk.truncate(chunk.size() / raw.bytes_per_frame() * raw.bytes_per_frame());
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    const auto *data = reinterpret_cast<const uint8_t *>(chunk.constData());
    const int samples = int(chunk.size() / raw.bytes_per_frame());
    if (samples > 0 && !m_av->convert.convert(&data, samples, AV_SAMPLE_FMT_S16, raw.rate, stereo, out)) {
        m_error = QStringLiteral("Не удалось преобразовать звук: %1").arg(shown(m_path));
        return result::failed;
    }
    if (samples > 0 && !m_av->raw.atEnd())
        return result::more;
    return m_av->convert.flush(out) ? result::end : result::failed;
}

// Reads one packet of the sound and drains whatever frames it gives.
audio_decoder::result audio_decoder::decode_packet(QByteArray &out)
{
    ffmpeg &av = *m_av;
    if (!av.flushing) {
        const int rc = av_read_frame(av.fmt.get(), av.packet.get());
        if (rc < 0) {
            // A truncated or damaged file plays up to where it breaks.
            if (rc != AVERROR_EOF)
                qCWarning(lc_audio) << "reading" << m_path << "stopped:" << ffmpeg_error(rc);
            av.flushing = true;
            avcodec_send_packet(av.dec.get(), nullptr);
        } else {
            if (av.packet->stream_index == av.index && avcodec_send_packet(av.dec.get(), av.packet.get()) < 0) {
                ++av.bad_packets;
                ++av.broken_run;
            }
            av_packet_unref(av.packet.get());
        }
    }
    for (;;) {
        const int rc = avcodec_receive_frame(av.dec.get(), av.frame.get());
        if (rc == AVERROR(EAGAIN))
            break;
        if (rc == AVERROR_EOF)
            return av.convert.flush(out) ? result::end : result::failed;
        if (rc < 0) {
            ++av.bad_packets;
            ++av.broken_run;
            break;
        }
        const AVFrame *f = av.frame.get();
        const bool ok = av.convert.convert(const_cast<const uint8_t **>(f->extended_data), f->nb_samples, f->format,
                                           f->sample_rate, f->ch_layout, out);
        av_frame_unref(av.frame.get());
        if (!ok) {
            m_error = QStringLiteral("Не удалось преобразовать звук: %1").arg(shown(m_path));
            return result::failed;
        }
        ++av.good_frames;
        av.broken_run = 0;
    }
    if (av.broken_run > max_broken_run) {
        m_error = QStringLiteral("Не удалось декодировать звук: %1").arg(shown(m_path));
        return result::failed;
    }
    return result::more;
}
