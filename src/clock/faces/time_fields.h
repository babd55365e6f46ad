#pragma once
// The finest time field a date-time format shows, so that a face wakes no
// more often than its text changes ("hh:mm" once a minute).

#include <QString>

enum class time_field
{
    millisecond,
    second,
    minute, // and anything coarser: hours and dates change on minute boundaries
    none,   // no time or date field at all
};

// Quoted text ('...', with '' for a quote) is not a field.
time_field finest_field(const QString &format);
