#include "sync/ical_mapping.h"

#include "storage/alarm_keys.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTimeZone>
#include <QUrl>

extern "C" {
#include <libical/ical.h>
}

#include <memory>

namespace k = event_keys;

namespace {

struct component_free
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using component_ptr = std::unique_ptr<icalcomponent, component_free>;

const char *const kind_property = "X-ORVELLA-KIND";

QString local_zone(const ical_mapping::options &o)
{
    return o.zone_id.isEmpty() ? QString::fromUtf8(QTimeZone::systemTimeZoneId()) : o.zone_id;
}

bool is_utc(const QString &zone)
{
    return zone == u"UTC" || zone == u"Etc/UTC" || zone == u"Etc/GMT" || zone == u"GMT" || zone.isEmpty();
}

icaltimetype utc_time(const QDateTime &t)
{
    return icaltime_from_timet_with_zone(t.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

icaltimetype floating(QDate d, QTime t)
{
    icaltimetype v = icaltime_null_time();
    v.year = d.year();
    v.month = d.month();
    v.day = d.day();
    v.hour = t.hour();
    v.minute = t.minute();
    v.second = 0;
    v.is_date = 0;
    return v;
}

icaltimetype date_only(QDate d)
{
    icaltimetype v = icaltime_null_date();
    v.year = d.year();
    v.month = d.month();
    v.day = d.day();
    return v;
}

// DTSTART at a local wall time: TZID of the local zone, or UTC where the
// machine runs on UTC.
icalproperty *local_start(QDate d, QTime t, const QString &zone)
{
    if (is_utc(zone)) {
        const QDateTime local(d, t, QTimeZone::systemTimeZone());
        return icalproperty_new_dtstart(utc_time(local));
    }
    icalproperty *p = icalproperty_new_dtstart(floating(d, t));
    icalproperty_add_parameter(p, icalparameter_new_tzid(zone.toUtf8().constData()));
    return p;
}

// The zone's VTIMEZONE from libical's zone data, under the plain IANA id.
icalcomponent *zone_component(const QString &zone)
{
    if (is_utc(zone))
        return nullptr;
    icaltimezone *z = icaltimezone_get_builtin_timezone(zone.toUtf8().constData());
    if (!z)
        return nullptr;
    icalcomponent *c = icaltimezone_get_component(z);
    if (!c)
        return nullptr;
    icalcomponent *copy = icalcomponent_new_clone(c);
    // The zone's history before 1970 only makes the file long.
    icaltimetype since = icaltime_from_timet_with_zone(0, 0, icaltimezone_get_utc_timezone());
    icaltimezone_truncate_vtimezone(copy, since, icaltime_null_time(), 0);
    if (icalproperty *id = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(id, zone.toUtf8().constData());
    return copy;
}

void add_x(icalcomponent *c, const char *name, const QString &value)
{
    if (value.isEmpty())
        return;
    icalproperty *p = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(c, p);
}

void add_flag(icalcomponent *c, const char *name, bool on)
{
    if (on)
        add_x(c, name, QStringLiteral("1"));
}

QString x_value(icalcomponent *c, const char *name, bool *present = nullptr)
{
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0) {
            if (present)
                *present = true;
            return QString::fromUtf8(icalproperty_get_x(p));
        }
    }
    if (present)
        *present = false;
    return {};
}

QString text_of(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

icalcomponent *alarm(icalproperty_action action, const QString &description, const QDateTime &acknowledged)
{
    icalcomponent *a = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(a, icalproperty_new_action(action));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalproperty *t = icalproperty_new_trigger(trigger);
    icalproperty_add_parameter(t, icalparameter_new_related(ICAL_RELATED_START));
    icalcomponent_add_property(a, t);
    if (action == ICAL_ACTION_DISPLAY)
        icalcomponent_add_property(a, icalproperty_new_description(description.toUtf8().constData()));
    if (acknowledged.isValid())
        icalcomponent_add_property(a, icalproperty_new_acknowledged(utc_time(acknowledged)));
    return a;
}

void add_audio(icalcomponent *alarm_, const QString &sound)
{
    const QUrl url = QUrl::fromLocalFile(sound);
    icalattach *att = icalattach_new_from_url(url.toEncoded().constData());
    icalcomponent_add_property(alarm_, icalproperty_new_attach(att));
    icalattach_unref(att);
}

void add_common(icalcomponent *c, const QString &uid, const ical_mapping::options &o)
{
    const QDateTime stamp = o.stamp.isValid() ? o.stamp : QDateTime::currentDateTimeUtc();
    icalcomponent_add_property(c, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(c, icalproperty_new_dtstamp(utc_time(stamp)));
    icalcomponent_add_property(c, icalproperty_new_lastmodified(utc_time(stamp)));
}

const char *const weekday_names[7] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// The RRULE of an event's repeat mode; empty for once. `why` tells what
// keeps it out.
QString rule_of(const event_record &e, QString *why)
{
    switch (e.repeat) {
    case k::once:
        return {};
    case k::daily: {
        QStringList days;
        for (int i = 0; i < 7; ++i)
            if (e.days[i])
                days << QString::fromLatin1(weekday_names[i]);
        if (days.isEmpty()) {
            *why = QStringLiteral("не выбран ни один день недели");
            return {};
        }
        return QStringLiteral("FREQ=WEEKLY;BYDAY=") + days.join(u',');
    }
    case k::monthly: {
        QStringList months;
        for (int i = 0; i < 12; ++i)
            if (e.months[i])
                months << QString::number(i + 1);
        if (months.isEmpty()) {
            *why = QStringLiteral("не выбран ни один месяц");
            return {};
        }
        QString r = QStringLiteral("FREQ=MONTHLY;BYMONTHDAY=") + QString::number(e.date.day());
        if (months.size() < 12)
            r += QStringLiteral(";BYMONTH=") + months.join(u',');
        return r;
    }
    case k::yearly:
        return QStringLiteral("FREQ=YEARLY");
    case k::minute_cycle:
        return QStringLiteral("FREQ=MINUTELY;INTERVAL=") + QString::number(qMax(1, e.repeat_min));
    case k::after_interval:
        *why = QStringLiteral("повторение «через n минут» отсчитывается от каждого запуска программы");
        return {};
    default:
        *why = QStringLiteral("неизвестный режим повторения %1").arg(e.repeat);
        return {};
    }
}

component_ptr new_calendar()
{
    component_ptr cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Orvella//Orvella 1.07//RU"));
    return cal;
}

icalcomponent *event_component(const event_record &e, const ical_mapping::options &o, QString *why)
{
    QString reason;
    const QString rule = rule_of(e, &reason);
    if (!reason.isEmpty()) {
        if (why)
            *why = reason;
        return nullptr;
    }
    const QString zone = local_zone(o);
    icalcomponent *c = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    add_common(c, e.uid, o);
    icalcomponent_add_property(c, icalproperty_new_summary(e.name.toUtf8().constData()));
    const QDate date = e.date.isValid() ? e.date : QDate::currentDate();
    const QTime time = e.repeat == k::minute_cycle ? QTime(0, 0) : (e.time.isValid() ? e.time : QTime(0, 0));
    icalcomponent_add_property(c, local_start(date, time, zone));
    if (!rule.isEmpty())
        icalcomponent_add_property(c, icalproperty_new_rrule(icalrecurrencetype_from_string(rule.toLatin1())));
    add_x(c, kind_property, QStringLiteral("event"));
    add_x(c, "X-ORVELLA-MESSAGE", e.message);
    add_x(c, "X-ORVELLA-RUN-FILE", e.run_file);
    add_x(c, "X-ORVELLA-RUN-ARG", e.run_arg);
    add_x(c, "X-ORVELLA-RUN-CAT", e.run_cat);
    add_x(c, "X-ORVELLA-ORIGIN", e.origin);
    add_flag(c, "X-ORVELLA-RUN-EVERYWHERE", e.run_everywhere);
    add_flag(c, "X-ORVELLA-BEEP", e.beep);
    add_flag(c, "X-ORVELLA-FIND", e.do_find);
    add_flag(c, "X-ORVELLA-DISABLED", e.disabled);
    icalcomponent_add_component(
        c, alarm(ICAL_ACTION_DISPLAY, e.message.isEmpty() ? e.name : e.message, e.last_fired));
    if (!e.sound.isEmpty()) {
        icalcomponent *a = alarm(ICAL_ACTION_AUDIO, {}, e.last_fired);
        add_audio(a, e.sound);
        icalcomponent_add_component(c, a);
    }
    return c;
}

QString summary_of(const QString &text)
{
    QString first = text.section(u'\n', 0, 0).trimmed();
    if (first.size() > 80)
        first = first.left(79) + u'…';
    return first;
}

icalcomponent *note_component(const note_record &n, const ical_mapping::options &o)
{
    const bool journal = !n.timed && o.journals;
    icalcomponent *c = icalcomponent_new(journal ? ICAL_VJOURNAL_COMPONENT : ICAL_VEVENT_COMPONENT);
    add_common(c, n.uid, o);
    icalcomponent_add_property(c, icalproperty_new_summary(summary_of(n.text).toUtf8().constData()));
    icalcomponent_add_property(c, icalproperty_new_description(n.text.toUtf8().constData()));
    if (n.timed) {
        icalcomponent_add_property(c, local_start(n.date, n.time.isValid() ? n.time : QTime(0, 0), local_zone(o)));
        icalcomponent_add_component(c, alarm(ICAL_ACTION_DISPLAY, n.text, n.shown_at));
    } else {
        icalcomponent_add_property(c, icalproperty_new_dtstart(date_only(n.date)));
        if (!journal)
            icalcomponent_add_property(c, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    }
    add_x(c, kind_property, QStringLiteral("note"));
    return c;
}

QByteArray text_of(icalcomponent *cal)
{
    char *s = icalcomponent_as_ical_string_r(cal);
    QByteArray out(s);
    icalmemory_free_buffer(s);
    return out;
}

// --- reading ---------------------------------------------------------------

struct start_time
{
    bool valid = false;
    bool is_date = false;
    QDate date;       // local
    QTime time;       // local
    QDateTime instant; // UTC, for timed values
};

start_time start_of(icalcomponent *c)
{
    start_time s;
    icaltimetype t = icalcomponent_get_dtstart(c);
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return s;
    s.valid = true;
    if (t.is_date) {
        s.is_date = true;
        s.date = QDate(t.year, t.month, t.day);
        return s;
    }
    QDateTime local;
    if (!t.zone) {
        local = QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    } else {
        const time_t secs = icaltime_as_timet_with_zone(t, t.zone);
        local = QDateTime::fromSecsSinceEpoch(secs).toLocalTime();
    }
    s.date = local.date();
    s.time = QTime(local.time().hour(), local.time().minute());
    s.instant = local.toUTC();
    return s;
}

QDateTime utc_of(icaltimetype t)
{
    if (icaltime_is_null_time(t))
        return {};
    const icaltimezone *z = t.zone ? t.zone : icaltimezone_get_utc_timezone();
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, z), Qt::UTC);
}

struct alarm_info
{
    bool display = false;
    QString description;
    QString sound;
    int offset_minutes = 0;
    QDateTime acknowledged;
};

alarm_info alarms_of(icalcomponent *c)
{
    alarm_info info;
    for (icalcomponent *a = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(c, ICAL_VALARM_COMPONENT)) {
        icalproperty *action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
        const icalproperty_action act = action ? icalproperty_get_action(action) : ICAL_ACTION_NONE;
        if (icalproperty *ack = icalcomponent_get_first_property(a, ICAL_ACKNOWLEDGED_PROPERTY)) {
            QDateTime at = utc_of(icalproperty_get_acknowledged(ack));
            // Firings are kept to the minute here.
            at = at.addSecs(-at.time().second());
            if (at.isValid() && (!info.acknowledged.isValid() || at > info.acknowledged))
                info.acknowledged = at;
        }
        if (act == ICAL_ACTION_DISPLAY && !info.display) {
            info.display = true;
            if (icalproperty *d = icalcomponent_get_first_property(a, ICAL_DESCRIPTION_PROPERTY))
                info.description = text_of(icalproperty_get_description(d));
            if (icalproperty *t = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY)) {
                const icaltriggertype tr = icalproperty_get_trigger(t);
                if (icaltime_is_null_time(tr.time))
                    info.offset_minutes = icaldurationtype_as_int(tr.duration) / 60;
            }
        } else if (act == ICAL_ACTION_AUDIO && info.sound.isEmpty()) {
            if (icalproperty *at = icalcomponent_get_first_property(a, ICAL_ATTACH_PROPERTY)) {
                icalattach *att = icalproperty_get_attach(at);
                if (att && icalattach_get_is_url(att))
                    info.sound = QUrl::fromEncoded(icalattach_get_url(att)).toLocalFile();
            }
        }
    }
    return info;
}

bool ends_array(short v)
{
    return v == ICAL_RECURRENCE_ARRAY_MAX;
}

QList<int> values(const short *array, int size)
{
    QList<int> out;
    for (int i = 0; i < size && !ends_array(array[i]); ++i)
        out << array[i];
    return out;
}

// Fills the repeat of `e` from an RRULE; false with `why` when we cannot
// follow it exactly.
bool repeat_from_rule(const icalrecurrencetype &r, const start_time &start, event_record &e, QString *why)
{
    if (r.count > 0) {
        *why = QStringLiteral("число повторений (COUNT) не поддерживается");
        return false;
    }
    if (!icaltime_is_null_time(r.until)) {
        *why = QStringLiteral("повторение до даты (UNTIL) не поддерживается");
        return false;
    }
    const QList<int> by_day = values(r.by_day, ICAL_BY_DAY_SIZE);
    const QList<int> by_month_day = values(r.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const QList<int> by_month = values(r.by_month, ICAL_BY_MONTH_SIZE);
    const bool others = !values(r.by_second, ICAL_BY_SECOND_SIZE).isEmpty() ||
                        !values(r.by_minute, ICAL_BY_MINUTE_SIZE).isEmpty() ||
                        !values(r.by_hour, ICAL_BY_HOUR_SIZE).isEmpty() ||
                        !values(r.by_year_day, ICAL_BY_YEARDAY_SIZE).isEmpty() ||
                        !values(r.by_week_no, ICAL_BY_WEEKNO_SIZE).isEmpty() ||
                        !values(r.by_set_pos, ICAL_BY_SETPOS_SIZE).isEmpty();
    const int interval = r.interval > 0 ? r.interval : 1;
    const auto refuse = [&](const QString &what) {
        *why = what;
        return false;
    };
    const char *freq = icalrecur_freq_to_string(r.freq);
    const QString rule_name = QString::fromLatin1(freq ? freq : "?");
    if (others)
        return refuse(QStringLiteral("правило %1 с такими уточнениями не поддерживается").arg(rule_name));
    switch (r.freq) {
    case ICAL_MINUTELY_RECURRENCE:
        if (!by_day.isEmpty() || !by_month_day.isEmpty() || !by_month.isEmpty() || interval > 60)
            return refuse(QStringLiteral("повторение каждые %1 мин с уточнениями не поддерживается").arg(interval));
        e.repeat = k::minute_cycle;
        e.repeat_min = interval;
        return true;
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE: {
        if (interval != 1)
            return refuse(QStringLiteral("повторение раз в %1 %2 не поддерживается")
                              .arg(interval)
                              .arg(r.freq == ICAL_DAILY_RECURRENCE ? u"дня" : u"недели"));
        if (!by_month_day.isEmpty() || !by_month.isEmpty())
            return refuse(QStringLiteral("правило %1 с днями месяца не поддерживается").arg(rule_name));
        e.repeat = k::daily;
        e.days.fill(false);
        if (by_day.isEmpty()) {
            if (r.freq == ICAL_DAILY_RECURRENCE)
                e.days.fill(true);
            else
                e.days[start.date.dayOfWeek() - 1] = true;
            return true;
        }
        for (int d : by_day) {
            if (icalrecurrencetype_day_position(short(d)) != 0)
                return refuse(QStringLiteral("дни недели с номером (например, «первый понедельник») не поддерживаются"));
            // libical counts Sunday = 1 ... Saturday = 7.
            const int wd = icalrecurrencetype_day_day_of_week(short(d));
            e.days[(wd + 5) % 7] = true;
        }
        return true;
    }
    case ICAL_MONTHLY_RECURRENCE:
        if (interval != 1)
            return refuse(QStringLiteral("повторение раз в %1 месяца не поддерживается").arg(interval));
        if (!by_day.isEmpty() || by_month_day.size() > 1 ||
            (by_month_day.size() == 1 && by_month_day.first() != start.date.day()))
            return refuse(QStringLiteral("ежемесячное повторение не в день начала не поддерживается"));
        e.repeat = k::monthly;
        e.months.fill(by_month.isEmpty());
        for (int m : by_month)
            if (m >= 1 && m <= 12)
                e.months[m - 1] = true;
        return true;
    case ICAL_YEARLY_RECURRENCE:
        if (interval != 1 || !by_day.isEmpty() || by_month.size() > 1 || by_month_day.size() > 1 ||
            (by_month.size() == 1 && by_month.first() != start.date.month()) ||
            (by_month_day.size() == 1 && by_month_day.first() != start.date.day()))
            return refuse(QStringLiteral("ежегодное повторение не в день начала не поддерживается"));
        e.repeat = k::yearly;
        return true;
    default:
        return refuse(QStringLiteral("правило %1 не поддерживается").arg(rule_name));
    }
}

QString uid_of(icalcomponent *c)
{
    const QString uid = text_of(icalcomponent_get_uid(c));
    if (!uid.isEmpty())
        return uid;
    // Without a UID the same file must still import once: name it by content.
    char *s = icalcomponent_as_ical_string_r(c);
    const QByteArray hash = QCryptographicHash::hash(QByteArray(s), QCryptographicHash::Sha1).toHex();
    icalmemory_free_buffer(s);
    return QStringLiteral("import-") + QString::fromLatin1(hash) + QStringLiteral("@orvella");
}

QString label_of(icalcomponent *c)
{
    const QString s = text_of(icalcomponent_get_summary(c));
    return s.isEmpty() ? QStringLiteral("без названия") : s;
}

void read_note(icalcomponent *c, const start_time &start, bool ours, ical_mapping::parsed &out)
{
    note_record n;
    n.uid = uid_of(c);
    const QString summary = text_of(icalcomponent_get_summary(c));
    const QString description = text_of(icalcomponent_get_description(c));
    n.text = ours ? (description.isEmpty() ? summary : description)
                  : (description.isEmpty() || description == summary ? summary
                                                                      : summary + u'\n' + description);
    n.date = start.date;
    if (!start.is_date && icalcomponent_isa(c) == ICAL_VEVENT_COMPONENT) {
        const alarm_info a = alarms_of(c);
        if (a.display || ours) {
            const QDateTime at = start.instant.toLocalTime().addSecs(qint64(a.offset_minutes) * 60);
            n.timed = true;
            n.date = at.date();
            n.time = QTime(at.time().hour(), at.time().minute());
            n.shown_at = a.acknowledged;
        } else {
            n.text = start.time.toString(u"HH:mm") + QStringLiteral(" — ") + n.text;
        }
    }
    if (n.text.isEmpty())
        n.text = QStringLiteral("Новая заметка");
    out.notes << n;
}

void read_event(icalcomponent *c, const start_time &start, ical_mapping::parsed &out)
{
    event_record e;
    e.uid = uid_of(c);
    e.name = label_of(c);
    e.date = start.date;
    e.time = start.is_date ? QTime(0, 0) : start.time;
    const alarm_info a = alarms_of(c);
    bool has_message = false;
    e.message = x_value(c, "X-ORVELLA-MESSAGE", &has_message);
    if (!has_message && x_value(c, kind_property).isEmpty())
        e.message = a.display ? a.description : text_of(icalcomponent_get_description(c));
    e.sound = a.sound;
    e.last_fired = a.acknowledged;
    e.run_file = x_value(c, "X-ORVELLA-RUN-FILE");
    e.run_arg = x_value(c, "X-ORVELLA-RUN-ARG");
    e.run_cat = x_value(c, "X-ORVELLA-RUN-CAT");
    e.origin = x_value(c, "X-ORVELLA-ORIGIN");
    e.run_everywhere = x_value(c, "X-ORVELLA-RUN-EVERYWHERE") == u"1";
    e.beep = x_value(c, "X-ORVELLA-BEEP") == u"1";
    e.do_find = x_value(c, "X-ORVELLA-FIND") == u"1";
    e.disabled = x_value(c, "X-ORVELLA-DISABLED") == u"1";
    e.repeat = k::once;
    e.repeat_min = 1;
    icalproperty *rrule = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY);
    if (rrule) {
        if (icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY)) {
            out.refused << QStringLiteral("«%1»: несколько правил повторения не поддерживаются").arg(e.name);
            return;
        }
        if (icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY) ||
            icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY)) {
            out.refused << QStringLiteral("«%1»: исключённые и добавленные даты не поддерживаются").arg(e.name);
            return;
        }
        QString why;
        if (!repeat_from_rule(icalproperty_get_rrule(rrule), start, e, &why)) {
            out.refused << QStringLiteral("«%1»: %2").arg(e.name, why);
            return;
        }
    }
    if (e.repeat == k::minute_cycle) {
        e.date = QDate();
        e.time = QTime();
    }
    out.events << e;
}

