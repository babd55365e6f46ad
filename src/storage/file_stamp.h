#pragma once
// What a stat() says about a settings file, and the test for a file that
// another program may be writing in place: one whose size is not the size
// just read, or that changed over a short wait after a recent change.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct file_stamp
{
    bool exists = false;
    bool regular = false;
    qint64 size = 0;
    qint64 device = 0;
    qint64 inode = 0;
    qint64 mtime_ns = 0;
    qint64 ctime_ns = 0;
    friend bool operator==(const file_stamp &, const file_stamp &) = default;

    static file_stamp of(const QString &path);
    static file_stamp of(int fd);
    // Milliseconds since the last change, by the wall clock.
    qint64 age_ms() const;
};

namespace file_settle {

// A change younger than this may be followed by more of the same write.
constexpr int settle_ms = 100;

// True when the file behind `fd`, of which `bytes_read` were just read,
// holds still: the size matches and, if it changed less than settle_ms
// ago, it has not changed again by the time that has passed (this waits
// at most settle_ms). `stamp` gets the stamp of the bytes read.
bool holds_still(int fd, qint64 bytes_read, file_stamp &stamp);

} // namespace file_settle

// A whole file and the stamp of exactly those bytes.
struct file_bytes
{
    bool opened = false; // a regular file, opened and read
    QByteArray bytes;
    file_stamp stamp;
    bool settled = false; // only looked at when asked for
};

namespace file_settle {

// Reads `path`; with `wait_for_writer`, also tells whether it holds still.
file_bytes read(const QString &path, bool wait_for_writer);

} // namespace file_settle
