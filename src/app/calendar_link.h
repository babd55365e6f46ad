#pragma once
// calendar_link: the settings dialog's calendar controls acting on the
// running calendar window and its notes overview.

#include "settings/calendar_host.h"

class my_calendar;

class calendar_link final : public calendar_host
{
public:
    explicit calendar_link(my_calendar *c) : m_calendar(c) {}

    void refresh_calendar() override;
    void set_resize_control(bool on) override;
    void set_fixed_position(bool on) override;
    void set_show_overview(bool on) override;
    void set_overview_from_today(bool on) override;
    void repaint_overview() override;
    void set_overview_on_top(bool on) override;

private:
    my_calendar *m_calendar;
};
