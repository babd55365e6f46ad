#include "platform/process_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace {

QString read_link(const QString &path)
{
    char target[PATH_MAX];
    const QByteArray link = QFile::encodeName(path);
    const ssize_t n = ::readlink(link.constData(), target, sizeof target);
    if (n <= 0)
        return {};
    return QFile::decodeName(QByteArray(target, n));
}

// The executable's path; the kernel appends " (deleted)" when the file has
// been removed or replaced since the process started.
QString exe_path(const QString &proc_dir)
{
    QString path = read_link(proc_dir + QStringLiteral("/exe"));
    static const QString deleted = QStringLiteral(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return path;
}

QString exe_name(const QString &proc_dir)
{
    return QFileInfo(exe_path(proc_dir)).fileName();
}

QStringList command_line(const QString &proc_dir)
{
    QFile file(proc_dir + QStringLiteral("/cmdline"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    const QList<QByteArray> parts = file.readAll().split('\0');
    for (const QByteArray &a : parts)
        args << QFile::decodeName(a);
    if (!args.isEmpty() && args.last().isEmpty())
        args.removeLast(); // the terminating zero
    return args;
}

// Kernel threads and processes of other users: their exe is not readable,
// but comm (truncated to 15 bytes) always is.
QString comm_name(const QString &proc_dir)
{
    QFile file(proc_dir + QStringLiteral("/comm"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

QList<qint64> process_ids()
{
    QList<qint64> pids;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && pid > 0)
            pids.append(pid);
    }
    std::sort(pids.begin(), pids.end());
    return pids;
}

} // namespace

QStringList process_names()
{
    const QList<qint64> pids = process_ids();
    QStringList names;
    names.reserve(pids.size());
    for (const qint64 pid : pids) {
        const QString dir = QStringLiteral("/proc/%1").arg(pid);
        QString name = exe_name(dir);
        if (name.isEmpty())
            name = comm_name(dir);
        // A process that ended between listing and reading leaves nothing.
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QList<process_entry> running_processes()
{
    QList<process_entry> list;
    for (const qint64 pid : process_ids()) {
        const QString dir = QStringLiteral("/proc/%1").arg(pid);
        process_entry p;
        p.exe = exe_path(dir);
        p.name = p.exe.isEmpty() ? comm_name(dir) : QFileInfo(p.exe).fileName();
        if (p.name.isEmpty())
            continue; // ended meanwhile
        p.args = command_line(dir);
        p.cwd = read_link(dir + QStringLiteral("/cwd"));
        list << p;
    }
    return list;
}
