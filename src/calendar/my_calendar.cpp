#include "calendar/my_calendar.h"

#include "calendar/add_note.h"
#include "calendar/calendar_log.h"
#include "calendar/my_monitor.h"
#include "calendar/notes_store.h"
#include "calendar/qtcalendar.h"
#include "calendar/resize_label.h"
#include "common/modal_reach.h"
#include "common/shared_wake_timer.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {
constexpr int reminder_ms = 5000;
constexpr int reminder_early_ms = 1050;
constexpr double overhang = 0.3; // share of the window allowed off the screen
} // namespace

my_calendar::my_calendar(notes_store &store, const time_source &clock, QWidget *parent)
    : QWidget(parent), m_store(store), m_clock(clock)
{
    setObjectName(QStringLiteral("calendar_form"));
    resize(311, 216);
    setCursor(Qt::PointingHandCursor);
    setWindowIcon(QIcon(QStringLiteral(":/icons/iconka.png")));
    setWindowTitle(QStringLiteral("Календарик"));
    m_slide = new QPropertyAnimation(this, "pos", this);
    setAttribute(Qt::WA_TranslucentBackground);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &my_calendar::customContextMenuRequested);

    m_calendar = new qtcalendar(m_store, m_clock, this);
    m_calendar->setObjectName(QStringLiteral("calendarWidget"));
    m_editor = new addNote(this);
    m_grip_timer = new QTimer(this);
    m_grip_timer->setSingleShot(true);
    m_grip_timer->setInterval(1500);
    connect(m_grip_timer, &QTimer::timeout, this, &my_calendar::hide_resize_label);
    m_monitor = std::make_unique<my_monitor>(m_store, m_clock);
    connect(m_monitor.get(), &my_monitor::doUpdate_calendar_buffer, this, &my_calendar::update_buffer);
    connect(m_monitor.get(), &my_monitor::GoToNote, this, &my_calendar::go_note);
    connect(m_monitor.get(), &my_monitor::GoNow, this, &my_calendar::go_to_now);

    m_ini = ini_format::open(data_folder::file(QStringLiteral("//calendar.ini")));
    m_shadow = new QGraphicsDropShadowEffect(this);
    setGraphicsEffect(m_shadow);
    load_settings();

    typed_settings s(*m_ini);
    m_saved = checked_position({s.get(calendar_keys::poscalendarx), s.get(calendar_keys::poscalendary)}, size());
    setGeometry(QRect(m_saved, m_look.size));

    m_menu = new QMenu(this);
    // Ctrl+F: the search over everything the user wrote.
    auto *search = new QAction(this);
    search->setObjectName(QStringLiteral("search_everything"));
    search->setShortcut(QKeySequence::Find);
    addAction(search);
    connect(search, &QAction::triggered, this, &my_calendar::search_requested);
    connect(m_menu, &QMenu::triggered, this, &my_calendar::edit_note);
    m_layout = new QGridLayout(this);
    m_layout->addWidget(m_calendar, 0, 0);
    m_grip = std::make_unique<resize_label>(data_folder::file(QStringLiteral("//Skins//resize.png")), m_grip_timer);
    m_grip->set_calendar(this);
    // On top of everything, the calendar and its grip must not end up over
    // the settings dialog out of reach.
    modal_reach::keep_reachable(this);
    modal_reach::keep_reachable(m_grip.get());

    // Reminders are of a minute: the check may come up to a second early,
    // on one of the clock's wakeups, rather than wake the program itself.
    m_reminder_timer = new shared_wake_timer(this);
    connect(m_reminder_timer, &shared_wake_timer::timeout, this, &my_calendar::show_notes);
    m_reminder_timer->start(reminder_ms, reminder_early_ms);
}

my_calendar::~my_calendar()
{
    m_ini->sync();
}

QPoint my_calendar::checked_position(QPoint saved, QSize size)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const double ow = overhang * size.width(), oh = overhang * size.height();
    for (const QScreen *scr : screens) {
        const QRect g = scr->geometry();
        const bool x_ok = saved.x() + ow <= g.x() + g.width() && saved.x() >= g.x() - ow;
        const bool y_ok = saved.y() + oh <= g.y() + g.height() && saved.y() >= g.y() - oh;
        if (x_ok && y_ok)
            return saved;
    }
    // Off every screen (a screen unplugged, a garbage position): the
    // primary screen's corner, where the user will find it.
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry().topLeft() + QPoint(1, 1) : QPoint(1, 1);
}

