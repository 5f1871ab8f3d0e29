#include "psb.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr quint32 Max24 = 16777215;

// The declaration has no payload byte and is always 1. Ids 41 and 45 repeat; a lookup by id
// finds the first of them.
const SettingRow settings[] = {
    {QT_TRANSLATE_NOOP("PSB", "Deklaracja modułu"), "", 1, 1, 1, 0, 0, 0, Setting::YesNo, 0,
     false, 0},
    {QT_TRANSLATE_NOOP("PSB", "Pojemność Akumulatorów"), "", 0, 134, 0, 2, 0, 0, Setting::Number,
     1, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PU - tryb pracy"), "", 0, 1, 0, 1, 2, 1, Setting::Option,
     35, true, 41},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - tryb pracy"), "", 0, 6, 0, 1, 3, 2, Setting::Option,
     36, true, 5},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - kryterium wysterowania"), "", 0, 10, 1, 1, 4, 3,
     Setting::Option, 37, true, 9},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - T1 - czas opóźnienia wysterowania"), "", 0, Max24,
     0, 4, 5, 4, Setting::Duration, 38, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - T2 - czas wysterowania"), "", 1, Max24, 0, 4, 9, 5,
     Setting::Duration, 39, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - T3 - czas przerwy wysterowania"), "", 1, Max24, 0,
     4, 13, 6, Setting::Duration, 40, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - liczba impulsów"), "", 0, Max24, 0, 4, 17, 7,
     Setting::Number, 41, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Przekaźnik PK - kontrola ciągłości"), "", 0, 1, 0, 1, 21, 8,
     Setting::YesNo, 42, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Linia kontrolna LK1 - tryb pracy"), "", 0, 6, 0, 1, 22, 9,
     Setting::Option, 43, true, 10},
    {QT_TRANSLATE_NOOP("PSB", "Linia kontrolna LK2 - tryb pracy"), "", 0, 6, 0, 1, 23, 10,
     Setting::Option, 45, true, 10},
    {QT_TRANSLATE_NOOP("PSB", "Złącze RS232 - tryb pracy"), "", 0, 6, 0, 1, 24, 11,
     Setting::Option, 45, true, 12},
    {QT_TRANSLATE_NOOP("PSB", "Złącze RS232 - Protokół Modbus - prędkość transmisji"), "", 0, 8,
     0, 1, 25, 12, Setting::Option, 45, true, 13},
    {QT_TRANSLATE_NOOP("PSB", "Złącze RS232 - Protokół Modbus - adres"), "", 0, 255, 0, 1, 26, 13,
     Setting::Number, 41, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Złącze RS232 - Protokół Modbus - Time Out"), "", 0, 1000, 0, 4, 27,
     14, Setting::Duration, 41, true, 0},
    {QT_TRANSLATE_NOOP("PSB", "Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave"), "", 0,
     6, 0, 1, 31, 15, Setting::Option, 45, true, 14},
};

} // namespace

PSB::PSB(quint8 number) : ModulType(number)
{
    m_name = tr("PSB");
    m_type = 0xE0;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
    isDefault();
}

int PSB::declareSettings()
{
    addSettings(settings, int(std::size(settings)));
    return 0;
}

// A new PSB starts from the unit's factory record: decoding the one-byte record 01 clears every
// setting that has payload bytes (the declaration has none and stays 1). The result says
// whether the module then matches the factory record, which it always does.
bool PSB::isDefault()
{
    parse(QByteArray(1, '\x01'));
    return toByteArray() == QByteArray(PayloadSize, '\0');
}

void PSB::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("PSB", "Brak napięcia sieciowego 230V")},
        {1, QT_TRANSLATE_NOOP("PSB", "Niskie napięcie akumulatora (poniżej 22 V)")},
        {2, QT_TRANSLATE_NOOP("PSB",
                              "Akumulator został odłączony (napięcie akumulatora poniżej 19 V)")},
        {3, QT_TRANSLATE_NOOP("PSB", "Brak podłączonych akumulatorów")},
        {4, QT_TRANSLATE_NOOP("PSB",
                              "Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)")},
        {5, QT_TRANSLATE_NOOP("PSB", "Zadziałanie kontroli doziemienia")},
        {6, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie ładowarki akumulatorów")},
        {7, QT_TRANSLATE_NOOP("PSB", "Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)")},
        {8, QT_TRANSLATE_NOOP("PSB", "Brak podłączonej sondy temperaturowej")},
        {9, QT_TRANSLATE_NOOP("PSB", "Rozwarty obwód przekaźnika konfigurowalnego PK")},
        {10, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie pamięci flash mikrokontrolera")},
        {11, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie bezpiecznika numer 1")},
        {12, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie bezpiecznika numer 2")},
        {13, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie bezpiecznika numer 3")},
        {14, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie bezpiecznika numer 4")},
        {15, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)")},
        {16, QT_TRANSLATE_NOOP("PSB", "Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)")},
        {17, QT_TRANSLATE_NOOP("PSB", "Brak komunikacji przez protokół Modbus")},
        {18, QT_TRANSLATE_NOOP("PSB", "Zwarcie wejścia linii kontrolnej numer 1 (LK1)")},
        {19, QT_TRANSLATE_NOOP("PSB", "Zwarcie wejścia linii kontrolnej numer 2 (LK2)")},
        {20, QT_TRANSLATE_NOOP("PSB", "Rozwarcie wejścia linii kontrolnej numer 1 (LK1)")},
        {21, QT_TRANSLATE_NOOP("PSB", "Rozwarcie wejścia linii kontrolnej numer 2 (LK2)")},
        {22, QT_TRANSLATE_NOOP("PSB", "Uszkodzenie ogólne z systemu Tarven B")},
        {23, QT_TRANSLATE_NOOP("PSB", "Start systemu / reset")},
        {24, QT_TRANSLATE_NOOP("PSB", "Skasowanie rejestru zdarzeń")},
        {25, QT_TRANSLATE_NOOP("PSB", "Zapis nowej konfiguracji")},
        {26, QT_TRANSLATE_NOOP("PSB", "Zapis nowej daty i czasu")},
        {27, QT_TRANSLATE_NOOP("PSB", "Wysterowanie przekaźnika uszkodzenia PU")},
        {28, QT_TRANSLATE_NOOP("PSB", "Wysterowanie przekaźnika konfigurowalnego PK")},
        {29, QT_TRANSLATE_NOOP("PSB", "Wysterowanie linii sygnałowej LS1")},
        {30, QT_TRANSLATE_NOOP("PSB", "Wysterowanie linii sygnałowej LS2")},
        {31, QT_TRANSLATE_NOOP("PSB", "Wysterowanie linii sygnałowej LS3")},
        {32, QT_TRANSLATE_NOOP("PSB", "Wysterowanie linii sygnałowej LS4")},
        {33, QT_TRANSLATE_NOOP("PSB", "Odczyt rejestru zdarzeń")},
        {34, QT_TRANSLATE_NOOP("PSB", "Odczyt uszkodzeń")},
    });
}
