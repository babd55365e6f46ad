// The iCalendar mapping both ways, and files exchanged through the real
// alarm.ini and my_notes.ini. Runs with TZ=Europe/Moscow (no daylight-saving
// time), so times from a zone with it show where they land.
#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "scheduler/event_store.h"
#include "storage/alarm_keys.h"
#include "storage/ini_format.h"
#include "sync/ical_mapping.h"
#include "sync/ics_exchange.h"
#include "sync/local_calendar.h"
#include "sync/sync_state.h"
#include "test_support.h"

#include <QtTest>

namespace k = event_keys;

namespace {

event_record event_of(int mode)
{
    event_record e;
    e.uid = QStringLiteral("ev-%1@test").arg(mode);
    e.name = QStringLiteral("Планёрка «%1»").arg(mode);
    e.message = QStringLiteral("Пора, строка 1\nстрока 2; с запятой, и \\ чертой");
    e.repeat = mode;
    // A minute cycle is its interval alone: its date and time are the next firing.
    e.date = mode == k::minute_cycle ? QDate() : QDate(2026, 3, 15);
    e.time = mode == k::minute_cycle ? QTime() : QTime(9, 30);
    e.repeat_min = mode == k::minute_cycle ? 7 : 1;
    e.days = {true, false, true, false, false, false, true};
    if (mode == k::monthly)
        e.months[1] = e.months[10] = true;
    e.origin = QStringLiteral("abc123");
    return e;
}

note_record note_of(bool timed, bool shown)
{
    note_record n;
    n.uid = QStringLiteral("note-%1-%2@test").arg(timed).arg(shown);
    n.date = QDate(2026, 12, 31);
    n.text = QStringLiteral("Купить ёлку\nи гирлянду: 3 шт.");
    n.timed = timed;
    n.time = timed ? QTime(18, 5) : QTime();
    if (shown)
        n.shown_at = QDateTime(QDate(2026, 12, 31), QTime(15, 5), Qt::UTC);
    return n;
}

// A calendar as another program writes it: a Berlin VTIMEZONE and items on
// both sides of the end of summer time (25 October 2026, 03:00 → 02:00).
const char *const berlin = R"(BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Other Program//EN
BEGIN:VTIMEZONE
TZID:Europe/Berlin
BEGIN:DAYLIGHT
TZOFFSETFROM:+0100
TZOFFSETTO:+0200
TZNAME:CEST
DTSTART:19700329T020000
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU
END:DAYLIGHT
BEGIN:STANDARD
TZOFFSETFROM:+0200
TZOFFSETTO:+0100
TZNAME:CET
DTSTART:19701025T030000
RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU
END:STANDARD
END:VTIMEZONE
BEGIN:VEVENT
UID:before-change@other
DTSTAMP:20261001T000000Z
DTSTART;TZID=Europe/Berlin:20261024T090000
SUMMARY:Zahnarzt
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Zahnarzt
TRIGGER:-PT15M
END:VALARM
END:VEVENT
BEGIN:VEVENT
UID:after-change@other
DTSTAMP:20261001T000000Z
DTSTART;TZID=Europe/Berlin:20261026T090000
SUMMARY:Встреча
DESCRIPTION:Комната 5
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Встреча
TRIGGER:PT0S
END:VALARM
END:VEVENT
BEGIN:VEVENT
UID:weekly@other
DTSTAMP:20261001T000000Z
DTSTART;TZID=Europe/Berlin:20261026T083000
RRULE:FREQ=WEEKLY;BYDAY=MO,WE
SUMMARY:Sport
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Sport!
TRIGGER:PT0S
END:VALARM
END:VEVENT
BEGIN:VEVENT
UID:counted@other
DTSTAMP:20261001T000000Z
DTSTART;TZID=Europe/Berlin:20261026T083000
RRULE:FREQ=WEEKLY;COUNT=5
SUMMARY:Kurs
END:VEVENT
BEGIN:VEVENT
UID:allday@other
DTSTAMP:20261001T000000Z
DTSTART;VALUE=DATE:20261103
SUMMARY:Feiertag
END:VEVENT
BEGIN:VEVENT
UID:plain@other
DTSTAMP:20261001T000000Z
DTSTART:20261104T120000Z
SUMMARY:Mittag
END:VEVENT
BEGIN:VTODO
UID:todo@other
DTSTAMP:20261001T000000Z
SUMMARY:Steuer
END:VTODO
END:VCALENDAR
)";

QByteArray crlf(const char *text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

} // namespace

class tst_ical_mapping : public QObject
{
    Q_OBJECT

private slots:
    void every_event_mode_and_note_kind_round_trips_data();
    void every_event_mode_and_note_kind_round_trips();
    void events_carry_their_zone_rule_and_alarms();
    void an_after_interval_event_is_left_out_with_a_reason();
    void a_file_from_another_program_keeps_its_times_across_the_change_of_zone_offset();
    void importing_twice_or_importing_our_own_export_adds_nothing_twice();
    void a_file_that_is_no_calendar_changes_nothing();
};

