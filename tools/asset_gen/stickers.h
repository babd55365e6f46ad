#pragma once
// Reminder sticker skins: a still note paper and an animated bell.

#include "gif_writer.h"

#include <QColor>
#include <QImage>
#include <QList>

namespace asset {

// Note paper with a torn top edge, a curled corner and a pin; transparent around.
QImage note_paper(const QColor &paper, const QColor &pin, quint32 seed);

// A swinging bell, one loop of the animation.
QList<gif_frame> bell_frames();

} // namespace asset
