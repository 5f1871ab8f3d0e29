#pragma once

#include <QString>

class Modul;

// What the factory knows of one module type. The table belongs to the modules, which hand it
// over at start-up (registerModules); the configuration model names no concrete module.
struct ModuleType
{
    int type;
    const char *shortName; // translated in the "Modul" context
    Modul *(*create)(quint8 number);
    QString (*faultText)(quint8 code);
    void (*initFaultTexts)();
};

// The table the factory reads from now on; it must live for the whole run. Until a table is
// set, no type code is known.
void setModuleTypes(const ModuleType *types, int count);

// Creates the module class for a type code; null for a code outside the table.
Modul *createModule(int type, quint8 number);
// Translated short name of a type code, "-" for any other value (compared as a full int).
QString moduleName(int type);
// Text of an event-log fault code for a module type; unknown types use the generic table.
QString faultText(int type, quint8 code);
// Fills the generic table and the tables that are filled once at start-up.
void initFaultTextTables();
