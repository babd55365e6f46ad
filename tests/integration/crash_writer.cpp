// Writes the program's files as the running program does, for the
// crash-safety test to kill at random moments: evaluation passes on a fast
// fake clock (interval events write time, date and lastrun and sync),
// settings changes on clock.ini (position and format, synced as the
// settings dialog does), calendar notes in my_notes.ini through the notes
// store and the reminder check (added, marked shown, replaced, deleted), and
// notebook pages in notebook.db through the notebook's store (added, text
// saved, deleted).
//
// Each value is reported on stdout only once it has been flushed, so
// whatever the test saw reported must survive. A change to something that
// already exists is announced first ("begin ...") and confirmed after
// ("done"): killed in between, the file may hold either state.
//   crash_writer <start epoch seconds> <first counter>
// The first counter also chooses which file is written first.
#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "notebook/notebook_store.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"

#include <QCoreApplication>
#include <QMap>

#include <cstdio>
#include <deque>
#include <functional>

namespace {

class reporting_runner : public event_runner
{
public:
    void run(event_store &store, bool) override
    {
        // Interval events are synced before their actions run.
        if (store.read(event_keys::repeat) >= 4)
            std::printf("alarm %s lastrun=%s\n", qPrintable(store.current()),
                        qPrintable(store.read(event_keys::lastrun)));
    }
};

// One line per report, fields split by tabs; a line break inside a text is
// written as "\n".
void say(const QStringList &fields)
{
    std::printf("%s\n", fields.join(u'\t').replace(u'\n', QLatin1String("\\n")).toUtf8().constData());
}

// Notes this writer made (its texts start with these), oldest first; notes
// of anyone else are never touched.
bool own_note(const QStringList &record)
{
    return !record.isEmpty() && (record.first().startsWith(QStringLiteral("Заметка ")) ||
                                 record.first().startsWith(QStringLiteral("Изменена ")));
}

struct note_ref
{
    QString group, key;
};

class note_writer
{
public:
    note_writer(notes_store &store) : m_store(store)
    {
        for (const QString &group : store.dates())
            for (const QString &key : store.keys(group))
                if (own_note(store.read(group, key)))
                    m_own.push_back({group, key});
    }

    void step(const QDateTime &now, qint64 counter)
    {
        const QDate today = now.date();
        const QString group = notes_store::date_name(today);
        const QString text = QStringLiteral("Заметка %1, \"кавычки\"").arg(counter);
        const QString key = m_store.add_note(today, text, true, now.time());
        say({"note-add", group, key, text});
        m_own.push_back({group, key});

        const QStringList before = shown_today(group);
        note_reminders::check(m_store, now);
        for (const QString &k : shown_today(group))
            if (!before.contains(k))
                say({"note-shown", group, k});

        if (counter % 3 == 0 && m_own.size() > 1) {
            // A note of today or an earlier day gets a new text and fires again.
            const note_ref &r = m_own[m_own.size() / 2];
            const QString changed = QStringLiteral("Изменена %1").arg(counter);
            say({"begin", "note-replace", r.group, r.key, changed});
            m_store.replace_note(notes_store::parse_date(r.group), r.key, changed, true, QTime(0, 1));
            say({"done"});
        }
        if (m_own.size() > 15) {
            const note_ref r = m_own.front();
            say({"begin", "note-delete", r.group, r.key});
            m_store.remove_note(r.group, r.key);
            say({"done"});
            m_own.pop_front();
        }
    }

private:
    QStringList shown_today(const QString &group) const
    {
        QStringList out;
        for (const QString &k : m_store.keys(group)) {
            const QStringList r = m_store.read(group, k);
            if (r.size() >= 5 && r.at(4) == QLatin1String("1"))
                out << k;
        }
        return out;
    }

    notes_store &m_store;
    std::deque<note_ref> m_own;
};

class page_writer
{
public:
    explicit page_writer(notebook_store &store) : m_store(store)
    {
        QList<notebook_store::page_row> rows;
        if (store.list_pages(rows))
            for (const notebook_store::page_row &r : rows)
                if (r.name.startsWith(QStringLiteral("Страница ")))
                    m_own.push_back(r.id);
    }

    void step(qint64 counter)
    {
        const QString name = QStringLiteral("Страница %1").arg(counter);
        QList<notebook_store::page_row> rows;
        if (!m_store.insert_page(name, false) || !m_store.list_pages(rows))
            return;
        const qint64 id = notebook_store::newest_page(rows);
        say({"page-add", QString::number(id), name});
        m_own.push_back(id);
        save_text(id, QStringLiteral("Текст %1\nвторая строка").arg(counter));
        if (counter % 2 == 0 && m_own.size() > 1)
            save_text(m_own[m_own.size() / 2], QStringLiteral("Исправлено %1").arg(counter));
        if (m_own.size() > 10) {
            const qint64 old = m_own.front();
            say({"begin", "page-delete", QString::number(old)});
            if (m_store.delete_page(old))
                say({"done"});
            m_own.pop_front();
        }
    }

private:
    void save_text(qint64 id, const QString &text)
    {
        say({"begin", "page-text", QString::number(id), text});
        if (m_store.write_page_data(id, text.toUtf8()))
            say({"done"});
    }

    notebook_store &m_store;
    std::deque<qint64> m_own;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 3)
        return 2;
    manual_time_source clock(QDateTime::fromSecsSinceEpoch(QByteArray(argv[1]).toLongLong()));
    qint64 counter = QByteArray(argv[2]).toLongLong();

    auto alarm = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
    auto settings = ini_format::open(data_folder::file(QStringLiteral("//clock.ini")));
    event_store store(*alarm);
    reporting_runner runner;
    event_evaluator evaluator(store, clock, runner);
    evaluator.rebase_tasks();
    clock_settings clock_ini(*settings);

    notes_store notes(data_folder::file(QStringLiteral("//my_notes.ini")), clock);
    note_writer note_changes(notes);
    notebook_store notebook(
        [](const notebook_store::failure &f) { std::fprintf(stderr, "notebook: %s\n", qPrintable(f.text)); });
    if (!notebook.open(data_folder::path() + "/notebook.db", data_folder::path()))
        return 3;
    page_writer page_changes(notebook);
    std::printf("ready\n");

    // Each file's writing starts the loop in turn, one file per counter
    // step: on a loaded machine a kill soon after the start still falls
    // inside every kind of save over the test's rounds.
    const std::function<void()> writes[] = {
        [&] { evaluator.pass(); },
        [&] {
            clock_ini.set(clock_keys::posx, int(counter % 2000000000));
            clock_ini.set(clock_keys::format_1, QString(QStringLiteral("hh:mm %1 часов").arg(counter)));
            settings->sync();
            if (settings->status() == QSettings::NoError)
                std::printf("clock posx=%lld\n", counter);
        },
        [&] { note_changes.step(clock.now(), counter); },
        [&] { page_changes.step(counter); },
    };
    const qint64 first = counter;
    for (;;) {
        clock.advance_secs(60);
        ++counter;
        for (qint64 i = 0; i < 4; ++i)
            writes[(first + i) % 4]();
        QCoreApplication::processEvents();
    }
}
