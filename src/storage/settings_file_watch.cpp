#include "storage/settings_file_watch.h"

#include "common/log.h"
#include "storage/ini_files.h"
#include "storage/ini_format.h"
#include "storage/ini_merge.h"
#include "storage/ini_reader.h"

#include <QFileInfo>

settings_file_watch::settings_file_watch(QSettings &settings)
    : m_s(settings), m_path(QFileInfo(settings.fileName()).absoluteFilePath())
{
    take_base();
}

settings_file_watch::~settings_file_watch()
{
    ini_format::drop_baseline(m_path);
}

void settings_file_watch::take_base()
{
    const file_bytes now = file_settle::read(m_path, false);
    m_base = now.bytes;
    m_stamp = now.opened ? now.stamp : file_stamp::of(m_path);
    ini_format::set_baseline(m_path, m_base);
}

bool settings_file_watch::changed_on_disk() const
{
    return !(file_stamp::of(m_path) == m_stamp);
}

bool settings_file_watch::read_for_merge(file_bytes &disk)
{
    disk = file_settle::read(m_path, true);
    if (disk.opened && disk.settled) {
        ini_format::held_still(m_path, disk.stamp);
        return true;
    }
    if (!disk.opened && !file_stamp::of(m_path).exists)
        return true; // removed: a merge with an empty file
    ++m_waits;
    qCInfo(lc_settings).noquote() << m_path
                                  << (disk.opened ? "is being written by another program; merging later"
                                                  : "cannot be read; merging later");
    return false;
}

namespace {

class settings_side : public ini_merge_side
{
public:
    explicit settings_side(QSettings &s) : m_s(s) {}
    QVariant ours(const QString &key) const override { return m_s.value(key); }
    void take(const QString &key, const QVariant &value) override
    {
        if (value.isValid())
            m_s.setValue(key, value);
        else
            m_s.remove(key);
    }

private:
    QSettings &m_s;
};

} // namespace

void settings_file_watch::merge(const file_bytes &file)
{
    ++m_merges;
    const ini_read_result parsed = ini_reader::read(file.bytes);
    // A file removed outright is a removal of everything in it; a damaged
    // one, or one whose last line is cut off, says nothing about what is
    // missing from it.
    const bool removals =
        !file.opened ||
        (parsed.clean() && (file.bytes.isEmpty() || file.bytes.endsWith('\n') || file.bytes.endsWith('\r')));
    settings_side side(m_s);
    const ini_merge_counts n = ini_merge::merge(ini_reader::read(m_base).map, parsed.map, removals, side, m_path);
    m_taken_in += n.taken_in;
    m_conflicts += n.conflicts;
    m_kept_back += n.kept_back;
}

bool settings_file_watch::refresh()
{
    if (!changed_on_disk())
        return false;
    file_bytes disk;
    if (!read_for_merge(disk))
        return false;
    merge(disk);
    m_s.sync();
    take_base();
    return true;
}

bool settings_file_watch::disk_holds_ours() const
{
    const file_bytes disk = file_settle::read(m_path, false);
    if (!disk.opened)
        return false;
    const QSettings::SettingsMap on_disk = ini_reader::read(disk.bytes).map;
    const QStringList keys = m_s.allKeys();
    if (keys.size() != on_disk.size())
        return false;
    for (const QString &k : keys)
        if (!ini_merge::same(m_s.value(k), on_disk.value(k)))
            return false;
    return true;
}

QString settings_file_watch::why_not_written() const
{
    const QString refused = ini_format::refusal(m_path);
    return refused.isEmpty() ? ini_files::why_unwritable(m_path) : refused;
}

settings_file_watch::outcome settings_file_watch::sync()
{
    if (changed_on_disk()) {
        file_bytes disk;
        if (!read_for_merge(disk))
            return m_unsaved ? outcome::deferred : outcome::written;
        merge(disk);
    }
    const quint64 writes = ini_format::writes(m_path);
    const file_stamp before = file_stamp::of(m_path);
    m_s.sync();
    const bool wrote = ini_format::writes(m_path) != writes && !(file_stamp::of(m_path) == before);
    // Nothing to read back when the settings object had nothing to write.
    if (changed_on_disk())
        take_base();
    // The settings library keeps its error once set, so after a failure the
    // file itself must say whether our changes reached it (the library may
    // also have written them on its own in the meantime).
    if (!m_unsaved || wrote || m_s.status() == QSettings::NoError || disk_holds_ours()) {
        if (m_unsaved && wrote)
            ini_files::written_again(m_path);
        m_unsaved = false;
        return outcome::written;
    }
    if (ini_format::waits_for_writer(m_path))
        return outcome::deferred;
    ini_files::tell_unwritable(m_path, why_not_written());
    return outcome::failed;
}
