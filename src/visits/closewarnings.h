#pragma once

#include "visits/visitdata.h"

#include <QStringList>

class VisitStore;

// What the technician is asked about before a visit closes, one sentence each: checks without
// a result, "sprawna" while the unit reports faults at departure, a battery due for
// replacement. Empty when there is nothing to ask.
QStringList closeWarnings(const VisitStore &store, int visitId, Verdict verdict);
