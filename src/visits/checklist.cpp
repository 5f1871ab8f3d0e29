#include "visits/checklist.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "store/textkeys.h"

#include <QCoreApplication>

#include <algorithm>

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
// The unit and its surroundings, as the yearly service covers them.
const CheckTemplate GeneralChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Stan wizualny centrali i obudowy"),
     QT_TRANSLATE_NOOP("Checklist", "Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie"),
     QT_TRANSLATE_NOOP("Checklist", "bez uszkodzeń")},
    {QT_TRANSLATE_NOOP("Checklist", "Bezpieczniki"),
     QT_TRANSLATE_NOOP("Checklist", "Sprawdzenie wartości i stanu bezpieczników"),
     QT_TRANSLATE_NOOP("Checklist", "zgodne z dokumentacją")},
    {QT_TRANSLATE_NOOP("Checklist", "Obwód zasilania sieciowego"),
     QT_TRANSLATE_NOOP("Checklist", "Wydzielony obwód, oznaczenie, zabezpieczenie"),
     QT_TRANSLATE_NOOP("Checklist", "zgodny z projektem")},
    {QT_TRANSLATE_NOOP("Checklist", "Sygnalizacja do centrali SSP / monitoringu"),
     QT_TRANSLATE_NOOP("Checklist", "Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru"),
     QT_TRANSLATE_NOOP("Checklist", "sygnały odebrane")},
    {QT_TRANSLATE_NOOP("Checklist", "Książka eksploatacji"),
     QT_TRANSLATE_NOOP("Checklist", "Wpisy od poprzedniego przeglądu"),
     QT_TRANSLATE_NOOP("Checklist", "prowadzona")},
    {QT_TRANSLATE_NOOP("Checklist", "Instrukcja obsługi na miejscu"),
     QT_TRANSLATE_NOOP("Checklist", "Obecność i aktualność instrukcji przy centrali"),
     QT_TRANSLATE_NOOP("Checklist", "dostępna")},
};
// The devices in the field, each checked or excluded with the reason in its remark.
const CheckTemplate FieldChecks[] = {
    {QT_TRANSLATE_NOOP("Checklist", "Czujki"),
     QT_TRANSLATE_NOOP("Checklist", "Pobudzenie testerem, zadziałanie na centrali"),
     QT_TRANSLATE_NOOP("Checklist", "alarm na centrali")},
    {QT_TRANSLATE_NOOP("Checklist", "Przyciski ROP i przyciski oddymiania"),
     QT_TRANSLATE_NOOP("Checklist", "Uruchomienie kluczem testowym"),
     QT_TRANSLATE_NOOP("Checklist", "alarm na centrali")},
    {QT_TRANSLATE_NOOP("Checklist", "Siłowniki"),
     QT_TRANSLATE_NOOP("Checklist", "Pełny cykl otwarcia i zamknięcia"),
     QT_TRANSLATE_NOOP("Checklist", "ruch bez zacięć")},
    {QT_TRANSLATE_NOOP("Checklist", "Klapy i okna oddymiające"),
     QT_TRANSLATE_NOOP("Checklist", "Otwarcie z centrali, kontrola krańcówek"),
     QT_TRANSLATE_NOOP("Checklist", "otwarcie pełne")},
    {QT_TRANSLATE_NOOP("Checklist", "Sygnalizatory"),
     QT_TRANSLATE_NOOP("Checklist", "Wysterowanie z centrali"),
     QT_TRANSLATE_NOOP("Checklist", "sygnał słyszalny")},
    {QT_TRANSLATE_NOOP("Checklist", "Urządzenia wyzwalające i pojemniki"),
     QT_TRANSLATE_NOOP("Checklist", "Oględziny, ciśnienie, masa, zabezpieczenia"),
     QT_TRANSLATE_NOOP("Checklist", "zgodne z kartą urządzenia")},
};

struct SectionTable
{
    const char *section;
    const CheckTemplate *rows;
    int count;
};
template<int N>
constexpr SectionTable table(const char *section, const CheckTemplate (&rows)[N])
{
    return {section, rows, N};
}
// In the order of the protocol's checklist.
const SectionTable Sections[] = {
    table("general", GeneralChecks),
    table("power", PowerChecks),
    table("line", LineChecks),
    table("relay", RelayChecks),
    table("extinguishing", ExtinguishingChecks),
    table("field", FieldChecks),
};

