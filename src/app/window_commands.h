#pragma once
// What the tray menu, a double click on the tray icon, a right click on the
// clock and the alarm tick do across the program's windows.

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

class alarm_setup;
class clock_tray;
class event_scheduler;
class my_calendar;
class my_notebook;
class orvella;
struct window_state;

class window_commands : public QObject
{
    Q_OBJECT
public:
    window_commands(orvella &clock, alarm_setup &setup, event_scheduler &scheduler, window_state &state);

    void set_tray(clock_tray *t) { m_tray = t; }
    void set_calendar(my_calendar *c) { m_calendar = c; }
    void set_notebook(my_notebook *n) { m_notebook = n; }

public slots:
    void toggle_calendar();
    void show_notebook();
    // Modal, unless it is already up.
    void open_settings();
    void about();
    // Clock and calendar back to the corner, the overview to the middle,
    // setup.dat and notebook_size.dat deleted.
    void restore_defaults();
    // Asks about unsaved notebook changes, stores positions, quits.
    void quit();
    // The session ends (the session manager asks for the program's data):
    // positions and geometry are written and unsaved notebook changes kept
    // as a draft, without a question.
    void keep_session();
    // A stop signal: keep_session(), then quit.
    void end_session();
    void icon_activated(QSystemTrayIcon::ActivationReason reason);
    void clock_right_clicked(QPoint global);
    // Today's notes near the lower right corner, when there are any.
    void show_today_stiker();
    // A note reminder: its sticker with the note sound of calendar.ini.
    void show_note_stiker(const QString &text);
    // The alarm timer and a wake from suspend: the calendar's day, then
    // the evaluation pass.
    void tick();

private:
    void store_positions();
    void show_calendar_with_today();

    orvella &m_clock;
    alarm_setup &m_setup;
    event_scheduler &m_scheduler;
    window_state &m_state;
    clock_tray *m_tray = nullptr;
    my_calendar *m_calendar = nullptr;
    my_notebook *m_notebook = nullptr;
};
