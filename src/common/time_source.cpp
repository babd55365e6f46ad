#include "common/time_source.h"

QDateTime shifted_time(const time_source &clock, int hour_offset, int minute_offset)
{
    return clock.now().addSecs(qint64(hour_offset) * 3600 + qint64(minute_offset) * 60);
}
