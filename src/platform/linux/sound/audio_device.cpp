#include "platform/linux/sound/audio_device.h"

#include "common/log.h"

#include <QElapsedTimer>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/sample.h>

namespace {

// A server that does not answer in this time is treated as absent.
constexpr int server_timeout_ms = 300;

struct server_answer
{
    pa_operation *sink_op = nullptr;
    std::optional<output_device> device;
    bool done = false;
};

std::optional<pcm_shape> shape_of(const pa_sample_spec &sample)
{
    if (!pa_sample_spec_valid(&sample) || sample.channels < 1 || sample.channels > 8 || sample.rate < 8000 ||
        sample.rate > 192000)
        return std::nullopt;
    pcm_shape shape;
    shape.rate = int(sample.rate);
    shape.channels = sample.channels;
    switch (sample.format) {
    case PA_SAMPLE_U8:
        shape.kind = sample_kind::u8;
        break;
    case PA_SAMPLE_S32NE:
        shape.kind = sample_kind::s32;
        break;
    case PA_SAMPLE_FLOAT32NE:
        shape.kind = sample_kind::f32;
        break;
    default:
        // 24-bit and foreign-endian sinks: the server converts from 16 bits.
        shape.kind = sample_kind::s16;
        break;
    }
    return shape;
}

void on_sink_info(pa_context *, const pa_sink_info *info, int eol, void *userdata)
{
    auto *answer = static_cast<server_answer *>(userdata);
    if (info && !answer->device) {
        output_device device;
        device.description = QString::fromUtf8(info->description ? info->description : info->name);
        device.shape = shape_of(info->sample_spec).value_or(pcm_shape::cd());
        answer->device = device;
    }
    if (eol != 0 || info)
        answer->done = true;
}

void on_server_info(pa_context *context, const pa_server_info *info, void *userdata)
{
    auto *answer = static_cast<server_answer *>(userdata);
    if (!info || !info->default_sink_name || !*info->default_sink_name) {
        answer->done = true;
        return;
    }
    answer->sink_op = pa_context_get_sink_info_by_name(context, info->default_sink_name, on_sink_info, answer);
    if (!answer->sink_op)
        answer->done = true;
}

// The server's default sink; empty without a server.
std::optional<output_device> server_default_sink()
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
    for (pa_operation *o : {op, answer.sink_op}) {
        if (o) {
            pa_operation_cancel(o);
            pa_operation_unref(o);
        }
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return answer.device;
}

} // namespace

std::optional<output_device> current_output_device()
{
    return server_default_sink();
}
