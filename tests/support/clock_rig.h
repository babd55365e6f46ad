#pragma once
// The program as main() composes it, over a complete private data folder,
// and small helpers to drive it and read what it wrote.

#include "app/app_composition.h"
#include "app/window_commands.h"
#include "clock/clock_tray.h"
#include "clock/clock_window.h"
#include "settings/alarm_setup.h"

#include <QEvent>
#include <QPoint>
#include <QString>
#include <QVariant>

class QWidget;
class temp_data_home;

// Writes clock.ini and the files the start-up check asks for, with a small
// analog skin (120 x 100 face), so no restoration box appears.
void make_clock_data(const temp_data_home &home, const QByteArray &clock_ini);

// A key's value as stored on disk, read through a copy the toolkit has not
// cached.
QVariant stored(const QString &ini_file, const QString &key);

// The window flags the program sets (the toolkit adds title-bar hints of
// its own to framed windows).
int flags_of(const QWidget &w);

void send_mouse(QWidget *w, QEvent::Type t, QPoint local, Qt::MouseButton b, Qt::MouseButtons held);

// Every window and service of the program, built by the composition root
// on the data folder the test prepared (make_clock_data).
class clock_rig : public app_composition
{
public:
    explicit clock_rig(const time_source &t) : app_composition(t) {}
    orvella &clock() const { return *clock_window(); }
    QWidget *calendar_window() const;
    QWidget *notebook_window() const;
};
