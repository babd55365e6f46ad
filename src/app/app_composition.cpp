#include "app/app_composition.h"

#include "app/calendar_link.h"
#include "app/clock_link.h"
#include "app/window_commands.h"
#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/notes_store.h"
#include "clock/clock_tray.h"
#include "clock/clock_window.h"
#include "common/shared_wake_timer.h"
#include "common/user_prompts.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_entry.h"
#include "platform/audio_player.h"
#include "platform/desktop_notifier.h"
#include "platform/sleep_watch.h"
#include "scheduler/event_scheduler.h"
#include "scheduler/reminder_mirror.h"
#include "search/search_module.h"
#include "search/search_window.h"
#include "scheduler/scheduler_page.h"
#include "settings/alarm_setup.h"
#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "storage/data_folder_check.h"
#include "storage/storage_notices.h"
#include "sync/sync_page.h"
#include "sync/sync_service.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyleFactory>
#include <QSystemTrayIcon>

namespace {
// The scheduler's pass: every five seconds, or up to a second sooner on a
// wakeup of the clock's.
constexpr int pass_ms = 5000;
constexpr int pass_early_ms = 1050;
} // namespace

app_composition::app_composition(const time_source &clock) : m_time(clock)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCoreApplication::addLibraryPath(data_folder::plugin_folder());
    // Damaged, unwritable or oversized settings files are told in boxes.
    storage_notices::set_prompts(&user_prompts::standard());

    m_setup = std::make_unique<alarm_setup>(nullptr);
    m_player = audio_player::create();
    check_data_folder();
    create_clock();
    create_scheduler();
    create_tray();
    create_calendar();
    create_notebook();
    create_sync();
    create_search();
    m_alarm_timer->start(pass_ms, pass_early_ms);
}

app_composition::~app_composition()
{
    m_alarm_timer.reset();
    m_sleep_watch.reset();
    if (m_scheduler)
        m_scheduler->set_gate(nullptr);
    if (m_calendar)
        m_calendar->set_note_gate({});
    m_search.reset(); // its thread ends before the windows it opens go
    m_sync.reset();
    m_tray.reset(); // menu, icon, actions
    m_calendar_link.reset();
    delete m_calendar;
    m_calendar = nullptr;
    m_notebook.reset();
    m_commands.reset();
    m_clock_link.reset();
    m_setup.reset();
    if (m_player) {
        m_player->release();
        m_player.reset();
    }
    if (m_scheduler)
        m_scheduler->actions().set_mirror(nullptr);
    m_mirror.reset();
    m_scheduler.reset();
    m_clock.reset();
    storage_notices::set_prompts(nullptr);
}

void app_composition::check_data_folder()
{
    const data_folder_check::outcome folder = data_folder_check::run(nullptr);
    if (folder == data_folder_check::outcome::restored || folder == data_folder_check::outcome::created) {
        // Pick up the restored files now rather than only after a restart.
        m_setup->clock_ini().sync();
        m_setup->alarm_ini().sync();
    }
}

void app_composition::create_clock()
{
    clock_settings &s = m_setup->clock();
    m_clock = std::make_unique<orvella>(m_time, s);
    m_state.show_calendar = s.get(clock_keys::show_calendar);
    m_state.do_today = s.get(clock_keys::do_today).on;
    m_state.top_cal = s.get(clock_keys::top_cal);
    m_state.autorun = s.get(clock_keys::autorun);

    m_setup->set_pristine_pictures(m_clock->pristine_pictures());
    QObject::connect(m_clock.get(), &orvella::pristine_pictures_changed, m_setup.get(),
                     &alarm_setup::set_pristine_pictures);
    m_clock_link = std::make_unique<clock_link>(*m_clock, m_state, *m_setup);
    m_setup->set_clock_host(m_clock_link.get());
    m_setup->set_face_host(m_clock_link.get());
}

