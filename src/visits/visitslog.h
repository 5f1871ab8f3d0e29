#pragma once

#include <QLoggingCategory>

// The service visits' diagnostics ("ostrel.visits"): SQL errors of their tables.
Q_DECLARE_LOGGING_CATEGORY(lcVisits)
