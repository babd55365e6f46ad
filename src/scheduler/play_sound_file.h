#pragma once
// Playing a sound file on a player, the one way events, note reminders and
// the scheduler page do it: an empty path plays nothing, and play is called
// even when the file does not open. A file that does not open is reported
// through `errors` (shown after the pass), or without it in a modal box the
// caller waits for (a sound tried out by the user).

#include <QString>

class audio_player;
class error_boxes;

void play_sound_file(audio_player *player, const QString &path, error_boxes *errors = nullptr);
