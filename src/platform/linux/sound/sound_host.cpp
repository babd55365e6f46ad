// The module's one way back to the program.

#include "platform/linux/sound/sound_player.h"

#include <atomic>

namespace {
std::atomic<void (*)()> output_unavailable_hook{nullptr};
} // namespace

void set_output_unavailable_hook(void (*hook)())
{
    output_unavailable_hook = hook;
}

void tell_output_unavailable()
{
    if (auto hook = output_unavailable_hook.load())
        hook();
}
