#pragma once
// ini_document: a settings file held in memory as its keys, written back
// whole by our writer, and kept in step with the file when other programs
// (a text editor, a sync tool, the Windows program) change it.
//
// Keys are full paths ("group/key"). A change made here is in memory at
// once and on disk at the next save(), which writes only when something
// changed. changed_on_disk() is one stat(); refresh() takes in another
// program's edit key by key (ini_merge), and save() does the same before
// it writes, so our atomic write never throws away an edit made just
// before it.
//
// A merge takes only what the file gives evidence for: a file another
// program is still writing is not read until it holds still; a damaged
// file (lines that do not parse, a last line cut off) adds and changes
// keys but removes none; a file that cannot be read at all is not merged
// and not written over. A damaged file is copied to "<name>.unreadable"
// before it is first replaced, and the user is told once. A file past its
// size limits (ini_limits) is neither read nor written.

#include "storage/file_stamp.h"
#include "storage/ini_merge.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QString>
#include <QStringList>

class ini_document
{
public:
    explicit ini_document(const QString &path);
    ini_document(const ini_document &) = delete;
    ini_document &operator=(const ini_document &) = delete;

    const QString &path() const { return m_path; }

    QVariant value(const QString &key) const { return m_keys.value(key); }
    bool contains(const QString &key) const { return m_keys.contains(key); }
    // Returns whether the stored value changed.
    bool set(const QString &key, const QVariant &value);
    // Removes a key and every key below it; returns whether any was there.
    bool remove(const QString &key);
    // Top-level groups, sorted.
    const QStringList &groups() const;
    // The keys directly inside a group, sorted.
    QStringList child_keys(const QString &group) const;
    const QSettings::SettingsMap &keys() const { return m_keys; }

    bool changed_on_disk() const;
    // Takes in what another program changed, when the file changed and
    // holds still. True when it did.
    bool refresh();
    // Writes our changes, merged with outside ones; nothing when nothing
    // changed.
    ini_write_outcome save();
    // save() for the last time: a writer at work is waited for (a few
    // seconds at most) rather than left for a later try.
    ini_write_outcome save_at_exit();
    // Changes made here and not yet on disk.
    bool unsaved() const { return m_unsaved; }
    // Grows with every change of content, ours or taken in.
    quint64 revision() const { return m_revision; }
    // The file is past its size limits: neither read nor written.
    bool refused() const { return m_refused; }

    int taken_in() const { return m_counts.taken_in; }
    int conflicts() const { return m_counts.conflicts; }
    int kept_back() const { return m_counts.kept_back; }
    // Times the file was parsed to merge another program's edit.
    int merges() const { return m_merges; }
    // Times a merge or a write waited for another program to finish.
    int waits() const { return m_waits; }
    // The last save: forming the bytes, and handing them to the file
    // (an atomic replace that waits for the disk).
    struct save_timing
    {
        qint64 render_ns = 0;
        qint64 write_ns = 0;
    };
    save_timing last_save() const { return m_last_save; }

private:
    class side;
    // Reads the file (at start, or after a refusal) from scratch.
    void load();
    // Checks a file's size against its limits; true when it is refused.
    bool over_limits(qint64 bytes, int groups, int keys);
    bool read_for_merge(file_bytes &disk);
    void merge(const file_bytes &disk);
    void changed(bool groups);
    void touch(const QString &key);
    // The file's bytes for what the document holds: the sections of groups
    // unchanged since the last save copied from it, the others written.
    QByteArray render();
    QByteArray render_all();

    QString m_path;
    QSettings::SettingsMap m_keys;
    // The file as we last read or wrote it, and its stamp.
    QByteArray m_base;
    file_stamp m_stamp;
    // The last read may have been of a file still being written.
    bool m_unsettled = false;
    // The file on disk did not parse cleanly: keep it aside before a save.
    bool m_keep_aside = false;
    // The file is there but could not be read: never written over.
    bool m_unreadable = false;
    bool m_refused = false;
    QString m_refusal;
    bool m_unsaved = false;
    bool m_failing = false;
    quint64 m_revision = 0;
    mutable QStringList m_groups;
    mutable bool m_groups_known = false;
    // Where each group's section lies in m_base, when we wrote m_base, and
    // the groups changed since.
    struct span
    {
        qsizetype offset = 0;
        qsizetype size = 0;
        qsizetype keys = 0;
    };
    QHash<QString, span> m_spans;
    QSet<QString> m_touched;
    bool m_base_is_ours = false;
    ini_merge_counts m_counts;
    int m_merges = 0;
    int m_waits = 0;
    save_timing m_last_save;
};
