// A week of the scheduler and the calendar on the fake clock: 200 events of
// every repeat mode evaluated every 5 seconds, and 300 timed notes checked
// by the calendar's own reminder check at the same ticks while the note
// editor and another program edit them, with real stickers closed as they
// appear. Each firing and each reminder is compared with a list worked out
// here from the rules alone; resident memory must not grow.
#include "week_notes.h"

#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "common/shared_wake_timer.h"
#include "common/time_source.h"
#include "scheduler/event_actions.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_store.h"
#include "scheduler/my_stiker.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <iterator>
#include <malloc.h>

namespace {

struct event_plan
{
    QString key;
    int mode = 0;
    QString time; // as stored
    QString date;
    int repeat_min = 0;
    bool days[8] = {};
    bool months[13] = {};
    bool disabled = false;
    bool beep = false;
};

// "H:m" with one or two digits each, as the pass reads it; invalid otherwise.
bool read_time(const QString &s, int &h, int &m)
{
    const QStringList p = s.split(u':');
    if (p.size() != 2 || p[0].isEmpty() || p[1].isEmpty() || p[0].size() > 2 || p[1].size() > 2)
        return false;
    bool ok1 = false, ok2 = false;
    h = p[0].toInt(&ok1);
    m = p[1].toInt(&ok2);
    return ok1 && ok2 && h >= 0 && h < 24 && m >= 0 && m < 60 && p[0][0].isDigit() && p[1][0].isDigit();
}

QByteArray ini_of(const QList<event_plan> &events)
{
    QByteArray out;
    for (const event_plan &e : events) {
        out += "[" + e.key.toLatin1() + "]\n";
        out += "name=" + e.key.toLatin1() + "\n";
        out += "alarmmessage=week " + e.key.toLatin1() + "\n";
        out += "repeat=" + QByteArray::number(e.mode) + "\n";
        out += "time=" + e.time.toLatin1() + "\n";
        if (!e.date.isEmpty())
            out += "date=" + e.date.toLatin1() + "\n";
        out += "repeat_min=" + QByteArray::number(e.repeat_min) + "\n";
        for (int d = 1; d <= 7; ++d)
            if (e.days[d])
                out += "day_" + QByteArray::number(d) + "=true\n";
        for (int mo = 1; mo <= 12; ++mo)
            if (e.months[mo])
                out += "month_" + QByteArray::number(mo) + "=true\n";
        out += QByteArray("disable=") + (e.disabled ? "true" : "false") + "\n";
        out += QByteArray("beep_pc=") + (e.beep ? "true" : "false") + "\n";
    }
    return out;
}

QString hhmm(int h, int m)
{
    return QStringLiteral("%1:%2").arg(h, 2, 10, QChar(u'0')).arg(m, 2, 10, QChar(u'0'));
}

// 200 events, about a sixth of each mode, including the awkward ones: the
// 29th-31st, 29 February, future years, flags all off, invalid times,
// disabled events, intervals of one minute and of most of a day.
QList<event_plan> make_events(const QDateTime &start)
{
    QRandomGenerator rng(20261208);
    QList<event_plan> events;
    const qint64 base = start.toSecsSinceEpoch() - 86400;
    for (int i = 0; i < 200; ++i) {
        event_plan e;
        e.key = QString::number(base + i);
        e.mode = i % 6;
        const int h = rng.bounded(24), m = rng.bounded(60);
        e.time = hhmm(h, m);
        const QDate day = start.date().addDays(rng.bounded(-3, 10));
        switch (e.mode) {
        case 0:
            e.date = day.toString(QStringLiteral("dd.MM.yyyy"));
            break;
        case 1:
            for (int d = 1; d <= 7; ++d)
                e.days[d] = rng.bounded(3) == 0;
            break;
        case 2:
            e.date = QDate(2026, 1, 1 + rng.bounded(31)).toString(QStringLiteral("dd.MM.yyyy"));
            for (int mo = 1; mo <= 12; ++mo)
                e.months[mo] = rng.bounded(2) == 0;
            break;
        case 3: {
            const int year = 2020 + rng.bounded(10);
            QDate d(year, day.month(), day.day());
            if (i % 30 == 3)
                d = QDate(2024, 2, 29);
            e.date = d.toString(QStringLiteral("dd.MM.yyyy"));
            break;
        }
        case 4: {
            static const int minutes[] = {30, 45, 60, 90, 240, 600, 1000, 1439};
            e.repeat_min = minutes[rng.bounded(int(std::size(minutes)))];
            break;
        }
        case 5: {
            static const int minutes[] = {15, 20, 30, 45, 59, 60, 75};
            e.repeat_min = minutes[rng.bounded(int(std::size(minutes)))];
            break;
        }
        }
        if (i == 4 || i == 5)
            e.repeat_min = 3; // one busy interval event of each kind
        if (i % 23 == 7 && e.mode != 5)
            e.time = i % 2 ? QStringLiteral("25:61") : QStringLiteral("x");
        e.disabled = i % 19 == 11;
        e.beep = i % 7 == 0;
        events << e;
    }
    return events;
}

// The firings the rules call for, minute by minute: an event fires once in
// a minute when its conditions hold there; the interval modes are anchored
// at the start and move their time on with each firing.
QMap<QString, QList<QDateTime>> expected_firings(QList<event_plan> events, const QDateTime &start, const QDateTime &end)
{
    QMap<QString, QList<QDateTime>> out;
    const QDateTime first = start.addSecs(-start.time().second());
    for (event_plan &e : events) {
        if (e.mode == 4)
            e.time = first.addSecs(e.repeat_min * 60).toString(QStringLiteral("HH:mm"));
        else if (e.mode == 5)
            e.time = QStringLiteral("00:") + QString::number(e.repeat_min);
    }
    for (QDateTime t = first; t <= end; t = t.addSecs(60)) {
        const QDate today = t.date();
        const int hour = t.time().hour(), minute = t.time().minute();
        for (event_plan &e : events) {
            if (e.disabled)
                continue;
            int h = -1, m = -1;
            const bool valid = read_time(e.time, h, m);
            const bool at = valid && h == hour && m == minute;
            const QDate date = QDate::fromString(e.date, QStringLiteral("dd.MM.yyyy"));
            bool due = false;
            switch (e.mode) {
            case 0:
                due = at && date == today;
                break;
            case 1:
                due = e.days[today.dayOfWeek()] && at;
                break;
            case 2:
                due = e.months[today.month()] && date.isValid() && date.day() == today.day() && at;
                break;
            case 3:
                due = at && date.isValid() && date.month() == today.month() && date.day() == today.day() &&
                      today.year() >= date.year();
                break;
            case 4:
                due = at;
                break;
            case 5:
                due = (valid && m == minute) || e.repeat_min == minute;
                break;
            }
            if (!due)
                continue;
            out[e.key] << t;
            if (e.mode == 4 || e.mode == 5)
                e.time = t.addSecs(e.repeat_min * 60).toString(QStringLiteral("HH:mm"));
        }
    }
    return out;
}

// Resident memory once the allocator has handed back what it keeps free,
// so the figure follows what is in use rather than heap fragmentation.
qint64 resident_kb()
{
    malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Hands each due event to the real actions and notes which minute it was.
class noting_runner : public event_runner
{
public:
    noting_runner(event_actions &actions, const time_source &clock) : m_actions(actions), m_clock(clock) {}
    void run(event_store &store, bool do_find) override
    {
        const QDateTime now = m_clock.now();
        fired[store.current()] << now.addSecs(-now.time().second());
        if (!qEnvironmentVariableIsSet("ORVELLA_WEEK_NO_ACTIONS"))
            m_actions.run(store, do_find);
    }
    QMap<QString, QList<QDateTime>> fired;

private:
    event_actions &m_actions;
    const time_source &m_clock;
};

// Applies the week's scripted note edits due by `now`: through the store as
// the note editor does, or by another program rewriting the file.
void make_note_edits(const week_notes &w, qsizetype &next, const QDateTime &now, notes_store &store)
{
    for (; next < w.edits.size() && w.edits.at(next).at <= now; ++next) {
        const week_note_edit &e = w.edits.at(next);
        const QDate day = notes_store::parse_date(e.date);
        const QTime time = QTime::fromString(e.time, QStringLiteral("HH:mm"));
        if (e.outside)
            edit_from_outside(store.path(), e);
        else if (e.what == week_note_edit::replace)
            store.replace_note(day, e.key, e.text, true, time);
        else if (e.what == week_note_edit::remove)
            store.remove_note(day, e.key);
        else
            store.add_note(day, e.text, true, time);
    }
}

QList<QDateTime> all_minutes(const QMap<QString, QList<QDateTime>> &firings)
{
    QList<QDateTime> out;
    for (const QList<QDateTime> &l : firings)
        out += l;
    std::sort(out.begin(), out.end());
    return out;
}

int close_stickers(QMap<QString, int> &texts)
{
    int closed = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *s = qobject_cast<my_stiker *>(w);
        if (!s || !s->isVisible())
            continue;
        texts[s->text_panel()->toPlainText()]++;
        s->close();
        ++closed;
    }
    if (closed)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

} // namespace

class tst_simulated_week : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Every firing logs a line and every sticker a platform warning:
        // tens of thousands of lines would be most of the run.
        QLoggingCategory::setFilterRules(QStringLiteral("orvella.*.info=false\nqt.*=false"));
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtInfoMsg && text.startsWith(QStringLiteral("week:")))
                fprintf(stderr, "%s\n", qPrintable(text));
            else if (type >= QtCriticalMsg)
                fprintf(stderr, "%s\n", qPrintable(text));
        });
    }

    void a_week_fires_every_event_and_reminder_exactly_when_due()
    {
        temp_data_home home;
        // Monday 2 March 2026, 07:30:02: notes of that morning are missed
        // reminders at the first check; the ticks do not sit on the minute.
        const QDateTime start(QDate(2026, 3, 2), QTime(7, 30, 2));
        const QDateTime end = start.addSecs(qEnvironmentVariableIntValue("ORVELLA_WEEK_HOURS") > 0
                                                ? qEnvironmentVariableIntValue("ORVELLA_WEEK_HOURS") * 3600
                                                : 7 * 86400);
        const QList<event_plan> events = make_events(start);
        write_file(home.data_folder() + "/alarm.ini", ini_of(events));
        const QMap<QString, QList<QDateTime>> want = expected_firings(events, start, end);
        const week_notes notes = make_week_notes(300, start, end, all_minutes(want));
        write_file(home.data_folder() + "/my_notes.ini", notes_ini(notes.notes));
        write_file(home.data_folder() + "/calendar.ini", {});
        // Stickers wear the shipped skin, as in a data folder made from the
        // installation.
        const QString skin = built_app_data() + QStringLiteral("/Skins/stiker.png");
        QVERIFY2(QFile::exists(skin), qPrintable("no shipped sticker skin at " + skin));
        QVERIFY(QDir().mkpath(home.data_folder() + QStringLiteral("/Skins")));
        QVERIFY(QFile::copy(skin, home.data_folder() + QStringLiteral("/Skins/stiker.png")));
        const QMap<QString, QList<week_reminder>> want_notes = expected_reminders(notes, start, end);

        manual_time_source clock(start);
        auto ini = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
        event_store store(*ini);
        event_actions actions(nullptr, clock);
        int tones = 0;
        actions.set_tone([&tones] { ++tones; });
        noting_runner runner(actions, clock);
        event_evaluator evaluator(store, clock, runner);

        // The calendar window as the program makes it; its check runs at the
        // fake clock's ticks, not on its own timer.
        std::unique_ptr<my_calendar> calendar(calendar_module::create(clock, nullptr));
        calendar->reminder_timer()->stop();
        QMap<QString, QList<week_reminder>> reminded;
        QObject::connect(calendar.get(), &my_calendar::doshowNotes, [&](const QString &text) {
            const QDateTime now = clock.now();
            const bool missed = text.startsWith(note_reminders::missed_prefix);
            reminded[missed ? text.mid(note_reminders::missed_prefix.size()) : text]
                << week_reminder{now.addSecs(-now.time().second()), missed};
            if (!qEnvironmentVariableIsSet("ORVELLA_WEEK_NO_ACTIONS"))
                actions.show_note(text, QString());
        });

        // What the rig itself records is given its room up front, so that
        // the memory measured below is the program's.
        for (auto i = want.cbegin(); i != want.cend(); ++i)
            runner.fired[i.key()].reserve(i.value().size());
        for (auto i = want_notes.cbegin(); i != want_notes.cend(); ++i)
            reminded[i.key()].reserve(i.value().size());
        QMap<QString, int> texts;
        QElapsedTimer timer;
        timer.start();
        evaluator.rebase_tasks();
        int stickers = 0;
        qsizetype next_edit = 0;
        // Memory is measured from the end of the first hour, once the caches
        // the first stickers and writes fill (fonts, style, settings) are full.
        const QDateTime warm = start.addSecs(3600);
        qint64 rss_before = -1;
        for (; clock.now() <= end; clock.advance_secs(5)) {
            if (rss_before < 0 && clock.now() >= warm)
                rss_before = resident_kb();
            make_note_edits(notes, next_edit, clock.now(), calendar->store());
            evaluator.pass();
            calendar->show_notes();
            // The settings library writes within one turn of the event loop.
            QCoreApplication::processEvents();
            stickers += close_stickers(texts);
            if (clock.now().time() < QTime(0, 0, 5) && clock.now() > start)
                qInfo().noquote() << QStringLiteral("week: %1, %2 stickers, resident %3 kB, %4 ms")
                                         .arg(clock.now().toString(Qt::ISODate))
                                         .arg(stickers)
                                         .arg(resident_kb())
                                         .arg(timer.elapsed());
        }
        ini->sync();
        QCoreApplication::processEvents();
        const qint64 rss_after = resident_kb();
        const qint64 ms = timer.elapsed();

        QSet<QDateTime> firing_minutes;
        for (const QList<QDateTime> &l : want)
            firing_minutes.unite(QSet<QDateTime>(l.cbegin(), l.cend()));
        int want_total = 0, got_total = 0, want_beeps = 0;
        QStringList wrong;
        for (const event_plan &e : events) {
            const QList<QDateTime> w = want.value(e.key), g = runner.fired.value(e.key);
            want_total += int(w.size());
            got_total += int(g.size());
            if (e.beep)
                want_beeps += int(w.size());
            if (w != g)
                wrong << QStringLiteral("%1 (mode %2, time %3, r %4): want %5 got %6")
                             .arg(e.key)
                             .arg(e.mode)
                             .arg(e.time)
                             .arg(e.repeat_min)
                             .arg(w.size())
                             .arg(g.size());
            if (texts.value(QStringLiteral("week ") + e.key) != w.size())
                wrong << e.key + QStringLiteral(": stickers ") + QString::number(texts.value("week " + e.key));
        }
        int want_reminders = 0, got_reminders = 0, want_missed = 0;
        QStringList note_texts = want_notes.keys() + reminded.keys();
        note_texts.removeDuplicates();
        for (const QString &t : std::as_const(note_texts)) {
            const QList<week_reminder> w = want_notes.value(t), g = reminded.value(t);
            want_reminders += int(w.size());
            got_reminders += int(g.size());
            for (const week_reminder &r : w) {
                want_missed += r.missed;
                const QString shown = r.missed ? note_reminders::missed_prefix + t : t;
                if (texts.value(shown) != w.count(r))
                    wrong << t + QStringLiteral(": stickers ") + QString::number(texts.value(shown));
            }
            if (w != g)
                wrong << QStringLiteral("note \"%1\": want %2 (first %3) got %4 (first %5)")
                             .arg(t)
                             .arg(w.size())
                             .arg(w.isEmpty() ? QString() : w.first().minute.toString(Qt::ISODate))
                             .arg(g.size())
                             .arg(g.isEmpty() ? QString() : g.first().minute.toString(Qt::ISODate));
        }
        qInfo().noquote() << QStringLiteral(
                                 "week: %1 passes (%14 of them with firings), %2 firings (expected %3), %4 note "
                                 "reminders (expected %5, "
                                 "%6 of them missed ones), %7 note edits, %8 stickers closed, %9 tones; %10 ms; "
                                 "resident after the first hour %11 kB, at the end %12 kB (%13 kB)")
                                 .arg(start.secsTo(end) / 5 + 1)
                                 .arg(got_total)
                                 .arg(want_total)
                                 .arg(got_reminders)
                                 .arg(want_reminders)
                                 .arg(want_missed)
                                 .arg(next_edit)
                                 .arg(stickers)
                                 .arg(tones)
                                 .arg(ms)
                                 .arg(rss_before)
                                 .arg(rss_after)
                                 .arg(rss_after - rss_before)
                                 .arg(firing_minutes.size());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(u'\n')));
        QCOMPARE(got_total, want_total);
        QCOMPARE(got_reminders, want_reminders);
        QCOMPARE(stickers, want_total + want_reminders);
        QCOMPARE(tones, want_beeps);
        if (start.daysTo(end) >= 7) {
            // The week is busy enough to mean something.
            QVERIFY(want_total > 1000);
            QVERIFY(want_reminders > 200);
            QVERIFY(want_missed > 20);
        }
        if (resident_memory_is_meaningful())
            QVERIFY2(rss_after - rss_before < 5 * 1024, qPrintable(QString::number(rss_after - rss_before)));
    }
};

QTEST_MAIN(tst_simulated_week)
#include "tst_simulated_week.moc"
