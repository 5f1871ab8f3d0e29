#include "visits/checklist.h"

#include "config/konfiguracja.h"
#include "config/modul.h"

#include <QCoreApplication>

namespace {

struct CheckTemplate
{
    const char *item;
    const char *method;
    const char *limit;
};

// One table per module family, in the order the technician works through a module.
const CheckTemplate PowerChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Przełączenie zasilania sieć / akumulator"),
     QT_TRANSLATE_NOOP("Checklist",
                       "Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót "
                       "zasilania sieciowego"),
     QT_TRANSLATE_NOOP("Checklist", "praca bez przerwy, zgłoszenie braku 230 V")},
    {QT_TRANSLATE_NOOP("Checklist", "Ładowarka akumulatorów"),
     QT_TRANSLATE_NOOP("Checklist", "Pomiar napięcia ładowania na zaciskach akumulatora"),
     QT_TRANSLATE_NOOP("Checklist", "27,3 V ± 0,3 V")},
    {QT_TRANSLATE_NOOP("Checklist", "Uszkodzenie przy odłączeniu akumulatora"),
     QT_TRANSLATE_NOOP("Checklist", "Odłączyć akumulator, odczytać uszkodzenia"),
     QT_TRANSLATE_NOOP("Checklist", "zgłoszony brak akumulatora")},
};
const CheckTemplate LineChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Nadzór linii"),
     QT_TRANSLATE_NOOP("Checklist", "Odczyt stanu linii w podglądzie na żywo"),
     QT_TRANSLATE_NOOP("Checklist", "stan dozorowania")},
    {QT_TRANSLATE_NOOP("Checklist", "Wykrycie przerwy linii"),
     QT_TRANSLATE_NOOP("Checklist", "Rozłączyć linię na końcu, odczytać uszkodzenia"),
     QT_TRANSLATE_NOOP("Checklist", "zgłoszona przerwa")},
    {QT_TRANSLATE_NOOP("Checklist", "Wykrycie zwarcia linii"),
     QT_TRANSLATE_NOOP("Checklist", "Zewrzeć linię, odczytać uszkodzenia"),
     QT_TRANSLATE_NOOP("Checklist", "zgłoszone zwarcie")},
};
const CheckTemplate RelayChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Wyjścia przekaźnikowe"),
     QT_TRANSLATE_NOOP("Checklist", "Wysterować każde wyjście, sprawdzić przełączenie styków"),
     QT_TRANSLATE_NOOP("Checklist", "przełączenie styków, ciągłość obwodu")},
};
const CheckTemplate ExtinguishingChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Blokada wyzwolenia"),
     QT_TRANSLATE_NOOP("Checklist", "Przed testem włączyć blokadę wyzwolenia gaszenia"),
     QT_TRANSLATE_NOOP("Checklist", "blokada włączona i sygnalizowana")},
    {QT_TRANSLATE_NOOP("Checklist", "Obwody wyzwalające"),
     QT_TRANSLATE_NOOP("Checklist",
                       "Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu"),
     QT_TRANSLATE_NOOP("Checklist", "brak przerwy i zwarcia, bez wyzwolenia")},
};

struct FamilyTable
{
    ModuleFamily family;
    const CheckTemplate *rows;
    int count;
};
template<int N>
constexpr FamilyTable table(ModuleFamily family, const CheckTemplate (&rows)[N])
{
    return {family, rows, N};
}
const FamilyTable Families[] = {
    table(ModuleFamily::Power, PowerChecks),
    table(ModuleFamily::Line, LineChecks),
    table(ModuleFamily::Relay, RelayChecks),
    table(ModuleFamily::Extinguishing, ExtinguishingChecks),
};

struct TypeFamily
{
    int type;
    ModuleFamily family;
};
const TypeFamily TypeFamilies[] = {
    {0xE0, ModuleFamily::Power}, // PSB
    {0x83, ModuleFamily::Power}, // PSR
    {0xB0, ModuleFamily::Power}, // PSV
    {0x90, ModuleFamily::Line},  // LNM
    {0xA0, ModuleFamily::Line},  // CTM: its external alarm line
    {0xC0, ModuleFamily::Relay}, // RLA
    {0x80, ModuleFamily::Relay}, // RLH
    {0xF0, ModuleFamily::Relay}, // PSL
};

QString translate(const char *text)
{
    return QCoreApplication::translate("Checklist", text);
}

} // namespace

ModuleFamily moduleFamily(int type)
{
    // The extinguishing-control family holds the codes below the others.
    if (type >= 0x45 && type <= 0x57)
        return ModuleFamily::Extinguishing;
    for (const TypeFamily &entry : TypeFamilies) {
        if (entry.type == type)
            return entry.family;
    }
    return ModuleFamily::Other;
}

QList<CheckRow> buildChecklist(const ModuleSet &modules)
{
    QList<CheckRow> rows;
    for (const ModuleKey &module : modules) {
        const ModuleFamily family = moduleFamily(module.type);
        for (const FamilyTable &table : Families) {
            if (table.family != family)
                continue;
            for (int i = 0; i < table.count; ++i) {
                CheckRow row;
                row.position = rows.size() + 1;
                row.moduleType = module.type;
                row.moduleNumber = module.number;
                row.item = translate(table.rows[i].item);
                row.method = translate(table.rows[i].method);
                row.limit = translate(table.rows[i].limit);
                rows.append(row);
            }
        }
    }
    return rows;
}

QList<CheckRow> buildChecklist(const Konfiguracja &configuration)
{
    ModuleSet modules;
    for (Modul *module : configuration.getModules())
        modules.append({module->getType(), module->getNumber()});
    return buildChecklist(modules);
}
