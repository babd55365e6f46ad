#include "scheduler/program_launch.h"

#include "common/log.h"

#include <QDir>
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

namespace {

// Paths written on another system may use backslashes.
QString file_name(const QString &run_file)
{
    QString path = run_file;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(path).fileName();
}

// Whether an interpreter's command line names `script`: the first few
// arguments after the interpreter that are not options ("sh -e x.sh",
// "python3 -u x.py", "env x.sh" through a #! line).
bool runs_script(const process_entry &p, const QString &script, const QStringList &names)
{
    const int last = qMin<int>(p.args.size(), 4);
    for (int i = 1; i < last; ++i) {
        const QString &a = p.args[i];
        if (a.isEmpty() || a.startsWith(QLatin1Char('-')))
            continue;
        // Only an argument with the script's name is worth a look at the disk.
        if (!names.contains(QFileInfo(a).fileName()))
            continue;
        const QFileInfo fi(QDir::isAbsolutePath(a) || p.cwd.isEmpty() ? a : p.cwd + QLatin1Char('/') + a);
        if (fi.canonicalFilePath() == script)
            return true;
    }
    return false;
}

} // namespace

bool is_running(const QString &run_file, const QStringList &process_names)
{
    return process_names.contains(file_name(run_file), Qt::CaseSensitive);
}

bool is_running_in(const QString &run_file, const QList<process_entry> &processes)
{
    const QString name = file_name(run_file);
    const QString resolved = QFileInfo(run_file).canonicalFilePath();
    QStringList names{name};
    if (!resolved.isEmpty())
        names << QFileInfo(resolved).fileName();
    for (const process_entry &p : processes) {
        if (p.name == name)
            return true;
        if (resolved.isEmpty())
            continue;
        if (p.exe == resolved || runs_script(p, resolved, names))
            return true;
    }
    return false;
}

bool start(const QString &run_file, const QStringList &arguments, const QString &folder)
{
    qint64 pid = 0;
    const bool ok = QProcess::startDetached(run_file, arguments, folder, &pid);
    if (ok)
        qCDebug(lc_scheduler).noquote() << "started" << run_file << "as process" << pid << "in" << folder;
    else
        qCWarning(lc_scheduler).noquote() << "cannot start" << run_file << "in" << folder;
    return ok;
}

} // namespace program_launch
