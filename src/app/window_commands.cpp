#include "app/window_commands.h"

#include "app/window_state.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/notes_store.h"
#include "clock/clock_tray.h"
#include "clock/clock_window.h"
#include "common/log.h"
#include "notebook/my_notebook.h"
#include "scheduler/event_scheduler.h"
#include "settings/alarm_setup.h"
#include "storage/data_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

window_commands::window_commands(orvella &clock, alarm_setup &setup, event_scheduler &scheduler, window_state &state)
    : m_clock(clock), m_setup(setup), m_scheduler(scheduler), m_state(state)
{}

void window_commands::show_calendar_with_today()
{
    m_calendar->show();
    if (m_state.do_today)
        show_today_stiker();
}

void window_commands::toggle_calendar()
{
    if (!m_calendar)
        return;
    if (m_calendar->isVisible())
        m_calendar->hide();
    else
        show_calendar_with_today();
    QCoreApplication::processEvents();
}

void window_commands::show_notebook()
{
    if (m_notebook)
        m_notebook->show();
}

void window_commands::open_settings()
{
    if (!m_setup.isVisible())
        m_setup.exec();
}

void window_commands::about()
{
    QMessageBox::about(nullptr, tr("О программе"),
                       tr("<h3>Orvella, версия 1.07</h3>"
                          "<p>Настольные часы с планировщиком событий, календарём заметок и блокнотом.</p>"
                          "<p>Пожелания: <a href=\"mailto:orvella@users.noreply.invalid\">"
                          "orvella@users.noreply.invalid</a></p>"
                          "Использована библиотека поддержки аудио: "
                          "<a href=\"https://ffmpeg.org\">FFmpeg</a> (декодирование) и "
                          "<a href=\"https://www.freedesktop.org/wiki/Software/PulseAudio/\">PulseAudio</a> (вывод звука)"
                          "<p>Сайт программы: <a href=\"https://orvella.invalid\">orvella.invalid</a></p>"));
}

void window_commands::store_positions()
{
    m_clock.save_position();
    m_setup.clock_ini().sync();
    if (m_calendar) {
        m_calendar->save_position();
        m_calendar->ini().sync();
    }
}

void window_commands::quit()
{
    // Exit asks about a notebook page with unsaved changes first.
    if (m_notebook && !m_notebook->settle_unsaved())
        return;
    store_positions();
    QCoreApplication::processEvents();
    QCoreApplication::quit();
}

void window_commands::keep_session()
{
    store_positions();
    if (m_notebook)
        m_notebook->keep_unsaved();
}

void window_commands::end_session()
{
    keep_session();
    QCoreApplication::quit();
}

void window_commands::restore_defaults()
{
    m_clock.move_to_default_place();
    m_setup.clock_ini().sync();
    if (m_calendar) {
        m_calendar->setGeometry(1, 1, 300, 200);
        m_calendar->move(1, 1);
        m_calendar->save_position();
        m_calendar->ini().sync();
        QWidget *overview = m_calendar->overview();
        overview->resize(498, 165);
        if (const QScreen *scr = m_clock.screen() ? m_clock.screen() : QGuiApplication::primaryScreen()) {
            const QRect a = scr->availableGeometry();
            const QRect g = overview->geometry();
            overview->move((a.left() + a.right()) / 2 - (g.right() - g.left()) / 2,
                           (a.top() + a.bottom()) / 2 - (g.bottom() - g.top()) / 2);
        }
    }

    for (const char *name : {"//setup.dat", "//notebook_size.dat"}) {
        const QString f = data_folder::file(QString::fromLatin1(name));
        if (!QFile::exists(f))
            continue;
        if (!QFile::remove(f)) {
            qCWarning(lc_clock) << "cannot delete" << f;
            QMessageBox::warning(&m_clock, QStringLiteral("Внимание!"), QStringLiteral("Невозможно удалить ") + f);
        } else if (QByteArray(name) == "//notebook_size.dat" && m_notebook) {
            // Removed: the notebook must not write it back.
            m_notebook->use_default_size();
        }
    }
}

void window_commands::icon_activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
    auto bring_up = [](QWidget *w) {
        w->raise();
        w->activateWindow();
        w->setFocus();
    };
    const bool clock_shown = m_clock.isVisible() && m_clock.start_mode() != 2 && m_clock.start_mode() != 3;
    switch (m_state.autorun) {
    case 0:
        if (m_setup.isHidden())
            m_setup.show();
        bring_up(&m_setup);
        break;
    case 1:
        if (!m_notebook)
            break;
        if (m_notebook->isHidden())
            m_notebook->show();
        else
            m_notebook->setWindowState(m_notebook->windowState() & ~Qt::WindowMinimized);
        bring_up(m_notebook);
        break;
    case 2:
        m_clock.do_state();
        break;
    case 3:
        toggle_calendar();
        break;
    case 4:
        if (clock_shown && m_calendar && m_calendar->isVisible()) {
            m_clock.hide();
            m_calendar->hide();
        } else {
            m_clock.set_start_mode(0);
            m_clock.show();
            if (m_calendar)
                m_calendar->show();
        }
        break;
    default:
        break;
    }
}

void window_commands::clock_right_clicked(QPoint global)
{
    const bool calendar_click = m_state.show_calendar && !m_clock.desktop_flag(clock_host::flag_id::fix_on_mouse);
    if (!calendar_click) {
        // Without a system tray the menu is out of reach: the click the
        // calendar does not take opens it here.
        if (m_tray)
            m_tray->open_menu_without_tray(global);
        return;
    }
    if (m_calendar && !m_calendar->isVisible())
        show_calendar_with_today();
}

void window_commands::show_today_stiker()
{
    if (!m_calendar)
        return;
    const QString text = m_calendar->store().today_text();
    if (!text.isEmpty())
        m_scheduler.actions().open_today_stiker(text);
}

void window_commands::show_note_stiker(const QString &text)
{
    m_scheduler.show_note(text, m_calendar ? m_calendar->sound() : QString());
}

void window_commands::tick()
{
    m_clock.close_click_through_hole();
    if (m_calendar)
        m_calendar->periodic_refresh();
    // A tick that arrives while a pass waits in a nested event loop is skipped.
    m_scheduler.pass();
}
