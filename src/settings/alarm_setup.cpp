#include "settings/alarm_setup.h"

#include "app/data_folder.h"
#include "app/ini_format.h"

namespace {
alarm_setup *g_instance = nullptr;
}

alarm_setup::alarm_setup(QWidget *parent)
    : QDialog(parent),
      m_clock_ini(ini_format::open(data_folder::file("//clock.ini"))),
      m_alarm_ini(ini_format::open(data_folder::file("//alarm.ini"))),
      m_clock_settings(*m_clock_ini)
{
    setWindowTitle(QStringLiteral("Настройки программы"));
    g_instance = this;
}

alarm_setup::~alarm_setup()
{
    m_clock_ini->sync();
    m_alarm_ini->sync();
    if (g_instance == this)
        g_instance = nullptr;
}

alarm_setup *alarm_setup::instance()
{
    return g_instance;
}
