#pragma once
// The finest time field a date-time format shows, so that a face wakes no
// more often than its text changes ("hh:mm" once a minute).

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <limits>

enum class time_field
{
    millisecond,
    second,
    minute, // and anything coarser: hours and dates change on minute boundaries
    none,   // no time or date field at all
};

// Quoted text ('...', with '' for a quote) is not a field.
time_field finest_field(const QString &format);

// A face's text, formatted every second: of a format the locale formats
// only what a new minute changes, once a minute, and a new second only
// puts its own digits in. Each seconds field ("ss", "s") is stood in for
// by a character the locale copies as it is, and the sixty renderings of
// each are made once, when a format first needs them. The result is what QLocale::toString gives, to the
// character. Formats with milliseconds, or holding a stand-in character
// themselves, are formatted whole every time.
class minute_formatter
{
public:
    explicit minute_formatter(QLocale locale);
    QString format(const QDateTime &t, const QString &format);

private:
    void prepare(const QString &format);

    QLocale m_locale;
    QString m_format;
    bool m_direct = true;
    QString m_stand_in_format; // the format, its seconds fields stood in for
    bool m_zone = false;       // shows the zone's name
    QString m_template;
    qint64 m_minute = std::numeric_limits<qint64>::min();
    int m_offset = 0; // from UTC, of the template's time (for the zone's name)
    QStringList m_ss, m_s; // the sixty seconds as "ss" and as "s"
};
