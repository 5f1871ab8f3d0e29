#pragma once

#include "visits/visitdata.h"

#include <QList>

class Konfiguracja;

enum class ModuleFamily { Power, Line, Relay, Extinguishing, Other };

ModuleFamily moduleFamily(int type);

// The checklist of a unit: for each module present, the rows of its family's template in
// template order (item, how it is checked, limit), numbered from 1.
QList<CheckRow> buildChecklist(const ModuleSet &modules);
QList<CheckRow> buildChecklist(const Konfiguracja &configuration);
