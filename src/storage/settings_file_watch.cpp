#include "storage/settings_file_watch.h"

#include "storage/ini_format.h"
#include "common/log.h"

#include <QBuffer>
#include <QFile>
#include <QSet>

#include <sys/stat.h>

namespace {

// Values read from a file are text or text lists; values we set may still
// be numbers. Compare them as the file would hold them.
QString canonical(const QVariant &v)
{
    if (!v.isValid())
        return QStringLiteral("\x01absent");
    if (v.metaType().id() == QMetaType::QStringList)
        return QStringLiteral("\x02") + v.toStringList().join(QChar(0x1f));
    return v.toString();
}

bool same(const QVariant &a, const QVariant &b)
{
    return canonical(a) == canonical(b);
}

QSettings::SettingsMap parse(const QByteArray &bytes)
{
    QSettings::SettingsMap map;
    if (bytes.isEmpty())
        return map;
    QBuffer b;
    b.setData(bytes);
    if (!b.open(QIODevice::ReadOnly) || !ini_format::read(b, map))
        map.clear();
    return map;
}

} // namespace

settings_file_watch::settings_file_watch(QSettings &settings) : m_s(settings)
{
    m_base = read_disk(m_stamp);
}

settings_file_watch::stamp settings_file_watch::current() const
{
    struct stat st;
    const QByteArray path = QFile::encodeName(m_s.fileName());
    if (::stat(path.constData(), &st) != 0)
        return {};
    return {true,
            qint64(st.st_size),
            qint64(st.st_dev),
            qint64(st.st_ino),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

bool settings_file_watch::changed_on_disk() const
{
    return !(current() == m_stamp);
}

QByteArray settings_file_watch::read_disk(stamp &st) const
{
    st = {};
    QFile f(m_s.fileName());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // The stamp of the open file, so a replacement landing between the
    // stat and the read cannot pair one file's stamp with another's bytes.
    struct stat s;
    if (::fstat(f.handle(), &s) == 0)
        st = {true,
              qint64(s.st_size),
              qint64(s.st_dev),
              qint64(s.st_ino),
              qint64(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec,
              qint64(s.st_ctim.tv_sec) * 1000000000 + s.st_ctim.tv_nsec};
    return f.readAll();
}

void settings_file_watch::merge(const QByteArray &disk_bytes)
{
    ++m_merges;
    const QSettings::SettingsMap base = parse(m_base);
    const QSettings::SettingsMap disk = parse(disk_bytes);
    // Only keys the other program changed need a decision: everything else
    // is either untouched or changed here alone, and the settings object
    // writes its own changes over the file it reads back.
    QSet<QString> outside;
    for (auto it = base.cbegin(); it != base.cend(); ++it)
        if (!same(it.value(), disk.value(it.key())))
            outside.insert(it.key());
    for (auto it = disk.cbegin(); it != disk.cend(); ++it)
        if (!base.contains(it.key()))
            outside.insert(it.key());

    for (const QString &k : std::as_const(outside)) {
        const QVariant b = base.value(k), d = disk.value(k), o = m_s.value(k);
        QVariant pick = o;
        if (same(o, b)) {
            pick = d;
            ++m_taken_in;
        } else if (!same(d, o)) {
            ++m_conflicts;
            qCInfo(lc_settings).noquote()
                << m_s.fileName() << ": key" << k << "was changed here and by another program;"
                << "keeping" << canonical(o) << "over" << canonical(d);
        }
        // Set every value that must end up in the file, so the result is the
        // same whether or not the settings object reads the file again.
        if (pick.isValid())
            m_s.setValue(k, pick);
        else
            m_s.remove(k);
    }
}

bool settings_file_watch::refresh()
{
    if (!changed_on_disk())
        return false;
    stamp st;
    merge(read_disk(st));
    m_s.sync();
    m_base = read_disk(m_stamp);
    return true;
}

void settings_file_watch::sync()
{
    if (changed_on_disk()) {
        stamp st;
        merge(read_disk(st));
    }
    m_s.sync();
    // Nothing to read back when the settings object had nothing to write.
    if (changed_on_disk())
        m_base = read_disk(m_stamp);
}
