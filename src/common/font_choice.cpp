#include "common/font_choice.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

namespace font_choice {

namespace {

bool same_style(const QFont &a, const QFont &b)
{
    return a.weight() == b.weight() && a.style() == b.style() && a.styleName() == b.styleName();
}

} // namespace

QFont preset(const QFont &f)
{
    if (!f.styleName().isEmpty())
        return f;
    const QString family = f.family();
    const QStringList styles = QFontDatabase::styles(family);
    // The closest weight among the styles of the same slant; an exact match
    // wins at once.
    QString best;
    int distance = 1 << 20;
    for (const QString &s : styles) {
        // Oblique faces are not "italic" to the database; their font's style says so.
        const QFont candidate = QFontDatabase::font(family, s, 12);
        if ((candidate.style() != QFont::StyleNormal) != (f.style() != QFont::StyleNormal))
            continue;
        // A stretched face ("Condensed") is a style of its own, not this one.
        if (candidate.stretch() != QFont::AnyStretch && candidate.stretch() != QFont::Unstretched)
            continue;
        if (s.contains(QLatin1String("Condensed"), Qt::CaseInsensitive) ||
            s.contains(QLatin1String("Expanded"), Qt::CaseInsensitive))
            continue;
        const int d = qAbs(QFontDatabase::weight(family, s) - f.weight());
        if (d < distance) {
            distance = d;
            best = s;
        }
    }
    if (best.isEmpty())
        return f;
    QFont out = f;
    out.setStyleName(best);
    return out;
}

QFont merge(const QFont &initial, const QFont &shown, const QFont &chosen)
{
    QFont out = initial;
    if (chosen.family() != shown.family())
        out.setFamily(chosen.family());
    if (!same_style(chosen, shown) || chosen.family() != shown.family()) {
        out.setWeight(chosen.weight());
        out.setStyle(chosen.style());
        out.setStyleName(chosen.styleName());
    }
    if (chosen.pointSizeF() != shown.pointSizeF() && chosen.pointSizeF() > 0)
        out.setPointSizeF(chosen.pointSizeF());
    out.setUnderline(chosen.underline());
    out.setStrikeOut(chosen.strikeOut());
    return out;
}

QFont prepare(QFontDialog &dialog, const QFont &initial)
{
    dialog.setCurrentFont(preset(initial));
    return dialog.currentFont();
}

} // namespace font_choice
