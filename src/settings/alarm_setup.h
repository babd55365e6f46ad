#pragma once
// alarm_setup: the settings dialog. It owns the program's long-lived
// settings objects on clock.ini and alarm.ini; the clock window and the
// scheduler read and write their keys through it.
//
// Every control acts the moment it changes: its setter writes the key and
// pushes the value into the running clock (clock_host, clock_face_host) or
// calendar (calendar_host). Setters do nothing while the loading flag is
// raised. The form is Ui::Dialog (alarm_setup.ui).

#include "settings/clock_face_host.h"
#include "settings/desktop_controls.h"
#include "storage/clock_settings.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QSettings;
class audio_player;
class calendar_skin_picker;
class calendar_host;
class clock_host;
class event_store;
class gradient_writer;
class scheduler_page;
class skin_constructor;
class time_source;
class user_prompts;
struct desktop_option;

namespace Ui {
class Dialog;
}

class alarm_setup : public QDialog
{
    Q_OBJECT
public:
    explicit alarm_setup(QWidget *parent = nullptr);
    ~alarm_setup() override;

    void set_clock_host(clock_host *h) { m_host = h; }
    // Also where skins chosen with "Выбрать скин" or made in the constructor go.
    void set_face_host(clock_face_host *h);
    void set_calendar_host(calendar_host *h) { m_calendar = h; }
    void set_prompts(user_prompts *p);
    skin_constructor *constructor() const { return m_constructor; }
    calendar_skin_picker *calendar_skins() const { return m_calendar_skins; }
    // The clock's skin pictures before any scaling; the scale slider always
    // starts from these.
    void set_pristine_pictures(const skin_picture_set &p) { m_pristine = p; }
    const skin_picture_set &pristine_pictures() const { return m_pristine; }
    double scale_factor() const { return m_scale; }
    // Builds the scheduler page on the program's event store (shared with
    // the evaluation pass, so both keep to one group at a time).
    void attach_event_store(event_store &store, const time_source &clock);
    scheduler_page *page() const { return m_page.get(); }
    // A page of another part of the program, placed before the skin
    // constructor (which stays the last tab).
    // `order`: its controls in Tab order.
    void add_page(QWidget *page, const QString &title, const QList<QWidget *> &order);
    // Buttons of another part of the program, in a row under the scheduler
    // page's own.
    void add_scheduler_buttons(const QList<QWidget *> &buttons);
    // Events are shared with other machines (calendar sync): the page offers
    // to start an event's program on all of them.
    void set_shared_events(bool shared);

    QSettings &clock_ini() { return *m_clock_ini; }
    QSettings &alarm_ini() { return *m_alarm_ini; }
    QSettings &calendar_ini() { return *m_calendar_ini; }
    clock_settings &clock() { return m_clock_settings; }
    Ui::Dialog &form() { return *m_ui; }

    const desktop_controls *desktop() const { return &m_desktop; }

    // The Tab order of the program settings tab and of the scheduler tab
    // (the constructor tab keeps its own).
    QList<QWidget *> general_tab_order() const;
    QList<QWidget *> scheduler_tab_order() const;

public slots:
    void ignore_win_key(int state);
    void fix_on_desktop(int state);
    void fix_on_mouse(int state);
    void top_or_not_top(int state);
    void top_or_not_top_cal(int state);
    void no_trans(int state);
    void set_opacity(double value);

    void set_analog_type(bool on);
    void set_digital_type(bool on);
    void set_flip_type(bool on);
    void set_hourOffset(int hours);
    void set_minsOffset(int minutes);
    void set_autorun(int index);
    void set_start(int index);
    void set_resize(int position);
    void set_sec_speed(double seconds);
    void paint_sec(int state);
    void do_view_sec(int state);
    void set_top_sec(int state);
    void set_resize_flip_clock(int size);
    void do_am_pm(int state);
    void paint_flip_sec(int state);
    void do_anim(int state);
    void textChanged(const QString &text);
    void set_GradientStop_BK(bool on);
    void set_GradientStop_Font(bool on);
    void setGradientStops(const QGradientStops &stops);