void app_composition::create_scheduler()
{
    m_scheduler = std::make_unique<event_scheduler>(m_setup->alarm_ini(), m_time, m_player.get(), m_clock.get());
    clock_settings &settings = m_setup->clock();
    m_mirror = std::make_unique<reminder_mirror>([&settings] { return settings.get(clock_keys::desktop_notify); },
                                                 [] {
                                                     auto n = std::make_unique<desktop_notifier>();
                                                     n->set_icon(QImage(QStringLiteral(":/icons/iconka.png")));
                                                     return n;
                                                 });
    m_scheduler->actions().set_mirror(m_mirror.get());
    m_scheduler->evaluator().set_catch_up_hours(m_setup->clock().get(clock_keys::catch_up_hours));
    // Start-up: re-anchors the interval events, before the first tick.
    m_scheduler->evaluator().rebase_tasks();
    m_setup->attach_event_store(m_scheduler->store(), m_time);

    m_commands = std::make_unique<window_commands>(*m_clock, *m_setup, *m_scheduler, m_state);
    // Every five seconds, on one of the clock's ticks when there is one.
    m_alarm_timer = std::make_unique<shared_wake_timer>();
    QObject::connect(m_alarm_timer.get(), &shared_wake_timer::timeout, m_commands.get(), &window_commands::tick);
    // After a suspend, catch missed reminders up at once.
    m_sleep_watch = std::make_unique<sleep_watch>();
    QObject::connect(m_sleep_watch.get(), &sleep_watch::resumed, m_commands.get(), &window_commands::tick);
    QObject::connect(m_clock.get(), &orvella::right_clicked, m_commands.get(), &window_commands::clock_right_clicked);
}

void app_composition::create_tray()
{
    m_tray = std::make_unique<clock_tray>(m_clock.get());
    m_commands->set_tray(m_tray.get());
    using command = clock_tray::command;
    window_commands *c = m_commands.get();
    const auto on = [this](command which, auto slot) {
        QObject::connect(m_tray->action(which), &QAction::triggered, m_commands.get(), slot);
    };
    QObject::connect(m_tray->action(command::clock), &QAction::triggered, m_clock.get(), &orvella::do_state);
    on(command::calendar, &window_commands::toggle_calendar);
    on(command::notes, &window_commands::show_notebook);
    on(command::settings, &window_commands::open_settings);
    on(command::about, &window_commands::about);
    on(command::defaults, &window_commands::restore_defaults);
    on(command::exit, &window_commands::quit);
    QObject::connect(m_tray->icon(), &QSystemTrayIcon::activated, c, &window_commands::icon_activated);
}

void app_composition::create_calendar()
{
    // A clock pinned to the desktop takes the calendar along as its child.
    const bool pinned = m_clock->desktop_flag(clock_host::flag_id::ignore_win_key);
    m_calendar = calendar_module::create(m_time, pinned ? m_clock.get() : nullptr);
    m_clock_link->set_calendar(m_calendar);
    m_commands->set_calendar(m_calendar);

    clock_settings &s = m_setup->clock();
    m_calendar->set_fixed_position(s.get(clock_keys::fix_cal_on_mouse));
    m_calendar->overview()->set_fixed_position(s.get(clock_keys::fix_cal_on_mouse));
    m_calendar->set_resize_control(s.get(clock_keys::view_resize_control));
    m_clock_link->reapply_window_flags(clock_host::window_id::calendar);
    QObject::connect(m_calendar, &my_calendar::doshowNotes, m_commands.get(), &window_commands::show_note_stiker);
    if (m_clock->start_mode() == 1 || m_clock->start_mode() == 2) {
        m_calendar->show();
        m_calendar->slide_in();
        if (m_state.do_today)
            m_commands->show_today_stiker();
    }

    m_calendar_link = std::make_unique<calendar_link>(m_calendar);
    m_setup->set_calendar_host(m_calendar_link.get());
}

