// Stand-ins for a sound module that is not ours: built twice, once
// without the entry (FAKE_NO_ENTRY) and once answering for another version.

#include "platform/linux/sound_module.h"

#ifdef FAKE_NO_ENTRY
extern "C" __attribute__((visibility("default"))) int orvella_something_else()
{
    return 42;
}
#else
namespace {
sound_engine *no_engine()
{
    return nullptr;
}
void no_tone(int, int) {}
const sound_module_api other{sound_module_version + 1, &no_engine, &no_tone};
} // namespace

extern "C" __attribute__((visibility("default"))) const sound_module_api *
orvella_sound_module(const sound_module_host *)
{
    return &other;
}
#endif
