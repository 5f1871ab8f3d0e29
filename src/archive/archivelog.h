#pragma once

#include <QLoggingCategory>

// The company archive's diagnostics ("ostrel.archive"): server and local errors.
Q_DECLARE_LOGGING_CATEGORY(lcArchive)
