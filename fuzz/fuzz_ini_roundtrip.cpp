// Our INI reader and writer against the toolkit's INI reader: whatever our
// reader makes of any bytes, our writer writes, and the toolkit (reading
// the same text as UTF-8) reads back the same keys and values; ours reads
// it back the same too, and writes it again byte for byte.
#include "fuzz_support.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"
#include "storage/win1251.h"

#include <QDataStream>
#include <QDebug>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace {

QString text_of(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

// A list with an item in an "@" form reads as a list of values; compare
// lists of texts as string lists either way. An empty text may read back
// null or not (as in the toolkit's reader): nobody can tell them apart.
QByteArray serialised(const QVariant &v)
{
    QVariant n = v;
    if (v.typeId() == QMetaType::QString)
        n = text_of(v.toString());
    if (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList) {
        QStringList texts;
        bool all_text = true;
        for (const QVariant &e : v.toList()) {
            all_text = all_text && e.typeId() == QMetaType::QString;
            texts << text_of(e.toString());
        }
        if (all_text)
            n = texts;
    }
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s << n;
    return b;
}

[[noreturn]] void differ(const char *what, const QString &key, const QVariant &a, const QVariant &b,
                         const QByteArray &written)
{
    fprintf(stderr, "%s: %s: %s -> %s\nwritten: %s\n", what, qPrintable(key), qPrintable(QDebug::toString(a)),
            qPrintable(QDebug::toString(b)), written.toHex().constData());
    abort();
}

// The toolkit's INI reader, on a path it has not seen before.
QSettings::SettingsMap toolkit_read(const QByteArray &utf8)
{
    static int serial = 0;
    const QString path = fuzz::scratch_dir().path() + QStringLiteral("/t%1.ini").arg(++serial);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            abort();
        f.write(utf8);
    }
    QSettings::SettingsMap m;
    {
        QSettings s(path, QSettings::IniFormat);
        for (const QString &k : s.allKeys())
            m.insert(k, s.value(k));
    }
    QFile::remove(path);
    return m;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ini_read_result first = ini_reader::read(bytes);
    const QByteArray written = ini_writer::write(first.map);

    const ini_read_result again = ini_reader::read(written);
    if (!again.clean())
        differ("our own file did not read cleanly", again.problems.value(0).reason, {}, {}, written);
    if (ini_writer::write(again.map) != written)
        differ("written twice, not the same bytes", {}, {}, {}, written);

    // Characters CP1251 lacks are written as escapes, so the written text
    // is plain CP1251 and means the same as UTF-8.
    const QSettings::SettingsMap theirs = toolkit_read(win1251::decode(written).toUtf8());
    if (theirs.keys() != first.map.keys())
        differ("keys differ", QStringList(first.map.keys()).join(u'|'), QStringList(theirs.keys()).join(u'|'), {},
               written);
    for (auto it = first.map.cbegin(); it != first.map.cend(); ++it) {
        if (serialised(it.value()) != serialised(theirs.value(it.key())))
            differ("the toolkit reads another value", it.key(), it.value(), theirs.value(it.key()), written);
        if (serialised(it.value()) != serialised(again.map.value(it.key())))
            differ("we read another value", it.key(), it.value(), again.map.value(it.key()), written);
    }
    return 0;
}
