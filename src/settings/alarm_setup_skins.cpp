// alarm_setup's skins: the constructor tab, "Выбрать скин" on the analog
// page and the calendar skin buttons of the calendar group.
#include "common/user_prompts.h"
#include "settings/alarm_setup.h"
#include "settings/calendar_host.h"
#include "settings/constructor/calendar_skin_picker.h"
#include "settings/constructor/skin_constructor.h"
#include "ui_alarm_setup.h"

void alarm_setup::add_skin_choosers()
{
    m_constructor = new skin_constructor(this);
    m_constructor->set_clock_settings(&m_clock_settings);
    m_ui->tabWidget->addTab(m_constructor, QStringLiteral("Конструктор скинов аналоговых часов"));

    m_calendar_skins = new calendar_skin_picker(this, *m_calendar_ini);
    m_calendar_skins->set_calendar_reload([this](bool stepped) {
        refresh_calendar();
        if (stepped && m_calendar)
            m_calendar->repaint_overview();
    });
}

void alarm_setup::set_prompts(user_prompts *p)
{
    m_prompts = p;
    m_constructor->set_prompts(p);
    m_calendar_skins->set_prompts(p);
}

void alarm_setup::set_face_host(clock_face_host *h)
{
    m_face = h;
    m_constructor->set_face_host(h);
}

void alarm_setup::on_pushButton_4_clicked()
{
    m_constructor->choose_skin_folder();
}

void alarm_setup::on_pushButton_11_clicked()
{
    m_calendar_skins->choose_file();
}

void alarm_setup::on_calendar_face_up_clicked()
{
    m_calendar_skins->step_up();
}

void alarm_setup::on_calendar_face_down_clicked()
{
    m_calendar_skins->step_down();
}
