#include "platform/audio_notice.h"

#include "common/log.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <mutex>

namespace {

struct notice_state
{
    std::mutex mutex;
    std::function<void()> handler;
    bool queued = false;
    bool told = false;
};

notice_state &state()
{
    static notice_state s;
    return s;
}

void deliver()
{
    std::function<void()> handler;
    {
        std::lock_guard lock(state().mutex);
        state().queued = false;
        if (state().told || !state().handler)
            return;
        state().told = true;
        handler = state().handler;
    }
    handler();
}

} // namespace

void set_output_unavailable_handler(std::function<void()> handler)
{
    std::lock_guard lock(state().mutex);
    state().handler = std::move(handler);
}

void report_output_unavailable()
{
    auto *app = QCoreApplication::instance();
    {
        std::lock_guard lock(state().mutex);
        if (state().told || state().queued || !state().handler || !app)
            return;
        state().queued = true;
    }
    QMetaObject::invokeMethod(app, &deliver, Qt::QueuedConnection);
}
