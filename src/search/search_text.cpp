#include "search/search_text.h"

#include <QHash>
#include <algorithm>

namespace search_text {

namespace {

bool word_char(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c.isSurrogate();
}

// Bounds the text a snippet looks through: a match further into a huge page
// is still found by the index, the snippet then shows the page's start.
constexpr int snippet_reach = 1 << 20;

bool starts_with_ci(QStringView text, int at, QStringView what)
{
    return text.size() - at >= what.size() && text.mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// Index just past the '>' that closes the tag opened at `from` (quotes in
// attributes respected); text.size() when it never closes.
int tag_end(QStringView html, int from)
{
    QChar quote;
    for (int k = from; k < html.size(); ++k) {
        const QChar ch = html[k];
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
        } else if (ch == u'"' || ch == u'\'') {
            quote = ch;
        } else if (ch == u'>') {
            return k + 1;
        }
    }
    return int(html.size());
}

// A character reference at `at` ('&'): the text it stands for and its length.
// Unknown or malformed ones stay as written.
std::pair<QString, int> reference(QStringView html, int at)
{
    static const QHash<QString, QString> named = {
        {"amp", "&"},   {"lt", "<"},    {"gt", ">"},    {"quot", "\""}, {"apos", "'"},   {"nbsp", " "}, {"shy", ""},
        {"mdash", "—"}, {"ndash", "–"}, {"laquo", "«"}, {"raquo", "»"}, {"hellip", "…"}, {"copy", "©"}, {"bdquo", "„"},
        {"ldquo", "“"}, {"rdquo", "”"}, {"lsquo", "‘"}, {"rsquo", "’"}, {"bull", "•"},   {"deg", "°"},
    };
    const int semi = int(html.mid(at, 12).indexOf(u';'));
    if (semi < 2)
        return {QStringLiteral("&"), 1};
    const QStringView name = html.mid(at + 1, semi - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            return {QString::fromUcs4(&c, 1), semi + 1};
        }
        return {QStringLiteral("&"), 1};
    }
    const auto it = named.constFind(name.toString());
    if (it == named.constEnd())
        return {QStringLiteral("&"), 1};
    return {*it, semi + 1};
}

bool is_any(QStringView name, std::initializer_list<const char16_t *> names)
{
    for (const char16_t *n : names) {
        if (name.compare(QStringView(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QChar fold(QChar c)
{
    const QChar l = c.toLower();
    return l == u'ё' ? QChar(u'е') : l;
}

QString fold(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    for (QChar c : text) {
        // Plain ASCII is the bulk of most text: skip the table look-up.
        if (c.unicode() < 0x80)
            *o++ = (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
        else
            *o++ = fold(c);
    }
    return out;
}

QStringList terms(QStringView query, int limit)
{
    const QString f = fold(query);
    QStringList out;
    int i = 0;
    while (i < f.size()) {
        while (i < f.size() && !word_char(f[i]))
            ++i;
        const int start = i;
        while (i < f.size() && word_char(f[i]))
            ++i;
        if (i > start) {
            const QString w = f.mid(start, i - start);
            if (!out.contains(w))
                out << w;
        }
    }
    // A word that begins another one adds nothing to "all words match"
    // except when it stands for a word of its own; keep both, longest first.
    std::stable_sort(out.begin(), out.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    if (out.size() > limit)
        out.resize(limit);
    return out;
}

int find_word_start(QStringView text, QStringView term, int from)
{
    if (term.isEmpty())
        return -1;
    qsizetype at = from;
    while ((at = text.indexOf(term, at)) >= 0) {
        if (at == 0 || !word_char(text[at - 1]))
            return int(at);
        ++at;
    }
    return -1;
}

bool matches_all(QStringView text, const QStringList &terms)
{
    if (terms.isEmpty())
        return false;
    for (const QString &t : terms) {
        if (find_word_start(text, t) < 0)
            return false;
    }
    return true;
}

QString html_to_text(QStringView html)
{
    QString out;
    out.reserve(html.size() / 2);
    int i = 0;
    const int n = int(html.size());
    while (i < n) {
        const QChar c = html[i];
        if (c == u'&') {
            const auto [text, length] = reference(html, i);
            out += text;
            i += length;
            continue;
        }
        if (c != u'<') {
            out += c;
            ++i;
            continue;
        }
        if (starts_with_ci(html, i, u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? n : int(end) + 3;
            continue;
        }
        int j = i + 1;
        const bool closing = j < n && html[j] == u'/';
        if (closing)
            ++j;
        const int name_start = j;
        while (j < n && (html[j].isLetterOrNumber()))
            ++j;
        const QStringView name = html.mid(name_start, j - name_start);
        if (name.isEmpty()) {
            if (j < n && (html[j] == u'!' || html[j] == u'?')) {
                i = tag_end(html, j); // <!DOCTYPE …>, <?xml …?>
            } else {
                out += c; // a lone "<" in text
                ++i;
            }
            continue;
        }
        const int after = tag_end(html, j);
        if (!closing && is_any(name, {u"head", u"style", u"script", u"title"})) {
            // Their content is no text of the page: skip to the closing tag.
            const QString close = QStringLiteral("</") + name.toString();
            qsizetype end = after;
            while ((end = html.indexOf(close, end, Qt::CaseInsensitive)) >= 0 && end + close.size() < n &&
                   html[end + close.size()].isLetterOrNumber())
                ++end;
            i = end < 0 ? n : tag_end(html, int(end) + int(close.size()));
            out += u' ';
            continue;
        }
        if (is_any(name, {u"p",  u"br", u"div",   u"li", u"tr", u"td",         u"th",  u"h1", u"h2",   u"h3", u"h4",
                          u"h5", u"h6", u"table", u"ul", u"ol", u"blockquote", u"pre", u"hr", u"body", u"img"}))
            out += u' ';
        i = after;
    }
    return out;
}

bool looks_like_html(QStringView body)
{
    const QStringView t = body.trimmed();
    return t.startsWith(u"<!DOCTYPE", Qt::CaseInsensitive) || t.startsWith(u"<html", Qt::CaseInsensitive) ||
           t.startsWith(u"<qt", Qt::CaseInsensitive);
}

QString page_text(const QByteArray &body)
{
    // A plain body ends at its first zero byte, as the notebook stores it.
    const qsizetype zero = body.indexOf('\0');
    const QString text = QString::fromUtf8(zero < 0 ? body : body.left(zero));
    return (looks_like_html(text) ? html_to_text(text) : text).simplified();
}

QList<std::pair<int, int>> marks_in(QStringView text, const QStringList &terms)
{
    QList<std::pair<int, int>> spans;
    const QString f = fold(text);
    for (const QString &t : terms) {
        for (int at = find_word_start(f, t); at >= 0; at = find_word_start(f, t, at + 1))
            spans.append({at, int(t.size())});
    }
    std::sort(spans.begin(), spans.end());
    QList<std::pair<int, int>> merged;
    for (const auto &s : spans) {
        if (!merged.isEmpty() && s.first <= merged.last().first + merged.last().second) {
            auto &m = merged.last();
            m.second = std::max(m.first + m.second, s.first + s.second) - m.first;
        } else {
            merged.append(s);
        }
    }
    return merged;
}

marked snippet(QStringView text, const QStringList &terms, int width)
{
    const QStringView reach = text.left(snippet_reach);
    const QString f = fold(reach);
    int first = -1;
    for (const QString &t : terms) {
        const int at = find_word_start(f, t);
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    const int n = int(reach.size());
    int start = first < 0 ? 0 : std::max(0, first - width / 3);
    // Begin and end at word gaps when one is near, not inside a word.
    if (start > 0) {
        const qsizetype gap = reach.mid(start, std::min(16, first - start)).indexOf(u' ');
        if (gap >= 0)
            start += int(gap) + 1;
    }
    int end = std::min(n, start + width);
    if (end < n) {
        const qsizetype gap = reach.mid(start, end - start).lastIndexOf(u' ');
        if (gap > (end - start) - 16 && start + gap > first)
            end = start + int(gap);
    }
    marked m;
    const QString lead = start > 0 ? QStringLiteral("…") : QString();
    QString piece = reach.mid(start, end - start).toString();
    for (QChar &c : piece) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    m.text = lead + piece + (end < int(text.size()) ? QStringLiteral("…") : QString());
    for (auto s : marks_in(piece, terms))
        m.marks.append({s.first + int(lead.size()), s.second});
    return m;
}

} // namespace search_text
