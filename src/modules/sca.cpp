#include "sca.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr int Zones = 2;
constexpr int Groups = 3;
constexpr int LinesPerGroup = 6;
constexpr int ZoneBlockSize = 31;
constexpr int ZoneSettings = 27;
constexpr int GroupSize = 7; // the required line count, then one membership per line

const char *const Dots = QT_TRANSLATE_NOOP("SCA", "...");

// The declaration occupies no byte and shares id 0 with the retry setting after it; the
// declaration, first in the list, is the one isDeclared reads.
const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("SCA", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCA", "Moduł aktywny / nieaktywny"), 1, 1, 1, 0, 0, 0, Setting::YesNo, 0,
     false, 0},
    {QT_TRANSLATE_NOOP("SCA", "Automatyczne ponawianie włączenia urządzeń alarmowych"), Dots, 0,
     1, 0, 1, 0, 0, Setting::Option, 0, true, 34},
};

// The first six rows of a zone; the zones differ in ids, in one name and in one option list.
const SettingRow zoneHead[Zones][6] = {
    {
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1"), Dots, 0,
         600, 0, 2, 0, 0, Setting::Duration, 1, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2"), Dots, 0,
         600, 0, 2, 2, 1, Setting::Duration, 3, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas ewakuacji Tewak."), Dots, 0, 60, 0, 2, 4, 2,
         Setting::Duration, 68, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas blokowania kasowania alarmu"), Dots, 0, 1800,
         0, 2, 6, 3, Setting::Minutes, 70, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w "
                                  "strefie %1"),
         Dots, 0, 1, 0, 1, 8, 4, Setting::Option, 72, true, 33},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Wyładowanie do więcej niż 1 strefy"), Dots, 0, 2, 0,
         1, 9, 5, Setting::Option, 72, true, 34},
    },
    {
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1"), Dots, 0,
         600, 0, 2, 0, 0, Setting::Duration, 2, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2"), Dots, 0,
         600, 0, 2, 2, 1, Setting::Duration, 4, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas ewakuacji Tewak."), Dots, 0, 60, 0, 2, 4, 2,
         Setting::Duration, 69, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Czas blokowania kasowania alarmu"), Dots, 0, 1800,
         0, 2, 6, 3, Setting::Minutes, 71, true, 0},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w "
                                  "strefie %1 "),
         Dots, 0, 1, 0, 1, 8, 4, Setting::Option, 72, true, 33},
        {QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Wyładowanie do więcej niż 1 strefy"), Dots, 0, 2, 0,
         1, 9, 5, Setting::Option, 72, true, 35},
    },
};

// Coincidence group %2 of zone %1, relative to its zone; line %3 of the group adds its own step.
const SettingRow groupCount = {
    QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 "
                             "koincydencji"),
    Dots, 0, 3, 0, 1, 10, 6, Setting::Option, 3, true, 30};
const SettingRow groupLine = {
    QT_TRANSLATE_NOOP("SCA", "Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2"), Dots, 0, 1,
    0, 1, 11, 7, Setting::Option, 3, true, 31};

} // namespace

SCA::SCA(quint8 number) : ModulType(number)
{
    m_name = tr("SCA");
    m_type = 0x57;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCA::declareSettings()
{
    addSettings(head, int(std::size(head)));
    for (int zone = 1; zone <= Zones; ++zone) {
        BlockShift shift;
        shift.number = zone;
        shift.offset = 1 + ZoneBlockSize * (zone - 1);
        shift.index = 1 + ZoneSettings * (zone - 1);
        // The unit's own tables indent every name of the first zone.
        shift.prefix = zone == 1 ? "    " : "";
        addSettings(zoneHead[zone - 1], int(std::size(zoneHead[zone - 1])), shift);
        for (int group = 1; group <= Groups; ++group) {
            BlockShift groupShift = shift;
            groupShift.number2 = group;
            groupShift.offset += GroupSize * (group - 1);
            groupShift.index += GroupSize * (group - 1);
            addSetting(groupCount, groupShift);
            for (int line = 1; line <= LinesPerGroup; ++line) {
                BlockShift lineShift = groupShift;
                lineShift.number3 = line;
                lineShift.offset += line - 1;
                lineShift.index += line - 1;
                addSetting(groupLine, lineShift);
            }
        }
    }
    return 0;
}

QString SCA::faultText(quint8 code)
{
    return faultTexts().value(code);
}

void SCA::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCA", "brak wyplywu srodka ganiczego - strefa 1")},
        {1, QT_TRANSLATE_NOOP("SCA", "brak cisnienia lub masy - strefa 1")},
        {2, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe - strefa 1")},
        {3, QT_TRANSLATE_NOOP("SCA", "uszkodzenie zasilania - strefa 1")},
        {4, QT_TRANSLATE_NOOP("SCA", "brak wyplywu srodka ganiczego - strefa 2")},
        {5, QT_TRANSLATE_NOOP("SCA", "brak cisnienia lub masy - strefa 2")},
        {6, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe - strefa 2")},
        {7, QT_TRANSLATE_NOOP("SCA", "uszkodzenie zasilania - strefa 2")},
        {8, QT_TRANSLATE_NOOP("SCA", "za duża rezystancja wewnętrzna akumulatorów")},
        {9, QT_TRANSLATE_NOOP("SCA", "brak baterii akumulatorów")},
        {10, QT_TRANSLATE_NOOP("SCA", "brak zasilania sieciowego 230V")},
        {11, QT_TRANSLATE_NOOP("SCA", "obnizenie napiecia akumulatorów")},
        {12, QT_TRANSLATE_NOOP("SCA", "doziemienie")},
        {13, QT_TRANSLATE_NOOP("SCA", "uszkodzenie 24V na magistrali B0-Can.A,")},
        {14, QT_TRANSLATE_NOOP("SCA", "uszkodzenie 24V na magistrali B1-Can.B")},
        {15, QT_TRANSLATE_NOOP("SCA", "brak zasil za B=6,3A w SCBnr1")},
        {16, QT_TRANSLATE_NOOP("SCA", "brak zasil za B=6,3A w SCBnr2")},
        {17, QT_TRANSLATE_NOOP("SCA", "moduł nr 1 nie odpowiada")},
        {18, QT_TRANSLATE_NOOP("SCA", "moduł nr 2 nie odpowiada")},
        {19, QT_TRANSLATE_NOOP("SCA", "moduł nr 3 nie odpowiada")},
        {20, QT_TRANSLATE_NOOP("SCA", "moduł nr 4 nie odpowiada")},
        {21, QT_TRANSLATE_NOOP("SCA", "moduł nr 5 nie odpowiada")},
        {22, QT_TRANSLATE_NOOP("SCA", "moduł nr 6 nie odpowiada")},
        {23, QT_TRANSLATE_NOOP("SCA", "moduł nr 7 nie odpowiada")},
        {24, QT_TRANSLATE_NOOP("SCA", "moduł nr 8 nie odpowiada")},
        {25, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 1")},
        {26, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 2")},
        {27, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 3")},
        {28, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 4")},
        {29, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 5")},
        {30, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 6")},
        {31, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 7")},
        {32, QT_TRANSLATE_NOOP("SCA", "uszkodzenie systemowe modułu nmoduł nr 8")},
    });
}
