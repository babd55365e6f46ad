#pragma once
// A small GIF89a writer for animations with binary transparency: one global
// palette (median cut over all frames), LZW, per-frame delay, endless loop.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace asset {

struct gif_frame
{
    QImage image; // every frame has the size of the first
    int delay_cs; // hundredths of a second
};

// Pixels with alpha below 128 become transparent. Returns the file bytes, or
// an empty array when the frames are unusable (none, or sizes differ).
QByteArray encode_gif(const QList<gif_frame> &frames);

} // namespace asset