struct FamilySection
{
    ModuleFamily family;
    const char *section;
};
const FamilySection FamilySections[] = {
    {ModuleFamily::Power, "power"},
    {ModuleFamily::Line, "line"},
    {ModuleFamily::Relay, "relay"},
    {ModuleFamily::Extinguishing, "extinguishing"},
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

const QStringList &checkTextKeys()
{
    static const QStringList keys = [] {
        QStringList all;
        for (const SectionTable &table : Sections) {
            for (int i = 0; i < table.count; ++i) {
                for (const char *text : {table.rows[i].item, table.rows[i].method,
                                         table.rows[i].limit})
                    all.append(QString::fromUtf8(text));
            }
        }
        return all;
    }();
    return keys;
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

QStringList checkSections()
{
    QStringList sections;
    for (const SectionTable &table : Sections)
        sections.append(QLatin1String(table.section));
    return sections;
}

QString checkSectionText(const QString &section)
{
    static const struct
    {
        const char *section;
        const char *text;
    } texts[] = {
        {"general", QT_TRANSLATE_NOOP("Checklist", "Sprawdzenia ogólne")},
        {"power", QT_TRANSLATE_NOOP("Checklist", "Moduły zasilania")},
        {"line", QT_TRANSLATE_NOOP("Checklist", "Moduły liniowe")},
        {"relay", QT_TRANSLATE_NOOP("Checklist", "Moduły przekaźników")},
        {"extinguishing", QT_TRANSLATE_NOOP("Checklist", "Moduły sterowania gaszeniem")},
        {"field", QT_TRANSLATE_NOOP("Checklist", "Urządzenia w obiekcie")},
    };
    for (const auto &text : texts) {
        if (section == QLatin1String(text.section))
            return translate(text.text);
    }
    return QString();
}

QString familySection(ModuleFamily family)
{
    for (const FamilySection &entry : FamilySections) {
        if (entry.family == family)
            return QLatin1String(entry.section);
    }
    return QString();
}

QString storedCheckText(const QString &text)
{
    return TextKeys::stored("Checklist", checkTextKeys(), text);
}

QString shownCheckText(const QString &text)
{
    return TextKeys::shown("Checklist", checkTextKeys(), text);
}

QList<CheckTemplateRow> defaultCheckTemplates(const QString &section)
{
    QList<CheckTemplateRow> rows;
    for (const SectionTable &table : Sections) {
        if (section != QLatin1String(table.section))
            continue;
        for (int i = 0; i < table.count; ++i) {
            CheckTemplateRow row;
            row.section = section;
            row.position = i + 1;
            row.item = translate(table.rows[i].item);
            row.method = translate(table.rows[i].method);
            row.limit = translate(table.rows[i].limit);
            rows.append(row);
        }
    }
    return rows;
}

QList<CheckRow> buildChecklist(const ModuleSet &modules,
                               const std::function<QList<CheckTemplateRow>(const QString &)>
                                       &templates)
{
    QList<CheckRow> rows;
    const auto append = [&rows](const CheckTemplateRow &entry, int type, int number) {
        CheckRow row;
        row.position = rows.size() + 1;
        row.moduleType = type;
        row.moduleNumber = number;
        row.item = entry.item;
        row.method = entry.method;
        row.limit = entry.limit;
        rows.append(row);
    };
    const auto live = [&templates](const QString &section) {
        QList<CheckTemplateRow> rows = templates(section);
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [](const CheckTemplateRow &row) { return row.retired; }),
                   rows.end());
        return rows;
    };
    for (const CheckTemplateRow &entry : live(QStringLiteral("general")))
        append(entry, int(CheckSection::General), 0);
    for (const ModuleKey &module : modules) {
        const QString section = familySection(moduleFamily(module.type));
        if (section.isEmpty())
            continue;
        for (const CheckTemplateRow &entry : live(section))
            append(entry, module.type, module.number);
    }
    for (const CheckTemplateRow &entry : live(QStringLiteral("field")))
        append(entry, int(CheckSection::FieldDevices), 0);
    return rows;
}

QList<CheckRow> buildChecklist(const ModuleSet &modules)
{
    return buildChecklist(modules, &defaultCheckTemplates);
}

ModuleSet modulesInOrder(const Konfiguracja &configuration)
{
    ModuleSet modules;
    for (Modul *module : configuration.getModules())
        modules.append({module->getType(), module->getNumber()});
    return modules;
}

QList<CheckRow> buildChecklist(const Konfiguracja &configuration)
{
    return buildChecklist(modulesInOrder(configuration));
}
