#pragma once
// Dial lettering drawn from our own outlines, so the pictures never depend on
// the fonts installed on the build machine.

#include <QPainterPath>
#include <QString>

namespace asset {

// Outline of a number written with round-capped strokes: height h, stroke
// width sw, centred on (0, 0).
QPainterPath stroke_number(const QString &digits, qreal h, qreal sw);

// Outline of a Roman numeral (I, V, X) in a serif style, height h, centred on
// (0, 0), upright.
QPainterPath roman_numeral(const QString &text, qreal h);

} // namespace asset
