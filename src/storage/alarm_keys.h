#pragma once
// Every key of alarm.ini. The file holds nothing but events, one group each,
// named by the event's creation second; these are the keys inside such a
// group, with their stored form and the two defaults in use: the evaluation
// pass and the scheduler page read absent keys differently (repeat_min is 0
// for the pass, 1 for the page).

#include "storage/typed_settings.h"

#include <QString>

template <class T>
struct event_field
{
    const char *name;
    T for_pass;
    T for_page;

    // Keys are addressed by bare name from inside the event's group.
    ini_key<T> pass() const { return {"", name, for_pass}; }
    ini_key<T> page() const { return {"", name, for_page}; }
};

namespace event_keys {

inline const event_field<QString> name{"name", {}, {}};
inline const event_field<QString> time{"time", {}, {}}; // "HH:mm"; mode 5: "00:" + repeat_min
inline const event_field<QString> date{"date", {}, {}}; // "dd.MM.yyyy"
inline const event_field<int> repeat{"repeat", 0, 0};   // 0..5
inline const event_field<QString> alarmmessage{"alarmmessage", {}, {}};
inline const event_field<QString> soundfile{"soundfile", {}, {}};
inline const event_field<QString> run_file{"run_file", {}, {}};
inline const event_field<QString> run_arg{"run_arg", {}, {}};
inline const event_field<QString> run_cat{"run_cat", {}, {}};
inline const event_field<int> repeat_min{"repeat_min", 0, 1};
inline const event_field<bool> beep_pc{"beep_pc", false, false};
inline const event_field<bool> disable{"disable", false, false};
inline const event_field<bool> do_find{"do_find", false, false};
// Only the pass reads it; an absent or unreadable value means "never fired".
inline const event_field<QString> lastrun{"lastrun", QStringLiteral("00:00:0000:00:00"),
                                          QStringLiteral("00:00:0000:00:00")};
// The same moment as seconds since 1970. lastrun alone is ambiguous in the
// hour repeated when daylight-saving time ends; other programs that write
// lastrun leave this key behind, so it counts only while both agree.
inline const event_field<QString> lastrun_utc{"lastrun_utc", {}, {}};
// For calendar exchange: the event's iCalendar UID, the machine that made
// it (its program runs only there) unless run_everywhere is on.
inline const event_field<QString> uid{"uid", {}, {}};
inline const event_field<QString> origin{"origin", {}, {}};
inline const event_field<bool> run_everywhere{"run_everywhere", false, false};

// day_1 = Monday ... day_7 = Sunday; month_1 = January ... month_12.
inline const event_field<bool> day[7] = {{"day_1", false, false}, {"day_2", false, false}, {"day_3", false, false},
                                         {"day_4", false, false}, {"day_5", false, false}, {"day_6", false, false},
                                         {"day_7", false, false}};
inline const event_field<bool> month[12] = {
    {"month_1", false, false}, {"month_2", false, false},  {"month_3", false, false},  {"month_4", false, false},
    {"month_5", false, false}, {"month_6", false, false},  {"month_7", false, false},  {"month_8", false, false},
    {"month_9", false, false}, {"month_10", false, false}, {"month_11", false, false}, {"month_12", false, false}};

// Repeat modes: the index of the repeat combo box.
enum repeat_mode : int
{
    once = 0,
    daily = 1,
    monthly = 2,
    yearly = 3,
    after_interval = 4,
    minute_cycle = 5
};

} // namespace event_keys
