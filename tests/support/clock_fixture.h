#pragma once
// A complete private data folder for a clock window, and small helpers to
// drive it and read what it wrote.

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

void send_mouse(QWidget *w, QEvent::Type t, QPoint local, Qt::MouseButton b, Qt::MouseButtons held);
