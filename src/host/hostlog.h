#pragma once

#include <QLoggingCategory>

// Start-up of the program and of the host interface ("ostrel.host").
Q_DECLARE_LOGGING_CATEGORY(lcHost)
