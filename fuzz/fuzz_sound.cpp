// Sound opening: any bytes, under any of the names a user gives sounds,
// decode or fail cleanly.
#include "fuzz_support.h"
#include "platform/linux/audio_decoder.h"

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
    d.set_max_seconds(20);
    if (d.decode(path) && d.pcm().size() > 20 * 44100 * 4 + 4096)
        abort(); // the length limit did not hold
    return 0;
}
