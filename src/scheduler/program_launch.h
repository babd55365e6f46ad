#pragma once
// Starting an event's program: the argument list, the working folder, the
// single-instance check and the detached start (never through a shell).

#include <QString>
#include <QStringList>

namespace program_launch {

// Split at every single space, keeping empty parts: "-a  -b" gives
// "-a", "", "-b"; an empty text gives one empty argument.
QStringList split_arguments(const QString &run_arg);

// run_cat, or the absolute folder of run_file when run_cat is empty.
QString working_folder(const QString &run_file, const QString &run_cat);

// Whether a process with run_file's file name runs: exact, case-sensitive.
bool is_running(const QString &run_file, const QStringList &process_names);

// Starts the program detached; the outcome is only logged.
bool start(const QString &run_file, const QStringList &arguments, const QString &folder);

} // namespace program_launch
