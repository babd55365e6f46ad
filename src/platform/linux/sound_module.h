#pragma once
// What the program and its sound module (liborvella_sound.so) agree on.
// Decoding and output (FFmpeg, libpulse) live in the module,
// which is loaded when the first sound or tone is asked for: a clock that
// never plays a sound never maps those libraries. Both sides are built
// from this tree with the same compiler, so plain C++ classes cross the
// boundary; the version catches a module left over from another build.

#include <QString>

// One sound at a time, the five operations of audio_player.
class sound_engine
{
public:
    virtual ~sound_engine() = default;
    virtual int open_file(const QString &path) = 0;
    virtual void play() = 0;
    virtual void halt() = 0;
    virtual QString last_error() const = 0;
    virtual void release() = 0;
    virtual bool is_playing() const = 0;
};

struct sound_module_api
{
    int version;
    // Owned by the caller; deleted through its virtual destructor.
    sound_engine *(*create_engine)();
    void (*play_tone)(int frequency_hz, int duration_ms);
};

// What the module may call back in the program.
struct sound_module_host
{
    int version;
    // No output device or sound server: the program tells the user once.
    void (*output_unavailable)();
};

inline constexpr int sound_module_version = 1;
inline constexpr char sound_module_entry[] = "orvella_sound_module";
inline constexpr char sound_module_file[] = "liborvella_sound.so";

// The module's one exported symbol. Null when the host's version differs.
using sound_module_entry_fn = const sound_module_api *(*)(const sound_module_host *host);
