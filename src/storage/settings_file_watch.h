#pragma once
// settings_file_watch: keeps a long-lived settings object in step with its
// file when other programs (a text editor, a sync tool, the Windows
// program) write it too.
//
// changed_on_disk() is one stat() of the file, cheap enough for every tick.
// refresh() takes in what another program changed, key by key: a key
// changed only on disk takes the disk's value, a key changed only here
// keeps ours, and a key changed on both sides keeps ours and logs the value
// it replaced. sync() does the same before it writes, so our atomic write
// never throws away an edit made just before it.
//
// A merge takes only what the file gives evidence for. A file another
// program is still writing (its size or time changing) is not merged at
// all: the merge, and our write, wait for a later call. A file that cannot
// be read, or that is damaged (lines that do not parse, a last line cut
// off), adds and changes keys but removes none; the keys it lacks are
// written back.
//
// What both sides changed from is the file as we last read or wrote it. It
// is kept as bytes and parsed only when another program did change the
// file, so a write of a large file costs the write and one read, not a
// walk over every key.
//
// The settings object must have no group open when these are called.

#include "storage/file_stamp.h"
#include "storage/ini_merge.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

class settings_file_watch
{
public:
    explicit settings_file_watch(QSettings &settings);
    ~settings_file_watch();
    settings_file_watch(const settings_file_watch &) = delete;
    settings_file_watch &operator=(const settings_file_watch &) = delete;

    using outcome = ini_write_outcome;

    bool changed_on_disk() const;
    // Takes in the outside changes when the file changed. Returns whether
    // it did.
    bool refresh();
    // The owner changed the settings object; the next sync() must write.
    void note_change() { m_unsaved = true; }
    // Writes our changes, merged with outside ones.
    outcome sync();
    // Changes made here and not yet on disk.
    bool unsaved() const { return m_unsaved; }

    // Keys taken from the file and conflicts resolved for us, since start.
    int taken_in() const { return m_taken_in; }
    int conflicts() const { return m_conflicts; }
    // Keys a damaged file lacked that were kept and written back.
    int kept_back() const { return m_kept_back; }
    // Times the file was parsed to merge another program's edit.
    int merges() const { return m_merges; }
    // Times a merge waited for another program to finish writing.
    int waits() const { return m_waits; }

private:
    // Reads the file for a merge; false when it must wait.
    bool read_for_merge(file_bytes &disk);
    void merge(const file_bytes &disk);
    void take_base();
    bool disk_holds_ours() const;
    QString why_not_written() const;

    QSettings &m_s;
    QString m_path;
    // The file as we last read or wrote it, and its stamp.
    QByteArray m_base;
    file_stamp m_stamp;
    bool m_unsaved = false;
    int m_taken_in = 0;
    int m_conflicts = 0;
    int m_kept_back = 0;
    int m_merges = 0;
    int m_waits = 0;
};
