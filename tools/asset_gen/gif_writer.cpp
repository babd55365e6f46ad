#include "gif_writer.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>
#include <vector>

namespace asset {

namespace {

constexpr int transparent_index = 0;
constexpr int max_colours = 255; // index 0 is reserved for transparency

struct weighted
{
    QRgb rgb;
    quint32 count;
};

int channel(QRgb c, int ch)
{
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// Median cut: split the box with the widest channel range at its weighted median.
std::vector<QRgb> median_cut(std::vector<weighted> colours)
{
    struct box
    {
        size_t from, to; // [from, to) in colours
    };
    std::vector<box> boxes{{0, colours.size()}};
    const auto widest = [&](const box &b, int *range) {
        int best = 0, best_range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (size_t i = b.from; i < b.to; ++i) {
                lo = std::min(lo, channel(colours[i].rgb, ch));
                hi = std::max(hi, channel(colours[i].rgb, ch));
            }
            if (hi - lo > best_range) {
                best_range = hi - lo;
                best = ch;
            }
        }
        *range = best_range;
        return best;
    };
    while (int(boxes.size()) < max_colours) {
        int pick = -1, pick_range = 0, pick_ch = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].to - boxes[i].from < 2)
                continue;
            int range = 0;
            const int ch = widest(boxes[i], &range);
            if (range > pick_range) {
                pick = int(i);
                pick_range = range;
                pick_ch = ch;
            }
        }
        if (pick < 0)
            break;
        box b = boxes[size_t(pick)];
        std::sort(colours.begin() + long(b.from), colours.begin() + long(b.to),
                  [pick_ch](const weighted &x, const weighted &y) {
                      const int a = channel(x.rgb, pick_ch), c = channel(y.rgb, pick_ch);
                      return a != c ? a < c : x.rgb < y.rgb;
                  });
        quint64 total = 0;
        for (size_t i = b.from; i < b.to; ++i)
            total += colours[i].count;
        quint64 acc = 0;
        size_t cut = b.from + 1;
        for (size_t i = b.from; i < b.to - 1; ++i) {
            acc += colours[i].count;
            cut = i + 1;
            if (acc * 2 >= total)
                break;
        }
        boxes[size_t(pick)] = {b.from, cut};
        boxes.push_back({cut, b.to});
    }
    std::vector<QRgb> palette;
    for (const box &b : boxes) {
        quint64 r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = b.from; i < b.to; ++i) {
            r += quint64(qRed(colours[i].rgb)) * colours[i].count;
            g += quint64(qGreen(colours[i].rgb)) * colours[i].count;
            bl += quint64(qBlue(colours[i].rgb)) * colours[i].count;
            n += colours[i].count;
        }
        if (n)
            palette.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((bl + n / 2) / n)));
    }
    return palette;
}

class bit_packer
{
public:
    void put(int code, int bits)
    {
        m_acc |= quint32(code) << m_used;
        m_used += bits;
        while (m_used >= 8) {
            m_bytes.push_back(char(m_acc & 0xff));
            m_acc >>= 8;
            m_used -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_used > 0)
            m_bytes.push_back(char(m_acc & 0xff));
        m_acc = 0;
        m_used = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_used = 0;
};

// Variable-width LZW as GIF wants it: clear code first, width grows when the
// next free code no longer fits, a clear code when the table is full.
QByteArray lzw(const std::vector<quint8> &pixels, int min_size)
{
    const int clear = 1 << min_size, end = clear + 1;
    bit_packer out;
    std::unordered_map<quint32, int> table;
    int next = clear + 2, width = min_size + 1;
    out.put(clear, width);
    if (pixels.empty()) {
        out.put(end, width);
        return out.finish();
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const quint32 key = (quint32(prefix) << 8) | pixels[i];
        const auto it = table.find(key);
        if (it != table.end()) {
            prefix = it->second;
            continue;
        }
        out.put(prefix, width);
        if (next < 4096) {
            table.emplace(key, next++);
            if (next == (1 << width) + 1 && width < 12)
                ++width;
        } else {
            out.put(clear, width);
            table.clear();
            next = clear + 2;
            width = min_size + 1;
        }
        prefix = pixels[i];
    }
    out.put(prefix, width);
    out.put(end, width);
    return out.finish();
}

void put16(QByteArray &b, int v)
{
    b.push_back(char(v & 0xff));
    b.push_back(char((v >> 8) & 0xff));
}

} // namespace

QByteArray encode_gif(const QList<gif_frame> &frames)
{
    if (frames.isEmpty() || frames.first().image.isNull())
        return {};
    const int w = frames.first().image.width(), h = frames.first().image.height();
    QList<QImage> images;
    std::map<QRgb, quint32> histogram;
    for (const gif_frame &f : frames) {
        if (f.image.size() != QSize(w, h))
            return {};
        QImage img = f.image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(line[x]) >= 128)
                    ++histogram[line[x] & 0xffffff];
        }
        images << img;
    }
    std::vector<weighted> colours;
    for (const auto &[rgb, n] : histogram)
        colours.push_back({rgb, n});
    const std::vector<QRgb> palette = colours.empty() ? std::vector<QRgb>{} : median_cut(colours);

    std::unordered_map<QRgb, quint8> nearest;
    const auto index_of = [&](QRgb c) -> quint8 {
        const auto it = nearest.find(c);
        if (it != nearest.end())
            return it->second;
        int best = 0;
        long best_d = -1;
        for (size_t i = 0; i < palette.size(); ++i) {
            const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                       db = qBlue(c) - qBlue(palette[i]);
            const long d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
            if (best_d < 0 || d < best_d) {
                best_d = d;
                best = int(i);
            }
        }
        const quint8 idx = quint8(best + 1);
        nearest.emplace(c, idx);
        return idx;
    };

    QByteArray gif("GIF89a");
    put16(gif, w);
    put16(gif, h);
    gif.push_back(char(0xf7)); // global table of 256 entries, 8 bits per primary
    gif.push_back(char(transparent_index));
    gif.push_back(char(0));
    std::array<char, 768> table{};
    for (size_t i = 0; i < palette.size(); ++i) {
        table[(i + 1) * 3] = char(qRed(palette[i]));
        table[(i + 1) * 3 + 1] = char(qGreen(palette[i]));
        table[(i + 1) * 3 + 2] = char(qBlue(palette[i]));
    }
    gif.append(table.data(), int(table.size()));
    gif.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (int f = 0; f < images.size(); ++f) {
        // Graphic control: restore to background after the frame, transparency on.
        gif.append("\x21\xf9\x04", 3);
        gif.push_back(char((2 << 2) | 1));
        put16(gif, frames.at(f).delay_cs);
        gif.push_back(char(transparent_index));
        gif.push_back(char(0));
        gif.push_back(char(0x2c));
        put16(gif, 0);
        put16(gif, 0);
        put16(gif, w);
        put16(gif, h);
        gif.push_back(char(0));
        std::vector<quint8> pixels(size_t(w) * h);
        for (int y = 0; y < h; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(images.at(f).constScanLine(y));
            for (int x = 0; x < w; ++x)
                pixels[size_t(y) * w + x] =
                    qAlpha(line[x]) >= 128 ? index_of(line[x] & 0xffffff) : quint8(transparent_index);
        }
        gif.push_back(char(8));
        const QByteArray data = lzw(pixels, 8);
        for (int at = 0; at < data.size(); at += 255) {
            const int n = qMin(255, int(data.size()) - at);
            gif.push_back(char(n));
            gif.append(data.constData() + at, n);
        }
        gif.push_back(char(0));
    }
    gif.push_back(char(0x3b));
    return gif;
}

} // namespace asset
