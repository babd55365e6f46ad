#pragma once
// Logging categories; failures shown to the user are also logged here so
// headless runs see them.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lc_app)
Q_DECLARE_LOGGING_CATEGORY(lc_settings)
Q_DECLARE_LOGGING_CATEGORY(lc_clock)
// Routine firings log at debug level, off unless enabled.
Q_DECLARE_LOGGING_CATEGORY(lc_scheduler)
Q_DECLARE_LOGGING_CATEGORY(lc_platform)
Q_DECLARE_LOGGING_CATEGORY(lc_audio)
// Off unless enabled (QT_LOGGING_RULES="orvella.startup.info=true"): start-up timing.
Q_DECLARE_LOGGING_CATEGORY(lc_startup)
