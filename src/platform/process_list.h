#pragma once
// Executable file names (no folder) of every process of this machine.

#include <QStringList>

QStringList process_names();
