#pragma once
// app_composition: the one place that creates, wires, owns and destroys the
// program's windows and services, in a fixed order (the constructor's) and
// its reverse.

#include "app/window_state.h"

#include <memory>

class alarm_setup;
class audio_player;
class calendar_link;
class clock_link;
class clock_tray;
class event_scheduler;
class my_calendar;
class my_notebook;
class reminder_mirror;
class orvella;
class search_module;
class shared_wake_timer;
class sleep_watch;
class sync_service;
class time_source;
class window_commands;

class app_composition
{
public:
    explicit app_composition(const time_source &clock);
    ~app_composition();
    app_composition(const app_composition &) = delete;
    app_composition &operator=(const app_composition &) = delete;

    orvella *clock_window() const { return m_clock.get(); }
    alarm_setup *settings_dialog() const { return m_setup.get(); }
    audio_player *alarm_player() const { return m_player.get(); }
    clock_tray *tray() const { return m_tray.get(); }
    event_scheduler *scheduler() const { return m_scheduler.get(); }
    my_calendar *calendar() const { return m_calendar; }
    my_notebook *notebook() const { return m_notebook.get(); }
    window_commands *commands() const { return m_commands.get(); }
    sync_service *sync() const { return m_sync.get(); }
    search_module *search() const { return m_search.get(); }
    // What the settings dialog changes on the clock and the windows it sets flags on.
    clock_link *hosts() const { return m_clock_link.get(); }
    const window_state &state() const { return m_state; }

private:
    void check_data_folder();
    void create_clock();
    void create_scheduler();
    void create_calendar();
    void create_notebook();
    void create_tray();
    void create_sync();
    void create_search();

    const time_source &m_time;
    window_state m_state;
    std::unique_ptr<alarm_setup> m_setup;
    std::unique_ptr<audio_player> m_player;
    std::unique_ptr<orvella> m_clock;
    std::unique_ptr<clock_link> m_clock_link;
    std::unique_ptr<event_scheduler> m_scheduler;
    std::unique_ptr<window_commands> m_commands;
    // A child of the clock while the clock is pinned to the desktop.
    my_calendar *m_calendar = nullptr;
    std::unique_ptr<calendar_link> m_calendar_link;
    std::unique_ptr<my_notebook> m_notebook;
    std::unique_ptr<clock_tray> m_tray;
    std::unique_ptr<shared_wake_timer> m_alarm_timer;
    std::unique_ptr<sleep_watch> m_sleep_watch;
    std::unique_ptr<sync_service> m_sync;
    // Reminders in the desktop's notification centre, beside the stickers.
    std::unique_ptr<reminder_mirror> m_mirror;
    std::unique_ptr<search_module> m_search;
};
