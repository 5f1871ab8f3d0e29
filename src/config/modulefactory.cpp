#include "modulefactory.h"

#include "modul.h"

#include <QCoreApplication>

namespace {

// Set once at start-up, before any module is created, and read-only afterwards.
const ModuleType *moduleTypes = nullptr;
int moduleTypeCount = 0;

const ModuleType *findType(int type)
{
    for (int i = 0; i < moduleTypeCount; ++i) {
        if (moduleTypes[i].type == type)
            return &moduleTypes[i];
    }
    return nullptr;
}

} // namespace

void setModuleTypes(const ModuleType *types, int count)
{
    moduleTypes = types;
    moduleTypeCount = types ? count : 0;
}

Modul *createModule(int type, quint8 number)
{
    const ModuleType *entry = findType(type);
    return entry ? entry->create(number) : nullptr;
}

QString moduleName(int type)
{
    const ModuleType *entry = findType(type);
    return entry ? QCoreApplication::translate("Modul", entry->shortName)
                 : QStringLiteral("-");
}

QString faultText(int type, quint8 code)
{
    const ModuleType *entry = findType(type);
    return entry ? entry->faultText(code) : Modul::faultText(code);
}

// Every class's table is filled here, not only on construction: the event log names faults of
// modules that may not have been built yet in this run, and would otherwise show empty texts.
void initFaultTextTables()
{
    Modul::initFaultTexts();
    for (int i = 0; i < moduleTypeCount; ++i)
        moduleTypes[i].initFaultTexts();
}
