#pragma once
// Makes sure the data folder holds the program's files, restoring it from
// the installation folder when clock.ini, calendar.ini or the GIF plug-in
// is missing.

class QWidget;

namespace data_folder_check {

enum class outcome
{
    complete,
    restored,
    installation_missing,
    restore_failed
};

// Checks and, when needed, restores; tells the user in a box on parent.
outcome run(QWidget *parent);

bool is_complete();

} // namespace data_folder_check
