#include "platform/stop_signals.h"

// No stop signals are reported here.
struct stop_signals::impl
{
};

stop_signals::stop_signals(QObject *parent) : QObject(parent), d(std::make_unique<impl>()) {}

stop_signals::~stop_signals() = default;

bool stop_signals::active() const
{
    return false;
}
