#include "rla.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr quint32 Max24 = 16777215;
constexpr int RelayBlockSize = 19;

const SettingRow declaration = {QT_TRANSLATE_NOOP("RLA", "Deklaracja modułu"),
                                QT_TRANSLATE_NOOP("RLA", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1,
                                0, 0, Setting::YesNo, 28, true, 0};

// Relay PKk, k = 1 or 2, at offsets 1 and 20. The comments come from relayComments.
const SettingRow relayBlock[] = {
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - tryb pracy"), nullptr, 0, 6, 0, 1, 1, 1,
     Setting::Option, 29, true, 5},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - kryterium wysterowania"), nullptr, 0, 10, 1, 1, 2,
     2, Setting::Option, 30, true, 8},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania"), nullptr, 0,
     Max24, 0, 4, 3, 3, Setting::Duration, 31, true, 0},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - T2 - czas wysterowania"), nullptr, 0, Max24, 0, 4,
     7, 7, Setting::Duration, 32, true, 0},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - T3 - czas przerwy wysterowania"), nullptr, 0,
     Max24, 0, 4, 11, 11, Setting::Duration, 33, true, 0},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - liczba impulsów"), nullptr, 0, Max24, 0, 4, 15,
     15, Setting::Number, 34, true, 0},
    {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - kontrola ciągłości"), nullptr, 0, 1, 0, 1, 19, 19,
     Setting::YesNo, 35, true, 0},
};

// PK1 is described in full; PK2's descriptions are shorter or still placeholders.
const char *const relayComments[2][std::size(relayBlock)] = {
    {
        QT_TRANSLATE_NOOP("RLA",
                          "Przekaźnik nieaktywny\n"
                          "Wysterowanie na stałe, możliwość opóźnienia wysterowania – czas T1\n"
                          "Wysterowanie czasowe, czasy T1 i T2\n"
                          "Wysterowanie impulsowo – cykliczne: czasy T1, T2 i T3\n"
                          "Wysterowanie impulsowo – ilościowe Czasy T1, T2 i T3 \n"
                          "oraz liczba impulsów sterujących n \n"
                          "Impuls kasujący o czasie trwania T2 z opóźnieniem\n"
                          "wysterowania TKA (dla kryterium wysterowania PK1: 1 - Alarm - ogólny "
                          "Halvo)\n"
                          "(rys.6.7.5)\n"
                          "Wtórnik sygnału DW w przypadku kaskadowego \n"
                          "łączenia Halvo B - jeden czujnik pogodowy wspólny\n"),
        QT_TRANSLATE_NOOP("RLA",
                          "0 – Brak. Przekaźnik nieaktywny\n"
                          "1 – Alarm - ogólny Halvo.\n"
                          " Jakikolwiek alarm w Halvo, również z systemu Tarven A/B\n"
                          "2 – Alarm - wejście zewnętrzne.\n"
                          " Alarm z systemu zewnętrznego np. Vardel\n"
                          "3 – Alarm – system Tarven A/B.\n"
                          " Rozkaz z systemu nadrzędnego Tarven A/B\n"
                          "4 – Alarm - suma stref LNM.\n"
                          " o najmniej 1 strefa LNM w alarmie – patrz poz. 22-29\n"
                          "5 – Alarm - iloczyn stref LNM.\n"
                          " Co najmniej 2 strefy LNM w alarmie – patrz poz. 22-29\n"
                          "6 – Alarm - wejście zewnętrzne i/lub suma stref LNM.\n"
                          " Alarm zewnętrzny lub/i co najmniej \n"
                          "1 strefa LNM w alarmie – patrz poz. 22-29\n"
                          "7 – Alarm - wejście zewnętrzne \n"
                          "i/lub iloczyn stref LNM\n"
                          ". Alarm zewnętrzny lub/i co najmniej \n"
                          "2 strefy LNM w alarmie – patrz poz. 22-29\n"
                          "8 – Alarm - system Tarven A/B \n"
                          "i/lub suma stref LNM.\n"
                          " Rozkaz z systemu Tarven lub/i co najmniej \n"
                          "1 strefa LNM w alarmie – patrz poz. 22-29\n"
                          "9 – Alarm - system Tarven A/B \n"
                          "i/lub iloczyn stref LNM.\n"
                          " Rozkaz z systemu Tarven lub/i co najmniej \n"
                          "2 strefy LNM w alarmie – patrz poz. 22-29\n"
                          "10 – Aktywne przewietrzanie– patrz poz. 22-29\n"),
        QT_TRANSLATE_NOOP("RLA", "Czas opóźnienia wysterowania (rys 6.7.1)"),
        QT_TRANSLATE_NOOP("RLA", "Czas wysterowania PK1 (rys 6.7.1)"),
        QT_TRANSLATE_NOOP("RLA", "Czas przerwy wysterowania (rys 6.7.1)"),
        QT_TRANSLATE_NOOP("RLA", "Liczba impulsów"),
        QT_TRANSLATE_NOOP("RLA", "Kontrola ciągłości obwodu wyjściowego przekaźnika"),
    },
    {
        QT_TRANSLATE_NOOP("RLA", "..."),
        QT_TRANSLATE_NOOP("RLA", "w opracowaniu"),
        QT_TRANSLATE_NOOP("RLA", "Czas opóźnienia wysterowania"),
        QT_TRANSLATE_NOOP("RLA", "Czas wysterowania"),
        QT_TRANSLATE_NOOP("RLA", "Czas przerwy wysterowania (rys 6.7.1)"),
        QT_TRANSLATE_NOOP("RLA", "Liczba impulsów"),
        QT_TRANSLATE_NOOP("RLA", "Kontrola ciągłości obwodu wyjściowego przekaźnika"),
    },
};

