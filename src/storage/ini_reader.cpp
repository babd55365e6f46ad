#include "storage/ini_reader.h"

#include "storage/ini_variant.h"
#include "storage/win1251.h"

#include <QHash>

namespace ini_reader {

namespace {

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The bytes that end a run of plain text inside a line.
bool is_special(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

int hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct line_span
{
    qsizetype start = 0;
    qsizetype size = 0;
    qsizetype equals = -1; // the first '=' outside quotes, from the line's start
    bool open_quote = false;
    bool has_nul = false;
};

// The next logical line at or after `pos`: leading blanks and comment
// lines skipped, ended by a line break outside a "\" continuation or by a
// ';' outside quotes (a comment after the value). False at the end.
bool next_line(QByteArrayView d, qsizetype &pos, line_span &out)
{
    const qsizetype n = d.size();
    out = {};
    qsizetype start = pos;
    while (start < n && is_space(d[start]))
        ++start;
    bool quoted = false;
    qsizetype i = start;
    while (i < n) {
        const char c = d[i++];
        if (!is_special(c)) {
            if (c == '\0')
                out.has_nul = true;
            continue;
        }
        if (c == '=') {
            if (!quoted && out.equals < 0)
                out.equals = i - 1 - start;
        } else if (c == '\n' || c == '\r') {
            out.open_quote = quoted;
            --i;
            break;
        } else if (c == '\\') {
            if (i < n) {
                const char e = d[i++];
                if (i < n && ((e == '\n' && d[i] == '\r') || (e == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (i == start + 1) { // ';' opening a comment line
            while (i < n && d[i] != '\n' && d[i] != '\r')
                ++i;
            while (i < n && is_space(d[i]))
                ++i;
            start = i;
        } else if (!quoted) { // ';' after the value
            --i;
            break;
        }
    }
    if (i >= n && quoted)
        out.open_quote = true;
    pos = i;
    out.start = start;
    out.size = i - start;
    return out.size > 0;
}

// A group or key name: %XX and %UXXXX stand for characters, "\" for "/".
void append_name(QByteArrayView raw, QString &out)
{
    const QString s = win1251::decode(raw);
    const qsizetype n = s.size();
    out.reserve(out.size() + n);
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s.at(i);
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == n - 1) {
            out += c;
            ++i;
            continue;
        }
        const bool wide = s.at(i + 1) == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= n ? QStringView(s).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
}

void chop_blanks(QString &s, qsizetype limit)
{
    qsizetype n = s.size();
    while (n > limit && (s.at(n - 1) == u' ' || s.at(n - 1) == u'\t'))
        --n;
    s.truncate(n);
}

char simple_escape(char e)
{
    switch (e) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return e;
    default:
        return 0;
    }
}

// A value: text, or a list when it holds a comma outside quotes. Blanks
// around unquoted items are dropped; escapes are C's, \x and octal without
// a length limit (16 bits kept).
QVariant parse_value(QByteArrayView v)
{
    const qsizetype n = v.size();
    // An empty value is an empty text, not a null one; the items of a list
    // after its first start null. As the toolkit reads them.
    QString text;
    text.reserve(n);
    QStringList items;
    bool list = false;
    bool in_quotes = false;
    bool item_quoted = false;
    qsizetype i = 0;
    qsizetype chop_limit = 0;
    bool chop_at_end = true;

    const auto skip_blanks = [&] {
        while (i < n && (v[i] == ' ' || v[i] == '\t'))
            ++i;
        chop_limit = text.size();
    };
    skip_blanks();
    while (i < n) {
        const char c = v[i];
        if (c == '\\') {
            if (++i >= n) {
                chop_at_end = false;
                break;
            }
            const char e = v[i++];
            if (const char plain = simple_escape(e)) {
                text += QChar(char16_t(static_cast<unsigned char>(plain)));
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                if (hex && i >= n) {
                    chop_at_end = false;
                    break;
                }
                if (!hex || hex_value(v[i]) >= 0) {
                    char16_t code = hex ? 0 : char16_t(e - '0');
                    while (i < n) {
                        const int d = hex ? hex_value(v[i]) : (v[i] >= '0' && v[i] <= '7' ? v[i] - '0' : -1);
                        if (d < 0)
                            break;
                        code = char16_t((code << (hex ? 4 : 3)) + d);
                        ++i;
                    }
                    text += QChar(code);
                    if (i >= n) {
                        chop_at_end = false;
                        break;
                    }
                }
            } else if (e == '\n' || e == '\r') {
                // A continued line: \n, \r, \r\n and \n\r all end one.
                if (i < n && (v[i] == '\n' || v[i] == '\r') && v[i] != e)
                    ++i;
            }
            // Any other escaped character is dropped.
            chop_limit = text.size();
            continue;
        }
        if (c == '"') {
            ++i;
            item_quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes)
                skip_blanks();
            continue;
        }
        if (c == ',' && !in_quotes) {
            if (!item_quoted)
                chop_blanks(text, chop_limit);
            list = true;
            items << text;
            text.clear();
            item_quoted = false;
            ++i;
            skip_blanks();
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && v[j] != '\\' && v[j] != '"' && v[j] != ',')
            ++j;
        text += win1251::decode(v.sliced(i, j - i));
        i = j;
    }
    if (chop_at_end && !item_quoted)
        chop_blanks(text, chop_limit);
    if (!list)
        return ini_variant::from_text(text);
    items << text;
    return ini_variant::from_texts(std::move(items));
}

// The group a key with a plain name sits in, with its trailing '/'.
QString group_of(const QString &key)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    return slash < 0 ? QString() : key.left(slash + 1);
}

QString shown(QByteArrayView line)
{
    QString s = win1251::decode(line.first(qMin<qsizetype>(line.size(), 80)));
    for (QChar &c : s)
        if (c.unicode() < 0x20)
            c = u' ';
    return line.size() > 80 ? s + QStringLiteral("…") : s;
}

} // namespace

bool writable_name(const QString &key)
{
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(QLatin1String("//"));
}

ini_read_result read(QByteArrayView d)
{
    ini_read_result r;
    if (d.startsWith("\xef\xbb\xbf")) // a byte-order mark left by a text editor
        d = d.sliced(3);

    QString group; // with its trailing '/', empty at the top level
    // Keys whose name holds a '/' of its own, and the group they came from.
    QHash<QString, QString> cross_group;
    qsizetype pos = 0;
    qsizetype counted = 0;
    int line_no = 1;
    bool any_settings = false;
    line_span l;
    const auto problem = [&](const QString &reason) {
        for (; counted < l.start; ++counted)
            if (d[counted] == '\n')
                ++line_no;
        r.problems << ini_problem{line_no, shown(d.sliced(l.start, l.size)), reason};
    };

    while (next_line(d, pos, l)) {
        const QByteArrayView line = d.sliced(l.start, l.size);
        if (l.has_nul) {
            problem(QStringLiteral("holds NUL bytes"));
            continue;
        }
        if (line.startsWith('[')) {
            qsizetype close = line.indexOf(']');
            if (close < 0) {
                problem(QStringLiteral("the group name has no closing ']'"));
                close = line.size();
            } else if (l.open_quote) {
                problem(QStringLiteral("a quote is not closed"));
            } else if (!line.sliced(close + 1).trimmed().isEmpty()) {
                problem(QStringLiteral("text after the group name"));
            }
            const QByteArrayView name = line.sliced(1, close - 1).trimmed();
            group.clear();
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    group = QString::fromLatin1(name.sliced(1));
                else
                    append_name(name, group);
                group += u'/';
            }
            ++r.groups;
            any_settings = true;
            continue;
        }
        if (l.equals < 0) {
            problem(l.open_quote ? QStringLiteral("a quote is not closed") : QStringLiteral("no '=' in the line"));
            continue;
        }
        if (l.open_quote)
            problem(QStringLiteral("a quote is not closed"));
        QString key = group;
        append_name(line.first(l.equals).trimmed(), key);
        if (!writable_name(key)) {
            problem(QStringLiteral("the key name cannot be written back as it is"));
            continue;
        }
        any_settings = true;
        const bool nested = key.indexOf(u'/', group.size()) >= 0;
        if (nested || !cross_group.isEmpty()) {
            // "[a]" + "b\\c" and "[a\\b]" + "c" both name "a/b/c". The
            // toolkit reads groups in the order of their names, so of two
            // such keys the one in the later-sorting group holds.
            const auto seen = cross_group.constFind(key);
            const QString earlier = seen != cross_group.cend() ? *seen : group_of(key);
            if (r.map.contains(key) && earlier > group)
                continue;
            if (nested || seen != cross_group.cend())
                cross_group.insert(key, group);
        }
        r.map.insert(r.map.cend(), key, parse_value(line.sliced(l.equals + 1)));
    }
    r.not_ini = !any_settings && !r.problems.isEmpty();
    return r;
}

} // namespace ini_reader