void tst_ical_mapping::every_event_mode_and_note_kind_round_trips_data()
{
    QTest::addColumn<int>("mode"); // -1: a note
    QTest::addColumn<bool>("timed");
    QTest::addColumn<bool>("fired");
    QTest::addColumn<bool>("journals");
    QTest::newRow("once") << int(k::once) << false << false << true;
    QTest::newRow("once, fired, with sound") << int(k::once) << false << true << true;
    QTest::newRow("weekdays") << int(k::daily) << false << false << true;
    QTest::newRow("monthly, two months") << int(k::monthly) << false << true << true;
    QTest::newRow("yearly") << int(k::yearly) << false << false << true;
    QTest::newRow("every n minutes") << int(k::minute_cycle) << false << true << true;
    QTest::newRow("untimed note as journal") << -1 << false << false << true;
    QTest::newRow("untimed note as all-day event") << -1 << false << false << false;
    QTest::newRow("timed note") << -1 << true << false << true;
    QTest::newRow("timed note, shown") << -1 << true << true << true;
}

void tst_ical_mapping::every_event_mode_and_note_kind_round_trips()
{
    QFETCH(int, mode);
    QFETCH(bool, timed);
    QFETCH(bool, fired);
    QFETCH(bool, journals);
    ical_mapping::options o;
    o.journals = journals;
    if (mode >= 0) {
        event_record e = event_of(mode);
        if (fired) {
            e.last_fired = QDateTime(QDate(2026, 3, 15), QTime(6, 30), Qt::UTC);
            e.sound = QStringLiteral("/home/user/Звуки/bell 1.mp3");
            e.run_file = QStringLiteral("/usr/bin/xmessage");
            e.run_arg = QStringLiteral("-center \"привет\"");
            e.run_cat = QStringLiteral("/tmp");
            e.beep = e.do_find = e.disabled = e.run_everywhere = true;
        }
        const ical_mapping::exported out = ical_mapping::calendar({e}, {}, o);
        QCOMPARE(out.events, 1);
        const ical_mapping::parsed back = ical_mapping::parse(out.text);
        QVERIFY2(back.ok && back.refused.isEmpty(), qPrintable(back.refused.join('\n')));
        QCOMPARE(back.events.size(), 1);
        QVERIFY2(back.events.first().same_content(e), out.text.constData());
    } else {
        const note_record n = note_of(timed, fired);
        const ical_mapping::exported out = ical_mapping::calendar({}, {n}, o);
        QCOMPARE(out.text.contains("BEGIN:VJOURNAL"), !timed && journals);
        const ical_mapping::parsed back = ical_mapping::parse(out.text);
        QVERIFY(back.ok);
        QCOMPARE(back.notes.size(), 1);
        QVERIFY2(back.notes.first().same_content(n), out.text.constData());
    }
}

void tst_ical_mapping::events_carry_their_zone_rule_and_alarms()
{
    event_record e = event_of(k::monthly);
    e.sound = QStringLiteral("/snd/a.wav");
    e.last_fired = QDateTime(QDate(2026, 3, 15), QTime(6, 30), Qt::UTC);
    const QByteArray text = ical_mapping::item(e).replace("\r\n ", "");
    QVERIFY(text.contains("DTSTART;TZID=Europe/Moscow:20260315T093000"));
    QVERIFY(text.contains("BEGIN:VTIMEZONE"));
    QVERIFY(text.contains("RRULE:FREQ=MONTHLY;BYMONTHDAY=15;BYMONTH=2,11"));
    QVERIFY(text.contains("ACTION:DISPLAY"));
    QVERIFY(text.contains("ACTION:AUDIO"));
    QVERIFY(text.contains("ACKNOWLEDGED:20260315T063000Z"));
    QVERIFY(text.contains("X-ORVELLA-ORIGIN:abc123"));

    event_record weekly = event_of(k::daily);
    QVERIFY(ical_mapping::item(weekly).contains("RRULE:FREQ=WEEKLY;BYDAY=MO,WE,SU"));
    QVERIFY(ical_mapping::item(event_of(k::minute_cycle)).contains("RRULE:FREQ=MINUTELY;INTERVAL=7"));
}

void tst_ical_mapping::an_after_interval_event_is_left_out_with_a_reason()
{
    QString why;
    QVERIFY(ical_mapping::item(event_of(k::after_interval), {}, &why).isEmpty());
    QVERIFY(why.contains(QStringLiteral("через n минут")));
    event_record none = event_of(k::daily);
    none.days.fill(false);
    const ical_mapping::exported out = ical_mapping::calendar({event_of(k::once), none}, {});
    QCOMPARE(out.events, 1);
    QCOMPARE(out.skipped.size(), 1);
    QVERIFY(out.skipped.first().contains(none.name));
}

