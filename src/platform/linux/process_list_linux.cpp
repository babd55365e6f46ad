#include "platform/process_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace {

// The executable's file name; the kernel appends " (deleted)" when the file
// has been removed or replaced since the process started.
QString exe_name(const QString &proc_dir)
{
    char target[PATH_MAX];
    const QByteArray link = QFile::encodeName(proc_dir + QStringLiteral("/exe"));
    const ssize_t n = ::readlink(link.constData(), target, sizeof target);
    if (n <= 0)
        return {};
    QString path = QFile::decodeName(QByteArray(target, n));
    static const QString deleted = QStringLiteral(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return QFileInfo(path).fileName();
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

} // namespace

QStringList process_names()
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
