#pragma once

#include <QLoggingCategory>

// The windows' diagnostics ("ostrel.gui").
Q_DECLARE_LOGGING_CATEGORY(lcGui)
