#include "settings_rig.h"

#include "storage/ini_format.h"

#include <QFileInfo>
#include <QSettings>

bool recording_face::apply_skin_folder(const QString &folder)
{
    auto ini = ini_format::open(folder + "/settings.ini");
    const std::pair<const char *, const char *> pictures[] = {{"fon", "clock.png"},
                                                              {"hour", "hour.png"},
                                                              {"mins", "min.png"},
                                                              {"secunds", "sec.png"},
                                                              {"shapocka", "shapocka.png"}};
    for (const auto &[key, fallback] : pictures)
        if (!QFileInfo(folder + "/" + ini->value(QStringLiteral("SkinSettings/") + key, fallback).toString()).isFile())
            return false;
    applied << folder;
    return true;
}
