#include "common/log.h"

Q_LOGGING_CATEGORY(lc_app, "orvella.app")
Q_LOGGING_CATEGORY(lc_settings, "orvella.settings")
Q_LOGGING_CATEGORY(lc_clock, "orvella.clock")
// Every firing is a debug line; QT_LOGGING_RULES="orvella.scheduler.debug=true" shows them.
Q_LOGGING_CATEGORY(lc_scheduler, "orvella.scheduler", QtInfoMsg)
Q_LOGGING_CATEGORY(lc_platform, "orvella.platform")
Q_LOGGING_CATEGORY(lc_audio, "orvella.audio")
Q_LOGGING_CATEGORY(lc_startup, "orvella.startup", QtWarningMsg)
