#pragma once
// orvella: the clock window. It shows the face, keeps its repaint timer and
// the flip animations, follows drags and remembers where it was dropped.
// Painting is delegated to the faces; what other windows do is decided by
// whoever listens to its signals.

#include "clock/clock_look.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/face_size.h"
#include "common/time_source.h"
#include "settings/clock_face_host.h"
#include "settings/clock_host.h"

#include <QDateTime>
#include <QRect>
#include <QRegion>
#include <QTimeLine>
#include <QWidget>

class QPainter;
struct flip_cards;
class clock_settings;

class orvella : public QWidget
{
    Q_OBJECT
public:
    // Reads its look, flags and position from the settings at once.
    orvella(const time_source &clock, clock_settings &settings, QWidget *parent = nullptr);
    ~orvella() override;

    // The local time moved by hourOffset and minsOffset.
    QDateTime shifted_now() const;

    clock_look &look() { return m_look; }
    const clock_look &look() const { return m_look; }
    // Call after changing look(): fits the window to the face and re-arms
    // the repaint timer for the face's pace.
    void look_changed();
    // A text or a font changed: the digital text is measured afresh.
    void text_changed();
    // Sizes the window for its face at this moment, keeping its position.
    void fit_to_face();

    // The skin's pictures before any scaling.
    const skin_picture_set &pristine_pictures() const { return m_pristine; }
    // Loads a skin folder scaled by `scale` (the resize option); a skin
    // with a picture missing is refused (the loader has warned) and the
    // clock keeps what it shows.
    bool load_skin_folder(const QString &folder, double scale);

    // The five own desktop flags (top_cal belongs to the calendar).
    bool desktop_flag(clock_host::flag_id f) const;
    void set_desktop_flag(clock_host::flag_id f, bool on);
    // Sets the window flags from the windowed, on-top flags and start mode.
    void apply_window_flags();

    int start_mode() const { return m_set_start; }
    void set_start_mode(int m) { m_set_start = m; }
    bool fading() const { return m_fading; }
    double fade_opacity() const { return m_fade_opacity; }

    // Back to (1, 1) of the primary screen, stored at once.
    void move_to_default_place();
    // Writes posx and posy (device pixels).
    void save_position();
    // The click-through hole follows the pointer; each evaluation tick
    // closes it again.
    void close_click_through_hole();

    // Flip face: last-turned times, card time lines and the digital
    // face's remembered width, for tests and benchmarks.
    QDateTime last_turn_of_seconds() const { return m_last_sec; }
    QDateTime last_turn_of_minutes() const { return m_last_min; }
    QTimeLine *hour_line() { return &m_hour_line; }
    QTimeLine *min_line() { return &m_min_line; }
    QTimeLine *sec_line() { return &m_sec_line; }
    int remembered_width() const { return m_remembered_width; }
    // The time the face on the screen shows, and whether a repaint is
    // due at all (a hidden clock has no timer).
    QDateTime shown_time() const { return m_shown; }
    bool repaint_timer_armed() const { return m_repaint_timer != 0; }
    QRect hour_card() const { return m_hour_rect; }
    QRect sec_card() const { return m_sec_rect; }

signals:
    // The right button came up on the clock (the position is stored by then
    // unless the clock lets clicks through).
    void right_clicked(QPoint global);
    void pristine_pictures_changed(const skin_picture_set &pictures);

public slots:
    // Hides a shown clock, else shows it (start mode 0 from then on).
    void do_state();

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
    void set_pristine(const skin_pictures &p);
    void setup_card_lines();
    void place_at_stored_position(QPoint stored);
    void resize_keeping_position(QSize s);
    void move_home(QPoint at);
    void fit_to_face_at(const QDateTime &t);
    // What differs on the window between the face at `before` and at `now`.
    QRegion changed_region(const QDateTime &before, const QDateTime &now);
    bool has_face() const;
    bool awake() const;
    void stop_repaint_timer();
    // Repaints everything at the time of now.
    void show_now();
    QPoint frame_offset() const;
    QPoint home() const;
    void start_repaint_timer(int ms);
    void arm_repaint_timer(const QDateTime &at = QDateTime());
    bool card_turning() const;
    flip_cards flip_state() const;
    void paint_flip(QPainter &p, const QDateTime &now, QSize window, const QRegion &area);
    void set_click_through_mask(const QPoint &local);
    // Picks the opacity for this paint, advancing the fade-in.
    double paint_opacity(double fade_step);

    const time_source &m_time;
    local_time_reader m_local; // the ticks' local time, without a zone lookup each
    clock_settings &m_settings;
    clock_look m_look;
    skin_picture_set m_pristine;
    int m_repaint_timer = 0;
    int m_set_start = 0;
    bool m_fading = true;
    double m_fade_opacity = 0.0;

    bool m_fix_on_desktop = false;
    bool m_ignore_win_key = false;
    bool m_fix_on_mouse = false;
    bool m_no_trans = false;
    bool m_top = false;

    // Flip face: the three card rectangles and last-turned times.
    QRect m_hour_rect, m_min_rect, m_sec_rect;
    QDateTime m_last_hour, m_last_min, m_last_sec;
    QTimeLine m_hour_line, m_min_line, m_sec_line;
    // The frame of each card's turn last painted (hour, minute, second).
    int m_turn_painted[3] = {-1, -1, -1};
    int m_remembered_width = 0; // digital face, framed mode

    QPoint m_drag_offset;
    // Where the clock is (its frame's top-left, as move() takes it). The
    // toolkit's own idea can be stale: a window manager that reparents the
    // window reports it at its frame's origin for a while after mapping.
    QPoint m_home;
    QDateTime m_shown;            // the time the face shows, set by the ticks
    digital_text m_digital_shown; // the text the last tick asked to paint
    clock_faces m_faces;          // what each face measured and rendered for this window
    face_fit m_fit;
};
