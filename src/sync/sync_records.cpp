#include "sync/sync_records.h"

#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "scheduler/event_store.h"
#include "scheduler/event_time.h"
#include "storage/alarm_keys.h"

#include <QUuid>

namespace k = event_keys;

bool event_record::same_content(const event_record &o) const
{
    return uid == o.uid && name == o.name && message == o.message && sound == o.sound && run_file == o.run_file &&
           run_arg == o.run_arg && run_cat == o.run_cat && repeat == o.repeat && date == o.date && time == o.time &&
           (repeat != event_keys::minute_cycle || repeat_min == o.repeat_min) && (repeat != event_keys::daily || days == o.days) &&
           (repeat != event_keys::monthly || months == o.months) && beep == o.beep &&
           disabled == o.disabled && do_find == o.do_find && last_fired == o.last_fired && origin == o.origin &&
           run_everywhere == o.run_everywhere;
}

bool note_record::same_content(const note_record &o) const
{
    return uid == o.uid && date == o.date && text == o.text && timed == o.timed && (!timed || time == o.time) &&
           shown_at == o.shown_at;
}

namespace sync_records {

QString new_uid(const QString &machine)
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + (machine.isEmpty() ? u"orvella"_qs : machine);
}

event_record read_event(event_store &store, const QString &key)
{
    event_store::scope in(store, key);
    event_record r;
    r.key = key;
    r.uid = store.read(k::uid);
    r.name = store.read(k::name, event_store::reader::page);
    r.message = store.read(k::alarmmessage);
    r.sound = store.read(k::soundfile);
    r.run_file = store.read(k::run_file);
    r.run_arg = store.read(k::run_arg);
    r.run_cat = store.read(k::run_cat);
    r.repeat = store.read(k::repeat);
    r.date = event_time::parse_date(store.read(k::date));
    r.repeat_min = store.read(k::repeat_min, event_store::reader::page);
    r.time = r.repeat == k::minute_cycle ? QTime() : event_time::parse_time(store.read(k::time));
    // A minute cycle keeps its next firing in date and time; what it is
    // lies in repeat_min alone.
    if (r.repeat == k::minute_cycle)
        r.date = QDate();
    for (int i = 0; i < 7; ++i)
        r.days[i] = store.read(k::day[i]);
    for (int i = 0; i < 12; ++i)
        r.months[i] = store.read(k::month[i]);
    r.beep = store.read(k::beep_pc);
    r.disabled = store.read(k::disable);
    r.do_find = store.read(k::do_find);
    const QDateTime last = event_time::last_firing(store.read(k::lastrun), store.read(k::lastrun_utc));
    if (last.isValid())
        r.last_fired = last.toUTC();
    r.origin = store.read(k::origin);
    r.run_everywhere = store.read(k::run_everywhere);
    return r;
}

QList<event_record> read_events(event_store &store, bool assign_uids, const QString &machine)
{
    QList<event_record> out;
    bool wrote = false;
    for (const QString &key : store.events()) {
        event_record r = read_event(store, key);
        if (r.uid.isEmpty() && assign_uids) {
            r.uid = new_uid(machine);
            event_store::scope in(store, key);
            store.write(k::uid, r.uid);
            if (r.origin.isEmpty()) {
                r.origin = machine;
                store.write(k::origin, r.origin);
            }
            wrote = true;
        }
        out << r;
    }
    if (wrote)
        store.sync();
    return out;
}

QString write_event(event_store &store, event_record r, const QDateTime &now)
{
    if (r.key.isEmpty() || !store.contains(r.key))
        r.key = store.new_key(now);
    event_store::scope in(store, r.key);
    store.write(k::uid, r.uid);
    store.write(k::name, r.name);
    store.write(k::alarmmessage, r.message);
    store.write(k::soundfile, r.sound);
    store.write(k::run_file, r.run_file);
    store.write(k::run_arg, r.run_arg);
    store.write(k::run_cat, r.run_cat);
    store.write(k::repeat, r.repeat);
    const QDate date = r.date.isValid() ? r.date : now.date();
    store.write(k::date, date.toString(QStringLiteral("dd.MM.yyyy")));
    store.write(k::repeat_min, r.repeat_min);
    store.write(k::time, r.repeat == k::minute_cycle ? QStringLiteral("00:") + QString::number(r.repeat_min)
                                                     : (r.time.isValid() ? r.time : QTime(0, 0)).toString(u"HH:mm"));
    for (int i = 0; i < 7; ++i)
        store.write(k::day[i], r.days[i]);
    for (int i = 0; i < 12; ++i)
        store.write(k::month[i], r.months[i]);
    store.write(k::beep_pc, r.beep);
    store.write(k::disable, r.disabled);
    store.write(k::do_find, r.do_find);
    if (r.last_fired.isValid()) {
        const QDateTime local = r.last_fired.toLocalTime();
        store.write(k::lastrun, event_time::format_lastrun(local));
        store.write(k::lastrun_utc, event_time::format_utc(local));
    }
    store.write(k::origin, r.origin);
    store.write(k::run_everywhere, r.run_everywhere);
    return r.key;
}

namespace {

const QString stamp_format = QStringLiteral("dd:MM:yyyy:HH:mm");

QStringList record_of(const note_record &r)
{
    const bool shown = r.shown_at.isValid();
    return {r.text, r.timed ? QStringLiteral("2") : QStringLiteral("0"),
            (r.time.isValid() ? r.time : QTime(0, 0)).toString(u"HH:mm"),
            shown ? r.shown_at.toLocalTime().toString(stamp_format) : note_reminders::reader_defaults().at(3),
            shown ? QStringLiteral("1") : QStringLiteral("0")};
}

} // namespace

note_record note_of(QDate date, const QString &key, const QStringList &stored)
{
    const QStringList f = notes_store::fill(note_reminders::reader_defaults(), stored);
    note_record r;
    r.date = date;
    r.key = key;
    r.text = f.at(0);
    r.timed = f.at(1) == QLatin1String("2");
    if (r.timed)
        r.time = QTime::fromString(f.at(2), u"HH:mm");
    if (f.at(4) == QLatin1String("1")) {
        const QDateTime at = QDateTime::fromString(f.at(3), stamp_format);
        if (at.isValid())
            r.shown_at = at.toUTC();
    }
    return r;
}

QList<note_record> read_notes(notes_store &store)
{
    QList<note_record> out;
    for (const QString &group : store.dates()) {
        const QDate d = notes_store::parse_date(group);
        if (!d.isValid())
            continue;
        for (const QString &key : store.keys(group))
            out << note_of(d, key, store.read(group, key));
    }
    return out;
}

QString write_note(notes_store &store, note_record r)
{
    if (!r.key.isEmpty() && !store.keys(r.date).contains(r.key))
        r.key.clear();
    if (r.key.isEmpty())
        r.key = store.add_note(r.date, r.text, r.timed, r.time);
    const QStringList wanted = record_of(r);
    if (notes_store::fill(note_reminders::reader_defaults(), store.read(r.date, r.key)) != wanted)
        store.mark_shown(r.date, r.key, wanted);
    return r.key;
}

} // namespace sync_records
