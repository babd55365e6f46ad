#include "settings/skin_scale.h"

#include <cmath>

namespace skin_scale {

double factor(int position)
{
    if (position == 0)
        return 1.0;
    const double m = 1.0 + std::abs(position) * 2.0 / 100.0;
    return position < 0 ? -m : m;
}

int position(double stored)
{
    if (stored == 1.0)
        return 0;
    if (stored > 0)
        return int(std::lround((stored - 1.0) * 50.0));
    if (stored < 0)
        return -int(std::lround((-stored - 1.0) * 50.0));
    return 0; // 0 leaves the pictures alone, as 1 does
}

QString label(double stored)
{
    if (stored == 1.0)
        return QStringLiteral("Масштаб: 1:1");
    return QStringLiteral("Масштаб: ") + QString::number(stored, 'g', 6) + QStringLiteral(" раз.");
}

QString loading_label(const QString &stored_text)
{
    return QStringLiteral("Масштаб: ") + (stored_text.isEmpty() ? QStringLiteral("1") : stored_text) +
           QStringLiteral(" раз.");
}

skin_picture_set scaled(const skin_picture_set &pristine, double factor)
{
    if (factor == 1.0 || factor == 0.0)
        return pristine;
    const double m = std::abs(factor);
    skin_picture_set out;
    for (size_t i = 0; i < pristine.size(); ++i) {
        const QPixmap &p = pristine[i];
        if (p.isNull())
            continue;
        const QSize to = factor < 0 ? QSize(int(p.width() / m), int(p.height() / m))
                                    : QSize(int(p.width() * m), int(p.height() * m));
        out[i] = p.scaled(to.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return out;
}

} // namespace skin_scale
