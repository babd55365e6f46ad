#pragma once
// Analog skin folders: settings.ini (group "SkinSettings") naming five
// pictures and eleven offsets.

#include "clock/clock_look.h"

#include <QString>

class QWidget;

struct loaded_skin
{
    skin_pictures pictures;
    skin_offsets offsets;
    bool complete = true; // all five picture files exist
};

namespace skin_loader {

// Reads the skin; when a picture file is missing, warns on parent and
// gives five transparent 300 x 300 pictures instead.
loaded_skin load(const QString &folder, QWidget *parent);

// The resize option: r > 0 (and not 1) multiplies both sides, r < 0
// divides them by |r|, 0 and 1 leave the picture alone.
QPixmap scaled(const QPixmap &p, double r);
skin_pictures scaled(const skin_pictures &p, double r);

} // namespace skin_loader
