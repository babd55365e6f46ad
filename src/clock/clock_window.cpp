// orvella, the clock window.
#include "clock/clock_window.h"

#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "storage/data_folder_check.h"
#include "storage/ini_format.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/notes_store.h"
#include "clock/faces/analog_face.h"
#include "clock/faces/card_painter.h"
#include "clock/clock_placement.h"
#include "clock/clock_tray.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/flip_face.h"
#include "clock/repaint_scheduler.h"
#include "clock/skin_loader.h"
#include "clock/window_flags.h"
#include "common/log.h"
#include "common/time_source.h"
#include "platform/audio_player.h"
#include "platform/desktop.h"
#include "platform/sleep_watch.h"
#include "scheduler/event_scheduler.h"
#include "settings/alarm_setup.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

orvella::orvella(const time_source &clock, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint), m_time(clock)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCoreApplication::addLibraryPath(data_folder::plugin_folder());

    {
        auto ini = ini_format::open(data_folder::file("//clock.ini"));
        ignore_win_key = typed_settings(*ini).get(clock_keys::ignore_win_key);
    }

    m_setup = new alarm_setup(nullptr);
    m_setup->set_clock_window(this);
    m_setup->set_clock_host(this);
    m_setup->set_face_host(this);
    m_setup->set_skin_host(this);
    setWindowTitle(QStringLiteral("Orvella"));

    m_player = audio_player::create();

    const data_folder_check::outcome folder = data_folder_check::run(this);
    if (folder == data_folder_check::outcome::restored || folder == data_folder_check::outcome::created) {
        // Pick up the restored files now rather than only after a restart.
        m_setup->clock_ini().sync();
        m_setup->alarm_ini().sync();
    }

    read_settings();

    m_tray = std::make_unique<clock_tray>(this);

    m_scheduler = std::make_unique<event_scheduler>(m_setup->alarm_ini(), m_time, m_player.get(), this);
    m_scheduler->evaluator().set_catch_up_hours(typed_settings(m_setup->clock_ini()).get(clock_keys::catch_up_hours));
    rebase_tasks();
    m_setup->attach_event_store(m_scheduler->store(), m_time);

    m_alarm_timer = new QTimer(this);
    connect(m_alarm_timer, &QTimer::timeout, this, &orvella::do_alarma);
    // After a suspend, catch missed reminders up at once.
    connect(new sleep_watch(this), &sleep_watch::resumed, this, &orvella::do_alarma);
    setMouseTracking(true);

    const QDateTime now = shifted_now();
    last_hour = last_min = last_sec = now;

    QTimeLine *lines[] = {&m_hour_line, &m_min_line, &m_sec_line};
    QRect *cards[] = {&hour_rect, &min_rect, &sec_rect};
    void (orvella::*ends[])() = {&orvella::fin_hour, &orvella::fin_min, &orvella::fin_sec};
    for (int i = 0; i < 3; ++i) {
        QTimeLine *l = lines[i];
        l->setUpdateInterval(40);
        l->setFrameRange(0, 100);
        l->setDuration(600);
        l->setEasingCurve(QEasingCurve::InOutSine);
        // A frame repaints only its card and the space its falling flap may take.
        const QRect *card = cards[i];
        connect(l, &QTimeLine::frameChanged, this,
                [this, card] { update(card->united(card_painter::lower_region(*card))); });
        connect(l, &QTimeLine::finished, this, ends[i]);
    }

    m_alarm_timer->start(5000);
    start_repaint_timer(20);
}

orvella::~orvella()
{
    m_tray.reset(); // menu, icon, actions
    delete m_alarm_timer;
    m_alarm_timer = nullptr;
    delete m_calendar;
    m_calendar = nullptr;
    delete m_notebook;
    m_notebook = nullptr;
    delete m_setup;
    m_setup = nullptr;
    if (m_player) {
        m_player->release();
        m_player.reset();
    }
}

QWidget *orvella::calendar_window() const
{
    return m_calendar;
}

