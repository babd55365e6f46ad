#include "library.h"

#include "paint_util.h"
#include "skins.h"

#include <cstdio>

namespace asset {

namespace {

// The skin constructor's picture libraries: every shipped part, by skin name.
bool write_libraries(const QList<skin_set> &skins, const QString &base)
{
    bool ok = true;
    for (const skin_set &s : skins) {
        const QString file = s.name.toLower() + ".png";
        ok &= save_png(s.face, base + "/Clockface/" + file);
        ok &= save_png(s.hour.image, base + "/Hourface/" + file);
        ok &= save_png(s.mins.image, base + "/Minface/" + file);
        ok &= save_png(s.secs.image, base + "/Secundsface/" + file);
        ok &= save_png(s.cap, base + "/Dots/" + file);
    }
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
    if (!ok)
        std::fprintf(stderr, "asset_gen: some files were not written\n");
    return ok;
}

} // namespace asset
