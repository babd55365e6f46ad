// Picture opening: any bytes as a sticker skin (still or animated) and as
// a clock skin's picture open without harm.
#include "clock/skin_loader.h"
#include "fuzz_support.h"
#include "scheduler/my_stiker.h"

#include <QCoreApplication>
#include <QImage>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    // The first sticker fills the toolkit's font and style caches, which
    // live until the process ends; fill them before leaks are counted.
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::yellow);
    const QString skin = fuzz::scratch_dir().path() + "/warm.png";
    img.save(skin);
    for (const QString &s : {skin, QString(skin + ".missing")}) {
        my_stiker sticker(nullptr, s);
        sticker.set_text(QStringLiteral("Напоминание 0123456789"));
        sticker.show();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const char *const suffixes[] = {".gif", ".png", ".jpg", ".bmp"};
    const QString name = QStringLiteral("picture") + QLatin1String(suffixes[data[0] % 4]);
    const QString path = fuzz::write_scratch(name, data + 1, size - 1);
    {
        my_stiker sticker(nullptr, path);
        sticker.set_text(QStringLiteral("Напоминание"));
        // Let an animation turn a few frames.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QPixmap p;
    p.load(path);
    skin_loader::scaled(p, 2.0);
    skin_loader::scaled(p, -3.0);
    return 0;
}
