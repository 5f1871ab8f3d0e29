#pragma once

#include "config/modul.h"
#include "config/setting.h"

// Settings tables that several extinguishing-control modules share row for row. Their texts are
// translated in a context of their own, passed with the tables to Modul::addSettings.
namespace ExtinguishingBlocks {

inline const char *const Context = "ExtinguishingBlocks";
inline const char *const Dots = QT_TRANSLATE_NOOP("ExtinguishingBlocks", "...");

// The modules lay their blocks one after another behind the two head bytes and settings; the
// unit's tables indent every block with an even number.
class BlockLayout
{
public:
    // Where the next block goes: its number, and how many bytes and settings it takes.
    BlockShift next(int number, int bytes, int settings)
    {
        BlockShift shift;
        shift.number = number;
        shift.offset = m_offset;
        shift.index = m_index;
        shift.prefix = number % 2 == 0 ? "    " : "";
        m_offset += bytes;
        m_index += settings;
        return shift;
    }

private:
    int m_offset = 2;
    int m_index = 2;
};

// The declaration and the address every module of the family starts with.
inline const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("ExtinguishingBlocks", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0,
     Setting::YesNo, 0, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "Adres modułu"), Dots, 0, 7, 0, 1, 1, 1,
     Setting::Option, 1, true, 51},
};

// Volt-free output line (relay) PK%1, 17 bytes. Offsets and indexes of the block templates are
// relative to the block.
inline const SettingRow relayBlock[] = {
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0,
     Setting::Option, 1, true, 16},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Deklaracja linii bezpotencjałowej"), Dots, 0,
     4, 0, 1, 1, 1, Setting::Option, 2, true, 38},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Linia bezpotencjałowa - Grupa wyjść"), Dots,
     0, 4, 0, 1, 2, 2, Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Linia bezpotencjałowa - Kryterium 1"), Dots,
     0, 14, 0, 1, 3, 3, Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Linia bezpotencjałowa - Kryterium 2"), Dots,
     0, 7, 0, 1, 4, 4, Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Linia bezpotencjałowa - Logika"), Dots, 0, 1,
     0, 1, 5, 5, Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia"),
     Dots, 1, 4, 1, 1, 6, 6, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton"),
     Dots, 0, 5940, 0, 2, 7, 7, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff"),
     Dots, 0, 5940, 0, 2, 9, 8, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp"),
     Dots, 0, 5940, 0, 2, 11, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw"),
     Dots, 0, 5940, 0, 2, 13, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp"),
     Dots, 0, 99, 0, 1, 15, 11, Setting::Number, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "PK%1 - Linia bezpotencjałowa - Kontrola ciągłości"),
     Dots, 0, 1, 0, 1, 16, 12, Setting::Option, 3, true, 53},
};
inline constexpr int RelayBlockBytes = 17;

// Potential output line L%1, 16 bytes.
inline const SettingRow potentialLineBlock[] = {
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0,
     Setting::Option, 1, true, 16},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Deklaracja linii potencjałowej"), Dots, 0, 3,
     0, 1, 1, 1, Setting::Option, 2, true, 37},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Linia Potencjałowa - Grupa wyjść"), Dots, 0, 4,
     0, 1, 2, 2, Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Linia Potencjałowa - Kryterium 1"), Dots, 0,
     14, 0, 1, 3, 3, Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Linia Potencjałowa - Kryterium 2"), Dots, 0, 7,
     0, 1, 4, 4, Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Linia Potencjałowa - Logika"), Dots, 0, 1, 0,
     1, 5, 5, Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia"),
     Dots, 1, 4, 1, 1, 6, 6, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton"),
     Dots, 0, 5940, 0, 2, 7, 7, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff"),
     Dots, 0, 5940, 0, 2, 9, 8, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "L%1 - Linia Potencjałowa - czas trwania impulsu T-imp"),
     Dots, 0, 5940, 0, 2, 11, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks",
                       "L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw"),
     Dots, 0, 5940, 0, 2, 13, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("ExtinguishingBlocks", "L%1 - Linia Potencjałowa - Liczba impulsów N-imp"),
     Dots, 0, 99, 0, 1, 15, 11, Setting::Number, 3, true, 0},
};
inline constexpr int PotentialLineBlockBytes = 16;

} // namespace ExtinguishingBlocks
