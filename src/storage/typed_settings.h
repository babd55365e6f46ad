#pragma once
// Typed access to INI keys: each key is declared once with its group, name,
// stored form and default; readers and writers go through get()/set().
//
// Stored forms: bool as "true"/"false"; check_state as 0/2 (read back as a
// bool); int and double as numbers; QColor as "#rrggbb"; QFont as the
// toolkit's description string; QDate as "dd.MM.yyyy"; text as text.
// A value that cannot be converted yields the key's default, never a
// neutral 0 that would, say, make the clock invisible.

#include <QColor>
#include <QDate>
#include <QFont>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <type_traits>

// A boolean stored as a check-box state (0 off, 2 on).
struct check_state
{
    bool on = false;
    friend bool operator==(check_state a, check_state b) { return a.on == b.on; }
};

template <class T>
struct ini_key
{
    const char *group; // empty for the top level
    const char *name;
    T fallback;

    QString path() const
    {
        return (group && *group) ? QString::fromLatin1(group) + '/' + QString::fromLatin1(name)
                                 : QString::fromLatin1(name);
    }
};

namespace ini_value {

inline QVariant store(bool v)
{
    return v ? QStringLiteral("true") : QStringLiteral("false");
}
inline QVariant store(check_state v)
{
    return v.on ? 2 : 0;
}
inline QVariant store(int v)
{
    return v;
}
inline QVariant store(double v)
{
    return v;
}
inline QVariant store(const QString &v)
{
    return v;
}
inline QVariant store(const QStringList &v)
{
    return v;
}
inline QVariant store(const QColor &v)
{
    return v.isValid() ? v.name() : QString();
}
inline QVariant store(const QFont &v)
{
    return v.toString();
}
inline QVariant store(const QDate &v)
{
    return v.toString(QStringLiteral("dd.MM.yyyy"));
}

bool load(const QVariant &v, bool fallback);
check_state load(const QVariant &v, check_state fallback);
int load(const QVariant &v, int fallback);
double load(const QVariant &v, double fallback);
QString load(const QVariant &v, const QString &fallback);
QStringList load(const QVariant &v, const QStringList &fallback);
QColor load(const QVariant &v, const QColor &fallback);
QFont load(const QVariant &v, const QFont &fallback);
QDate load(const QVariant &v, const QDate &fallback);

} // namespace ini_value

// Reads and writes declared keys on one settings object, which must have no
// group open (keys are addressed by their full path).
class typed_settings
{
public:
    explicit typed_settings(QSettings &s) : m_s(s) {}

    template <class T>
    T get(const ini_key<T> &k) const
    {
        const QVariant v = m_s.value(k.path());
        if constexpr (std::is_same_v<T, QFont>) {
            // The default font is the application's, known only once it runs;
            // a key declared at start-up cannot hold it.
            return v.isValid() ? ini_value::load(v, QFont()) : QFont();
        } else {
            if (!v.isValid())
                return k.fallback;
            return ini_value::load(v, k.fallback);
        }
    }

    template <class T>
    void set(const ini_key<T> &k, const T &v)
    {
        m_s.setValue(k.path(), ini_value::store(v));
    }

    template <class T>
    bool contains(const ini_key<T> &k) const
    {
        return m_s.contains(k.path());
    }

    void sync() { m_s.sync(); }
    QSettings &raw() { return m_s; }

protected:
    QSettings &m_s;
};
