#include "visits/checklist.h"

#include "config/konfiguracja.h"

QList<CheckRow> buildChecklist(const ModuleSet &)
{
    return {};
}

QList<CheckRow> buildChecklist(const Konfiguracja &configuration)
{
    return buildChecklist(moduleSetOf(configuration));
}

ModuleFamily moduleFamily(int)
{
    return ModuleFamily::Other;
}
