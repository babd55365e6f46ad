#pragma once
// The processes of this machine, for the single-instance check of events.

#include <QList>
#include <QString>
#include <QStringList>

struct process_entry
{
    QString name;     // executable file name, no folder
    QString exe;      // executable path with links resolved; empty when unreadable
    QStringList args; // command line, first entry the program as started
    QString cwd;      // working folder, to resolve relative arguments
};

// Executable file names (no folder) of every process.
QStringList process_names();
// Every process with its executable path and command line where readable.
QList<process_entry> running_processes();
