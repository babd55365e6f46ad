#pragma once
// The calendar subsystem's entry point: the notes store on my_notes.ini and
// the calendar window (with its note editor and notes overview) over it.

class QWidget;
class my_calendar;
class time_source;

namespace calendar_module {

// The window owns the store. `parent` is the clock window when the clock is
// pinned to the desktop, else nullptr.
my_calendar *create(const time_source &clock, QWidget *parent);

} // namespace calendar_module
