#include "storage/ini_writer.h"

#include "storage/ini_variant.h"
#include "storage/win1251.h"

#include <QList>

#include <cstring>

namespace ini_writer {

namespace {

const char hex_digits[] = "0123456789ABCDEF";
const char lower_hex[] = "0123456789abcdef";

// Appends to a byte array through a pointer, growing it as needed; the
// array is cut to what was written by finish().
class sink
{
public:
    // Appends after what `out` holds.
    sink(QByteArray &out, qsizetype guess) : m_out(out)
    {
        const qsizetype used = m_out.size();
        m_out.resize(used + qMax<qsizetype>(guess, 256));
        m_p = m_out.data() + used;
        m_end = m_out.data() + m_out.size();
    }
    void need(qsizetype n)
    {
        if (m_end - m_p >= n)
            return;
        const qsizetype used = m_p - m_out.data();
        m_out.resize(qMax(m_out.size() * 2, used + n + 4096));
        m_p = m_out.data() + used;
        m_end = m_out.data() + m_out.size();
    }
    char *&p() { return m_p; }
    qsizetype size() const { return m_p - m_out.constData(); }
    char *at(qsizetype i) { return m_out.data() + i; }
    void put(const char *text, qsizetype n)
    {
        need(n);
        memcpy(m_p, text, size_t(n));
        m_p += n;
    }
    void finish() { m_out.truncate(m_p - m_out.data()); }

private:
    QByteArray &m_out;
    char *m_p = nullptr;
    char *m_end = nullptr;
};

bool plain_name_char(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
}

void append_name(sink &out, QStringView name)
{
    out.need(name.size() * 6);
    char *&p = out.p();
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (plain_name_char(c)) {
            *p++ = char(c);
        } else if (c == '/') {
            *p++ = '\\';
        } else if (c <= 0xff) {
            *p++ = '%';
            *p++ = hex_digits[c >> 4];
            *p++ = hex_digits[c & 15];
        } else {
            *p++ = '%';
            *p++ = 'U';
            *p++ = hex_digits[(c >> 12) & 15];
            *p++ = hex_digits[(c >> 8) & 15];
            *p++ = hex_digits[(c >> 4) & 15];
            *p++ = hex_digits[c & 15];
        }
    }
}

bool is_hex(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "\x" and the code in lower-case hex without leading zeros.
void put_hex_escape(char *&p, char16_t c)
{
    *p++ = '\\';
    *p++ = 'x';
    bool started = false;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int d = (c >> shift) & 15;
        if (d || started || shift == 0) {
            *p++ = lower_hex[d];
            started = true;
        }
    }
}

// A stored text, quoted when it holds ';', ',' or '=' or starts or ends
// with a space; `at_sign` writes an '@' before it (a text that starts with
// one is stored as "@@...").
void append_text(sink &out, QStringView s, bool at_sign = false)
{
    // The toolkit writes the byte forms character by character as Latin-1
    // (not "@@ByteArray(...)", a text that only looks like one).
    const bool bytes =
        !at_sign && (s.startsWith(QLatin1String("@ByteArray(")) || s.startsWith(QLatin1String("@Variant(")) ||
                     s.startsWith(QLatin1String("@DateTime(")));
    out.need(s.size() * 7 + 4);
    const qsizetype start = out.size();
    char *&p = out.p();
    bool quote = false;
    bool escape_hex_next = false;
    if (at_sign)
        *p++ = '@';
    for (const QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != ';' && c != ',' && c != '=' &&
            !(escape_hex_next && is_hex(c))) {
            *p++ = char(c);
            escape_hex_next = false;
            continue;
        }
        if (c == ';' || c == ',' || c == '=') {
            quote = true;
            if (!escape_hex_next) {
                *p++ = char(c);
                continue;
            }
        }
        if (escape_hex_next && is_hex(c)) {
            // A hex digit right after an escape would be read as part of it.
            put_hex_escape(p, c);
            continue;
        }
        escape_hex_next = false;
        switch (c) {
        case '\0':
            *p++ = '\\';
            *p++ = '0';
            escape_hex_next = true;
            break;
        case '\a':
            *p++ = '\\';
            *p++ = 'a';
            break;
        case '\b':
            *p++ = '\\';
            *p++ = 'b';
            break;
        case '\f':
            *p++ = '\\';
            *p++ = 'f';
            break;
        case '\n':
            *p++ = '\\';
            *p++ = 'n';
            break;
        case '\r':
            *p++ = '\\';
            *p++ = 'r';
            break;
        case '\t':
            *p++ = '\\';
            *p++ = 't';
            break;
        case '\v':
            *p++ = '\\';
            *p++ = 'v';
            break;
        case '"':
        case '\\':
            *p++ = '\\';
            *p++ = char(c);
            break;
        case ';':
        case ',':
        case '=':
            *p++ = char(c);
            break;
        default:
            if (c <= 0x1f || (c >= 0x7f && bytes)) {
                put_hex_escape(p, c);
                escape_hex_next = true;
            } else if (c < 0x80) {
                *p++ = char(c);
            } else if (const int b = win1251::from_unicode(c); b >= 0) {
                *p++ = char(b);
            } else {
                put_hex_escape(p, c);
                escape_hex_next = true;
            }
        }
    }
    const qsizetype end = out.size();
    if (quote || (end > start && (*out.at(start) == ' ' || *out.at(end - 1) == ' '))) {
        memmove(out.at(start + 1), out.at(start), size_t(end - start));
        *out.at(start) = '"';
        ++p;
        *p++ = '"';
    }
}

