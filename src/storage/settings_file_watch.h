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
// What both sides changed from is the file as we last read or wrote it. It
// is kept as bytes and parsed only when another program did change the
// file, so a write of a large file costs the write and one read, not a
// walk over every key.
//
// The settings object must have no group open when these are called.

#include <QByteArray>
#include <QSettings>
#include <QString>

class settings_file_watch
{
public:
    explicit settings_file_watch(QSettings &settings);

    bool changed_on_disk() const;
    // Takes in the outside changes when the file changed. Returns whether
    // it did.
    bool refresh();
    // Writes our changes, merged with outside ones.
    void sync();

    // Keys taken from the file and conflicts resolved for us, since start.
    int taken_in() const { return m_taken_in; }
    int conflicts() const { return m_conflicts; }
    // Times the file was parsed to merge another program's edit.
    int merges() const { return m_merges; }

private:
    struct stamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 device = 0;
        qint64 inode = 0;
        qint64 mtime_ns = 0;
        qint64 ctime_ns = 0;
        friend bool operator==(const stamp &, const stamp &) = default;
    };
    stamp current() const;
    // The file's bytes now, and the stamp of exactly those bytes.
    QByteArray read_disk(stamp &st) const;
    void merge(const QByteArray &disk);

    QSettings &m_s;
    // The file as we last read or wrote it, and its stamp.
    QByteArray m_base;
    stamp m_stamp;
    int m_taken_in = 0;
    int m_conflicts = 0;
    int m_merges = 0;
};
