#pragma once
// One sound on the sound server (PulseAudio, or PipeWire's pulse service):
// a connection, a stream and a mainloop thread of its own, which pulls the
// source as the server asks for more. Destroying it stops the sound at once
// and joins its thread, so nothing of it outlives its owner, not even in
// the program's exit.

#include "platform/linux/sound/audio_source.h"

#include <QString>

#include <functional>
#include <memory>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

class pulse_playback
{
public:
    // How the sound ended: played to its end (complete), or cut off, with
    // the server's reason. Called once, on the mainloop thread.
    using ended_fn = std::function<void(bool complete, const QString &why)>;

    // Plays `source` (started) on the server's default sink with about
    // `buffer_ms` queued on the server. Null, with `error`, when it cannot start.
    static std::unique_ptr<pulse_playback> start(std::unique_ptr<audio_source> source, qint64 buffer_ms,
                                                 ended_fn ended, QString &error);
    ~pulse_playback();

    pulse_playback(const pulse_playback &) = delete;
    pulse_playback &operator=(const pulse_playback &) = delete;

private:
    pulse_playback(std::unique_ptr<audio_source> source, ended_fn ended);
    bool open(qint64 buffer_ms, QString &error);
    bool wait_until_ready(bool stream, QString &error);
    QString server_error() const;
    void feed(size_t wanted);
    void finish(bool complete, const QString &why);

    static void on_context_state(pa_context *context, void *self);
    static void on_stream_state(pa_stream *stream, void *self);
    static void on_write(pa_stream *stream, size_t bytes, void *self);
    static void on_drained(pa_stream *stream, int success, void *self);

    std::unique_ptr<audio_source> m_source;
    ended_fn m_ended;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    pa_operation *m_drain = nullptr;
    pa_time_event *m_timer = nullptr;
    bool m_running = false;
    bool m_ready = false;
    bool m_timed_out = false;
    bool m_done = false;
};
