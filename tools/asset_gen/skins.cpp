#include "skins.h"

#include "paint_util.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace asset {

QList<skin_set> all_skins()
{
    return {make_standart(), make_classic(), make_midnight(), make_mini(), make_square()};
}

QByteArray skin_settings_text(const skin_set &s)
{
    QByteArray t;
    const auto line = [&t](const char *key, const QString &value) {
        t += key;
        t += '=';
        t += value.toLatin1();
        t += "\r\n";
    };
    t += "[SkinSettings]\r\n";
    line("fon", "clock.png");
    line("hour", "hour.png");
    line("offset_hour_x", "1");
    line("offset_hour_y", "1");
    line("offset_hour_z", s.hour.z_text);
    line("mins", "min.png");
    line("offset_mins_x", "1");
    line("offset_mins_y", "1");
    line("offset_mins_z", s.mins.z_text);
    line("secunds", "sec.png");
    line("offset_secunds_x", "1");
    line("offset_secunds_y", "1");
    line("offset_secunds_z", s.secs.z_text);
    line("shapocka", "shapocka.png");
    line("offset_shapocka_x", "1");
    line("offset_shapocka_y", "1");
    return t;
}

bool write_skin(const skin_set &s, const QString &skins_dir)
{
    const QString dir = skins_dir + "/" + s.name;
    QDir().mkpath(dir);
    bool ok = save_png(s.face, dir + "/clock.png") && save_png(s.hour.image, dir + "/hour.png") &&
              save_png(s.mins.image, dir + "/min.png") && save_png(s.secs.image, dir + "/sec.png") &&
              save_png(s.cap, dir + "/shapocka.png");
    QFile ini(dir + "/settings.ini");
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) || ini.write(skin_settings_text(s)) < 0) {
        std::fprintf(stderr, "asset_gen: cannot write %s\n", qPrintable(ini.fileName()));
        ok = false;
    }
    return ok;
}

} // namespace asset
