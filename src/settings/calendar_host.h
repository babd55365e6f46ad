#pragma once
// What the settings dialog's calendar controls change on the running
// calendar and notes overview. Implemented where the calendar is composed;
// settings/ never sees calendar/ headers.

class calendar_host
{
public:
    // Re-reads the look from calendar.ini and applies it; a visible
    // calendar is hidden and shown again.
    virtual void refresh_calendar() = 0;
    // The resize grip; turning it off hides a visible grip.
    virtual void set_resize_control(bool on) = 0;
    // Dragging disabled, on the calendar and on the notes overview.
    virtual void set_fixed_position(bool on) = 0;
    virtual void set_show_overview(bool on) = 0;
    // Turning it on also moves the overview's start date to today.
    virtual void set_overview_from_today(bool on) = 0;
    virtual void repaint_overview() = 0;
    // Keeps the overview's geometry across the change of its window flags
    // and shows it again when it was visible.
    virtual void set_overview_on_top(bool on) = 0;

protected:
    ~calendar_host() = default;
};
