#include "common/time_source.h"

QDateTime local_time_reader::at(qint64 msecs_since_epoch) const
{
    // Floor division: the minute of a moment before 1970 too.
    const qint64 minute = msecs_since_epoch / 60000 - (msecs_since_epoch % 60000 < 0 ? 1 : 0);
    if (minute != m_minute) {
        m_offset = QDateTime::fromMSecsSinceEpoch(msecs_since_epoch).offsetFromUtc();
        m_minute = minute;
    }
    return QDateTime::fromMSecsSinceEpoch(msecs_since_epoch, Qt::OffsetFromUTC, m_offset);
}

QDateTime shifted_time(const time_source &clock, const local_time_reader &local, int hour_offset, int minute_offset)
{
    return local.at(clock.msecs_since_epoch() + (qint64(hour_offset) * 3600 + qint64(minute_offset) * 60) * 1000);
}

QDateTime for_zone_format(const QDateTime &t, const QString &format)
{
    return format.contains(QLatin1Char('t')) ? t.toLocalTime() : t;
}
