// FLAC encoding of a synthesised sound through libavcodec/libavformat.

#include "sound_synth.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <cmath>
#include <cstdio>

namespace asset {

namespace {

struct flac_job
{
    AVFormatContext *fmt = nullptr;
    AVCodecContext *enc = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *pkt = nullptr;

    ~flac_job()
    {
        av_packet_free(&pkt);
        av_frame_free(&frame);
        avcodec_free_context(&enc);
        if (fmt) {
            if (fmt->pb)
                avio_closep(&fmt->pb);
            avformat_free_context(fmt);
        }
    }

    bool drain()
    {
        for (;;) {
            const int r = avcodec_receive_packet(enc, pkt);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
                return true;
            if (r < 0)
                return false;
            pkt->stream_index = 0;
            av_packet_rescale_ts(pkt, enc->time_base, fmt->streams[0]->time_base);
            if (av_interleaved_write_frame(fmt, pkt) < 0)
                return false;
        }
    }
};

bool fail(const char *what, const QString &path)
{
    std::fprintf(stderr, "asset_gen: %s (%s)\n", what, qPrintable(path));
    return false;
}

} // namespace

bool write_flac(const std::vector<float> &samples, const QString &path)
{
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_FLAC);
    if (!codec)
        return fail("no FLAC encoder in libavcodec", path);
    flac_job job;
    const QByteArray file = path.toLocal8Bit();
    if (avformat_alloc_output_context2(&job.fmt, nullptr, "flac", file.constData()) < 0)
        return fail("cannot set up the FLAC muxer", path);
    job.fmt->flags |= AVFMT_FLAG_BITEXACT;
    job.enc = avcodec_alloc_context3(codec);
    job.enc->sample_fmt = AV_SAMPLE_FMT_S16;
    job.enc->sample_rate = sample_rate;
    av_channel_layout_default(&job.enc->ch_layout, 1);
    job.enc->time_base = AVRational{1, sample_rate};
    job.enc->flags |= AV_CODEC_FLAG_BITEXACT;
    if (avcodec_open2(job.enc, codec, nullptr) < 0)
        return fail("cannot open the FLAC encoder", path);
    AVStream *st = avformat_new_stream(job.fmt, nullptr);
    avcodec_parameters_from_context(st->codecpar, job.enc);
    st->time_base = job.enc->time_base;
    if (avio_open(&job.fmt->pb, file.constData(), AVIO_FLAG_WRITE) < 0)
        return fail("cannot create the file", path);
    if (avformat_write_header(job.fmt, nullptr) < 0)
        return fail("cannot write the FLAC header", path);

    job.frame = av_frame_alloc();
    job.pkt = av_packet_alloc();
    const int chunk = job.enc->frame_size > 0 ? job.enc->frame_size : 4096;
    for (size_t at = 0; at < samples.size(); at += size_t(chunk)) {
        const int n = int(std::min(samples.size() - at, size_t(chunk)));
        av_frame_unref(job.frame);
        job.frame->format = AV_SAMPLE_FMT_S16;
        job.frame->sample_rate = sample_rate;
        job.frame->nb_samples = n;
        av_channel_layout_copy(&job.frame->ch_layout, &job.enc->ch_layout);
        if (av_frame_get_buffer(job.frame, 0) < 0)
            return fail("out of memory", path);
        auto *d = reinterpret_cast<int16_t *>(job.frame->data[0]);
        for (int i = 0; i < n; ++i)
            d[i] = int16_t(std::lround(std::clamp(samples[at + size_t(i)], -1.f, 1.f) * 32767.f));
        job.frame->pts = int64_t(at);
        if (avcodec_send_frame(job.enc, job.frame) < 0 || !job.drain())
            return fail("FLAC encoding failed", path);
    }
    if (avcodec_send_frame(job.enc, nullptr) < 0 || !job.drain())
        return fail("FLAC encoding failed", path);
    if (av_write_trailer(job.fmt) < 0)
        return fail("cannot finish the FLAC file", path);
    return true;
}

} // namespace asset
