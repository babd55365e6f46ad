#pragma once
// Previews of the skins composed the way the clock paints them (not shipped).

#include "skins.h"

#include <QImage>

namespace asset {

// The clock at h:m:s with the skin's pictures scaled by factor (the clock's
// "resize" rule), second marks in marks_colour.
QImage compose_clock(const skin_set &s, double factor, int h, int m, int sec, const QColor &marks_colour);

// Writes one preview per skin at 1x and 2x plus a contact sheet into dir.
bool write_previews(const QList<skin_set> &skins, const QString &dir);

} // namespace asset
