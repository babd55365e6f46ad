#pragma once
// Starting an event's program: the argument list, the working folder, the
// single-instance check and the detached start (never through a shell).

#include "platform/process_list.h"

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
// The same, and also a process whose executable is run_file with its links
// resolved (a link to a program under another name), or an interpreter
// running run_file as its script (sh, python3 ... with the script's path in
// the command line).
bool is_running_in(const QString &run_file, const QList<process_entry> &processes);

// Starts the program detached; the outcome is only logged.
bool start(const QString &run_file, const QStringList &arguments, const QString &folder);

} // namespace program_launch