void orvella::set_calendar(my_calendar *c)
{
    m_calendar = c;
    if (!c)
        return;
    clock_settings &s = m_setup->clock();
    c->set_fixed_position(s.get(clock_keys::fix_cal_on_mouse));
    c->overview()->set_fixed_position(s.get(clock_keys::fix_cal_on_mouse));
    c->set_resize_control(s.get(clock_keys::view_resize_control));
    reapply_window_flags(window_id::calendar);
    connect(c, &my_calendar::doshowNotes, this, &orvella::show_stiker);
    if (m_set_start == 1 || m_set_start == 2) {
        c->show();
        c->slide_in();
        if (do_today)
            show_today_stiker();
    }
}

void orvella::show_today_stiker()
{
    if (!m_calendar || !m_scheduler)
        return;
    const QString text = m_calendar->store().today_text();
    if (!text.isEmpty())
        m_scheduler->actions().open_today_stiker(text);
}

QDateTime orvella::shifted_now() const
{
    return shifted_time(m_time, m_look.hour_offset, m_look.minute_offset);
}

void orvella::read_settings()
{
    clock_settings &s = m_setup->clock();
    using namespace clock_keys;

    m_look.skin_folder = s.my_skin();
    if (!QFile::exists(m_look.skin_folder + "/settings.ini")) {
        m_look.skin_folder = clock_settings::default_skin();
        s.set(clock_keys::my_skin, m_look.skin_folder);
    }
    const loaded_skin skin = skin_loader::load(m_look.skin_folder, this);
    m_look.offsets = skin.offsets;
    m_look.clock = s.get(clock_keys::clock);

    m_look.repaint_interval = s.get(sec_speed) * 1000.0;
    m_look.flip_size = s.get(settransform);
    m_look.pictures = skin_loader::scaled(skin.pictures, s.get(clock_keys::resize));
    const skin_pictures &p = skin.pictures;
    m_setup->set_pristine_pictures({p.face, p.hour, p.mins, p.secunds, p.shapocka});
    if (!m_look.pictures.face.isNull())
        QWidget::resize(m_look.pictures.face.size());
    setAttribute(Qt::WA_TranslucentBackground);

    no_trans = s.get(clock_keys::no_trans);
    m_set_start = s.get(set_start);
    m_autorun = s.get(clock_keys::autorun);
    top = s.get(clock_keys::top);
    top_cal = s.get(clock_keys::top_cal);
    ignore_win_key = s.get(clock_keys::ignore_win_key);
    apply_window_flags();

    m_look.not_paint_sec = s.get(not_paint_sec);
    m_look.paint_flip_sec = s.get(paint_flip_sec);
    m_look.do_anim = s.get(do_anim);
    m_look.ampm = s.get(ampm);
    m_look.set_top_sec = s.get(set_top_sec).on;
    m_look.do_draw_sec = s.get(do_draw_sec).on;
    fix_on_desktop = s.get(clock_keys::fix_on_desktop);
    fix_on_mouse = s.get(clock_keys::fix_on_mouse);
    show_calendar = s.get(clock_keys::show_calendar);
    do_today = s.get(clock_keys::do_today).on;
    m_look.color = s.get(color);
    m_look.color_flip_clock = s.get(color_flip_clock);
    m_look.color_sec = s.get(color_sec);
    m_look.font = s.get(clock_keys::font);
    m_look.font_flip_clock = s.get(font_flip_clock);
    m_look.text_flip_clock = s.get(text_flip_clock);
    m_look.shade_flip_clock = s.get(shade_flip_clock);
    m_look.format_1 = s.get(format_1);
    if (m_look.format_1.isEmpty())
        m_look.format_1 = QStringLiteral("hh:mm:ss");
    m_look.format_2 = s.get(format_2);
    m_look.opacity = qBound(0.0, s.get(transp), 1.0);
    m_look.hour_offset = s.get(hourOffset);
    m_look.minute_offset = s.get(minsOffset);

    m_look.gradient_bk = s.gradient(gradient_bk);
    m_look.gradient_font = s.gradient(gradient_font);

    // Sized before it is first shown: a window that grows after it is mapped
    // is placed by the window manager's rules, not by ours.
    fit_to_face();
    place_at_stored_position(QPoint(s.get(posx), s.get(posy)));
}

void orvella::place_at_stored_position(QPoint stored)
{
    // Every face, on any number of screens: a clock left on a monitor that
    // has since gone comes back to the primary one.
    const QPoint at = clock_placement::opening_position(stored, size(), clock_placement::current_screens());
    if (at != clock_placement::to_logical(stored, clock_placement::current_screens()))
        qCInfo(lc_clock) << "stored position" << stored << "is off every screen; the clock opens at" << at;
    move_home(at);
}

