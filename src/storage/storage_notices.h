#pragma once
// What the storage layer has to tell the user: a settings file with lines
// it could not read, a file that cannot be written, a file too large to
// read. Each subject is told once per run, in a box through the prompts the
// composition hands in (logged in any case), so tests can answer it.
//
// This is the one process-wide pointer of the storage layer: the INI
// format's read and write run inside the toolkit's settings code, with no
// object of ours at hand.

#include <QString>

class user_prompts;

namespace storage_notices {

// Where boxes go; nullptr (the default) sends notices to the log only.
void set_prompts(user_prompts *prompts);

// Logs `text` and, the first time for `subject`, shows it in a box from
// the event loop (never from inside a settings read or write).
void tell_once(const QString &subject, const QString &text);
// Lets `subject` be told again (the trouble went away).
void forget(const QString &subject);
// Shows a box now, e.g. at exit; logs it too.
void tell_now(const QString &text);

} // namespace storage_notices
