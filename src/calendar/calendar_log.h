#pragma once
// Logging category of the calendar subsystem.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lc_calendar)
