#pragma once
// app_composition: creates the program's windows and hands them to each
// other. The clock window owns what it is given and deletes it on exit.

#include <memory>

class calendar_link;
class orvella;
class time_source;

class app_composition
{
public:
    explicit app_composition(const time_source &clock);
    ~app_composition();
    app_composition(const app_composition &) = delete;
    app_composition &operator=(const app_composition &) = delete;

    orvella *clock_window() const { return m_clock; }

private:
    orvella *m_clock;
    std::unique_ptr<calendar_link> m_calendar_link;
};
