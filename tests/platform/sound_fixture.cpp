#include "sound_fixture.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

namespace sound_fixture {

namespace {

QString ffmpeg_text(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

struct output_closer
{
    void operator()(AVFormatContext *p) const
    {
        if (p->pb)
            avio_closep(&p->pb);
        avformat_free_context(p);
    }
};

// Encodes a stereo sine with the container's default audio encoder.
QString encode_sine(const QString &path, double seconds, int hz)
{
    const QByteArray name = QFile::encodeName(path);
    AVFormatContext *raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, nullptr, name.constData()) < 0 || !raw)
        return "no FFmpeg muxer for " + path;
    std::unique_ptr<AVFormatContext, output_closer> oc(raw);
    const AVCodec *codec = avcodec_find_encoder(oc->oformat->audio_codec);
    if (!codec)
        return "no FFmpeg encoder for " + path;

    AVCodecContext *enc = avcodec_alloc_context3(codec);
    auto free_enc = qScopeGuard([&] { avcodec_free_context(&enc); });
    enc->sample_fmt = AV_SAMPLE_FMT_FLTP;
    enc->sample_rate = 44100;
    enc->bit_rate = 128000;
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    av_channel_layout_copy(&enc->ch_layout, &stereo);
    enc->time_base = {1, enc->sample_rate};
    if (oc->oformat->flags & AVFMT_GLOBALHEADER)
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (int rc = avcodec_open2(enc, codec, nullptr); rc < 0)
        return "cannot open encoder " + QString::fromUtf8(codec->name) + ": " + ffmpeg_text(rc);

    AVStream *st = avformat_new_stream(oc.get(), nullptr);
    avcodec_parameters_from_context(st->codecpar, enc);
    st->time_base = enc->time_base;
    if (int rc = avio_open(&oc->pb, name.constData(), AVIO_FLAG_WRITE); rc < 0)
        return "cannot write " + path + ": " + ffmpeg_text(rc);
    if (int rc = avformat_write_header(oc.get(), nullptr); rc < 0)
        return "cannot write header: " + ffmpeg_text(rc);

    AVPacket *pkt = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    auto free_both = qScopeGuard([&] {
        av_packet_free(&pkt);
        av_frame_free(&frame);
    });
    auto drain = [&]() -> bool {
        while (avcodec_receive_packet(enc, pkt) == 0) {
            av_packet_rescale_ts(pkt, enc->time_base, st->time_base);
            pkt->stream_index = st->index;
            if (av_interleaved_write_frame(oc.get(), pkt) < 0)
                return false;
        }
        return true;
    };

    const qint64 total = std::llround(seconds * enc->sample_rate);
    const int frame_size = enc->frame_size > 0 ? enc->frame_size : 1024;
    for (qint64 done = 0; done < total;) {
        const int n = int(std::min<qint64>(frame_size, total - done));
        av_frame_unref(frame);
        frame->nb_samples = n;
        frame->format = enc->sample_fmt;
        frame->sample_rate = enc->sample_rate;
        av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout);
        if (av_frame_get_buffer(frame, 0) < 0)
            return "out of memory";
        for (int i = 0; i < n; ++i) {
            const float v = float(0.5 * std::sin(2 * std::numbers::pi * hz * double(done + i) / enc->sample_rate));
            reinterpret_cast<float *>(frame->data[0])[i] = v;
            reinterpret_cast<float *>(frame->data[1])[i] = v;
        }
        frame->pts = done;
        done += n;
        if (avcodec_send_frame(enc, frame) < 0 || !drain())
            return "encoding failed for " + path;
    }
    avcodec_send_frame(enc, nullptr);
    if (!drain())
        return "encoding failed for " + path;
    if (av_write_trailer(oc.get()) < 0)
        return "cannot finish " + path;
    return {};
}

} // namespace

bool have_sox()
{
    return !QStandardPaths::findExecutable("sox").isEmpty();
}

QString make_sine_sox(const QString &path, double seconds, int hz, const QStringList &output_options)
{
    QStringList args{"-n"};
    args += output_options;
    args << path << "synth" << QString::number(seconds) << "sine" << QString::number(hz) << "vol"
         << "0.5";
    QProcess sox;
    sox.start("sox", args);
    if (!sox.waitForFinished(60000) || sox.exitStatus() != QProcess::NormalExit || sox.exitCode() != 0)
        return "sox " + args.join(' ') + " failed: " + QString::fromLocal8Bit(sox.readAllStandardError());
    return {};
}

QString make_long_wav(const QString &path, double seconds, int hz, int rate)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + path + ": " + file.errorString();
    const auto frames = quint32(std::llround(seconds * rate));
    auto le32 = [](quint32 v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    auto le16 = [](quint16 v) {
        const char b[2] = {char(v), char(v >> 8)};
        return QByteArray(b, 2);
    };
    QByteArray header = "RIFF" + le32(36 + frames) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(quint32(rate)) +
                        le32(quint32(rate)) + le16(1) + le16(8) + "data" + le32(frames);
    file.write(header);
    // One second of a sine whose period divides the rate repeats exactly.
    QByteArray second(rate, Qt::Uninitialized);
    for (int i = 0; i < rate; ++i)
        second[i] = char(std::lround(128 + 63 * std::sin(2 * std::numbers::pi * hz * i / rate)));
    for (quint32 done = 0; done < frames;) {
        const quint32 n = std::min<quint32>(frames - done, quint32(rate));
        if (file.write(second.constData(), n) != n)
            return "cannot write " + path + ": " + file.errorString();
        done += n;
    }
    return {};
}

QString make_sine(const QString &path, double seconds, int hz)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "mp3" || ext == "aac" || ext == "ac3")
        return encode_sine(path, seconds, hz);
    if (ext == "pcm")
        return make_sine_sox(path, seconds, hz, {"-r", "44100", "-c", "2", "-b", "16", "-e", "signed", "-t", "raw"});
    if (ext == "wav" || ext == "flac")
        return make_sine_sox(path, seconds, hz, {"-r", "44100", "-c", "2", "-b", "16"});
    return make_sine_sox(path, seconds, hz, {"-r", "44100", "-c", "2"});
}

QString cached_sine(const QString &path, double seconds, int hz)
{
    if (!QFile::exists(path)) {
        const QString error = make_sine(path, seconds, hz);
        if (!error.isEmpty())
            qWarning().noquote() << error;
    }
    return path;
}

} // namespace sound_fixture
