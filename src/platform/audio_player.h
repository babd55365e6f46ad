#pragma once
// Sound output for events, note reminders and previews: open a file, play
// it once, halt it. Opening checks the file and answers at once; playing
// streams it, so a sound of any length neither blocks nor fills memory.
// Opening a new file stops the current sound, whether or not the new one
// opens; play() with nothing opened does nothing. Without a sound server
// nothing is heard, the reason is logged and the user told once
// (audio_notice.h); nothing blocks or crashes.

#include <QObject>
#include <QString>
#include <memory>

class audio_player : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~audio_player() override = default;

    // Non-zero on success, 0 on failure (see last_error()). Accepts wav, mp3,
    // ogg, flac, aac, ac3 (recognised by content) and ".pcm": raw signed
    // 16-bit little-endian, 44.1 kHz, stereo. A file that breaks later while
    // playing stops there; that is logged.
    virtual int open_file(const QString &path) = 0;
    virtual void play() = 0;
    virtual void halt() = 0;
    // Why the last open (or start of output) failed, in Russian.
    virtual QString last_error() const = 0;
    // Frees the output; the player is not used again afterwards.
    virtual void release() = 0;

    // True while a sound is being played (tests and benchmarks).
    virtual bool is_playing() const = 0;

    static std::unique_ptr<audio_player> create(QObject *parent = nullptr);
};

// A sine tone through the audio output, without blocking the caller.
void play_tone(int frequency_hz, int duration_ms);