void read_component(icalcomponent *c, ical_mapping::parsed &out)
{
    const icalcomponent_kind kind = icalcomponent_isa(c);
    if (kind == ICAL_VTODO_COMPONENT) {
        out.refused << QStringLiteral("«%1»: задачи (VTODO) не переносятся").arg(label_of(c));
        return;
    }
    if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VJOURNAL_COMPONENT)
        return;
    if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
        out.refused << QStringLiteral("«%1»: изменённое повторение одного дня не поддерживается").arg(label_of(c));
        return;
    }
    const start_time start = start_of(c);
    if (!start.valid) {
        out.refused << QStringLiteral("«%1»: нет даты начала").arg(label_of(c));
        return;
    }
    if (icalproperty *m = icalcomponent_get_first_property(c, ICAL_LASTMODIFIED_PROPERTY)) {
        const QDateTime at = utc_of(icalproperty_get_lastmodified(m));
        if (at.isValid())
            out.modified.insert(uid_of(c), at);
    }
    const QString ours = x_value(c, kind_property);
    const bool recurring = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY) != nullptr;
    if (kind == ICAL_VJOURNAL_COMPONENT || ours == u"note" || (ours.isEmpty() && !recurring))
        read_note(c, start, !ours.isEmpty(), out);
    else
        read_event(c, start, out);
}

} // namespace

