// Sound opening: any bytes, under any of the names a user gives sounds,
// open and decode a stretch at a time (as the player does) or fail cleanly.
#include "fuzz_support.h"
#include "platform/linux/sound/audio_decoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const char *const suffixes[] = {".wav", ".mp3", ".ogg", ".flac", ".pcm", ".aac", ".ac3", ""};
    const QString name = QStringLiteral("sound") + QLatin1String(suffixes[data[0] % 8]);
    const QString path = fuzz::write_scratch(name, data + 1, size - 1);
    audio_decoder d;
    if (!d.open(path, pcm_shape{}))
        return 0;
    // Twenty minutes of sound is far more than any input here can hold.
    const qint64 limit = pcm_shape{}.bytes_for_ms(20 * 60 * 1000);
    qint64 total = 0;
    for (;;) {
        QByteArray chunk;
        const audio_decoder::result r = d.decode_some(chunk);
        total += chunk.size();
        if (total > limit)
            abort();
        if (r != audio_decoder::result::more)
            break;
    }
    return 0;
}
