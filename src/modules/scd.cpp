#include "scd.h"

#include "config/setting.h"

#include <iterator>

namespace {

const char *const Dots = QT_TRANSLATE_NOOP("SCD", "...");

const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("SCD", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCD", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 0,
     true, 0},
    {QT_TRANSLATE_NOOP("SCD", "Adres modułu"), Dots, 0, 7, 0, 1, 1, 1, Setting::Option, 1, true,
     51},
};

// Offsets and indexes of the block templates are relative to the block.
const SettingRow relayBlock[] = {
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0, Setting::Option, 1,
     true, 16},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Deklaracja linii bezpotencjałowej"), Dots, 0, 4, 0, 1, 1, 1,
     Setting::Option, 2, true, 38},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Grupa wyjść"), Dots, 0, 4, 0, 1, 2, 2,
     Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Kryterium 1"), Dots, 0, 14, 0, 1, 3,
     3, Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Kryterium 2"), Dots, 0, 7, 0, 1, 4, 4,
     Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Logika"), Dots, 0, 1, 0, 1, 5, 5,
     Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia"), Dots,
     1, 4, 1, 1, 6, 6, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton"),
     Dots, 0, 5940, 0, 2, 7, 7, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff"),
     Dots, 0, 5940, 0, 2, 9, 8, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp"), Dots, 0,
     5940, 0, 2, 11, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw"), Dots,
     0, 5940, 0, 2, 13, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp"), Dots, 0, 99,
     0, 1, 15, 11, Setting::Number, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "PK%1 - Linia bezpotencjałowa - Kontrola ciągłości"), Dots, 0, 1, 0,
     1, 16, 12, Setting::Option, 3, true, 53},
};

// Both control lines carry the ids 15 to 21.
const SettingRow controlLineBlock[] = {
    {QT_TRANSLATE_NOOP("SCD", "L%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0, Setting::Option, 15,
     true, 16},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Deklaracja linii kontrolnej"), Dots, 0, 1, 0, 1, 1, 1,
     Setting::Option, 16, true, 17},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Funkcja wejścia"), Dots, 0, 10, 0, 1, 2, 2, Setting::Option,
     17, true, 21},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Kryterium wysterowania"), Dots, 0, 5, 0, 1, 3, 3,
     Setting::Option, 18, true, 22},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Ilość stanów"), Dots, 0, 1, 0, 1, 4, 4, Setting::Option, 19,
     true, 23},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Opóźnienie X"), Dots, 0, 1000, 0, 2, 5, 5, Setting::Duration,
     20, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Opóźnienie Y"), Dots, 0, 1000, 0, 2, 7, 6, Setting::Duration,
     21, true, 0},
};

const SettingRow potentialLineBlock[] = {
    {QT_TRANSLATE_NOOP("SCD", "L%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0, Setting::Option, 1,
     true, 16},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Deklaracja linii potencjałowej"), Dots, 0, 3, 0, 1, 1, 1,
     Setting::Option, 2, true, 37},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Grupa wyjść"), Dots, 0, 4, 0, 1, 2, 2,
     Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Kryterium 1"), Dots, 0, 14, 0, 1, 3, 3,
     Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Kryterium 2"), Dots, 0, 7, 0, 1, 4, 4,
     Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Logika"), Dots, 0, 1, 0, 1, 5, 5,
     Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia"), Dots, 1,
     4, 1, 1, 6, 6, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton"), Dots,
     0, 5940, 0, 2, 7, 7, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff"), Dots,
     0, 5940, 0, 2, 9, 8, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - czas trwania impulsu T-imp"), Dots, 0,
     5940, 0, 2, 11, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw"), Dots, 0,
     5940, 0, 2, 13, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Linia Potencjałowa - Liczba impulsów N-imp"), Dots, 0, 99, 0,
     1, 15, 11, Setting::Number, 3, true, 0},
};

struct Block
{
    const SettingRow *rows;
    int count;
    int bytes;
    int number; // PK1, PK2, then L3 to L6
};

template<std::size_t N>
constexpr Block block(const SettingRow (&rows)[N], int bytes, int number)
{
    return {rows, int(N), bytes, number};
}

// The blocks follow the head without gaps, in this order.
const Block blocks[] = {
    block(relayBlock, 17, 1),         block(relayBlock, 17, 2),
    block(controlLineBlock, 9, 3),    block(controlLineBlock, 9, 4),
    block(potentialLineBlock, 16, 5), block(potentialLineBlock, 16, 6),
};

} // namespace

SCD::SCD(quint8 number) : ModulType(number)
{
    m_name = tr("SCD");
    m_type = 0x50;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCD::declareSettings()
{
    addSettings(head, int(std::size(head)));
    BlockShift shift;
    shift.offset = 2;
    shift.index = 2;
    for (const Block &block : blocks) {
        shift.number = block.number;
        // The unit's tables indent every second position.
        shift.prefix = block.number % 2 == 0 ? "    " : "";
        addSettings(block.rows, block.count, shift);
        shift.offset += block.bytes;
        shift.index += block.count;
    }
    return 0;
}

void SCD::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCD", "L1 - brak ciągłości obwodu styków PK 1")},
        {1, QT_TRANSLATE_NOOP("SCD", "L1 - przeciążenie lub brak wysterowania PK 1")},
        {2, QT_TRANSLATE_NOOP("SCD", "L2 - brak ciągłości obwodu styków PK 2")},
        {3, QT_TRANSLATE_NOOP("SCD", "L2 - przeciążenie lub brak wysterowania PK 2")},
        {4, QT_TRANSLATE_NOOP("SCD", "L3 - przerwa LK 1")},
        {5, QT_TRANSLATE_NOOP("SCD", "L3 - zwarcie LK 1")},
        {6, QT_TRANSLATE_NOOP("SCD", "L3 - brak stanu aktywnego X urządz. zewn.")},
        {7, QT_TRANSLATE_NOOP("SCD", "L3 - brak stanu aktywnego Y urządz. zewn.")},
        {8, QT_TRANSLATE_NOOP("SCD", "L4 - przerwa LK 2")},
        {9, QT_TRANSLATE_NOOP("SCD", "L4 - zwarcie LK 2")},
        {10, QT_TRANSLATE_NOOP("SCD", "L4 - brak stanu aktywnego X urządz. zewn.")},
        {11, QT_TRANSLATE_NOOP("SCD", "L4 - brak stanu aktywnego Y urządz. zewn.")},
        {12, QT_TRANSLATE_NOOP("SCD", "L5 - przerwa")},
        {13, QT_TRANSLATE_NOOP("SCD", "L5 - zwarcie")},
        {14, QT_TRANSLATE_NOOP("SCD", "L5 - przeciążenie lub brak wysterowania")},
        {15, QT_TRANSLATE_NOOP("SCD", "L6 - przerwa")},
        {16, QT_TRANSLATE_NOOP("SCD", "L6 - zwarcie")},
        {17, QT_TRANSLATE_NOOP("SCD", "L6 - przeciążenie lub brak wysterowania")},
    });
}
