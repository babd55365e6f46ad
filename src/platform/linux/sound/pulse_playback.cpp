#include "platform/linux/sound/pulse_playback.h"

#include "common/log.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

namespace {

// A server that takes longer than this to accept us or the stream is
// treated as absent; a local server answers in milliseconds.
constexpr pa_usec_t answer_timeout = 2 * PA_USEC_PER_SEC;
// When the source has nothing yet (its decoder is behind), ask again soon.
constexpr pa_usec_t underrun_retry = 10 * PA_USEC_PER_MSEC;

pa_sample_format_t server_format(sample_kind kind)
{
    switch (kind) {
    case sample_kind::u8:
        return PA_SAMPLE_U8;
    case sample_kind::s16:
        return PA_SAMPLE_S16NE;
    case sample_kind::s32:
        return PA_SAMPLE_S32NE;
    case sample_kind::f32:
        return PA_SAMPLE_FLOAT32NE;
    }
    return PA_SAMPLE_S16NE;
}

} // namespace

pulse_playback::pulse_playback(std::unique_ptr<audio_source> source, ended_fn ended)
    : m_source(std::move(source)), m_ended(std::move(ended))
{}

std::unique_ptr<pulse_playback> pulse_playback::start(std::unique_ptr<audio_source> source, qint64 buffer_ms,
                                                      ended_fn ended, QString &error)
{
    if (!source) {
        error = QStringLiteral("нечего играть");
        return nullptr;
    }
    std::unique_ptr<pulse_playback> playback(new pulse_playback(std::move(source), std::move(ended)));
    if (!playback->open(buffer_ms, error))
        return nullptr;
    return playback;
}

pulse_playback::~pulse_playback()
{
    if (m_loop) {
        if (m_running)
            pa_threaded_mainloop_lock(m_loop);
        if (m_drain) {
            pa_operation_cancel(m_drain);
            pa_operation_unref(m_drain);
        }
        if (m_timer)
            pa_threaded_mainloop_get_api(m_loop)->time_free(m_timer);
        if (m_stream) {
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
            pa_stream_set_write_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        if (m_context) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        if (m_running) {
            pa_threaded_mainloop_unlock(m_loop);
            pa_threaded_mainloop_stop(m_loop);
        }
        pa_threaded_mainloop_free(m_loop);
    }
    // Only now: the mainloop thread read from it.
    m_source.reset();
}

QString pulse_playback::server_error() const
{
    return QString::fromUtf8(pa_strerror(m_context ? pa_context_errno(m_context) : PA_ERR_INTERNAL));
}

bool pulse_playback::open(qint64 buffer_ms, QString &error)
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop) {
        error = QStringLiteral("не удалось создать поток вывода");
        return false;
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Orvella");
    if (!m_context) {
        error = QStringLiteral("не удалось создать соединение со звуковым сервером");
        return false;
    }
    pa_context_set_state_callback(m_context, &pulse_playback::on_context_state, this);
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        error = QStringLiteral("не удалось запустить поток вывода");
        return false;
    }
    m_running = true;

    pa_threaded_mainloop_lock(m_loop);
    bool ok = pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    if (!ok)
        error = server_error();
    ok = ok && wait_until_ready(false, error);
    if (ok) {
        const pcm_shape &shape = m_source->shape();
        const pa_sample_spec sample{server_format(shape.kind), uint32_t(shape.rate), uint8_t(shape.channels)};
        pa_channel_map map;
        pa_channel_map_init_extend(&map, sample.channels, PA_CHANNEL_MAP_DEFAULT);
        m_stream = pa_stream_new(m_context, "Orvella", &sample, &map);
        if (!m_stream) {
            error = server_error();
            ok = false;
        }
    }
    if (ok) {
        pa_stream_set_state_callback(m_stream, &pulse_playback::on_stream_state, this);
        pa_stream_set_write_callback(m_stream, &pulse_playback::on_write, this);
        pa_stream_set_underflow_callback(
            m_stream, [](pa_stream *, void *) { qCDebug(lc_audio) << "server ran out of sound"; }, nullptr);
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(m_source->shape().bytes_for_ms(buffer_ms));
        attr.prebuf = uint32_t(-1);
        attr.minreq = uint32_t(-1);
        attr.fragsize = uint32_t(-1);
        ok = pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) >= 0;
        if (!ok)
            error = server_error();
        ok = ok && wait_until_ready(true, error);
    }
    m_ready = ok;
    pa_threaded_mainloop_unlock(m_loop);
    return ok;
}

