#pragma once

#include <QLoggingCategory>

// The configuration model's diagnostics ("ostrel.config").
Q_DECLARE_LOGGING_CATEGORY(lcConfig)
