#include "storage/ini_format.h"

#include "common/log.h"

#include <QFile>
#include <QFileDevice>
#include <QHash>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace ini_format {

namespace {

// The toolkit's own INI parser and writer do the syntax; they work on UTF-8
// files, so the text is transcoded around them on a private temporary file.
// Each call uses a fresh path, as the toolkit caches parsed files by path.
struct scratch
{
    QTemporaryDir dir;
    QString path() const { return dir.path() + "/s.ini"; }
};

bool is_hex_digit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// A settings file that holds no settings but does hold other text (or any
// NUL byte) is not ours to parse: it is read as empty and kept aside before
// the first write replaces it, never silently overwritten.
// Calls `stop_at` with each line of `raw`, trimmed, until it returns true;
// true when it did.
template <class F>
bool any_line(const QByteArray &raw, F stop_at)
{
    qsizetype start = 0;
    while (start < raw.size()) {
        qsizetype end = raw.indexOf('\n', start);
        if (end < 0)
            end = raw.size();
        const QByteArray line = raw.mid(start, end - start).trimmed();
        start = end + 1;
        if (stop_at(line))
            return true;
    }
    return false;
}

bool unreadable(const QByteArray &raw)
{
    if (raw.contains('\0'))
        return true;
    bool other_text = false;
    const bool settings = any_line(raw, [&](const QByteArray &line) {
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            return false;
        if (line.startsWith('[') || line.contains('='))
            return true;
        other_text = true;
        return false;
    });
    return !settings && other_text;
}

// The toolkit reads some key names that it cannot write back as they are:
// an empty name, or one with a leading, trailing or doubled separator
// ("/k", "k/", "a//b", "[G]" + "\\k", a group "[a/]"). Written back it
// would store them under their normalised name, where they could become or
// overwrite another key; and the program could never ask for them under the
// name they were read with anyway.
bool kept_as_read(const QString &key)
{
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(QLatin1String("//"));
}

// A cheap look at the raw text: could any key or group name in it be one
// the toolkit reads in a form it cannot write back? Names that contain no
// separator, escape or backslash and are not empty cannot, which keeps the
// full parse off the path of every ordinary write.
bool may_hold_odd_names(const QByteArray &raw)
{
    return any_line(raw, [](const QByteArray &line) {
        QByteArray name;
        if (line.startsWith('['))
            name = line.mid(1, line.indexOf(']') - 1);
        else if (const qsizetype eq = line.indexOf('='); eq >= 0)
            name = line.left(eq);
        else
            return false;
        name = name.trimmed();
        return name.isEmpty() || name.contains('/') || name.contains('\\') || name.contains('%');
    });
}

struct parsed_text
{
    bool ok = false;
    QSettings::SettingsMap map;
    QStringList left_out; // "name = value", for the log
};

parsed_text parse(const QByteArray &raw)
{
    parsed_text result;
    scratch s;
    if (!s.dir.isValid()) {
        qCWarning(lc_settings) << "cannot make a temporary folder to parse settings";
        return result;
    }
    {
        QFile f(s.path());
        if (!f.open(QIODevice::WriteOnly))
            return result;
        f.write(decode(raw).toUtf8());
    }
    QSettings parsed(s.path(), QSettings::IniFormat);
    if (parsed.status() != QSettings::NoError) {
        qCWarning(lc_settings) << "settings file could not be parsed";
        return result;
    }
    const QStringList keys = parsed.allKeys();
    for (const QString &k : keys) {
        if (kept_as_read(k)) {
            result.map.insert(k, parsed.value(k));
            continue;
        }
        result.left_out << k;
    }
    result.ok = true;
    return result;
}

void keep_unreadable_original(QIODevice &device)
{
    auto *target = qobject_cast<QFileDevice *>(&device);
    if (!target)
        return;
    const QString name = target->fileName();
    QFile original(name);
    if (!original.exists() || !original.open(QIODevice::ReadOnly))
        return;
    const QByteArray raw = original.read(16 * 1024 * 1024);
    original.close();
    if (!unreadable(raw) && (!may_hold_odd_names(raw) || parse(raw).left_out.isEmpty()))
        return;
    QString keep = name + ".unreadable";
    for (int i = 1; QFile::exists(keep); ++i)
        keep = name + ".unreadable." + QString::number(i);
    if (QFile::copy(name, keep))
        qCWarning(lc_settings) << name << "could not be read whole; its old content is kept in" << keep;
    else
        qCWarning(lc_settings) << name << "could not be read whole and could not be kept aside";
}

} // namespace

QString decode(const QByteArray &cp1251)
{
    QStringDecoder dec("windows-1251");
    if (!dec.isValid()) {
        qCWarning(lc_settings) << "no CP1251 decoder; reading settings as Latin-1";
        return QString::fromLatin1(cp1251);
    }
    return dec.decode(cp1251);
}

// Unicode -> CP1251 byte for the upper half of the code page, built once
// from the decoder so both directions agree.
const QHash<char16_t, char> &cp1251_upper()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0x80; b <= 0xff; ++b) {
            const QString u = decode(QByteArray(1, char(b)));
            if (u.size() == 1 && u.at(0) != QChar::ReplacementCharacter)
                t.insert(u.at(0).unicode(), char(b));
        }
        return t;
    }();
    return table;
}

QByteArray encode(const QString &text)
{
    const QHash<char16_t, char> &upper = cp1251_upper();
    QByteArray out;
    out.reserve(text.size());
    bool escape_hex_next = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            if (escape_hex_next && is_hex_digit(QChar(u))) {
                // A hex digit right after an escape would be read as part of it.
                out += "\\x" + QByteArray::number(u, 16);
                continue;
            }
            escape_hex_next = false;
            out += char(u);
            continue;
        }
        const auto it = upper.constFind(u);
        if (it != upper.constEnd()) {
            out += it.value();
            escape_hex_next = false;
        } else {
            out += "\\x" + QByteArray::number(u, 16);
            escape_hex_next = true;
        }
    }
    return out;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray raw = device.readAll();
    if (unreadable(raw)) {
        qCWarning(lc_settings) << "settings file is not in INI form; using defaults";
        return true;
    }
    parsed_text parsed = parse(raw);
    if (!parsed.ok)
        return false;
    if (!parsed.left_out.isEmpty()) {
        const auto *file = qobject_cast<QFileDevice *>(&device);
        const QString name = file ? file->fileName() : QStringLiteral("settings file");
        qCWarning(lc_settings).noquote() << name << "has key names that cannot be written back as they are; left out:"
                                         << parsed.left_out.join(QLatin1String(", "))
                                         << "- the whole file is kept aside before it is next written";
    }
    map.insert(parsed.map);
    return true;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    keep_unreadable_original(device);
    scratch s;
    if (!s.dir.isValid())
        return false;
    {
        QSettings out(s.path(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    QFile f(s.path());
    if (!f.open(QIODevice::ReadOnly))
        return map.isEmpty();
    const QByteArray bytes = encode(QString::fromUtf8(f.readAll()));
    return device.write(bytes) == bytes.size();
}

QSettings::Format format()
{
    static const QSettings::Format f = QSettings::registerFormat("ini", &read, &write);
    return f;
}

std::unique_ptr<QSettings> open(const QString &path)
{
    return std::make_unique<QSettings>(path, format());
}

} // namespace ini_format
