#pragma once
// The shipped analog skins: each one a dial, three hands and a cap.

#include "hand_maker.h"

#include <QImage>
#include <QList>
#include <QString>

namespace asset {

struct skin_set
{
    QString name; // folder name under Skins/, also the file stem in the picture libraries
    QImage face;
    hand_picture hour, mins, secs;
    QImage cap;
};

skin_set make_standart();
skin_set make_classic();
skin_set make_midnight();
skin_set make_mini();
skin_set make_square();

QList<skin_set> all_skins();

// Writes the skin folder: five pictures and settings.ini.
bool write_skin(const skin_set &s, const QString &skins_dir);

// The settings.ini text of a skin (ASCII, CRLF, the toolkit's INI syntax).
QByteArray skin_settings_text(const skin_set &s);

} // namespace asset
