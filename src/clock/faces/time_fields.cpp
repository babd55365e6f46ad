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
