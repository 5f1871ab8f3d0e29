#pragma once

#include <QString>

class Modul;

// Creates the module class for a type code; null for a code outside the table.
Modul *createModule(int type, quint8 number);
// Translated short name of a type code, "-" for any other value (compared as a full int).
QString moduleName(int type);
// Text of an event-log fault code for a module type; unknown types use the generic table.
QString faultText(int type, quint8 code);
// Fills the generic table and the tables that are filled once at start-up.
void initFaultTextTables();
