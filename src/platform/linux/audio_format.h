#pragma once
// The single sample format everything is decoded or synthesised into:
// 44.1 kHz, stereo, signed 16-bit little-endian, interleaved.

namespace pcm_out {

constexpr int sample_rate = 44100;
constexpr int channels = 2;
constexpr int bytes_per_sample = 2;
constexpr int bytes_per_frame = channels * bytes_per_sample;
constexpr int bytes_per_second = sample_rate * bytes_per_frame;

} // namespace pcm_out
