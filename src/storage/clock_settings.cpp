#include "storage/clock_settings.h"

#include "storage/data_folder.h"

QString clock_settings::default_skin()
{
    return data_folder::path() + "/Skins/Standart";
}

QString clock_settings::my_skin() const
{
    const QString s = get(clock_keys::my_skin);
    return s.isEmpty() && !contains(clock_keys::my_skin) ? default_skin() : s;
}

QString clock_settings::stiker_skin() const
{
    const QString s = get(clock_keys::stiker_skin);
    return s.isEmpty() && !contains(clock_keys::stiker_skin) ? data_folder::path() + "/Skins/stiker.png" : s;
}

QGradientStops clock_settings::default_gradient(const char *group)
{
    if (QByteArrayView(group) == QByteArrayView(clock_keys::gradient_bk))
        return {{0.0, QColor(245, 245, 245)},
                {0.49, QColor(192, 192, 192)},
                {0.51, QColor(245, 245, 245)},
                {1.0, QColor(192, 192, 192)}};
    return {{0.0, QColor(128, 128, 128)},
            {0.49, QColor(64, 64, 64)},
            {0.51, QColor(128, 128, 128)},
            {1.0, QColor(16, 16, 16)}};
}

QGradientStops clock_settings::gradient(const char *group) const
{
    QGradientStops stops;
    m_s.beginGroup(QString::fromLatin1(group));
    const QStringList keys = m_s.childKeys(); // sorted by key text
    for (const QString &k : keys) {
        bool ok = false;
        const double pos = k.toDouble(&ok);
        const QColor c = ini_value::load(m_s.value(k), QColor());
        if (ok && pos >= 0.0 && pos <= 1.0)
            stops.append({pos, c});
    }
    m_s.endGroup();
    if (stops.isEmpty())
        return default_gradient(group);
    // The gradient wants ascending positions; text order puts "1" before "0.5" only
    // for odd spellings, so sort rather than trust the file.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const QGradientStop &a, const QGradientStop &b) { return a.first < b.first; });
    return stops;
}

void clock_settings::set_gradient(const char *group, const QGradientStops &stops)
{
    m_s.beginGroup(QString::fromLatin1(group));
    m_s.remove(QString());
    for (const QGradientStop &s : stops)
        m_s.setValue(QString::number(s.first, 'g', 6), s.second.name());
    m_s.endGroup();
    m_s.sync();
}
