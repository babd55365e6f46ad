// liborvella_sound.so: the entry the program resolves after loading it.

#include "platform/linux/sound/sound_player.h"

namespace {

sound_engine *create_engine()
{
    return create_sound_player().release();
}

const sound_module_api api{sound_module_version, &create_engine, &play_sound_tone};

} // namespace

extern "C" __attribute__((visibility("default"))) const sound_module_api *
orvella_sound_module(const sound_module_host *host)
{
    if (!host || host->version != sound_module_version)
        return nullptr;
    set_output_unavailable_hook(host->output_unavailable);
    return &api;
}
