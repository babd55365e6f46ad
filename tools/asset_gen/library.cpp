#include "library.h"

#include "calendar_skins.h"
#include "library_extras.h"
#include "paint_util.h"
#include "skins.h"
#include "sound_synth.h"
#include "stickers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace asset {

namespace {

// The skin constructor's picture libraries: every shipped part, by skin name,
// the hands re-laid for the constructor's starting pivots.
bool write_libraries(const QList<skin_set> &skins, const QString &base)
{
    bool ok = true;
    for (const skin_set &s : skins) {
        const QString file = s.name.toLower() + ".png";
        ok &= save_png(s.face, base + "/Clockface/" + file);
        ok &= save_png(library_hand(s.hour, hour_pivot_percent), base + "/Hourface/" + file);
        ok &= save_png(library_hand(s.mins, mins_pivot_percent), base + "/Minface/" + file);
        ok &= save_png(library_hand(s.secs, secunds_pivot_percent), base + "/Secundsface/" + file);
        ok &= save_png(s.cap, base + "/Dots/" + file);
    }
    for (const library_part &part : library_extras())
        ok &= save_png(part.image, base + "/" + part.library + "/" + part.name + ".png");
    return ok;
}

bool write_bytes(const QByteArray &bytes, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "asset_gen: cannot write %s\n", qPrintable(path));
    return false;
}

bool write_stickers(const QString &skins)
{
    bool ok = save_png(note_paper(QColor("#fff1a0"), QColor("#d8322c"), 7), skins + "/stiker.png");
    ok &= save_png(note_paper(QColor("#cdeefd"), QColor("#2f7d4f"), 11), skins + "/stiker_blue.png");
    ok &= save_png(note_paper(QColor("#ffd9e2"), QColor("#3466b0"), 23), skins + "/stiker_pink.png");
    const QByteArray gif = encode_gif(bell_frames());
    if (gif.isEmpty()) {
        std::fprintf(stderr, "asset_gen: the bell animation could not be encoded\n");
        return false;
    }
    return write_bytes(gif, skins + "/stiker_anim.gif") && ok;
}

bool write_calendar_skins(const QString &app_data)
{
    const QString dir = app_data + "/Calendar_skins/";
    bool ok =
        save_png(calendar_skin({QColor("#3a5a9a"), QColor("#1a2748"), QColor("#9fc4ff"), 3}), dir + "calendar_1.png");
    ok &= save_png(calendar_skin({QColor("#4a4e55"), QColor("#1c1e22"), QColor("#c8d2e0"), 5}), dir + "calendar_2.png");
    ok &= save_png(calendar_skin({QColor("#c8644a"), QColor("#5e2f6e"), QColor("#ffd08a"), 9}), dir + "calendar_3.png");
    ok &=
        save_png(calendar_skin({QColor("#2f8a78"), QColor("#173c44"), QColor("#b6ffd9"), 13}), dir + "calendar_4.png");
    ok &= save_png(resize_grip(), app_data + "/Skins/resize.png");
    return ok;
}

bool write_sounds(const QString &dir)
{
    bool ok = write_bytes(wav_bytes(soft_bell()), dir + "/bell.wav");
    ok &= write_bytes(wav_bytes(two_tone_alert()), dir + "/alert.wav");
    ok &= write_bytes(wav_bytes(marimba_reminder()), dir + "/marimba.wav");
    ok &= write_bytes(wav_bytes(wind_chime()), dir + "/chime.wav");
    ok &= write_flac(wind_chime(), dir + "/chime.flac");
    return ok;
}

} // namespace

bool write_all(const QString &app_data)
{
    const QList<skin_set> skins = all_skins();
    bool ok = true;
    for (const skin_set &s : skins)
        ok &= write_skin(s, app_data + "/Skins");
    ok &= write_libraries(skins, app_data + "/Base");
    ok &= write_stickers(app_data + "/Skins");
    ok &= write_calendar_skins(app_data);
    ok &= write_sounds(app_data + "/Sound");
    if (!ok)
        std::fprintf(stderr, "asset_gen: some files were not written\n");
    return ok;
}

} // namespace asset
