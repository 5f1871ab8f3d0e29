#include "lnm.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr quint32 Max24 = 16777215;

// Index equals offset up to the zones; the double blanks belong to the texts.
const SettingRow settings[] = {
    {QT_TRANSLATE_NOOP("LNM", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("LNM", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 5,
     true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Prąd grupy [A]"), QT_TRANSLATE_NOOP("LNM", "Prąd modułu:"), 4, 8, 8,
     1, 1, 1, Setting::Option, 7, true, 2},
    {QT_TRANSLATE_NOOP("LNM", "Linia dozorowa konwencjonalna"),
     QT_TRANSLATE_NOOP("LNM", "Linia dozorowa aktywna/ nieaktywna"), 0, 1, 0, 1, 2, 2,
     Setting::YesNo, 8, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Kasowanie wstępne czujek (60s)"),
     QT_TRANSLATE_NOOP("LNM", "Kasowanie aktywne / nieaktywne"), 0, 1, 0, 1, 3, 3, Setting::YesNo,
     9, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przycisk oddymiania BZ7x - linia WYZWOLENIE"),
     QT_TRANSLATE_NOOP("LNM", "Przycisk - Linia WYZW aktywna / nieaktywna"), 0, 1, 0, 1, 4, 4,
     Setting::YesNo, 10, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przycisk oddymiania BZ7x - linia KASOWANIE"),
     QT_TRANSLATE_NOOP("LNM", "Przycisk - Linia KASOW aktywna / nieaktywna"), 0, 1, 0, 1, 5, 5,
     Setting::YesNo, 11, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy -  tryb pracy"),
     QT_TRANSLATE_NOOP("LNM", "Tryb pracy wyjścia 0-nieaktywne"), 0, 3, 0, 1, 6, 6,
     Setting::Option, 12, true, 7},
    {QT_TRANSLATE_NOOP("LNM", "Wyjscie grupy - kryterium wysterowania"),
     QT_TRANSLATE_NOOP("LNM", "Kryterium – warianty wysterowania"), 0, 12, 0, 1, 7, 7,
     Setting::Option, 13, true, 1},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - sterowanie 3 przewodowe"),
     QT_TRANSLATE_NOOP("LNM", "Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. "), 0, 1, 0,
     1, 8, 8, Setting::YesNo, 14, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy -  kontrola ciągłości zasilania"),
     QT_TRANSLATE_NOOP("LNM", "Kontrola zwarcia i przerwy zasilania "), 0, 1, 0, 1, 9, 9,
     Setting::YesNo, 15, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - T1 - czas  opóźnienia zadziałania"),
     QT_TRANSLATE_NOOP("LNM", "Czas opóźnienia wysterowania wyjścia w trybie 1,2,3"), 0, Max24, 0,
     4, 10, 10, Setting::Duration, 16, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - T2 - czas wysterowania"),
     QT_TRANSLATE_NOOP("LNM", "Czas wysterowania wyjścia w trybie 1,2,3"), 0, Max24, 0, 4, 14, 14,
     Setting::Duration, 17, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - T3 - czas przerwy wysterowania"),
     QT_TRANSLATE_NOOP("LNM", "Czas przerwy w trybie 3"), 0, Max24, 0, 4, 18, 18,
     Setting::Duration, 18, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - liczba impulsów"),
     QT_TRANSLATE_NOOP("LNM", "Liczba impulsów na wyjściu w trybie 3"), 0, Max24, 0, 4, 22, 22,
     Setting::Number, 19, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - kontrola krańcówek"),
     QT_TRANSLATE_NOOP("LNM", "Kontrola pozycji urządzenia sterowanego"), 0, 1, 0, 1, 26, 26,
     Setting::YesNo, 20, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - kontrola ciągłości krańcówek"),
     QT_TRANSLATE_NOOP("LNM", "Kontrola zwarcia i przerwy obwodów krańcówek"), 0, 1, 0, 1, 27, 27,
     Setting::YesNo, 21, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - odłączanie napięcia"),
     QT_TRANSLATE_NOOP("LNM", "Odłączanie napięcia w trybie pracy 1"), 0, 1, 0, 1, 28, 28,
     Setting::YesNo, 22, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy - forsowanie (deadlock)"),
     QT_TRANSLATE_NOOP("LNM", "Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa"), 0, 1,
     0, 1, 29, 29, Setting::YesNo, 23, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przewietrzanie - przyciski - tryb pracy"),
     QT_TRANSLATE_NOOP("LNM", "Sposób działania przycisków przewietrzania"), 0, 3, 0, 1, 30, 30,
     Setting::Number, 24, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przewietrzanie - blokowanie pogodowe"),
     QT_TRANSLATE_NOOP("LNM", "Blokowanie przewietrzania w przypadku deszczu / wiatru"), 0, 1, 0,
     1, 31, 31, Setting::YesNo, 25, true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przewietrzanie - czas Tp1"),
     QT_TRANSLATE_NOOP("LNM", "Czas otwierania"), 0, 240, 0, 1, 32, 32, Setting::Duration, 26,
     true, 0},
    {QT_TRANSLATE_NOOP("LNM", "Przewietrzanie - czas Tp2"),
     QT_TRANSLATE_NOOP("LNM", "Czas, po którym nastąpi automatyczne zamknięcie"), 0, Max24, 0, 4,
     33, 33, Setting::Duration, 27, true, 0},
};

// Alarm kind of LNM zone n (n = 1 to 8), at offset 36 + n.
const SettingRow zone = {QT_TRANSLATE_NOOP("LNM", "Strefa LNM nr %1"),
                         QT_TRANSLATE_NOOP("LNM",
                                           "0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO"),
                         0, 3, 0, 1, 36, 36, Setting::Option, 75, true, 3};

// Added to the payload after the zones; its index shows it among the group-output settings.
const SettingRow tka = {QT_TRANSLATE_NOOP("LNM", "Wyjście grupy -  czas TKA"),
                        QT_TRANSLATE_NOOP("LNM", "Czas opóźnienia wyłączenia po kasowaniu"), 0,
                        65535, 0, 2, 45, 19, Setting::Duration, 125, true, 0};

} // namespace

