#pragma once
// The largest pages the notebook opens, adds and saves. Far above anything
// typed or pasted by hand (a long novel is 3 MB of text, a 48-megapixel
// photo about 40 MB as PNG); above them a page would cost seconds of work
// and hundreds of megabytes, so it is refused with a message and left in
// the database as it is.

#include <QtGlobal>

namespace notebook_limits {

// Bytes of a text page's stored body (plain text or HTML).
constexpr qint64 text_page_bytes = 16 * 1024 * 1024;
// Bytes of a picture page's stored PNG.
constexpr qint64 picture_page_bytes = 64 * 1024 * 1024;
// Pixels of a picture (8192 x 8192); decoded it takes 256 MB.
constexpr qint64 picture_pixels = 8192LL * 8192LL;

// Pages above these sizes are read into the window off the GUI thread.
constexpr qint64 text_in_background = 128 * 1024;
constexpr qint64 picture_in_background = 1'000'000; // pixels

// "16 МБ": sizes as the messages give them.
inline qint64 megabytes(qint64 bytes)
{
    return (bytes + 1024 * 1024 - 1) / (1024 * 1024);
}

} // namespace notebook_limits
