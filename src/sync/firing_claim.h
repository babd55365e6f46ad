#pragma once
// firing_claim: the firing gate of a synced calendar. Before a shared event
// fires, it reads the event's resource on the server: acknowledged for this
// minute or later means another machine fired it, and this one does not.
// Otherwise it claims the firing by writing the acknowledgement with
// If-Match; losing that race (412) to another machine's acknowledgement
// means it does not fire either. With the server unreachable it fires; the
// acknowledgement goes out with the next sync (a duplicate is then possible).

#include "scheduler/firing_gate.h"

class caldav_client;
class local_calendar;

class firing_claim : public firing_gate
{
public:
    firing_claim(caldav_client &client, local_calendar &local) : m_client(client), m_local(local) {}
    void set_enabled(bool on) { m_enabled = on; }
    bool enabled() const { return m_enabled; }
    void set_journals(bool on) { m_journals = on; }
    void claim(const QString &uid, const QDateTime &minute, std::function<void(bool fire)> decide) override;

private:
    void attempt(const QString &uid, const QString &href, const QDateTime &minute, int tries,
                 std::function<void(bool)> decide);
    caldav_client &m_client;
    local_calendar &m_local;
    bool m_enabled = false;
    bool m_journals = true;
};
