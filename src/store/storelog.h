#pragma once

#include <QLoggingCategory>

// The store's diagnostics: failed opens and SQL errors.
Q_DECLARE_LOGGING_CATEGORY(lcStore)
// A line per value read, its column count and its bytes in hexadecimal. Off by default: reading
// the largest event register would write a megabyte of hex.
Q_DECLARE_LOGGING_CATEGORY(lcStoreReads)
