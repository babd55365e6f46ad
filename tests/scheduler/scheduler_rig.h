#pragma once
// A real alarm.ini in a private data folder, a fake clock and a runner that
// records which event fired when, for tests of the evaluation pass.

#include "test_support.h"

#include "common/time_source.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"

#include <QDateTime>
#include <QList>
#include <QSettings>
#include <functional>
#include <memory>

struct firing
{
    QString key;
    QDateTime at;
    bool do_find = false;
    QString message;
    bool missed = false;
};

class recording_runner : public event_runner
{
public:
    explicit recording_runner(const time_source &clock) : m_clock(clock) {}
    void run(event_store &store, bool do_find) override
    {
        fired << firing{store.current(), m_clock.now(), do_find, store.read(event_keys::alarmmessage)};
        if (during_run)
            during_run();
    }
    void run_missed(event_store &store, bool do_find) override
    {
        run(store, do_find);
        fired.last().missed = true;
    }
    QList<firing> fired;
    std::function<void()> during_run;

private:
    const time_source &m_clock;
};

class scheduler_rig
{
public:
    // `ini` is the text of alarm.ini; `start` the fake clock's first reading.
    scheduler_rig(const QByteArray &ini, const QDateTime &start);

    // Ticks every 5 s from `from` to `to`, both included.
    void tick(const QDateTime &from, const QDateTime &to);
    // Ticks every 5 s of real time between two UTC moments, both included:
    // local times are ambiguous when the clock goes back.
    void tick_utc(const QDateTime &from, const QDateTime &to);
    // The ticks of one minute of `day` (hh:mm:00 .. hh:mm:55).
    void tick_minute(const QDate &day, int hour, int minute);
    // Firing times of one event, as "yyyy-MM-dd HH:mm:ss".
    QStringList times(const QString &key) const;
    // The same in UTC, "yyyy-MM-ddTHH:mm:ssZ", a "+" appended when missed.
    QStringList utc_times(const QString &key) const;
    QString value(const QString &key, const QString &name);
    bool has(const QString &key, const QString &name);

    temp_data_home home;
    manual_time_source clock;
    std::unique_ptr<QSettings> ini;
    std::unique_ptr<event_store> store;
    recording_runner runner{clock};
    std::unique_ptr<event_evaluator> evaluator;
};

// One event group as INI text.
QByteArray event_group(const QString &key, const QList<QPair<QString, QString>> &keys);
