#pragma once

#include <QLoggingCategory>

// The record decoders' diagnostics ("ostrel.records"). The event register's line per record
// has a category of its own, off by default (lcEventRecords).
Q_DECLARE_LOGGING_CATEGORY(lcRecords)
