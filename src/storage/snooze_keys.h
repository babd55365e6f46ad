#pragma once
// Every key of snooze.ini. One group per reminder put off, named by the
// second it was put off (the next free one when taken); these are the keys
// inside such a group, declared without one so that typed_settings reads
// them inside the group open.

#include "storage/typed_settings.h"

namespace snooze_keys {

// Seconds since 1970 when the reminder comes back, as text: a group without
// a readable number is shown at once rather than kept forever.
inline const ini_key<QString> due{"", "due", QString()};
// The same moment as local time, for people reading the file; never read.
inline const ini_key<QString> due_at{"", "due_at", QString()};
inline const ini_key<QString> text{"", "text", QString()};
inline const ini_key<QString> skin{"", "skin", QString()};
inline const ini_key<QString> sound{"", "sound", QString()};

// The form of due_at.
inline constexpr const char *due_at_format = "dd.MM.yyyy HH:mm";

} // namespace snooze_keys
