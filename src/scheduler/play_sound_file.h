#pragma once
// Playing a sound file on a player, the one way events, note reminders and
// the scheduler page do it: an empty path plays nothing; a file that does
// not open is reported in a modal box (the caller waits for it), and play
// is called either way.

#include <QString>

class audio_player;

void play_sound_file(audio_player *player, const QString &path);
