#include "settings/gradient_writer.h"

#include "storage/clock_settings.h"

gradient_writer::gradient_writer(clock_settings &settings, QObject *parent) : QObject(parent), m_settings(settings)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(interval_ms);
    connect(&m_timer, &QTimer::timeout, this, &gradient_writer::on_timeout);
}

gradient_writer::~gradient_writer()
{
    flush();
}

void gradient_writer::write(const char *group, const QGradientStops &stops)
{
    // A change of group writes the other group's last stops first.
    if (m_pending && m_group != group)
        flush();
    if (!m_timer.isActive()) {
        write_now(group, stops);
        m_timer.start();
        return;
    }
    m_group = group;
    m_stops = stops;
    m_pending = true;
}

void gradient_writer::flush()
{
    if (!m_pending)
        return;
    write_now(m_group, m_stops);
}

void gradient_writer::on_timeout()
{
    if (!m_pending)
        return;
    write_now(m_group, m_stops);
    m_timer.start();
}

void gradient_writer::write_now(const char *group, const QGradientStops &stops)
{
    m_pending = false;
    m_settings.set_gradient(group, stops);
    ++m_writes;
}
