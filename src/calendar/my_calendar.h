#pragma once
// my_calendar: the calendar window. A month grid over a skin picture, with
// a ring around the days that have notes; dragged with the mouse, resized
// with a grip, optionally skinless. Its context menu edits the notes of the
// selected day (my_calendar_notes.cpp); every five seconds it looks for
// due note reminders and emits them on doshowNotes(). It owns the note
// editor and the notes overview.

#include "calendar/calendar_settings.h"
#include "calendar/skin_picture.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QGraphicsDropShadowEffect;
class QGridLayout;
class QMenu;
class QPropertyAnimation;
class QSettings;
class QTimer;
class addNote;
class my_monitor;
class notes_store;
class qtcalendar;
class resize_label;
class shared_wake_timer;
class time_source;

class my_calendar : public QWidget
{
    Q_OBJECT
public:
    my_calendar(notes_store &store, const time_source &clock, QWidget *parent = nullptr);
    ~my_calendar() override;

    // Re-reads calendar.ini and applies the look (skin, colours, font,
    // shadow, the overview's font and colours).
    void load_settings();
    // Hide and show: repaints and turns the grid to today.
    void refresh();
    // Animates the window from the middle of the screen to its saved place.
    void slide_in();
    // One tick of the clock's evaluation pass: while the pointer is away
    // from the calendar and the overview, refill the overview (when what it
    // shows can have changed) and turn the grid to today.
    void periodic_refresh();
    // Writes POSITION from the window's place.
    void save_position();

    void set_resize_control(bool on);
    bool resize_control() const { return m_resize_control; }
    void set_fixed_position(bool on);
    // Show the notes overview with the calendar every time.
    void set_show_overview(bool on) { m_look.show_overview = on; }
    bool fixed_position() const { return m_fixed_position; }
    bool pointer_outside() const { return m_pointer_outside; }
    const calendar_look &look() const { return m_look; }
    // True once the skin picture has been decoded (it is at the first paint).
    bool skin_decoded() const { return m_background.decoded(); }
    QString sound() const;

    qtcalendar *calendar_widget() const { return m_calendar; }
    my_monitor *overview() const { return m_monitor.get(); }
    addNote *editor() const { return m_editor; }
    QMenu *context_menu() const { return m_menu; }
    resize_label *grip() const { return m_grip.get(); }
    shared_wake_timer *reminder_timer() const { return m_reminder_timer; }
    QTimer *grip_timer() const { return m_grip_timer; }
    notes_store &store() { return m_store; }
    QSettings &ini() { return *m_ini; }
    // Where a stored position is corrected to when it is off every screen.
    static QPoint checked_position(QPoint saved, QSize size);
    // Asked before a due note's reminder shows (calendar sync: one machine
    // shows it); `decide(true)` shows it. Without a gate it shows at once.
    using note_gate =
        std::function<void(QDate date, const QString &key, const QDateTime &minute, std::function<void(bool)> decide)>;
    void set_note_gate(note_gate gate) { m_note_gate = std::move(gate); }

signals:
    void doshowNotes(const QString &text);
    // Ctrl+F: the search over everything the user wrote.
    void search_requested();

public slots:
    void customContextMenuRequested(const QPoint &pos);
    void close_calendar();
    void add_note();
    void edit_note(QAction *action);
    void delete_note();
    void update_note();
    void hide_resize_label();
    void show_browser();
    void update_buffer();
    void go_note(const QString &date);
    void go_to_now();
    void show_notes();

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void apply_overview_look();
    void place_grip();
    // After a change of notes: date list, overview, repaint, pointer back.
    void after_note_change();
    QDate selected() const;

    notes_store &m_store;
    note_gate m_note_gate;
    const time_source &m_clock;
    skin_picture m_background;
    qtcalendar *m_calendar = nullptr;
    std::unique_ptr<QSettings> m_ini;
    calendar_look m_look;
    std::unique_ptr<resize_label> m_grip;
    QGridLayout *m_layout = nullptr;
    bool m_resize_control = false;
    bool m_fixed_position = false;
    QMenu *m_menu = nullptr;
    std::unique_ptr<my_monitor> m_monitor;
    bool m_pointer_outside = true;
    QPropertyAnimation *m_slide = nullptr;
    QPoint m_saved;
    shared_wake_timer *m_reminder_timer = nullptr;
    QTimer *m_grip_timer = nullptr;
    addNote *m_editor = nullptr;
    QGraphicsDropShadowEffect *m_shadow = nullptr;
    QPoint m_drag_offset;
    QPoint m_menu_pointer; // where the pointer goes back after a change
};
