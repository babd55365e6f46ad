#include "clock/skin_loader.h"

#include "storage/ini_format.h"
#include "storage/typed_settings.h"
#include "common/log.h"

#include <QFileInfo>
#include <QMessageBox>

namespace skin_loader {

namespace {
// Picture keys and their file defaults, in loading order.
const ini_key<QString> fon{"SkinSettings", "fon", QStringLiteral("clock.png")};
const ini_key<QString> hour{"SkinSettings", "hour", QStringLiteral("hour.png")};
const ini_key<QString> mins{"SkinSettings", "mins", QStringLiteral("min.png")};
const ini_key<QString> secunds{"SkinSettings", "secunds", QStringLiteral("sec.png")};
const ini_key<QString> shapocka{"SkinSettings", "shapocka", QStringLiteral("shapocka.png")};

double offset(typed_settings &s, const char *name, double def)
{
    return s.get(ini_key<double>{"SkinSettings", name, def});
}
} // namespace

loaded_skin load(const QString &folder, QWidget *parent)
{
    loaded_skin skin;
    auto ini = ini_format::open(folder + "/settings.ini");
    typed_settings s(*ini);

    const QString names[5] = {s.get(fon), s.get(hour), s.get(mins), s.get(secunds), s.get(shapocka)};
    QPixmap *targets[5] = {&skin.pictures.face, &skin.pictures.hour, &skin.pictures.mins, &skin.pictures.secunds,
                           &skin.pictures.shapocka};
    for (int i = 0; i < 5; ++i)
        targets[i]->load(folder + "/" + names[i]);

    skin_offsets &o = skin.offsets;
    o.hour_x = offset(s, "offset_hour_x", 1);
    o.hour_y = offset(s, "offset_hour_y", 1);
    o.hour_z = offset(s, "offset_hour_z", 0.09);
    o.mins_x = offset(s, "offset_mins_x", 1);
    o.mins_y = offset(s, "offset_mins_y", 1);
    o.mins_z = offset(s, "offset_mins_z", 0.06);
    o.secunds_x = offset(s, "offset_secunds_x", 1);
    o.secunds_y = offset(s, "offset_secunds_y", 1);
    o.secunds_z = offset(s, "offset_secunds_z", 0.23);
    o.shapocka_x = offset(s, "offset_shapocka_x", 1);
    o.shapocka_y = offset(s, "offset_shapocka_y", 1);

    for (const QString &n : names)
        if (!QFileInfo::exists(folder + "/" + n))
            skin.complete = false;
    if (!skin.complete) {
        qCWarning(lc_clock) << "skin" << folder << "lacks picture files named in settings.ini";
        QMessageBox::warning(parent, QStringLiteral("Внимание!"),
                             QStringLiteral("В ") + folder +
                                 QStringLiteral(" отсутствуют указанные в settings.ini файлы"));
        QPixmap blank(300, 300);
        blank.fill(Qt::transparent);
        for (QPixmap *t : targets)
            *t = blank;
    }
    return skin;
}

QPixmap scaled(const QPixmap &p, double r)
{
    if (p.isNull() || r == 0.0 || r == 1.0)
        return p;
    // Sized in floating point first: a huge, tiny or not-a-number factor
    // would not fit an int.
    const double w = r > 0 ? p.width() * r : p.width() / -r;
    const double h = r > 0 ? p.height() * r : p.height() / -r;
    // A mistyped factor must not ask for a picture of gigabytes.
    if (!(w >= 1 && h >= 1 && w <= 8192 && h <= 8192)) {
        qCWarning(lc_clock) << "skin scale" << r << "ignored: picture would be" << w << "x" << h;
        return p;
    }
    return p.scaled(int(w), int(h), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

skin_pictures scaled(const skin_pictures &p, double r)
{
    return {scaled(p.face, r), scaled(p.hour, r), scaled(p.mins, r), scaled(p.secunds, r), scaled(p.shapocka, r)};
}

} // namespace skin_loader
