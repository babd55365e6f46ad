#pragma once
// firing_gate: asked before a due event's actions run, so that an event
// shared by several machines fires on one of them only. Without a gate
// every due event fires at once.

#include <QDateTime>
#include <QString>
#include <functional>

class firing_gate
{
public:
    virtual ~firing_gate() = default;
    // Whether this machine carries out the firing of the event `uid` due in
    // `minute` (local time). `decide` is called exactly once, perhaps later;
    // the firing is already recorded in the event either way.
    virtual void claim(const QString &uid, const QDateTime &minute, std::function<void(bool fire)> decide) = 0;
};
