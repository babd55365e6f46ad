#pragma once
// Logging category of the notebook; every box the notebook shows is also
// logged here so headless runs see it.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lc_notebook)