    void show_calendar(int state);
    void view_resize(int state);
    void fix_cal_on_mouse(int state);
    void set_today_date(int state);
    void do_today_notes(int state);
    void do_transp_calendar(int state);
    void show_monitor_notes(int state);
    void inst_font_from_calendar(int state);
    void inst_color_from_calendar(int state);
    void do_shadow_calendar(int state);

    // Buttons, connected by object name.
    void on_pushButton_6_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_32_clicked();
    void on_pushButton_30_clicked();
    void on_pushButton_33_clicked();
    void on_pushButton_31_clicked();
    void on_pushButton_27_clicked();
    void on_pushButton_26_clicked();
    void on_pushButton_25_clicked();
    void on_pushButton_23_clicked();
    void on_pushButton_13_clicked();
    void on_pushButton_12_clicked();
    void on_pushButton_34_clicked();
    void on_pushButton_22_clicked();
    void on_pushButton_28_clicked();
    void on_pushButton_29_clicked();
    // The analog skin and the calendar skin (alarm_setup_skins.cpp).
    void on_pushButton_4_clicked();
    void on_pushButton_11_clicked();
    void on_calendar_face_up_clicked();
    void on_calendar_face_down_clicked();

    // Closing asks first about edits on the scheduler page not saved yet.
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    void connect_controls();
    void set_tab_order();
    void fix_size();
    void add_skin_choosers();
    void load_controls();
    void load_desktop_controls();
    void check_face(const QString &face);
    bool option(const desktop_option &o) const;
    void set_option(const desktop_option &o, int state);
    void untick(QCheckBox *box, const desktop_option &o, void (alarm_setup::*setter)(int));
    void set_face_type(bool on, const QString &face, int page);
    void set_clock_flag(const ini_key<bool> &key, clock_face_host::face_flag f, int state);
    void set_clock_state(const ini_key<check_state> &key, clock_face_host::face_flag f, int state);
    void set_calendar_state(const ini_key<check_state> &key, int state, bool refresh);
    void choose_clock_colour(const ini_key<QColor> &key, clock_face_host::face_colour c);
    void choose_clock_font(const ini_key<QFont> &key, clock_face_host::face_font f);
    void choose_format(const ini_key<QString> &key, clock_face_host::face_text t, const QString &preset,
                       bool allow_empty);
    void choose_calendar_colour(const ini_key<QColor> &key);
    void load_gradient(const char *group);
    void refresh_calendar();
    user_prompts &prompts() const;

    std::unique_ptr<Ui::Dialog> m_ui;
    std::unique_ptr<QSettings> m_clock_ini;
    std::unique_ptr<QSettings> m_alarm_ini;
    std::unique_ptr<QSettings> m_calendar_ini;
    clock_settings m_clock_settings;
    typed_settings m_calendar_settings;
    desktop_controls m_desktop;
    clock_host *m_host = nullptr;
    clock_face_host *m_face = nullptr;
    calendar_host *m_calendar = nullptr;
    user_prompts *m_prompts = nullptr;
    skin_picture_set m_pristine;
    double m_scale = 1.0;
    bool m_sized = false;
    gradient_writer *m_gradient_writer = nullptr;
    std::unique_ptr<audio_player> m_preview;
    std::unique_ptr<scheduler_page> m_page;
    skin_constructor *m_constructor = nullptr;
    // Controls of other parts of the program, in the Tab chain.
    QList<QWidget *> m_added_buttons;
    QWidget *scheduler_row();
    QWidget *m_scheduler_row = nullptr;
    QCheckBox *m_run_everywhere = nullptr;
    QList<QWidget *> m_added_pages_order;
    calendar_skin_picker *m_calendar_skins = nullptr;
};
