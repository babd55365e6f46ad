#pragma once
// The scale slider of the analog skin: slider position -100..100 against
// the stored "resize" factor (negative: divide, positive: multiply, 1:
// unscaled) and the label beside it.

#include "settings/clock_face_host.h"

#include <QString>

namespace skin_scale {

// The signed factor of a slider position: 1 + |a| * 2 / 100, negated below 0;
// position 0 gives 1.
double factor(int position);
// The slider position that shows a stored factor.
int position(double stored);
// "Масштаб: 1:1" for 1, else "Масштаб: <factor> раз.".
QString label(double stored);
// The label while the dialog loads: the stored text as it stands.
QString loading_label(const QString &stored_text);
// The pictures at a factor, each kept in proportion and smoothed.
skin_picture_set scaled(const skin_picture_set &pristine, double factor);

} // namespace skin_scale
