#include "scheduler/program_launch.h"

#include "common/log.h"

#include <QFileInfo>
#include <QProcess>

namespace program_launch {

QStringList split_arguments(const QString &run_arg)
{
    return run_arg.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

QString working_folder(const QString &run_file, const QString &run_cat)
{
    if (!run_cat.isEmpty())
        return run_cat;
    return QFileInfo(run_file).absolutePath();
}

bool is_running(const QString &run_file, const QStringList &process_names)
{
    // Paths written on another system may use backslashes.
    QString name = run_file;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = QFileInfo(name).fileName();
    return process_names.contains(name, Qt::CaseSensitive);
}

bool start(const QString &run_file, const QStringList &arguments, const QString &folder)
{
    qint64 pid = 0;
    const bool ok = QProcess::startDetached(run_file, arguments, folder, &pid);
    if (ok)
        qCInfo(lc_scheduler).noquote() << "started" << run_file << "as process" << pid << "in" << folder;
    else
        qCWarning(lc_scheduler).noquote() << "cannot start" << run_file << "in" << folder;
    return ok;
}

} // namespace program_launch
