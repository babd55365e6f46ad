// orvella, the clock window.
#include "clock/clock_window.h"

#include "clock/clock_placement.h"
#include "clock/faces/analog_face.h"
#include "clock/faces/card_painter.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/flip_face.h"
#include "clock/repaint_scheduler.h"
#include "clock/skin_loader.h"
#include "clock/window_flags.h"
#include "common/log.h"
#include "common/time_source.h"
#include "platform/desktop.h"
#include "storage/clock_settings.h"

#include <QFile>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {

// Device pixels a turning flap must move for its frame to be painted: a
// smaller step, drawn smoothly, is a faint change of shade at one edge.
constexpr qreal min_flap_shift = 1.0;

constexpr int second_card_frame_ms = 60;

} // namespace

orvella::orvella(const time_source &clock, clock_settings &settings, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint), m_time(clock), m_settings(settings)
{
    setWindowTitle(QStringLiteral("Orvella"));
    read_settings();
    setMouseTracking(true);
    m_last_hour = m_last_min = m_last_sec = m_shown = shifted_now();
    setup_card_lines();
    start_repaint_timer(repaint_scheduler::fade_ms);
}

orvella::~orvella() = default;

void orvella::setup_card_lines()
{
    QTimeLine *lines[] = {&m_hour_line, &m_min_line, &m_sec_line};
    QRect *cards[] = {&m_hour_rect, &m_min_rect, &m_sec_rect};
    QDateTime *turned[] = {&m_last_hour, &m_last_min, &m_last_sec};
    for (int i = 0; i < 3; ++i) {
        QTimeLine *l = lines[i];
        // The second card is half the size of the others: at 60 ms a frame
        // its flap moves at most about 7 px from one frame to the next,
        // less than the big cards' flaps at 40 ms (about 10 px across the
        // middle of a turn), for two thirds of the frames, every second.
        l->setUpdateInterval(i == 2 ? second_card_frame_ms : 40);
        l->setFrameRange(0, 100);
        l->setDuration(600);
        l->setEasingCurve(QEasingCurve::InOutSine);
        // A frame repaints only its card and the space its falling flap may
        // take, at once: the frame is due now, and a posted repaint would
        // cost the event loop another round for every frame.
        const QRect *card = cards[i];
        int *painted = &m_turn_painted[i];
        connect(l, &QTimeLine::frameChanged, this, [this, card, painted](int frame) {
            // Where the turn eases in and out, a frame moves the flap by a
            // fraction of a pixel: such a frame is left out (the card's
            // quiet picture follows the last one anyway).
            if (*painted >= 0 && card_painter::flap_shift(*card, *painted, frame, devicePixelRatioF()) < min_flap_shift)
                return;
            // Only where the flap was and is: the rest of the card stays.
            const QRect r = *painted >= 0 ? card_painter::turn_damage(*card, *painted, frame)
                                          : card->united(card_painter::lower_region(*card));
            // A turn that starts inside a paint announces its first frame there.
            if (testAttribute(Qt::WA_WState_InPaintEvent)) {
                update(r);
                *painted = -1; // a later paint shows whatever frame is current then
            } else {
                repaint(r);
                *painted = frame;
            }
        });
        QDateTime *at = turned[i];
        // The card is quiet at the time it shows (the time the ticks chose),
        // and the last frame's flaps give way to the quiet card.
        connect(l, &QTimeLine::finished, this, [this, at, card] {
            *at = m_shown;
            update(card->united(card_painter::lower_region(*card)));
        });
    }
}

QDateTime orvella::shifted_now() const
{
    return shifted_time(m_time, m_local, m_look.hour_offset, m_look.minute_offset);
}

void orvella::read_settings()
{
    clock_settings &s = m_settings;
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
    set_pristine(skin.pictures);
    if (!m_look.pictures.face.isNull())
        QWidget::resize(m_look.pictures.face.size());
    setAttribute(Qt::WA_TranslucentBackground);

    m_no_trans = s.get(clock_keys::no_trans);
    m_set_start = s.get(set_start);
    m_top = s.get(clock_keys::top);
    m_ignore_win_key = s.get(clock_keys::ignore_win_key);
    apply_window_flags();

    m_look.not_paint_sec = s.get(not_paint_sec);
    m_look.paint_flip_sec = s.get(paint_flip_sec);
    m_look.do_anim = s.get(do_anim);
    m_look.ampm = s.get(ampm);
    m_look.set_top_sec = s.get(set_top_sec).on;
    m_look.do_draw_sec = s.get(do_draw_sec).on;
    m_fix_on_desktop = s.get(clock_keys::fix_on_desktop);
    m_fix_on_mouse = s.get(clock_keys::fix_on_mouse);
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
    fit_to_face_at(shifted_now());
}

void orvella::fit_to_face_at(const QDateTime &t)
{
    const QSize s =
        m_fit.size_for(m_faces, m_look, t, m_no_trans, m_remembered_width, this, face_size::largest_screen());
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
    setWindowFlags(window_flags::clock(m_no_trans, m_set_start, m_top));
}

