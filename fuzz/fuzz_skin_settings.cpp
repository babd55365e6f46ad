// A skin folder's settings.ini: any file loads into pictures and offsets
// without harm, and the resize option never asks for a monster picture.
#include "clock/skin_loader.h"
#include "fuzz_support.h"

#include <QImage>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::init(argc, argv);
    // The default picture names exist, so most inputs reach the offsets.
    QImage img(8, 8, QImage::Format_ARGB32);
    img.fill(Qt::red);
    const QString skin = fuzz::scratch_dir().path() + "/skin";
    QDir().mkpath(skin);
    for (const char *n : {"clock.png", "hour.png", "min.png", "sec.png", "shapocka.png"})
        img.save(skin + "/" + n);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A fresh folder each run (parsed settings are cached by path), the
    // pictures linked in.
    const QString base = fuzz::scratch_dir().path() + "/skin/";
    const QString name = fuzz::fresh_name("skin", "");
    const QString skin = fuzz::scratch_dir().path() + "/" + name;
    QDir().mkpath(skin);
    for (const char *n : {"clock.png", "hour.png", "min.png", "sec.png", "shapocka.png"})
        QFile::link(base + n, skin + "/" + n);
    fuzz::write_scratch(name + "/settings.ini", data, size);
    const loaded_skin s = skin_loader::load(skin, nullptr);
    for (double r : {s.offsets.hour_z, s.offsets.mins_z, s.offsets.secunds_z, s.offsets.hour_x, s.offsets.shapocka_y})
        skin_loader::scaled(s.pictures.face, r);
    QDir(skin).removeRecursively();
    return 0;
}
