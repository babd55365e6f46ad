#pragma once
// event_actions: what a due event does, in order: a sticker with its
// message, its sound on the alarm player, a 1000 Hz tone, its program.
// Also shows note reminders the same way.

#include "scheduler/event_runner.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class audio_player;
class my_stiker;
class time_source;

class event_actions : public event_runner
{
public:
    // `anchor` (the clock window) picks the screen for stickers.
    event_actions(audio_player *alarm_player, const time_source &clock, QWidget *anchor = nullptr);

    void run(event_store &store, bool do_find) override;

    // A sticker with `text` at a random place, shown and painted at once.
    my_stiker *open_stiker(const QString &text);
    // Today's notes: near the lower right corner, closed after three minutes.
    my_stiker *open_today_stiker(const QString &text);
    // A note reminder: a sticker, then the note sound.
    void show_note(const QString &text, const QString &sound);

    // The running-process list used by the single-instance check.
    void set_process_lister(std::function<QStringList()> lister) { m_processes = std::move(lister); }
    // Replaces the tone (tests count tones without a sound server).
    void set_tone(std::function<void()> tone) { m_tone = std::move(tone); }

private:
    void start_program(const QString &run_file, const QString &run_arg, const QString &run_cat, bool do_find);

    audio_player *m_player;
    const time_source &m_clock;
    QPointer<QWidget> m_anchor;
    std::function<QStringList()> m_processes;
    std::function<void()> m_tone;
};
