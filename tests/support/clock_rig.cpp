#include "clock_rig.h"

#include "calendar/my_calendar.h"
#include "notebook/my_notebook.h"

#include "storage/ini_format.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

namespace {
void png(const QString &path, int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path))
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

void make_clock_data(const temp_data_home &home, const QByteArray &clock_ini)
{
    const QString d = home.data_folder();
    write_file(d + "/clock.ini", clock_ini);
    write_file(d + "/calendar.ini", "");
    write_file(d + "/plugins/imageformats/libqgif.so", "");
    write_file(d + "/Skins/Standart/settings.ini", "[SkinSettings]\n");
    png(d + "/Skins/Standart/clock.png", 120, 100, Qt::white);
    png(d + "/Skins/Standart/hour.png", 6, 40, Qt::black);
    png(d + "/Skins/Standart/min.png", 4, 50, Qt::black);
    png(d + "/Skins/Standart/sec.png", 2, 50, Qt::red);
    png(d + "/Skins/Standart/shapocka.png", 8, 8, Qt::gray);
    // The program's notebook opens at start-up; without a database it would
    // ask the user about the missing one.
    const QString seed = qEnvironmentVariable("ORVELLA_APP_DATA") + "/notebook.db";
    if (QFile::exists(seed) && !QFile::exists(d + "/notebook.db")) {
        QFile::copy(seed, d + "/notebook.db");
        QFile::setPermissions(d + "/notebook.db", QFile::ReadOwner | QFile::WriteOwner);
    }
}

QVariant stored(const QString &ini_file, const QString &key)
{
    QTemporaryDir d;
    const QString copy = d.path() + "/copy.ini";
    QFile::copy(ini_file, copy);
    return ini_format::open(copy)->value(key);
}

int flags_of(const QWidget &w)
{
    const Qt::WindowFlags ours =
        Qt::WindowType_Mask | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;
    return int(w.windowFlags() & ours);
}

void send_mouse(QWidget *w, QEvent::Type t, QPoint local, Qt::MouseButton b, Qt::MouseButtons held)
{
    QMouseEvent e(t, QPointF(local), QPointF(w->mapToGlobal(local)), b, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QWidget *clock_rig::calendar_window() const
{
    return calendar();
}

QWidget *clock_rig::notebook_window() const
{
    return notebook();
}