// A text value as the toolkit stores one: "@@" before a leading '@', the
// @String() form for a text holding NUL characters.
void append_string(sink &out, const QString &s)
{
    if (s.contains(QChar::Null)) {
        append_text(out, ini_variant::to_text(s));
        return;
    }
    append_text(out, s, s.startsWith(u'@'));
}

void append_value(sink &out, const QVariant &v)
{
    const int id = v.metaType().id();
    if (id == QMetaType::QString) {
        append_string(out, *static_cast<const QString *>(v.constData()));
        return;
    }
    if (id == QMetaType::QStringList) {
        const QStringList &items = *static_cast<const QStringList *>(v.constData());
        if (items.isEmpty()) {
            // An empty list and a list of one empty text must differ.
            out.put("@Invalid()", 10);
            return;
        }
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i)
                out.put(", ", 2);
            append_string(out, items.at(i));
        }
        return;
    }
    if (!ini_variant::is_list(v)) {
        append_text(out, ini_variant::to_text(v));
        return;
    }
    const QStringList items = ini_variant::to_texts(v);
    if (items.isEmpty()) {
        out.put("@Invalid()", 10);
        return;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i)
            out.put(", ", 2);
        append_text(out, items.at(i));
    }
}

void append_header(sink &out, QStringView name)
{
    out.put("[", 1);
    const qsizetype head = out.size();
    append_name(out, name);
    const QByteArrayView written(out.at(head), out.size() - head);
    if (written.isEmpty()) {
        out.put("General", 7);
    } else if (written.compare("general", Qt::CaseInsensitive) == 0) {
        // The toolkit reads "[General]" as the top level; "%" keeps the name.
        out.need(1);
        memmove(out.at(head + 1), out.at(head), size_t(written.size()));
        *out.at(head) = '%';
        ++out.p();
    }
    out.put("]\n", 2);
}

void append_entry(sink &out, QStringView name, const QVariant &value)
{
    append_name(out, name);
    out.put("=", 1);
    append_value(out, value);
    out.put("\n", 1);
}

} // namespace

QByteArray write(const QSettings::SettingsMap &map, QList<section_span> *spans)
{
    // The toolkit writes the top level first, then the groups in the order
    // of their names, each with its keys in order. Keys arrive sorted, so a
    // group's keys follow each other; only groups whose names continue
    // with a character below '/' ("a b" and "a") come in another order.
    struct run
    {
        QStringView name;
        QSettings::SettingsMap::const_iterator from, to;
    };
    QList<QSettings::SettingsMap::const_iterator> top;
    QList<run> runs;
    qsizetype guess = 0;
    bool sorted = true;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString &key = it.key();
        guess += key.size() + 16;
        const qsizetype slash = key.indexOf(u'/');
        if (slash < 0) {
            top << it;
            continue;
        }
        const QStringView group = QStringView(key).first(slash);
        if (runs.isEmpty() || runs.last().name != group) {
            if (!runs.isEmpty()) {
                runs.last().to = it;
                sorted = sorted && runs.last().name < group;
            }
            runs.append({group, it, map.cend()});
        }
    }
    // A run of the top level's keys ends a group run too.
    for (qsizetype i = 0; i + 1 < runs.size(); ++i)
        runs[i].to = runs[i + 1].from;
    if (!sorted)
        std::stable_sort(runs.begin(), runs.end(), [](const run &a, const run &b) { return a.name < b.name; });

    QByteArray bytes;
    sink out(bytes, guess + guess / 2);
    const auto section = [&](QStringView name, const auto &entries, qsizetype count) {
        if (out.size())
            out.put("\n", 1);
        const qsizetype at = out.size();
        append_header(out, name);
        entries();
        if (spans)
            spans->append({name.toString(), at, out.size() - at, count});
    };
    if (!top.isEmpty())
        section(
            {},
            [&] {
                for (const auto &it : std::as_const(top))
                    append_entry(out, it.key(), it.value());
            },
            top.size());
    for (const run &r : std::as_const(runs)) {
        qsizetype count = 0;
        section(
            r.name,
            [&] {
                for (auto it = r.from; it != r.to; ++it) {
                    if (!it.key().startsWith(r.name) || it.key().size() <= r.name.size() ||
                        it.key().at(r.name.size()) != u'/')
                        continue; // a key of the top level between the group's keys
                    append_entry(out, QStringView(it.key()).sliced(r.name.size() + 1), it.value());
                    ++count;
                }
            },
            0);
        if (spans)
            spans->last().keys = count;
    }
    out.finish();
    return bytes;
}

void append_section(QByteArray &bytes, QStringView name, QSettings::SettingsMap::const_iterator from,
                    QSettings::SettingsMap::const_iterator to)
{
    qsizetype guess = 16;
    for (auto it = from; it != to; ++it)
        guess += it.key().size() + 16;
    sink out(bytes, guess);
    append_header(out, name);
    for (auto it = from; it != to; ++it)
        append_entry(out, QStringView(it.key()).sliced(name.size() + 1), it.value());
    out.finish();
}

} // namespace ini_writer
