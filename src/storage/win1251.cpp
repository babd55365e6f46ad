#include "storage/win1251.h"

#include "common/log.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace win1251 {

namespace {

struct tables
{
    std::array<char16_t, 256> to{};
    // The upper half sorted by character, for the way back.
    std::array<std::pair<char16_t, unsigned char>, 128> back{};
    int back_size = 0;

    tables()
    {
        QStringDecoder dec("windows-1251");
        for (int b = 0; b < 256; ++b) {
            if (b < 0x80 || !dec.isValid()) {
                to[b] = char16_t(b);
                continue;
            }
            const char byte = char(b);
            const QString u = dec.decode(QByteArrayView(&byte, 1));
            to[b] = u.size() == 1 ? u.at(0).unicode() : char16_t(QChar::ReplacementCharacter);
        }
        if (!dec.isValid())
            qCWarning(lc_settings) << "no CP1251 decoder; reading settings as Latin-1";
        for (int b = 0x80; b < 256; ++b)
            if (to[b] >= 0x80 && to[b] != QChar::ReplacementCharacter)
                back[back_size++] = {to[b], static_cast<unsigned char>(b)};
        std::sort(back.begin(), back.begin() + back_size);
    }
};

const tables &the_tables()
{
    static const tables t;
    return t;
}

} // namespace

char16_t to_unicode(unsigned char byte)
{
    return the_tables().to[byte];
}

int from_unicode(char16_t c)
{
    if (c < 0x80)
        return c;
    const tables &t = the_tables();
    const auto end = t.back.begin() + t.back_size;
    const auto it = std::lower_bound(t.back.begin(), end, std::pair<char16_t, unsigned char>{c, 0});
    return it != end && it->first == c ? it->second : -1;
}

QString decode(QByteArrayView bytes)
{
    const tables &t = the_tables();
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = t.to[static_cast<unsigned char>(bytes[i])];
    return out;
}

void append_encoded(QByteArray &out, QStringView text)
{
    for (const QChar c : text) {
        const int b = from_unicode(c.unicode());
        out += b >= 0 ? char(b) : '?';
    }
}

} // namespace win1251
