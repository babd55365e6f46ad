#pragma once
// The sample layout a sound is decoded or synthesised into: the one the
// output device prefers, so the server plays it without converting. cd()
// (44.1 kHz, stereo, signed 16-bit) stands in where no device says, and is
// also the layout of raw ".pcm" files.

#include <QtGlobal>

enum class sample_kind
{
    u8,
    s16,
    s32,
    f32
};

struct pcm_shape
{
    int rate = 44100;
    int channels = 2;
    sample_kind kind = sample_kind::s16;

    int bytes_per_sample() const { return kind == sample_kind::u8 ? 1 : kind == sample_kind::s16 ? 2 : 4; }
    int bytes_per_frame() const { return channels * bytes_per_sample(); }
    qint64 bytes_for_ms(qint64 ms) const { return qint64(rate) * ms / 1000 * bytes_per_frame(); }
    bool operator==(const pcm_shape &) const = default;

    static pcm_shape cd() { return {}; }
};

// Writes one sample of value v (-1..1) in `kind` at `out`, native byte order
// (the sink's formats are native-endian).
void write_sample(char *out, sample_kind kind, double v);
