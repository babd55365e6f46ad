#include "app/settings_file_watch.h"

#include "app/ini_format.h"
#include "common/log.h"

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

} // namespace

settings_file_watch::settings_file_watch(QSettings &settings) : m_s(settings)
{
    m_stamp = current();
    m_base = read_disk();
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

QSettings::SettingsMap settings_file_watch::read_disk() const
{
    QSettings::SettingsMap map;
    QFile f(m_s.fileName());
    if (f.open(QIODevice::ReadOnly) && !ini_format::read(f, map))
        map.clear();
    return map;
}

QSettings::SettingsMap settings_file_watch::read_ours() const
{
    QSettings::SettingsMap map;
    const QStringList keys = m_s.allKeys();
    for (const QString &k : keys)
        map.insert(k, m_s.value(k));
    return map;
}

void settings_file_watch::merge(const QSettings::SettingsMap &disk)
{
    const QSettings::SettingsMap ours = read_ours();
    QSet<QString> keys;
    const QSettings::SettingsMap *maps[] = {&m_base, &disk, &ours};
    for (const QSettings::SettingsMap *m : maps)
        for (auto it = m->cbegin(); it != m->cend(); ++it)
            keys.insert(it.key());

    QSettings::SettingsMap merged;
    for (const QString &k : std::as_const(keys)) {
        const QVariant b = m_base.value(k), d = disk.value(k), o = ours.value(k);
        const bool outside = !same(d, b);
        const bool mine = !same(o, b);
        QVariant pick = o;
        if (outside && !mine) {
            pick = d;
            ++m_taken_in;
        } else if (outside && mine && !same(d, o)) {
            ++m_conflicts;
            qCInfo(lc_settings).noquote()
                << m_s.fileName() << ": key" << k << "was changed here and by another program;"
                << "keeping" << canonical(o) << "over" << canonical(d);
        }
        // Set every value that must end up in the file, so the result is the
        // same whether or not the settings object reads the file again.
        if (!same(pick, d) || !same(pick, o)) {
            if (pick.isValid())
                m_s.setValue(k, pick);
            else
                m_s.remove(k);
        }
        if (pick.isValid())
            merged.insert(k, pick);
    }
    m_base = merged;
}

bool settings_file_watch::refresh()
{
    if (!changed_on_disk())
        return false;
    merge(read_disk());
    m_s.sync();
    m_stamp = current();
    return true;
}

void settings_file_watch::sync()
{
    if (changed_on_disk())
        merge(read_disk());
    else
        m_base = read_ours();
    m_s.sync();
    m_stamp = current();
}