void orvella::move_home(QPoint at)
{
    m_home = at;
    move(at);
}

QPoint orvella::frame_offset() const
{
    // Both corners come from the same (possibly stale) origin, so their
    // difference, the frame's left and top margins, is sound.
    return geometry().topLeft() - frameGeometry().topLeft();
}

void orvella::fit_to_face()
{
    const QSize s =
        m_fit.size_for(m_look, shifted_now(), no_trans, remembered_width, this, face_size::largest_screen());
    if (s.isValid() && s != size())
        resize_keeping_position(s);
}

void orvella::resize_keeping_position(QSize s)
{
    // Once mapped, a plain resize sends the toolkit's idea of the position
    // along, which may be the frame's origin: send ours with the new size.
    if (isVisible())
        setGeometry(QRect(home() + frame_offset(), s));
    else
        QWidget::resize(s);
}

void orvella::apply_window_flags()
{
    // Notebook first, then the clock, then the calendar.
    reapply_window_flags(window_id::notebook);
    reapply_window_flags(window_id::clock);
    reapply_window_flags(window_id::calendar);
}

void orvella::start_repaint_timer(int ms)
{
    if (m_repaint_timer)
        killTimer(m_repaint_timer);
    // Precise: a coarse timer may fire before the second boundary it aims at.
    m_repaint_timer = startTimer(qMax(1, ms), Qt::PreciseTimer);
}

void orvella::repaint_interval_after_fade()
{
    arm_repaint_timer();
}

void orvella::arm_repaint_timer()
{
    using pace = repaint_scheduler::pace;
    // Without a face nothing is painted and nothing fades in: no timer at all
    // until a face is chosen (look_changed() re-arms).
    if (m_look.clock != QLatin1String("analog") && m_look.clock != QLatin1String("digital") &&
        m_look.clock != QLatin1String("flip")) {
        if (m_repaint_timer)
            killTimer(m_repaint_timer);
        m_repaint_timer = 0;
        return;
    }
    // A hidden clock cannot fade in; it waits at the slow pace until shown.
    const pace p = m_fading && isVisible() ? pace::fade
                   : m_fading              ? pace::per_second
                                           : repaint_scheduler::steady_pace(m_look);
    start_repaint_timer(repaint_scheduler::next_delay(shifted_now(), p, m_look.repaint_interval));
}

void orvella::look_changed()
{
    fit_to_face();
    arm_repaint_timer();
    update();
}

QRect orvella::digital_repaint_area()
{
    // The date line changes once a day: most ticks repaint the time only.
    int width = remembered_width;
    const digital_text now = digital_face::layout(m_look, shifted_now(), no_trans, width, this);
    const QRect area = digital_face::changed_area(m_digital_shown, now, size());
    m_digital_shown = now;
    return area;
}

bool orvella::card_turning() const
{
    return m_hour_line.state() == QTimeLine::Running || m_min_line.state() == QTimeLine::Running ||
           m_sec_line.state() == QTimeLine::Running;
}

double orvella::paint_opacity(double fade_step)
{
    if (!m_fading)
        return m_look.opacity;
    if (m_look.opacity >= m_fade_opacity) {
        const double o = m_fade_opacity;
        m_fade_opacity += fade_step;
        return o;
    }
    m_fading = false;
    repaint_interval_after_fade();
    return m_look.opacity;
}

void orvella::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != m_repaint_timer) {
        QWidget::timerEvent(e);
        return;
    }
    // One shot at a time, re-armed from the time source, so it cannot drift.
    killTimer(m_repaint_timer);
    m_repaint_timer = 0;
    // The size first: a text that grows is fitted before it is painted.
    fit_to_face();
    // While a card turns, its time line paints the frames.
    if (m_look.clock == QLatin1String("digital") && !m_fading)
        update(digital_repaint_area());
    else if (!card_turning())
        update();
    arm_repaint_timer();
}

