#pragma once
// The language the interface speaks: month and day names, wherever the
// program shows a date, are Russian like every other word of it, whatever
// locale the process was started with. Numbers keep the process's locale.

#include <QLocale>

inline QLocale interface_locale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}
