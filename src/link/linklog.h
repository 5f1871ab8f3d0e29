#pragma once

#include <QLoggingCategory>

// The link's diagnostics ("ostrel.link"): frames, transport errors.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
