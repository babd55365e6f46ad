#pragma once
// font_choice: the font dialog as the settings windows use it. The toolkit's
// dialog shows a font without a style name under the first style whose name
// it does not recognise ("Oblique" for DejaVu Sans' "Book"), and returns
// what it shows; a font from the Windows program has no style name at all.
// So the dialog is preset with the family's own name for the font's style,
// and whatever the user left as it was comes back as it went in.

#include <QFont>

class QFontDialog;

namespace font_choice {

// `f` with the style name the font database uses for its weight and slant
// in its family; unchanged when the family has none that matches.
QFont preset(const QFont &f);

// What the user chose: family, style and size from `chosen` where they
// differ from what the dialog showed at first (`shown`), else from
// `initial`; underline and strike-out as chosen.
QFont merge(const QFont &initial, const QFont &shown, const QFont &chosen);

// Presets the dialog with `initial`; returns the font the dialog now shows.
QFont prepare(QFontDialog &dialog, const QFont &initial);

} // namespace font_choice
