#include "clock/faces/time_fields.h"

time_field finest_field(const QString &format)
{
    time_field finest = time_field::none;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            // '' inside or outside quotes toggles twice: a literal quote.
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        time_field f = time_field::none;
        switch (c.unicode()) {
        case 'z':
            f = time_field::millisecond;
            break;
        case 's':
            f = time_field::second;
            break;
        case 'm':
        case 'h':
        case 'H':
        case 'a':
        case 'A':
        case 'd':
        case 'M':
        case 'y':
        case 't':
            f = time_field::minute;
            break;
        default:
            break;
        }
        if (f < finest)
            finest = f;
    }
    return finest;
}

namespace {

// Characters from the private use area: no format letter, so the locale
// copies them through, and no clock's format is expected to hold them.
constexpr char16_t two_digit_seconds = u'\uE000';
constexpr char16_t seconds = u'\uE001';

} // namespace

minute_formatter::minute_formatter(QLocale locale) : m_locale(std::move(locale))
{
    prepare(QString());
}

void minute_formatter::prepare(const QString &format)
{
    m_format = format;
    m_minute = std::numeric_limits<qint64>::min();
    m_zone = false;
    m_direct = format.contains(two_digit_seconds) || format.contains(seconds) ||
               finest_field(format) == time_field::millisecond;
    if (m_direct)
        return;
    // The same reading as the locale's: quotes toggle (a doubled quote
    // twice), and a run of s outside them is read two at a time.
    m_stand_in_format.clear();
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u't')
            m_zone = true;
        if (quoted || c != u's') {
            m_stand_in_format += c;
            ++i;
            continue;
        }
        const bool two = i + 1 < format.size() && format.at(i + 1) == u's';
        m_stand_in_format += QChar(two ? two_digit_seconds : seconds);
        i += two ? 2 : 1;
    }
    for (int s = int(m_ss.size()); s < 60; ++s) {
        m_ss << m_locale.toString(QTime(0, 0, s), QStringLiteral("ss"));
        m_s << m_locale.toString(QTime(0, 0, s), QStringLiteral("s"));
    }
}

QString minute_formatter::format(const QDateTime &t, const QString &format)
{
    if (format != m_format)
        prepare(format);
    if (m_direct)
        return m_locale.toString(t, format);
    // The rest changes with a new wall-clock minute; the zone's name also
    // when the same minute comes again at another offset (as summer time
    // ends).
    const QTime time = t.time();
    const qint64 minute = t.date().toJulianDay() * 1440 + time.hour() * 60 + time.minute();
    const int offset = m_zone ? t.offsetFromUtc() : 0;
    if (minute != m_minute || offset != m_offset) {
        m_template = m_locale.toString(t, m_stand_in_format);
        m_minute = minute;
        m_offset = offset;
    }
    const int s = time.second();
    QString out;
    out.reserve(m_template.size() + 8);
    for (const QChar c : m_template) {
        if (c == two_digit_seconds)
            out += m_ss.at(s);
        else if (c == seconds)
            out += m_s.at(s);
        else
            out += c;
    }
    return out;
}