void my_calendar::load_settings()
{
    m_look = calendar_settings::read_look(*m_ini);
    // Decoded at the first paint, at the size shown (skin_picture).
    const QString skin = !m_look.transparent && QFile::exists(m_look.skin_path) ? m_look.skin_path : QString();
    m_background.set_file(skin);
    m_monitor->set_background(skin);

    if (m_look.shadow) {
        m_shadow->setBlurRadius(8);
        m_shadow->setOffset(1, 1);
    } else {
        m_shadow->setBlurRadius(0);
        m_shadow->setOffset(0, 0);
    }
    m_shadow->setColor(m_look.shadow_colour.isValid() ? m_look.shadow_colour : QColor(Qt::black));
    // Without a shadow the effect would only cost an offscreen pass per paint.
    m_shadow->setEnabled(m_look.shadow);

    m_calendar->set_colours(m_look.colours);
    m_calendar->setFont(m_look.has_font ? m_look.font : QApplication::font());
    apply_overview_look();
    m_ini->sync();
    update();
}

void my_calendar::apply_overview_look()
{
    const QColor label = m_look.colour_to_overview ? m_look.colours.month : QColor(Qt::black);
    const QColor text = m_look.colour_to_overview ? m_look.colours.weekday : QColor(Qt::black);
    QFont table_font = m_calendar->font();
    if (!m_look.font_to_overview)
        table_font.fromString(QStringLiteral("Tahoma,8,-1,5,50,0,0,0,0,0"));
    m_monitor->apply_look(label, text, table_font);
}

QString my_calendar::sound() const
{
    // As the file says now: the settings dialog or another program may
    // have changed it since the calendar read it.
    m_ini->sync();
    return typed_settings(*m_ini).get(calendar_keys::sound);
}

void my_calendar::refresh()
{
    hide();
    show();
}

void my_calendar::slide_in()
{
    const QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!scr)
        return;
    const QRect a = scr->availableGeometry();
    const QPoint from((a.left() + a.right()) / 2 - width() / 2, (a.top() + a.bottom()) / 2 - height() / 2);
    m_slide->stop();
    m_slide->setDuration(200);
    m_slide->setEasingCurve(QEasingCurve::Linear);
    m_slide->setStartValue(from);
    m_slide->setEndValue(m_saved);
    m_slide->start();
}

void my_calendar::periodic_refresh()
{
    if (!m_pointer_outside || !m_monitor->pointer_outside())
        return;
    m_store.reload_if_changed_on_disk();
    m_monitor->refill_if_stale();
    if (m_calendar->isVisible())
        m_calendar->go_to_today();
}

void my_calendar::save_position()
{
    typed_settings s(*m_ini);
    s.set(calendar_keys::poscalendarx, pos().x());
    s.set(calendar_keys::poscalendary, pos().y());
    m_saved = pos();
}

void my_calendar::set_resize_control(bool on)
{
    m_resize_control = on;
    if (!on)
        hide_resize_label();
}

void my_calendar::set_fixed_position(bool on)
{
    m_fixed_position = on;
}

void my_calendar::close_calendar()
{
    m_pointer_outside = true;
    close();
    m_grip->close();
}

void my_calendar::hide_resize_label()
{
    m_grip_timer->stop();
    m_grip->hide();
}

void my_calendar::show_browser()
{
    m_monitor->show();
    m_monitor->raise();
}

void my_calendar::update_buffer()
{
    m_store.reload_dates();
    refresh();
}

void my_calendar::go_note(const QString &date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        return;
    if (!isVisible())
        show();
    m_calendar->setSelectedDate(d);
    m_calendar->setCurrentPage(d.year(), d.month());
    raise();
    activateWindow();
}

void my_calendar::go_to_now()
{
    m_calendar->go_to_today();
}

void my_calendar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background.at(size(), devicePixelRatioF()));
}

void my_calendar::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_look.show_overview)
        m_monitor->show();
}

void my_calendar::closeEvent(QCloseEvent *e)
{
    save_position();
    m_ini->sync();
    e->accept();
}

void my_calendar::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_drag_offset = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void my_calendar::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton) || m_fixed_position)
        return;
    const QPoint g = e->globalPosition().toPoint();
    if (m_look.transparent)
        move(g - QPoint(m_calendar->width() / 2, m_calendar->height() / 2));
    else
        move(g - m_drag_offset);
    place_grip();
}

void my_calendar::mouseReleaseEvent(QMouseEvent *)
{
    save_position();
}

void my_calendar::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    place_grip();
}

void my_calendar::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    typed_settings s(*m_ini);
    s.set(calendar_keys::width, width());
    s.set(calendar_keys::height, height());
}

void my_calendar::place_grip()
{
    if (m_resize_control && m_grip)
        m_grip->move(frameGeometry().bottomRight());
}

void my_calendar::enterEvent(QEnterEvent *e)
{
    QWidget::enterEvent(e);
    m_pointer_outside = false;
    if (m_resize_control) {
        m_grip_timer->stop();
        place_grip();
        m_grip->show();
        m_grip->raise();
    }
}

void my_calendar::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    if (!m_menu->isVisible() && !m_editor->isVisible())
        m_pointer_outside = true;
    if (m_grip->isVisible())
        m_grip->start_hide_timer(1500);
    m_calendar->updateGeometry();
}