void orvella::paintEvent(QPaintEvent *)
{
    if (m_set_start == 2 || m_set_start == 3) {
        hide();
        return;
    }
    // Faces are chosen by name; an unknown or empty name paints nothing.
    const QDateTime now = shifted_now();
    if (m_look.clock == QLatin1String("analog")) {
        QPainter p(this);
        p.setOpacity(paint_opacity(0.1));
        analog_face::paint(p, m_look, now, size());
    } else if (m_look.clock == QLatin1String("digital")) {
        int width = remembered_width;
        const digital_text text = digital_face::layout(m_look, now, no_trans, width, this);
        QPainter p(this);
        p.setOpacity(paint_opacity(0.05));
        digital_face::paint(p, m_look, text, size());
    } else if (m_look.clock == QLatin1String("flip")) {
        QPainter p(this);
        paint_flip(p, now, size());
    }
}

flip_cards orvella::flip_state() const
{
    flip_cards c;
    c.hour = {last_hour, m_hour_line.state() == QTimeLine::Running, m_hour_line.currentFrame()};
    c.min = {last_min, m_min_line.state() == QTimeLine::Running, m_min_line.currentFrame()};
    c.sec = {last_sec, m_sec_line.state() == QTimeLine::Running, m_sec_line.currentFrame()};
    return c;
}

void orvella::paint_flip(QPainter &p, const QDateTime &now, QSize window)
{
    p.setOpacity(paint_opacity(0.05));
    const flip_geometry g = flip_face::geometry(window);
    hour_rect = g.hour;
    min_rect = g.min;
    sec_rect = g.sec;
    const flip_turns due = flip_face::due(m_look, now, flip_state(), m_fading);
    if (due.hour)
        m_hour_line.start();
    if (due.sec)
        m_sec_line.start();
    if (due.min)
        m_min_line.start();
    flip_face::paint(p, m_look, now, window, flip_state());
}

void orvella::showEvent(QShowEvent *e)
{
    // Before the window is mapped: the window manager reads the hints then.
    if (ignore_win_key)
        desktop::pin_to_desktop(this);
    QWidget::showEvent(e);
}

void orvella::set_click_through_mask(const QPoint &local)
{
    QRegion r(rect());
    r -= QRegion(local.x(), local.y(), 1, 1);
    setMask(r);
}

void orvella::mousePressEvent(QMouseEvent *e)
{
    if (fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    if (e->button() == Qt::LeftButton && !fix_on_desktop)
        // From the press inside the window, not from the window's position,
        // which the toolkit may not know yet.
        m_drag_offset = e->position().toPoint() + frame_offset();
    e->accept();
}

void orvella::mouseMoveEvent(QMouseEvent *e)
{
    if (fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    if ((e->buttons() & Qt::LeftButton) && !fix_on_desktop)
        move_home(e->globalPosition().toPoint() - m_drag_offset);
    e->accept();
}

void orvella::moveEvent(QMoveEvent *e)
{
    // Moves made by the program are sound. Reports from the window system
    // are trusted for a framed clock, which its title bar also moves, but
    // not for a frameless one, which only our own drag moves.
    if (!e->spontaneous() || no_trans)
        m_home = pos();
    QWidget::moveEvent(e);
}

QPoint orvella::home() const
{
    // A hidden window moved by the program hears of it only when shown.
    return testAttribute(Qt::WA_PendingMoveEvent) ? pos() : m_home;
}

void orvella::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    e->accept();
}

void orvella::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    // Without a system tray the menu is out of reach: a right click the
    // calendar does not take opens it here.
    if (e->button() == Qt::RightButton && !(show_calendar && !fix_on_mouse) && m_tray)
        m_tray->open_menu_without_tray(e->globalPosition().toPoint());
    if (fix_on_mouse) {
        set_click_through_mask(e->position().toPoint());
        return;
    }
    write_position();
    if (show_calendar && e->button() == Qt::RightButton && m_calendar && !m_calendar->isVisible()) {
        m_calendar->show();
        if (do_today)
            show_today_stiker();
    }
}

void orvella::write_position()
{
    // Stored in device pixels, whatever the scale factor.
    const QPoint at = clock_placement::to_device(home(), clock_placement::current_screens());
    clock_settings &s = m_setup->clock();
    s.set(clock_keys::posx, at.x());
    s.set(clock_keys::posy, at.y());
}

