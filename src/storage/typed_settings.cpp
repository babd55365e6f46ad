#include "storage/typed_settings.h"

#include <limits>

namespace ini_value {

// The toolkit's text-to-boolean rule for what the program itself writes
// ("true"/"false", 0/2) and what other tools write (numbers); empty, "0" and
// "false" are false. Any other text is not a boolean at all and gives the
// key's default rather than "on".
static bool load_bool(const QVariant &v, bool fallback)
{
    if (v.typeId() != QMetaType::QString)
        return v.canConvert<bool>() ? v.toBool() : fallback;
    const QString s = v.toString().trimmed();
    if (s.isEmpty() || s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? d != 0.0 : fallback;
}

bool load(const QVariant &v, bool fallback)
{
    return load_bool(v, fallback);
}

check_state load(const QVariant &v, check_state fallback)
{
    return check_state{load_bool(v, fallback.on)};
}

int load(const QVariant &v, int fallback)
{
    // A number no int can hold ("1e57", "2147483648", "inf") is as bad as
    // text: converting it would wrap or be undefined.
    constexpr qint64 lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    bool ok = false;
    const qint64 r = v.toLongLong(&ok);
    if (ok)
        return r >= lowest && r <= highest ? int(r) : fallback;
    const double d = v.toDouble(&ok); // "2.0" written by other tools
    if (!ok || !(d > double(lowest) - 1.0 && d < double(highest) + 1.0))
        return fallback;
    return int(d);
}

double load(const QVariant &v, double fallback)
{
    bool ok = false;
    const double r = v.toDouble(&ok);
    return ok && qIsFinite(r) ? r : fallback;
}

QString load(const QVariant &v, const QString &)
{
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(',');
    return v.toString();
}

QStringList load(const QVariant &v, const QStringList &)
{
    return v.toStringList();
}

QColor load(const QVariant &v, const QColor &fallback)
{
    const QString s = v.toString().trimmed();
    if (s.isEmpty())
        return fallback;
    QColor c = QColor::fromString(s);
    return c.isValid() ? c : fallback;
}

QFont load(const QVariant &v, const QFont &fallback)
{
    // A font description holds commas, so it may come back as a list.
    const QString s = v.typeId() == QMetaType::QStringList ? v.toStringList().join(',') : v.toString();
    if (s.isEmpty())
        return fallback;
    QFont f;
    return f.fromString(s) ? f : fallback;
}

QDate load(const QVariant &v, const QDate &fallback)
{
    const QDate d = QDate::fromString(v.toString(), QStringLiteral("dd.MM.yyyy"));
    return d.isValid() ? d : fallback;
}

} // namespace ini_value
