#include "platform/linux/sound/audio_device.h"

#include "common/log.h"

#include <QElapsedTimer>
#include <QMediaDevices>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

namespace {

// A server that does not answer in this time is treated as absent.
constexpr int server_timeout_ms = 300;

struct server_answer
{
    QByteArray default_sink;
    bool done = false;
};

void on_server_info(pa_context *, const pa_server_info *info, void *userdata)
{
    auto *answer = static_cast<server_answer *>(userdata);
    if (info && info->default_sink_name)
        answer->default_sink = info->default_sink_name;
    answer->done = true;
}

// The server's default sink by name; empty without a server.
QByteArray server_default_sink()
{
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return {};
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Orvella");
    server_answer answer;
    pa_operation *op = nullptr;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer clock;
        clock.start();
        while (!answer.done && clock.elapsed() < server_timeout_ms) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (state == PA_CONTEXT_READY && !op)
                op = pa_context_get_server_info(context, on_server_info, &answer);
            if (pa_mainloop_prepare(loop, 20 * 1000) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0)
                break;
        }
    }
    if (op) {
        pa_operation_cancel(op);
        pa_operation_unref(op);
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return answer.default_sink;
}

} // namespace

QAudioDevice current_output_device()
{
    const QByteArray sink = server_default_sink();
    if (!sink.isEmpty()) {
        for (const QAudioDevice &device : QMediaDevices::audioOutputs())
            if (device.id() == sink)
                return device;
        qCDebug(lc_audio) << "default sink" << sink << "not among Qt's outputs yet";
    }
    return QMediaDevices::defaultAudioOutput();
}