void orvella::start_repaint_timer(int ms)
{
    if (m_repaint_timer)
        killTimer(m_repaint_timer);
    // Precise: a coarse timer may fire before the second boundary it aims at.
    m_repaint_timer = startTimer(qMax(1, ms), Qt::PreciseTimer);
}

bool orvella::has_face() const
{
    return m_look.clock == QLatin1String("analog") || m_look.clock == QLatin1String("digital") ||
           m_look.clock == QLatin1String("flip");
}

bool orvella::awake() const
{
    // A hidden clock, or one the window system does not show (minimised,
    // unmapped), has nothing to repaint: it sleeps until shown or exposed.
    if (!isVisible())
        return false;
    const QWindow *w = windowHandle();
    return !w || w->isExposed();
}

void orvella::stop_repaint_timer()
{
    if (m_repaint_timer)
        killTimer(m_repaint_timer);
    m_repaint_timer = 0;
}

void orvella::arm_repaint_timer(const QDateTime &at)
{
    // Without a face nothing is painted and nothing fades in: no timer at all
    // until a face is chosen (look_changed() re-arms). A hidden clock waits
    // for its showEvent.
    if (!has_face() || !isVisible()) {
        stop_repaint_timer();
        return;
    }
    const repaint_scheduler::pace p = m_fading ? repaint_scheduler::pace::fade : repaint_scheduler::steady_pace(m_look);
    // Reading the local time is not free (the zone is looked up each time):
    // a tick passes the time it has just read.
    start_repaint_timer(repaint_scheduler::next_delay(at.isValid() ? at : shifted_now(), p, m_look.repaint_interval,
                                                      repaint_scheduler::step_seconds(m_look)));
}

void orvella::show_now()
{
    m_shown = shifted_now();
    update();
}

void orvella::text_changed()
{
    m_remembered_width = 0;
    fit_to_face();
    show_now();
}

void orvella::look_changed()
{
    fit_to_face();
    arm_repaint_timer();
    show_now();
}

QRegion orvella::changed_region(const QDateTime &before, const QDateTime &now)
{
    if (m_look.clock == QLatin1String("analog"))
        return analog_face::damage(m_look, before, now);
    if (m_look.clock == QLatin1String("digital")) {
        // The date line changes once a day, and of the time only the
        // digits from the first that changed.
        int width = m_remembered_width;
        const digital_text text = m_faces.digital.layout(m_look, now, m_no_trans, width, this);
        const QRect area = m_faces.digital.changed_span(m_digital_shown, text, size(), m_look.font, this);
        m_digital_shown = text;
        return area;
    }
    if (m_look.clock == QLatin1String("flip"))
        return flip_face::changed(m_look, before, now, size());
    return QRegion();
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
    arm_repaint_timer();
    return m_look.opacity;
}

void orvella::timerEvent(QTimerEvent *e)
{
    if (e->timerId() != m_repaint_timer) {
        QWidget::timerEvent(e);
        return;
    }
    // One shot at a time, re-armed from the time source, so it cannot drift.
    stop_repaint_timer();
    if (!awake())
        return; // the next show or exposure wakes it (paintEvent)
    const QDateTime now = shifted_now();
    // The size first: a text that grows is fitted before it is painted.
    fit_to_face_at(now);
    const QDateTime before = m_shown;
    m_shown = now;
    // While fading, every paint has a new opacity; after it only what the
    // new time changes is painted. A turning card's time line paints its
    // frames.
    // Painted at once (a posted repaint would wake the event loop a second
    // time for the same tick), with the next tick armed first: a paint
    // while no tick is due is taken for an exposure after a sleep.
    const QRegion changed = m_fading ? QRegion(rect()) : changed_region(before, now);
    arm_repaint_timer(now);
    repaint(changed);
}

void orvella::paintEvent(QPaintEvent *e)
{
    if (m_set_start == 2 || m_set_start == 3) {
        hide();
        return;
    }
    // (QRegion::contains(QRect) answers whether they overlap, not this.)
    const bool whole = QRegion(rect()).subtracted(e->region()).isEmpty();
    if (!m_repaint_timer && has_face() && awake()) {
        // Exposed again after a sleep: from now on the time of now, everywhere.
        arm_repaint_timer();
        if (!whole) {
            m_shown = shifted_now();
            update();
        }
    }
    // A whole repaint shows the time of now. A partial one (a tick's
    // changed region, an exposure) must match what is already around it:
    // the time the last tick chose.
    if (whole)
        m_shown = shifted_now();
    const QDateTime now = m_shown;
    // Faces are chosen by name; an unknown or empty name paints nothing.
    if (m_look.clock == QLatin1String("analog")) {
        QPainter p(this);
        p.setOpacity(paint_opacity(0.1));
        m_faces.analog.paint(p, m_look, now, size(), e->region());
    } else if (m_look.clock == QLatin1String("digital")) {
        int width = m_remembered_width;
        const digital_text text = m_faces.digital.layout(m_look, now, m_no_trans, width, this);
        if (whole)
            m_digital_shown = text;
        QPainter p(this);
        p.setOpacity(paint_opacity(0.05));
        m_faces.digital.paint(p, m_look, text, size());
    } else if (m_look.clock == QLatin1String("flip")) {
        QPainter p(this);
        paint_flip(p, now, size(), e->region());
    }
}

