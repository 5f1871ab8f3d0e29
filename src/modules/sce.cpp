#include "sce.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr int Relays = 4;
constexpr int RelayBlockSize = 17;

const char *const Dots = QT_TRANSLATE_NOOP("SCE", "...");

const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("SCE", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCE", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 0,
     true, 0},
    {QT_TRANSLATE_NOOP("SCE", "Adres modułu"), Dots, 0, 7, 0, 1, 1, 1, Setting::Option, 1, true,
     51},
};

// Relay PK1 at offset 2; the others follow every 17 bytes. Index equals position in the list.
const SettingRow relayBlock[] = {
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - numer strefy"), Dots, 0, 3, 0, 1, 2, 2, Setting::Option, 1,
     true, 16},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Deklaracja linii bezpotencjałowej"), Dots, 0, 4, 0, 1, 3, 3,
     Setting::Option, 2, true, 38},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Grupa wyjść"), Dots, 0, 4, 0, 1, 4, 4,
     Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Kryterium 1"), Dots, 0, 14, 0, 1, 5,
     5, Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Kryterium 2"), Dots, 0, 7, 0, 1, 6, 6,
     Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Logika"), Dots, 0, 1, 0, 1, 7, 7,
     Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia"), Dots,
     1, 4, 1, 1, 8, 8, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton"),
     Dots, 0, 5940, 0, 2, 9, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff"),
     Dots, 0, 5940, 0, 2, 11, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp"), Dots, 0,
     5940, 0, 2, 13, 11, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw"), Dots,
     0, 5940, 0, 2, 15, 12, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp"), Dots, 0, 99,
     0, 1, 17, 13, Setting::Number, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCE", "PK%1 - Linia bezpotencjałowa - Kontrola ciągłości"), Dots, 0, 1, 0,
     1, 18, 14, Setting::Option, 3, true, 53},
};

} // namespace

SCE::SCE(quint8 number) : ModulType(number)
{
    m_name = tr("SCE");
    m_type = 0x53;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCE::declareSettings()
{
    addSettings(head, int(std::size(head)));
    const int settingsPerRelay = int(std::size(relayBlock));
    for (int relay = 1; relay <= Relays; ++relay) {
        BlockShift shift;
        shift.number = relay;
        shift.offset = RelayBlockSize * (relay - 1);
        shift.index = settingsPerRelay * (relay - 1);
        // The unit's tables indent every second relay.
        shift.prefix = relay % 2 == 0 ? "    " : "";
        addSettings(relayBlock, settingsPerRelay, shift);
    }
    return 0;
}

// The unit labels most overload faults with L2 whichever relay has them; its texts are kept.
void SCE::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCE", "L1 - brak ciągłości obwodu styków PK 1")},
        {1, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {2, QT_TRANSLATE_NOOP("SCE", "L2 - brak ciągłości obwodu styków PK 2")},
        {3, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {4, QT_TRANSLATE_NOOP("SCE", "L3 - brak ciągłości obwodu styków PK 3")},
        {5, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {6, QT_TRANSLATE_NOOP("SCE", "L4 - brak ciągłości obwodu styków PK 4")},
        {7, QT_TRANSLATE_NOOP("SCE", "L2 - brak wysterowania")},
    });
}
