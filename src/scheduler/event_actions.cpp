#include "scheduler/event_actions.h"

#include "common/log.h"
#include "common/time_source.h"
#include "platform/audio_player.h"
#include "platform/process_list.h"
#include "scheduler/event_store.h"
#include "scheduler/my_stiker.h"
#include "scheduler/play_sound_file.h"
#include "scheduler/program_launch.h"
#include "scheduler/reminder_mirror.h"
#include "scheduler/snooze_store.h"
#include "scheduler/stiker_placement.h"

#include <QCoreApplication>
#include <QTextEdit>
#include <QTimer>

namespace {
constexpr int today_stiker_ms = 180000;
}

event_actions::event_actions(audio_player *alarm_player, const time_source &clock, QWidget *anchor)
    : m_player(alarm_player), m_clock(clock), m_anchor(anchor), m_processes(&running_processes),
      m_tone([] { play_tone(1000, 2000); })
{}

void event_actions::set_process_lister(std::function<QStringList()> names)
{
    if (!names) {
        m_processes = nullptr;
        return;
    }
    m_processes = [names = std::move(names)] {
        QList<process_entry> list;
        for (const QString &n : names())
            list << process_entry{n, {}, {}, {}};
        return list;
    };
}

void event_actions::run(event_store &store, bool do_find)
{
    fire(store, do_find, QString());
}

void event_actions::run_missed(event_store &store, bool do_find)
{
    fire(store, do_find, missed_prefix());
}

void event_actions::fire(event_store &store, bool do_find, const QString &prefix)
{
    namespace k = event_keys;
    const QString message = store.read(k::alarmmessage);
    const QString sound = store.read(k::soundfile);
    const QString run_file = store.read(k::run_file);
    const QString run_arg = store.read(k::run_arg);
    const QString run_cat = store.read(k::run_cat);
    const bool beep = store.read(k::beep_pc);

    if (!message.isEmpty())
        offer_snooze(open_stiker(prefix + message), prefix + message, sound);
    play_sound_file(m_player, sound, &m_errors);
    if (beep && m_tone)
        m_tone(); // returns at once; an event sound keeps playing underneath
    if (run_file.isEmpty())
        return;
    // An event that came from another machine starts its program only where
    // it was made, unless the user wants it started everywhere.
    const QString origin = store.read(k::origin);
    if (!origin.isEmpty() && !m_machine.isEmpty() && origin != m_machine && !store.read(k::run_everywhere)) {
        qCInfo(lc_scheduler).noquote() << run_file << "belongs to the event's own machine; not started here";
        return;
    }
    start_program(run_file, run_arg, run_cat, do_find);
}

my_stiker *event_actions::open_stiker(const QString &text, const QString &skin)
{
    auto *s = skin.isEmpty() ? new my_stiker(m_player) : new my_stiker(m_player, skin);
    s->set_text(text);
    const int ms = m_clock.now().time().msecsSinceStartOfDay();
    s->move(stiker_placement::random(s->size(), stiker_placement::available_area(m_anchor), ms));
    s->show();
    QCoreApplication::processEvents();
    return s;
}

my_stiker *event_actions::open_today_stiker(const QString &text)
{
    auto *s = new my_stiker(m_player);
    QTimer::singleShot(today_stiker_ms, s, &QWidget::close);
    s->set_text(text);
    s->move(stiker_placement::today(s->size(), stiker_placement::available_area(m_anchor)));
    s->show();
    return s;
}

void event_actions::show_note(const QString &text, const QString &sound)
{
    offer_snooze(open_stiker(text), text, sound);
    play_sound_file(m_player, sound, &m_errors);
}

my_stiker *event_actions::show_snoozed(const QString &text, const QString &skin, const QString &sound)
{
    my_stiker *s = open_stiker(text, skin);
    offer_snooze(s, text, sound);
    play_sound_file(m_player, sound, &m_errors);
    return s;
}

void event_actions::offer_snooze(my_stiker *s, const QString &text, const QString &sound)
{
    if (!s)
        return;
    if (m_snoozes) {
        const QString skin = s->skin_path();
        s->set_snooze([this, text, skin, sound](int minutes) {
            const QDateTime due = m_clock.now().addSecs(qint64(minutes) * 60);
            qCInfo(lc_scheduler) << "reminder put off until" << due.toString(Qt::ISODate);
            m_snoozes->add({due, text, skin, sound});
        });
    }
    if (m_mirror)
        m_mirror->mirror(s, text);
}

void event_actions::start_program(const QString &run_file, const QString &run_arg, const QString &run_cat, bool do_find)
{
    if (do_find && m_processes && program_launch::is_running_in(run_file, m_processes())) {
        qCDebug(lc_scheduler).noquote() << run_file << "is already running; not started again";
        return;
    }
    if (!program_launch::start(run_file, program_launch::split_arguments(run_arg),
                               program_launch::working_folder(run_file, run_cat)))
        m_errors.add(QStringLiteral("Внимание!"), QStringLiteral("Не удалось запустить программу ") + run_file);
}
