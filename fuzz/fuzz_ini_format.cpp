// Settings format: any bytes read without harm; what was read, written and
// read back gives the same values.
#include "fuzz_support.h"
#include "storage/ini_format.h"

#include <QBuffer>
#include <QDataStream>
#include <QDebug>

#include <cstdio>

#include <cstdlib>

namespace {
// A list with an element that starts with '@' is read as a list of
// variants, and the same texts written back are read as a string list:
// the same values, so compare them as one. An empty text may read back
// null or not (as in the toolkit's reader): nobody can tell them apart.
QString text_of(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

QVariant normalised(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return text_of(v.toString());
    if (v.typeId() != QMetaType::QVariantList && v.typeId() != QMetaType::QStringList)
        return v;
    QStringList texts;
    for (const QVariant &e : v.toList()) {
        if (e.typeId() != QMetaType::QString)
            return v;
        texts << text_of(e.toString());
    }
    return texts;
}

QByteArray serialised(const QVariant &v)
{
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s << normalised(v);
    return b;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QSettings::SettingsMap first;
    if (!ini_format::read(in, first))
        return 0;

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    if (!ini_format::write(out, first))
        abort();
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    QSettings::SettingsMap second;
    if (!ini_format::read(again, second))
        abort();
    if (first.keys() != second.keys()) {
        fprintf(stderr, "keys changed: %s -> %s\n", qPrintable(QStringList(first.keys()).join(u'|')),
                qPrintable(QStringList(second.keys()).join(u'|')));
        abort();
    }
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        if (serialised(it.value()) != serialised(second.value(it.key()))) {
            fprintf(stderr, "value of %s changed: %s -> %s\n", qPrintable(it.key()),
                    qPrintable(QDebug::toString(it.value())), qPrintable(QDebug::toString(second.value(it.key()))));
            fprintf(stderr, "written: %s\n", written.toHex().constData());
            abort();
        }
    return 0;
}
