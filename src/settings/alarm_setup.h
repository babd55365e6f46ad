#pragma once
// alarm_setup: the settings dialog. It owns the program's long-lived
// settings objects on clock.ini and alarm.ini; the clock window and the
// scheduler read and write their keys through it.
//
// The one process-wide pointer of the program lives here: instance() is the
// dialog created by the clock window, valid from its construction until its
// destruction.
//
// Every control acts the moment it changes: its setter writes the key and
// pushes the value into the clock window (through clock_host). Setters do
// nothing while the loading flag is raised.

#include "app/clock_settings.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QSettings;
class clock_host;
class desktop_controls;
struct desktop_option;

class alarm_setup : public QDialog
{
    Q_OBJECT
public:
    explicit alarm_setup(QWidget *parent = nullptr);
    ~alarm_setup() override;

    static alarm_setup *instance();

    // Back pointer to the clock window.
    void set_clock_window(QWidget *w) { m_clock = w; }
    QWidget *clock_window() const { return m_clock; }
    void set_clock_host(clock_host *h) { m_host = h; }

    QSettings &clock_ini() { return *m_clock_ini; }
    QSettings &alarm_ini() { return *m_alarm_ini; }
    clock_settings &clock() { return m_clock_settings; }

    desktop_controls *desktop() const { return m_desktop; }

public slots:
    void ignore_win_key(int state);
    void fix_on_desktop(int state);
    void fix_on_mouse(int state);
    void top_or_not_top(int state);
    void top_or_not_top_cal(int state);
    void no_trans(int state);
    void set_opacity(double value);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void load_desktop_controls();
    bool option(const desktop_option &o) const;
    void set_option(const desktop_option &o, int state);
    void untick(QCheckBox *box, const desktop_option &o, void (alarm_setup::*setter)(int));

    std::unique_ptr<QSettings> m_clock_ini;
    std::unique_ptr<QSettings> m_alarm_ini;
    clock_settings m_clock_settings;
    QWidget *m_clock = nullptr;
    clock_host *m_host = nullptr;
    desktop_controls *m_desktop = nullptr;
};