namespace ical_mapping {

exported calendar(const QList<event_record> &events, const QList<note_record> &notes, const options &o)
{
    exported out;
    component_ptr cal = new_calendar();
    if (icalcomponent *z = zone_component(local_zone(o)))
        icalcomponent_add_component(cal.get(), z);
    for (const event_record &e : events) {
        QString why;
        if (icalcomponent *c = event_component(e, o, &why)) {
            icalcomponent_add_component(cal.get(), c);
            ++out.events;
        } else {
            out.skipped << QStringLiteral("событие «%1»: %2").arg(e.name, why);
        }
    }
    for (const note_record &n : notes) {
        icalcomponent_add_component(cal.get(), note_component(n, o));
        ++out.notes;
    }
    out.text = text_of(cal.get());
    return out;
}

QByteArray item(const event_record &e, const options &o, QString *why)
{
    icalcomponent *c = event_component(e, o, why);
    if (!c)
        return {};
    component_ptr cal = new_calendar();
    if (icalcomponent *z = zone_component(local_zone(o)))
        icalcomponent_add_component(cal.get(), z);
    icalcomponent_add_component(cal.get(), c);
    return text_of(cal.get());
}

QByteArray item(const note_record &n, const options &o)
{
    component_ptr cal = new_calendar();
    if (n.timed)
        if (icalcomponent *z = zone_component(local_zone(o)))
            icalcomponent_add_component(cal.get(), z);
    icalcomponent_add_component(cal.get(), note_component(n, o));
    return text_of(cal.get());
}

parsed parse(const QByteArray &ics)
{
    parsed out;
    if (!ics.contains("BEGIN:VCALENDAR")) {
        out.error = QStringLiteral("это не файл iCalendar (нет BEGIN:VCALENDAR)");
        return out;
    }
    component_ptr root(icalparser_parse_string(ics.constData()));
    if (!root) {
        out.error = QStringLiteral("файл iCalendar не читается");
        return out;
    }
    // A file may hold one VCALENDAR or several (an XROOT around them).
    QList<icalcomponent *> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars << root.get();
    else
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars << c;
    if (calendars.isEmpty()) {
        out.error = QStringLiteral("в файле нет календаря VCALENDAR");
        return out;
    }
    for (icalcomponent *cal : calendars) {
        QList<icalcomponent *> items;
        for (icalcomponent *c = icalcomponent_get_first_component(cal, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(cal, ICAL_ANY_COMPONENT))
            items << c;
        for (icalcomponent *c : items)
            read_component(c, out);
    }
    out.ok = true;
    return out;
}

} // namespace ical_mapping