LNM::LNM(quint8 number) : ModulType(number)
{
    m_name = tr("LNM");
    m_type = 0x90;
    m_description = tr("Moduł Główny Liniowy");
    declareSettings();
}

int LNM::declareSettings()
{
    // LNM nr 1 is always fitted: its declaration is set and locked. The choice is made once.
    SettingRow declaration = settings[0];
    if (getNumber() == 1) {
        declaration.value = 1;
        declaration.editable = false;
    }
    addSetting(declaration);
    addSettings(settings + 1, int(std::size(settings)) - 1);
    for (int n = 1; n <= 8; ++n)
        addSetting(zone, {n, n, n, n});
    addSetting(tka);
    return 0;
}

void LNM::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("LNM", "Linia dozorowa – zwarcie ")},
        {1, QT_TRANSLATE_NOOP("LNM", "Linia dozorowa – przerwa ")},
        {2, QT_TRANSLATE_NOOP("LNM", "BZ7x linia przycisku WYZWOLENIE – zwarcie")},
        {3, QT_TRANSLATE_NOOP("LNM", "BZ7x linia przycisku WYZWOLENIE – przerwa")},
        {4, QT_TRANSLATE_NOOP("LNM", "BZ7x linia przycisku KASOWANIE – zwarcie")},
        {5, QT_TRANSLATE_NOOP("LNM", "BZ7x linia przycisku KASOWANIE – przerwa")},
        {6, QT_TRANSLATE_NOOP("LNM", "BZ7x przycisk KASOWANIE – brak lub uszkodzenie")},
        {7, QT_TRANSLATE_NOOP("LNM", "Przełącznik krańcowy KR1  – zwarcie ")},
        {8, QT_TRANSLATE_NOOP("LNM", "Przełącznik krańcowy KR1 – przerwa ")},
        {9, QT_TRANSLATE_NOOP("LNM", "Przełącznik krańcowy KR2  – zwarcie ")},
        {10, QT_TRANSLATE_NOOP("LNM", "Przełącznik krańcowy KR2 – przerwa ")},
        {11, QT_TRANSLATE_NOOP("LNM", "Wyjście główne – brak ciągłości zasilania")},
        {12, QT_TRANSLATE_NOOP("LNM", "Wyjście główne – nieprawidłowa pozycja")},
        {13, QT_TRANSLATE_NOOP("LNM", "Wyjście główne – nieprawidłowa pozycja KR1")},
        {14, QT_TRANSLATE_NOOP("LNM", "Wyjście główne – nieprawidłowa pozycja KR2")},
        {15, QT_TRANSLATE_NOOP("LNM", "Wyjście główne – bezpiecznik")},
        {16, QT_TRANSLATE_NOOP("LNM", "Przycisk przewietrzania OTWÓRZ – zwarcie")},
        {17, QT_TRANSLATE_NOOP("LNM", "Przycisk przewietrzania ZAMKNIJ – zwarcie")},
        {18, "18"}, {19, "19"}, {20, "20"}, {21, "21"}, {22, "22"}, {23, "23"},
        {24, "24"}, {25, "25"}, {26, "26"}, {27, "27"}, {28, "28"}, {29, "29"},
        {30, QT_TRANSLATE_NOOP("LNM", "Flash – błąd sumy kontrolnej")},
        {31, QT_TRANSLATE_NOOP("LNM", "Wersja oprogramowania")},
    });
}
