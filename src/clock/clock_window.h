#pragma once
// orvella: the clock window, the program's one permanent window. It owns
// the long-lived windows, the tray, the timers and the flip animations;
// painting is delegated to the faces, settings to alarm_setup.

#include "clock/clock_look.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/face_size.h"
#include "settings/clock_face_host.h"
#include "settings/clock_host.h"
#include "settings/constructor/skin_host.h"

#include <QDateTime>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimeLine>
#include <QWidget>
#include <functional>
#include <memory>

class QPainter;
class QTimer;
struct flip_cards;
class alarm_setup;
class audio_player;
class clock_tray;
class event_scheduler;
class my_calendar;
class time_source;

class orvella : public QWidget, public clock_host, public clock_face_host, public skin_host
{
    Q_OBJECT
public:
    explicit orvella(const time_source &clock, QWidget *parent = nullptr);
    ~orvella() override;

    // The local time moved by hourOffset and minsOffset.
    QDateTime shifted_now() const;

    // Call after changing look(): fits the window to the face and re-arms
    // the repaint timer for the face's pace.
    void look_changed();

    // Sizes the window for its face at this moment, keeping its position.
    void fit_to_face();

    clock_look &look() { return m_look; }
    const clock_look &look() const { return m_look; }
    alarm_setup *settings_dialog() const { return m_setup; }
    audio_player *alarm_player() const { return m_player.get(); }
    const time_source &clock_source() const { return m_time; }
    QWidget *calendar_window() const;
    my_calendar *calendar() const { return m_calendar; }
    // Takes the calendar window (owned from now on): hands it the clock's
    // calendar flags, its window flags, the note reminders' sticker, and
    // shows it in start modes 1 and 2.
    void set_calendar(my_calendar *c);
    // Today's notes near the lower right corner, when there are any.
    void show_today_stiker();
    QWidget *notebook_window() const { return m_notebook; }
    // Takes ownership; the window gets the notebook's flags at once.
    void set_notebook_window(QWidget *notebook);
    // Asked before Exit quits; false keeps the program running.
    void set_quit_guard(std::function<bool()> guard) { m_quit_guard = std::move(guard); }
    clock_tray *tray() const { return m_tray.get(); }

    int start_mode() const override { return m_set_start; }
    void set_start_mode(int m) { m_set_start = m; }
    int autorun() const { return m_autorun; }
    void set_autorun(int a) { m_autorun = a; }
    bool fading() const { return m_fading; }
    double fade_opacity() const { return m_fade_opacity; }

    // Behaviour flags (set by the settings dialog's setters).
    bool fix_on_desktop = false;
    bool ignore_win_key = false;
    bool fix_on_mouse = false;
    bool show_calendar = false;
    bool no_trans = false;
    bool top = false;
    bool top_cal = false;
    bool do_today = false;

    // Flip face: the three card rectangles and last-turned times.
    QRect hour_rect, min_rect, sec_rect;
    QDateTime last_hour, last_min, last_sec;
    QTimeLine *hour_line() { return &m_hour_line; }
    QTimeLine *min_line() { return &m_min_line; }
    QTimeLine *sec_line() { return &m_sec_line; }
    int remembered_width = 0; // digital face, framed mode

signals:
    // set_default() removed notebook_size.dat: the notebook must not write it back.
    void notebook_size_reset();

public slots:
    void do_state();
    void do_cal_state();
    void view_notebook();
    void my_alarm();
    void do_alarma();
    void about_prg();
    void close_application();
    void set_default();
    void show_stiker(const QString &text);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void fin_hour();
    void fin_min();
    void fin_sec();

public:
    // clock_host: what the settings dialog's setters change.
    bool desktop_flag(flag_id f) const override;
    void set_desktop_flag(flag_id f, bool on) override;
    QWidget *host_window(window_id w) override;
    void reapply_window_flags(window_id w) override;
    void set_face_opacity(double opacity) override;
    // skin_host: a skin folder chosen or made in the settings dialog.
    bool apply_skin_folder(const QString &folder) override;

    // clock_face_host: what the settings dialog's look controls change.
    QString face() const override { return m_look.clock; }
    void set_face(const QString &face) override;
    void set_flag(face_flag f, bool on) override;
    QColor colour_of(face_colour c) const override;
    void set_colour(face_colour c, const QColor &value) override;
    QFont font_of(face_font f) const override;
    void set_font(face_font f, const QFont &value) override;
    void set_text(face_text t, const QString &value) override;
    QGradientStops gradient_of(face_gradient g) const override;
    void set_gradient(face_gradient g, const QGradientStops &stops) override;
    void set_time_offset(int hours, int minutes) override;
    void set_tray_action(int index) override { m_autorun = index; }
    void set_flip_size(int size) override;
    void set_repaint_interval(double ms) override;
    bool fading_in() const override { return m_fading; }
    void set_skin_pictures(const skin_picture_set &pictures) override;

    // Start-up: re-anchors the interval events (run once, before the alarm timer).
    void rebase_tasks();
    event_scheduler *scheduler() const { return m_scheduler.get(); }

protected:
    void paintEvent(QPaintEvent *e) override;
    void timerEvent(QTimerEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void moveEvent(QMoveEvent *e) override;

private:
    void read_settings();
    void load_skin();
    void place_at_stored_position(QPoint stored);
    void resize_keeping_position(QSize s);
    void move_home(QPoint at);
    QRect digital_repaint_area();
    QPoint frame_offset() const;
    QPoint home() const;
    void apply_window_flags();
    void start_repaint_timer(int ms);
    void repaint_interval_after_fade();
    void arm_repaint_timer();
    bool card_turning() const;
    flip_cards flip_state() const;
    void paint_flip(QPainter &p, const QDateTime &now, QSize window);
    void write_position();
    void set_click_through_mask(const QPoint &local);
    // Picks the opacity for this paint, advancing the fade-in.
    double paint_opacity(double fade_step);

    const time_source &m_time;
    clock_look m_look;
    my_calendar *m_calendar = nullptr;
    QWidget *m_notebook = nullptr;
    std::function<bool()> m_quit_guard;
    alarm_setup *m_setup = nullptr;
    std::unique_ptr<audio_player> m_player;
    std::unique_ptr<clock_tray> m_tray;
    std::unique_ptr<event_scheduler> m_scheduler;
    QTimer *m_alarm_timer = nullptr;
    int m_repaint_timer = 0;
    int m_set_start = 0;
    int m_autorun = 0;
    bool m_fading = true;
    double m_fade_opacity = 0.0;
    QTimeLine m_hour_line, m_min_line, m_sec_line;
    QPoint m_drag_offset;
    // Where the clock is (its frame's top-left, as move() takes it). The
    // toolkit's own idea can be stale: a window manager that reparents the
    // window reports it at its frame's origin for a while after mapping.
    QPoint m_home;
    digital_text m_digital_shown; // the text the last tick asked to paint
    face_fit m_fit;
};