flip_cards orvella::flip_state() const
{
    flip_cards c;
    c.hour = {m_last_hour, m_hour_line.state() == QTimeLine::Running, m_hour_line.currentFrame()};
    c.min = {m_last_min, m_min_line.state() == QTimeLine::Running, m_min_line.currentFrame()};
    c.sec = {m_last_sec, m_sec_line.state() == QTimeLine::Running, m_sec_line.currentFrame()};
    return c;
}

void orvella::paint_flip(QPainter &p, const QDateTime &now, QSize window, const QRegion &area)
{
    p.setOpacity(paint_opacity(0.05));
    const flip_geometry g = flip_face::geometry(window);
    m_hour_rect = g.hour;
    m_min_rect = g.min;
    m_sec_rect = g.sec;
    const flip_turns due = flip_face::due(m_look, now, flip_state(), m_fading);
    // Whether this paint covers all a card's turn may touch.
    const QRect *rects[] = {&g.hour, &g.min, &g.sec};
    const auto covered = [&](int card) {
        const QRect r = rects[card]->united(card_painter::lower_region(*rects[card]));
        return QRegion(r.intersected(QRect(QPoint(), window))).subtracted(area).isEmpty();
    };
    // A turn starting in a paint that covers its card shows its first frame
    // now: the time line's announcement of it paints nothing more.
    const auto start = [&](bool now_due, QTimeLine &line, int card) {
        if (!now_due)
            return;
        m_turn_painted[card] = covered(card) ? 0 : -1;
        line.start();
    };
    start(due.hour, m_hour_line, 0);
    start(due.sec, m_sec_line, 2);
    start(due.min, m_min_line, 1);
    const flip_cards cards = flip_state();
    m_faces.flip.paint(p, m_look, now, window, cards);
    // A turning card painted only in part shows two frames at once: its
    // next frame is painted whole.
    const flip_card *shown[] = {&cards.hour, &cards.min, &cards.sec};
    for (int i = 0; i < 3; ++i) {
        if (!shown[i]->turning)
            continue;
        if (covered(i))
            m_turn_painted[i] = shown[i]->frame;
        else if (area.intersects(rects[i]->united(card_painter::lower_region(*rects[i]))))
            m_turn_painted[i] = -1;
    }
}

void orvella::showEvent(QShowEvent *e)
{
    // Before the window is mapped: the window manager reads the hints then.
    if (m_ignore_win_key)
        desktop::pin_to_desktop(this);
    QWidget::showEvent(e);
    if (!m_repaint_timer) {
        m_shown = shifted_now();
        arm_repaint_timer();
    }
}

void orvella::set_click_through_mask(const QPoint &local)
{
    QRegion r(rect());
    r -= QRegion(local.x(), local.y(), 1, 1);
    setMask(r);
}

void orvella::mousePressEvent(QMouseEvent *e)
{
    if (m_fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    if (e->button() == Qt::LeftButton && !m_fix_on_desktop)
        // From the press inside the window, not from the window's position,
        // which the toolkit may not know yet.
        m_drag_offset = e->position().toPoint() + frame_offset();
    e->accept();
}

void orvella::mouseMoveEvent(QMouseEvent *e)
{
    if (m_fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    if ((e->buttons() & Qt::LeftButton) && !m_fix_on_desktop)
        move_home(e->globalPosition().toPoint() - m_drag_offset);
    e->accept();
}

void orvella::moveEvent(QMoveEvent *e)
{
    // Moves made by the program are sound. Reports from the window system
    // are trusted for a framed clock, which its title bar also moves, but
    // not for a frameless one, which only our own drag moves.
    if (!e->spontaneous() || m_no_trans)
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
    if (m_fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    e->accept();
}

void orvella::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    if (m_fix_on_mouse)
        set_click_through_mask(e->position().toPoint());
    else
        save_position();
    if (e->button() == Qt::RightButton)
        emit right_clicked(e->globalPosition().toPoint());
}

void orvella::save_position()
{
    // Stored in device pixels, whatever the scale factor.
    const QPoint at = clock_placement::to_device(home(), clock_placement::current_screens());
    m_settings.set(clock_keys::posx, at.x());
    m_settings.set(clock_keys::posy, at.y());
}

void orvella::move_to_default_place()
{
    move_home(clock_placement::to_logical(QPoint(1, 1), clock_placement::current_screens()));
    save_position();
}

void orvella::close_click_through_hole()
{
    if (m_fix_on_mouse)
        clearMask();
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