void orvella::do_state()
{
    if (isVisible() && m_set_start != 2 && m_set_start != 3) {
        hide();
    } else {
        m_set_start = 0;
        show();
    }
}

void orvella::do_cal_state()
{
    if (!m_calendar)
        return;
    if (m_calendar->isVisible()) {
        m_calendar->hide();
    } else {
        m_calendar->show();
        if (do_today)
            show_today_stiker();
    }
    QCoreApplication::processEvents();
}

void orvella::set_notebook_window(QWidget *notebook)
{
    m_notebook = notebook;
    reapply_window_flags(window_id::notebook);
}

void orvella::view_notebook()
{
    if (m_notebook)
        m_notebook->show();
}

void orvella::my_alarm()
{
    if (!m_setup->isVisible())
        m_setup->exec();
}

void orvella::rebase_tasks()
{
    if (m_scheduler)
        m_scheduler->evaluator().rebase_tasks();
}

void orvella::do_alarma()
{
    if (fix_on_mouse)
        clearMask();
    if (m_calendar)
        m_calendar->periodic_refresh();
    // A tick that arrives while a pass waits in a nested event loop is skipped.
    if (m_scheduler)
        m_scheduler->pass();
}

void orvella::about_prg()
{
    QMessageBox::about(nullptr, tr("О программе"),
                       tr("<h3>Orvella, версия 1.07</h3>"
                          "<p>Настольные часы с планировщиком событий, календарём заметок и блокнотом.</p>"
                          "<p>Пожелания: <a href=\"mailto:orvella@users.noreply.invalid\">"
                          "orvella@users.noreply.invalid</a></p>"
                          "Использована библиотека поддержки аудио: "
                          "<a href=\"https://ffmpeg.org\">FFmpeg</a> (декодирование) и "
                          "<a href=\"https://doc.qt.io/qt-6/qtmultimedia-index.html\">Qt Multimedia</a> (вывод звука)"
                          "<p>Сайт программы: <a href=\"https://orvella.invalid\">orvella.invalid</a></p>"));
}

void orvella::close_application()
{
    if (m_quit_guard && !m_quit_guard())
        return;
    write_position();
    m_setup->clock_ini().sync();
    if (m_calendar) {
        m_calendar->save_position();
        m_calendar->ini().sync();
    }
    QCoreApplication::processEvents();
    QCoreApplication::quit();
}

void orvella::set_default()
{
    move_home(clock_placement::to_logical(QPoint(1, 1), clock_placement::current_screens()));
    write_position();
    m_setup->clock_ini().sync();
    if (m_calendar) {
        m_calendar->setGeometry(1, 1, 300, 200);
        m_calendar->move(1, 1);
        m_calendar->save_position();
        m_calendar->ini().sync();
        QWidget *overview = m_calendar->overview();
        overview->resize(498, 165);
        if (const QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen()) {
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
            QMessageBox::warning(this, QStringLiteral("Внимание!"), QStringLiteral("Невозможно удалить ") + f);
        } else if (QByteArray(name) == "//notebook_size.dat") {
            emit notebook_size_reset();
        }
    }
}

void orvella::show_stiker(const QString &text)
{
    QString sound;
    {
        auto ini = ini_format::open(data_folder::file(QStringLiteral("//calendar.ini")));
        sound = ini->value(QStringLiteral("Sound/sound")).toString();
    }
    if (m_scheduler)
        m_scheduler->show_note(text, sound);
}

void orvella::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
    auto bring_up = [](QWidget *w) {
        w->raise();
        w->activateWindow();
        w->setFocus();
    };
    switch (m_autorun) {
    case 0:
        if (m_setup->isHidden())
            m_setup->show();
        bring_up(m_setup);
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
        do_state();
        break;
    case 3:
        do_cal_state();
        break;
    case 4:
        if (isVisible() && m_set_start != 2 && m_set_start != 3 && m_calendar && m_calendar->isVisible()) {
            hide();
            m_calendar->hide();
        } else {
            m_set_start = 0;
            show();
            if (m_calendar)
                m_calendar->show();
        }
        break;
    default:
        break;
    }
}

void orvella::fin_hour()
{
    last_hour = shifted_now();
}

void orvella::fin_min()
{
    last_min = shifted_now();
}

void orvella::fin_sec()
{
    last_sec = shifted_now();
}
