#pragma once
// Inside the sound module: the player, the tone and the one way back to the
// program (telling it that nothing can be heard).

#include "platform/linux/sound_module.h"

#include <memory>

std::unique_ptr<sound_engine> create_sound_player();

// A sine tone on an output of its own, without blocking the caller.
void play_sound_tone(int frequency_hz, int duration_ms);

// Whoever embeds these sources says what happens when no output can be
// found; until then nothing does.
void set_output_unavailable_hook(void (*hook)());
void tell_output_unavailable();
