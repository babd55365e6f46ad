#pragma once
// alarm_setup: the settings dialog. It owns the program's long-lived
// settings objects on clock.ini and alarm.ini; the clock window and the
// scheduler read and write their keys through it.
//
// The one process-wide pointer of the program lives here: instance() is the
// dialog created by the clock window, valid from its construction until its
// destruction.

#include "app/clock_settings.h"

#include <QDialog>
#include <memory>

class QSettings;

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

    QSettings &clock_ini() { return *m_clock_ini; }
    QSettings &alarm_ini() { return *m_alarm_ini; }
    clock_settings &clock() { return m_clock_settings; }

private:
    std::unique_ptr<QSettings> m_clock_ini;
    std::unique_ptr<QSettings> m_alarm_ini;
    clock_settings m_clock_settings;
    QWidget *m_clock = nullptr;
};
