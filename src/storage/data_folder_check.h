#pragma once
// Makes sure the data folder holds the program's files: a new user's folder
// is made from the installation folder without a word; a folder that lost
// clock.ini, calendar.ini or the GIF plug-in gets what is missing back, and
// the user is told.

class QWidget;

namespace data_folder_check {

enum class outcome
{
    complete,
    created, // there was no data folder yet: made silently
    restored,
    installation_missing,
    restore_failed
};

// Checks and, when needed, restores; tells the user in a box on parent,
// except when the folder did not exist at all.
outcome run(QWidget *parent);

// The first start of a new user: when the data folder does not exist and
// can be made, fills it from the installation and logs one line. Returns
// whether it did. Called before anything reads the folder (translation,
// plug-ins), so the first start looks like every later one.
bool create_if_absent(QWidget *parent);

bool is_complete();

// Logs once when others can read the data folder (its mode is the user's
// to choose; run() looks at every start).
void say_if_readable_by_others();

} // namespace data_folder_check