// Control line LKk at offsets 39 and 41; "Czas" is spelt with a capital here.
const SettingRow lineBlock[] = {
    {QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK%1 - tryb pracy"), QT_TRANSLATE_NOOP("RLA", "..."),
     0, 6, 0, 1, 39, 39, Setting::Option, 43, true, 4},
    {QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK%1 - Czas Tk%1"),
     QT_TRANSLATE_NOOP("RLA", "Czas potwierdzenia zadziałania w trybie 1"), 0, 240, 0, 1, 40, 40,
     Setting::Duration, 44, true, 0},
};

// Zone n of relay PKk at offset 34 + 8k + n.
const SettingRow zone = {QT_TRANSLATE_NOOP("RLA", "PK%1 - strefa LNM nr %2"),
                         QT_TRANSLATE_NOOP("RLA", "0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm "
                                                  "RPO 4 – zadziałanie krańcówki "),
                         0, 4, 0, 1, 34, 34, Setting::Option, 75, true, 3};

// Added after the zones; the index shows each among its relay's timers.
const SettingRow tka = {QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK%1 - czas TKA"),
                        QT_TRANSLATE_NOOP("RLA", "Czas opóźnienia wyłączenia po kasowaniu"), 0,
                        65535, 0, 2, 59, 12, Setting::Duration, 126, true, 0};

} // namespace

RLA::RLA(quint8 number) : ModulType(number)
{
    m_name = tr("RLA");
    m_type = 0xC0;
    m_description = tr("Moduł Przekaźników Dodatkowych");
    declareSettings();
}

int RLA::declareSettings()
{
    addSetting(declaration);
    for (int relay = 1; relay <= 2; ++relay) {
        const int b = RelayBlockSize * (relay - 1);
        const BlockShift shift = {relay, b, b, int(std::size(relayBlock)) * (relay - 1)};
        for (size_t i = 0; i < std::size(relayBlock); ++i) {
            SettingRow row = relayBlock[i];
            row.comment = relayComments[relay - 1][i];
            addSetting(row, shift);
        }
    }
    for (int line = 1; line <= 2; ++line) {
        const int b = 2 * (line - 1);
        addSettings(lineBlock, int(std::size(lineBlock)), {line, b, b, b});
    }
    for (int relay = 1; relay <= 2; ++relay) {
        for (int n = 1; n <= 8; ++n) {
            const int b = 8 * relay + n;
            addSetting(zone, {relay, b, b, b, n});
        }
    }
    for (int relay = 1; relay <= 2; ++relay)
        addSetting(tka, {relay, 2 * (relay - 1), RelayBlockSize * (relay - 1), relay - 1});
    return 0;
}

void RLA::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK1- zwarcie")},
        {1, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK1- przerwa")},
        {2, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK2- zwarcie")},
        {3, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna LK2– przerwa")},
        {4, QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK1 – brak ciągłości")},
        {5, QT_TRANSLATE_NOOP("RLA", "Przekaźnik PK2 – brak ciągłości")},
        {6, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna nr 1 – zwarcie w trybie 4 i 5")},
        {7, QT_TRANSLATE_NOOP("RLA", "Linia kontrolna nr 2 – zwarcie w trybie 4 i 5")},
        {8, "8"}, {9, "9"}, {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"},
        {14, QT_TRANSLATE_NOOP("RLA", "Flash – błąd sumy kontrolnej")},
        {15, QT_TRANSLATE_NOOP("RLA", "Wersja oprogramowania")},
    });
}