void app_composition::create_notebook()
{
    m_notebook.reset(create_notebook_window());
    m_clock_link->set_notebook(m_notebook.get());
    m_clock_link->reapply_window_flags(clock_host::window_id::notebook);
    m_commands->set_notebook(m_notebook.get());
}

void app_composition::create_sync()
{
    m_sync = std::make_unique<sync_service>(m_scheduler->store(), m_calendar->store(),
                                            data_folder::file(QStringLiteral("//sync.ini")));
    m_scheduler->set_gate(m_sync->gate());
    m_calendar->set_note_gate(
        [s = m_sync.get()](QDate d, const QString &key, const QDateTime &minute, std::function<void(bool)> decide) {
            s->claim_note(d, key, minute, std::move(decide));
        });
    if (m_sync->current().configured())
        m_scheduler->actions().set_machine(m_sync->machine());
    sync_service *sync = m_sync.get();
    m_setup->set_shared_events(sync->current().configured());
    QObject::connect(sync, &sync_service::finished, m_calendar, [this] {
        m_scheduler->actions().set_machine(m_sync->machine());
        m_setup->set_shared_events(true);
    });
    QObject::connect(sync, &sync_service::data_changed, m_calendar, [this] {
        m_calendar->store().reload_dates();
        m_calendar->update();
        if (m_setup->isVisible())
            m_setup->page()->prepare();
    });
    QObject::connect(
        sync, &sync_service::reachability_changed, m_tray.get(), [this](bool reachable, const QString &why) {
            m_tray->icon()->setToolTip(reachable ? QStringLiteral("Orvella")
                                                 : QStringLiteral("Orvella\nСервер календаря недоступен: ") + why);
        });

    auto *page = new sync_page(*sync);
    m_setup->add_page(page, QStringLiteral("Синхронизация"), page->tab_order());
    // File exchange under the scheduler page's buttons and in the overview's menu.
    auto *exp = new QPushButton(QStringLiteral("Экспорт в iCalendar…"));
    auto *imp = new QPushButton(QStringLiteral("Импорт из iCalendar…"));
    exp->setObjectName(QStringLiteral("scheduler_export"));
    imp->setObjectName(QStringLiteral("scheduler_import"));
    m_setup->add_scheduler_buttons({exp, imp});
    QWidget *dialog = m_setup.get();
    QObject::connect(exp, &QPushButton::clicked, sync, [sync, dialog] { sync->export_with_dialog(dialog); });
    QObject::connect(imp, &QPushButton::clicked, sync, [this, sync, dialog] {
        sync->import_with_dialog(dialog);
        m_setup->page()->prepare();
    });
    my_monitor *overview = m_calendar->overview();
    QObject::connect(overview, &my_monitor::export_requested, sync,
                     [sync, overview] { sync->export_with_dialog(overview); });
    QObject::connect(overview, &my_monitor::import_requested, sync, [sync, overview] {
        sync->import_with_dialog(overview);
        overview->fill();
    });
}

void app_composition::create_search()
{
    m_search = std::make_unique<search_module>(m_calendar->store(), data_folder::path() + "/notebook.db");
    search_module *search = m_search.get();
    const auto open = [search] { search->show(); };
    QObject::connect(m_tray->action(clock_tray::command::search), &QAction::triggered, search, open);
    QObject::connect(m_calendar, &my_calendar::search_requested, search, open);
    QObject::connect(m_notebook.get(), &my_notebook::search_requested, search, open);
    search_window *w = search->window();
    my_calendar *calendar = m_calendar;
    QObject::connect(w, &search_window::note_chosen, calendar, [calendar](QDate date, const QString &) {
        calendar->go_note(date.toString(QStringLiteral("yyyy-MM-dd")));
    });
    my_notebook *notebook = m_notebook.get();
    QObject::connect(w, &search_window::page_chosen, notebook, [notebook](qint64 id) { notebook->show_page(id); });
}
