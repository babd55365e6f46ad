#include "storage/file_stamp.h"

#include <QDateTime>
#include <QFile>
#include <QThread>

#include <sys/stat.h>

namespace {

file_stamp from(const struct stat &st)
{
    return {true,
            S_ISREG(st.st_mode),
            qint64(st.st_size),
            qint64(st.st_dev),
            qint64(st.st_ino),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

} // namespace

file_stamp file_stamp::of(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return from(st);
}

file_stamp file_stamp::of(int fd)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return {};
    return from(st);
}

qint64 file_stamp::age_ms() const
{
    return QDateTime::currentMSecsSinceEpoch() - mtime_ns / 1000000;
}

namespace file_settle {

bool holds_still(int fd, qint64 bytes_read, file_stamp &stamp)
{
    stamp = file_stamp::of(fd);
    if (!stamp.exists || stamp.size != bytes_read)
        return false;
    const qint64 age = stamp.age_ms();
    if (age >= settle_ms || age < -1000) // a clock far behind the file's: no writer to wait for
        return true;
    QThread::msleep(ulong(settle_ms - qMax<qint64>(age, 0)));
    return file_stamp::of(fd) == stamp;
}

file_bytes read(const QString &path, bool wait_for_writer)
{
    file_bytes r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    // The stamp of the open file, so a replacement landing between a stat
    // and the read cannot pair one file's stamp with another's bytes.
    const file_stamp before = file_stamp::of(f.handle());
    if (!before.regular)
        return r;
    r.opened = true;
    r.bytes = f.readAll();
    if (wait_for_writer) {
        r.settled = holds_still(f.handle(), r.bytes.size(), r.stamp) && r.stamp == before;
    } else {
        r.stamp = file_stamp::of(f.handle());
        r.settled = r.stamp.size == r.bytes.size();
    }
    return r;
}

} // namespace file_settle