void tst_ical_mapping::a_file_from_another_program_keeps_its_times_across_the_change_of_zone_offset()
{
    const ical_mapping::parsed in = ical_mapping::parse(crlf(berlin));
    QVERIFY(in.ok);
    QHash<QString, note_record> notes;
    for (const note_record &n : in.notes)
        notes.insert(n.uid, n);
    // 09:00 summer time in Berlin is 07:00 UTC, 10:00 in Moscow; the reminder
    // rings a quarter of an hour before.
    QCOMPARE(notes.value("before-change@other").date, QDate(2026, 10, 24));
    QCOMPARE(notes.value("before-change@other").time, QTime(9, 45));
    QVERIFY(notes.value("before-change@other").timed);
    // 09:00 winter time is 08:00 UTC, 11:00 in Moscow.
    QCOMPARE(notes.value("after-change@other").time, QTime(11, 0));
    QCOMPARE(notes.value("after-change@other").text, QStringLiteral("Встреча\nКомната 5"));
    QVERIFY(!notes.value("allday@other").timed);
    QCOMPARE(notes.value("allday@other").date, QDate(2026, 11, 3));
    // Without an alarm an appointment does not ring; its time stays in the text.
    QVERIFY(!notes.value("plain@other").timed);
    QCOMPARE(notes.value("plain@other").text, QStringLiteral("15:00 — Mittag"));

    QCOMPARE(in.events.size(), 1);
    const event_record &sport = in.events.first();
    QCOMPARE(sport.repeat, int(k::daily));
    QCOMPARE(sport.time, QTime(10, 30));
    QCOMPARE(sport.message, QStringLiteral("Sport!"));
    const std::array<bool, 7> mon_wed{true, false, true, false, false, false, false};
    QCOMPARE(sport.days, mon_wed);

    QCOMPARE(in.refused.size(), 2);
    QVERIFY(in.refused.join('\n').contains("COUNT"));
    QVERIFY(in.refused.join('\n').contains("VTODO"));
}

void tst_ical_mapping::importing_twice_or_importing_our_own_export_adds_nothing_twice()
{
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    const std::unique_ptr<QSettings> ini = ini_format::open(home.data_folder() + "/alarm.ini");
    event_store events(*ini);
    manual_time_source clock(QDateTime(QDate(2026, 10, 1), QTime(12, 0)));
    notes_store notes(home.data_folder() + "/my_notes.ini", clock);
    sync_state state(home.data_folder() + "/sync.ini");
    local_calendar items(events, notes, state);

    ics_exchange::report first = ics_exchange::import_text(crlf(berlin), items, clock.now());
    QVERIFY(first.ok);
    QCOMPARE(first.added, 5);
    QCOMPARE(first.lines.size(), 2);
    ics_exchange::report again = ics_exchange::import_text(crlf(berlin), items, clock.now());
    QCOMPARE(again.added, 0);
    QCOMPARE(again.unchanged, 5);

    // A note of our own and an event, exported and read back.
    notes.add_note(QDate(2026, 12, 31), QStringLiteral("Новый год"), true, QTime(23, 55));
    ics_exchange::report out;
    const QByteArray ours = ics_exchange::export_text(items, out);
    QCOMPARE(out.events, 1);
    QCOMPARE(out.notes, 5);
    const ics_exchange::report back = ics_exchange::import_text(ours, items, clock.now());
    QCOMPARE(back.added, 0);
    QCOMPARE(back.updated, 0);
    QCOMPARE(back.unchanged, 6);
    QCOMPARE(events.events().size(), 1);

    // The file read by a fresh program on the same folder: uids are kept.
    notes.flush();
    events.sync();
    state.flush();
    notes_store notes2(home.data_folder() + "/my_notes.ini", clock);
    sync_state state2(home.data_folder() + "/sync.ini");
    const std::unique_ptr<QSettings> ini2 = ini_format::open(home.data_folder() + "/alarm.ini");
    event_store events2(*ini2);
    local_calendar items2(events2, notes2, state2);
    QCOMPARE(ics_exchange::import_text(ours, items2, clock.now()).added, 0);

    // A changed text updates the same note in place.
    QByteArray edited = ours;
    edited.replace("Новый год", "Новый год!");
    const ics_exchange::report changed = ics_exchange::import_text(edited, items2, clock.now());
    QCOMPARE(changed.updated, 1);
    QCOMPARE(notes2.keys(QDate(2026, 12, 31)).size(), 1);
}

void tst_ical_mapping::a_file_that_is_no_calendar_changes_nothing()
{
    for (const QByteArray &bad : {QByteArray("hello"), QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n\x01\x02"),
                                  QByteArray()}) {
        const ical_mapping::parsed in = ical_mapping::parse(bad);
        if (in.ok)
            QVERIFY(in.events.isEmpty() && in.notes.isEmpty());
        else
            QVERIFY(!in.error.isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_ical_mapping)
#include "tst_ical_mapping.moc"
