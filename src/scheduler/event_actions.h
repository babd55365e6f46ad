#pragma once
// event_actions: what a due event does, in order: a sticker with its
// message, its sound on the alarm player, a 1000 Hz tone, its program.
// Also shows note reminders and put-off reminders the same way. Failures
// are kept in errors() for the caller to show once its pass is over.

#include "platform/process_list.h"
#include "scheduler/error_boxes.h"
#include "scheduler/event_runner.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class audio_player;
class my_stiker;
class reminder_mirror;
class snooze_store;
class time_source;

class event_actions : public event_runner
{
public:
    // `anchor` (the clock window) picks the screen for stickers.
    event_actions(audio_player *alarm_player, const time_source &clock, QWidget *anchor = nullptr);

    void run(event_store &store, bool do_find) override;
    void run_missed(event_store &store, bool do_find) override;

    // A sticker with `text` at a random place, shown and painted at once.
    my_stiker *open_stiker(const QString &text, const QString &skin = {});
    // Today's notes: near the lower right corner, closed after three minutes.
    my_stiker *open_today_stiker(const QString &text);
    // A note reminder: a sticker, then the note sound.
    void show_note(const QString &text, const QString &sound);
    // A put-off reminder back again: its sticker, skin and sound; no tone,
    // no program.
    my_stiker *show_snoozed(const QString &text, const QString &skin, const QString &sound);

    // Where put-off reminders are kept; without one stickers offer no snooze.
    void set_snooze_store(snooze_store *store) { m_snoozes = store; }
    // Reminders also go to the desktop's notification centre through it.
    void set_mirror(reminder_mirror *mirror) { m_mirror = mirror; }
    error_boxes &errors() { return m_errors; }

    // The running-process list used by the single-instance check.
    void set_process_lister(std::function<QList<process_entry>()> lister) { m_processes = std::move(lister); }
    // The same from bare executable names.
    void set_process_lister(std::function<QStringList()> names);
    // Replaces the tone (tests count tones without a sound server).
    void set_tone(std::function<void()> tone) { m_tone = std::move(tone); }
    // This data folder's machine name: events made elsewhere start their
    // program only there. Empty (no calendar sync): every program starts.
    void set_machine(const QString &machine) { m_machine = machine; }

    static QString missed_prefix() { return QStringLiteral("ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!\n"); }

private:
    void fire(event_store &store, bool do_find, const QString &prefix);
    void start_program(const QString &run_file, const QString &run_arg, const QString &run_cat, bool do_find);
    // Lets the user put the sticker off (it comes back with `sound`) and
    // mirrors it in the notification centre.
    void offer_snooze(my_stiker *s, const QString &text, const QString &sound);

    audio_player *m_player;
    const time_source &m_clock;
    QPointer<QWidget> m_anchor;
    std::function<QList<process_entry>()> m_processes;
    std::function<void()> m_tone;
    QString m_machine;
    snooze_store *m_snoozes = nullptr;
    reminder_mirror *m_mirror = nullptr;
    error_boxes m_errors;
};
