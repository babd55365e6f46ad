#include "scheduler_rig.h"

#include "storage/data_folder.h"
#include "storage/ini_format.h"

scheduler_rig::scheduler_rig(const QByteArray &text, const QDateTime &start) : clock(start)
{
    write_file(home.data_folder() + "/alarm.ini", text);
    ini = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
    store = std::make_unique<event_store>(*ini);
    evaluator = std::make_unique<event_evaluator>(*store, clock, runner);
}

void scheduler_rig::tick(const QDateTime &from, const QDateTime &to)
{
    for (QDateTime t = from; t <= to; t = t.addSecs(5)) {
        clock.set(t);
        evaluator->pass();
    }
}

void scheduler_rig::tick_utc(const QDateTime &from, const QDateTime &to)
{
    for (qint64 t = from.toSecsSinceEpoch(); t <= to.toSecsSinceEpoch(); t += 5) {
        clock.set(QDateTime::fromSecsSinceEpoch(t));
        evaluator->pass();
    }
}

void scheduler_rig::tick_minute(const QDate &day, int hour, int minute)
{
    const QDateTime start(day, QTime(hour, minute));
    tick(start, start.addSecs(55));
}

QStringList scheduler_rig::times(const QString &key) const
{
    QStringList r;
    for (const firing &f : runner.fired)
        if (f.key == key)
            r << f.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return r;
}

QStringList scheduler_rig::utc_times(const QString &key) const
{
    QStringList r;
    for (const firing &f : runner.fired)
        if (f.key == key)
            r << f.at.toUTC().toString(Qt::ISODate) + (f.missed ? "+" : "");
    return r;
}

QString scheduler_rig::value(const QString &key, const QString &name)
{
    return std::as_const(*store).document().value(key + '/' + name).toString();
}

bool scheduler_rig::has(const QString &key, const QString &name)
{
    return std::as_const(*store).document().contains(key + '/' + name);
}

QByteArray event_group(const QString &key, const QList<QPair<QString, QString>> &keys)
{
    QByteArray r = "[" + key.toLatin1() + "]\n";
    for (const auto &[k, v] : keys)
        r += k.toLatin1() + "=" + v.toUtf8() + "\n";
    return r + "\n";
}