// With the mainloop locked: waits for the context (or the stream) to be
// ready, for it to fail, or for the time to run out.
bool pulse_playback::wait_until_ready(bool stream, QString &error)
{
    m_timed_out = false;
    pa_time_event *timeout = pa_context_rttime_new(
        m_context, pa_rtclock_now() + answer_timeout,
        [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *data) {
            auto *self = static_cast<pulse_playback *>(data);
            self->m_timed_out = true;
            pa_threaded_mainloop_signal(self->m_loop, 0);
        },
        this);
    // Ready, still on its way, or failed.
    enum class state { ready, waiting, failed };
    const auto now = [&] {
        if (stream) {
            const pa_stream_state_t s = pa_stream_get_state(m_stream);
            return s == PA_STREAM_READY ? state::ready : PA_STREAM_IS_GOOD(s) ? state::waiting : state::failed;
        }
        const pa_context_state_t s = pa_context_get_state(m_context);
        return s == PA_CONTEXT_READY ? state::ready : PA_CONTEXT_IS_GOOD(s) ? state::waiting : state::failed;
    };
    state st;
    while ((st = now()) == state::waiting && !m_timed_out)
        pa_threaded_mainloop_wait(m_loop);
    const bool ok = st == state::ready;
    if (timeout)
        pa_threaded_mainloop_get_api(m_loop)->time_free(timeout);
    if (!ok)
        error = m_timed_out ? QStringLiteral("звуковой сервер не отвечает") : server_error();
    return ok;
}

void pulse_playback::on_context_state(pa_context *context, void *data)
{
    auto *self = static_cast<pulse_playback *>(data);
    const pa_context_state_t s = pa_context_get_state(context);
    if (self->m_ready && !PA_CONTEXT_IS_GOOD(s))
        self->finish(false, self->server_error());
    pa_threaded_mainloop_signal(self->m_loop, 0);
}

void pulse_playback::on_stream_state(pa_stream *stream, void *data)
{
    auto *self = static_cast<pulse_playback *>(data);
    const pa_stream_state_t s = pa_stream_get_state(stream);
    if (self->m_ready && !PA_STREAM_IS_GOOD(s))
        self->finish(false, self->server_error());
    pa_threaded_mainloop_signal(self->m_loop, 0);
}

void pulse_playback::on_write(pa_stream *, size_t bytes, void *data)
{
    static_cast<pulse_playback *>(data)->feed(bytes);
}

void pulse_playback::on_drained(pa_stream *, int success, void *data)
{
    auto *self = static_cast<pulse_playback *>(data);
    pa_operation_unref(self->m_drain);
    self->m_drain = nullptr;
    if (success)
        self->finish(true, {});
    else
        self->finish(false, self->server_error());
}

// On the mainloop thread: hands the server up to `wanted` bytes of the source.
void pulse_playback::feed(size_t wanted)
{
    if (m_done || m_drain || !m_stream)
        return;
    while (wanted > 0) {
        void *buffer = nullptr;
        size_t room = wanted;
        if (pa_stream_begin_write(m_stream, &buffer, &room) < 0 || !buffer) {
            finish(false, server_error());
            return;
        }
        const qint64 got = m_source->read(static_cast<char *>(buffer), qint64(room));
        if (got <= 0) {
            qCDebug(lc_audio) << "source behind; asked for" << room << "bytes";
            pa_stream_cancel_write(m_stream);
            break;
        }
        if (pa_stream_write(m_stream, buffer, size_t(got), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            finish(false, server_error());
            return;
        }
        wanted -= std::min(wanted, size_t(got));
    }
    if (m_source->atEnd()) {
        // Everything is queued; the end is told once the server has played it.
        m_drain = pa_stream_drain(m_stream, &pulse_playback::on_drained, this);
        if (!m_drain)
            finish(false, server_error());
    } else if (wanted > 0 && !m_timer) {
        m_timer = pa_context_rttime_new(
            m_context, pa_rtclock_now() + underrun_retry,
            [](pa_mainloop_api *api, pa_time_event *e, const struct timeval *, void *data) {
                auto *self = static_cast<pulse_playback *>(data);
                api->time_free(e);
                self->m_timer = nullptr;
                const size_t writable = pa_stream_writable_size(self->m_stream);
                self->feed(writable == size_t(-1) ? 0 : writable);
            },
            this);
    }
}

void pulse_playback::finish(bool complete, const QString &why)
{
    if (m_done)
        return;
    m_done = true;
    if (m_ended)
        m_ended(complete, why);
}
