#include "optionlists.h"

#include "enumlist.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

struct OptionEntry
{
    int key;
    const char *text;
};

struct OptionListRow
{
    int id;
    std::initializer_list<OptionEntry> entries;
};

// Keys are not always contiguous; a key defined twice keeps its later text.
const OptionListRow optionLists[] = {
    {1, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Brak – wyjście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Alarm - ogólny Halvo")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Alarm - wejście zewnętrzne")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Alarm - system Tarven A/B")},
        {4, QT_TRANSLATE_NOOP("EnumList", "Alarm - suma stref LNM")},
        {5, QT_TRANSLATE_NOOP("EnumList", "Alarm - iloczyn stref LNM")},
        {6, QT_TRANSLATE_NOOP("EnumList", "Alarm – wejście zewnętrzne + suma stref LNMn")},
        {7, QT_TRANSLATE_NOOP("EnumList", "Alarm – wejście zewnętrzne + iloczyn stref LNMn")},
        {8, QT_TRANSLATE_NOOP("EnumList", "Alarm – Tarven A/B + suma stref LNMn")},
        {9, QT_TRANSLATE_NOOP("EnumList", "Alarm – Tarven A/B + iloczyn stref LNMn")},
        {10, QT_TRANSLATE_NOOP("EnumList", "Alarm – wejście zewnętrzne + własny")},
        {11, QT_TRANSLATE_NOOP("EnumList", "Alarm – system Tarven A/B + własny")},
        {12, QT_TRANSLATE_NOOP("EnumList", "Alarm - iloczyn stref + wlasny")},
        {16, QT_TRANSLATE_NOOP("EnumList", "Zarezerwowane")},
    }},
    {2, {
        {4, QT_TRANSLATE_NOOP("EnumList", "4")},
        {8, QT_TRANSLATE_NOOP("EnumList", "8")},
    }},
    {3, {
        {0, QT_TRANSLATE_NOOP("EnumList", "NIE")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Alarm - ogólny")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Alarm - LDK")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Alarm - BZ7x")},
        {4, QT_TRANSLATE_NOOP("EnumList", "Osiągnięta pozycja pożarowa (FIRE SAFE)")},
    }},
    {4, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Nieaktywna")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Kontrola zadziałania PK")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Wejście potwierdzenia zewnętrznego")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Wejście kasowania zewnętrznego")},
        {4, QT_TRANSLATE_NOOP("EnumList", "Blokowanie wyjść")},
        {5, QT_TRANSLATE_NOOP("EnumList", "Blokowanie warunkowe wyjscia LNM")},
        {6, QT_TRANSLATE_NOOP("EnumList", "Zamrożenie stanu")},
    }},
    {5, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Wyjście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Załączenie na stałe")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Załączenie czasowe")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Załączenie impulsowo-cykliczne")},
        {4, QT_TRANSLATE_NOOP("EnumList", "Załączenie impulsowo-ilościowe")},
    }},
    {6, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0-nieaktywny")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1-załączenie na stałe")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2-załączenie czasowe")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3-załączenie impulsowo-cykliczne")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4-załączenie impulsowo-ilościowe")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu")},
    }},
    {7, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0-nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1-siłownik dwukierunkowy")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2-siłownik ze sprężyną powrotną")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3-przerwa napięciowa lub impuls prądowy")},
    }},
    {8, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Brak – wyjście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Alarm - ogólny Halvo")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Alarm - wejście zewnętrzne")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Alarm - system Tarven A/B")},
        {4, QT_TRANSLATE_NOOP("EnumList", "Alarm - suma stref LNM")},
        {5, QT_TRANSLATE_NOOP("EnumList", "Alarm - iloczyn stref LNM")},
        {6, QT_TRANSLATE_NOOP("EnumList", "Alarm – wejście zewnętrzne + suma stref LNMn")},
        {7, QT_TRANSLATE_NOOP("EnumList", "Alarm – wejście zewnętrzne + iloczyn stref LNMn")},
        {8, QT_TRANSLATE_NOOP("EnumList", "Alarm – Tarven A/B + suma stref LNMn")},
        {9, QT_TRANSLATE_NOOP("EnumList", "Alarm – Tarven A/B + iloczyn stref LNMn")},
        {10, QT_TRANSLATE_NOOP("EnumList", "Aktywne przewietrzanie")},
        {15, QT_TRANSLATE_NOOP("EnumList", "Zarezerwowane")},
        {16, QT_TRANSLATE_NOOP("EnumList", "Zarezerwowane")},
    }},
    {9, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Wyjście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)")},
        {3, QT_TRANSLATE_NOOP("EnumList", "System Tarven B")},
    }},
    {10, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Wejście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Tryb 2-stanowy")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Tryb 3-stanowy")},
    }},
    {11, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Brak – wejście nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Tryb 2-stanowy")},
        {3, QT_TRANSLATE_NOOP("EnumList", "Tryb 3-stanowy")},
    }},
    {12, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Port nieaktywny")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Protokół Modbus")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Komunikacja z Ostrel nr. 2")},
    }},
    {13, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Brak konfiguracji")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1200")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2400")},
        {3, QT_TRANSLATE_NOOP("EnumList", "4800")},
        {4, QT_TRANSLATE_NOOP("EnumList", "9600")},
        {5, QT_TRANSLATE_NOOP("EnumList", "19200")},
        {6, QT_TRANSLATE_NOOP("EnumList", "38400")},
        {7, QT_TRANSLATE_NOOP("EnumList", "57600")},
        {8, QT_TRANSLATE_NOOP("EnumList", "115200")},
        {9, QT_TRANSLATE_NOOP("EnumList", "115200")},
    }},
    {14, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Brak konfiguracji")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Master")},
        {2, QT_TRANSLATE_NOOP("EnumList", "Slave")},
    }},
    {15, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Wybierz pojemność akumulatora")},
        {1, QT_TRANSLATE_NOOP("EnumList", "7 Ah")},
        {2, QT_TRANSLATE_NOOP("EnumList", "18 Ah")},
        {3, QT_TRANSLATE_NOOP("EnumList", "28 Ah")},
        {4, QT_TRANSLATE_NOOP("EnumList", "40 Ah")},
        {5, QT_TRANSLATE_NOOP("EnumList", "80 Ah")},
        {6, QT_TRANSLATE_NOOP("EnumList", "134 Ah")},
    }},
    {16, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Strefa 1")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Strefa 2")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Strefa 1 + 2")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Nie związane z strefą")},
    }},
    {17, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia kontrolna aktywna")},
    }},
    {18, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia kontrolna")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Linia potencjałowa")},
    }},
    {19, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia Kontrolna")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Linia dozorowa")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Linia potencjałowa")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Wyjście zasilające 24 V")},
    }},
    {20, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia bezpotencjałowa")},
    }},
    {21, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Urządzenie zewnętrzne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Blokada Gaszenia")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Sterowanie ręczne")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Dodatek")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Stop gaszenia")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5 - Start gaszenia")},
        {6, QT_TRANSLATE_NOOP("EnumList", "6 - LK. wypływu")},
        {7, QT_TRANSLATE_NOOP("EnumList", "7 - Alarm zewnętrzny")},
        {8, QT_TRANSLATE_NOOP("EnumList", "8 - Ciśnienie/masa")},
        {9, QT_TRANSLATE_NOOP("EnumList", "9 - Blok.Nieel.")},
        {10, QT_TRANSLATE_NOOP("EnumList", "10 - Kasowanie alarmu")},
    }},
    {22, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Alarm 1 strefa")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Alarm 2 strefa")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Start gaszenia")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - EZ")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Wyładowanie")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5 - Wypływy")},
    }},
    {23, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Tryb 1 stanowy")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Tryb 2 stanowy")},
    }},
    {24, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia kontrolna aktywna")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Linia potencjałowa aktywna")},
    }},
    {25, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Alarm 1 stopnia")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Alarm 2 stopnia")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Start gaszenia")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - EZ")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Wyładowanie")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5 - Wypływ")},
        {6, QT_TRANSLATE_NOOP("EnumList", "6 - Wyładowanie dodatku")},
        {7, QT_TRANSLATE_NOOP("EnumList", "7 - Sterowanie ręczne")},
        {8, QT_TRANSLATE_NOOP("EnumList", "8 - Stop gaszenia")},
        {9, QT_TRANSLATE_NOOP("EnumList", "9 - Blokada gaszenia")},
        {10, QT_TRANSLATE_NOOP("EnumList", "10 - Blokada Nieelek")},
        {11, QT_TRANSLATE_NOOP("EnumList", "11 - Uszkodzenie")},
        {12, QT_TRANSLATE_NOOP("EnumList", "12 - Kasowanie")},
        {13, QT_TRANSLATE_NOOP("EnumList", "13 - Ciśń/masa")},
    }},
    {26, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Grupa ogólna")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Sygnalizatory zewnętrzne")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Sygnalizatory ostrzegawcze")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Urządzenia transmisji")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Urządzenia zabezpieczające")},
    }},
    {27, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Brak kryterium")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - L11 LD-alarm")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - L11 LD-alarm")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - L11 LD-alarm")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - L11 LD-alarm")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5 - L11 LD-alarm")},
        {6, QT_TRANSLATE_NOOP("EnumList", "6 - L11 LD-alarm")},
        {7, QT_TRANSLATE_NOOP("EnumList", "7 - LK-EZ Wspólny")},
    }},
    {28, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Brak")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - ciągły")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - 1 impuls")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - cykliczny")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - cykliczny skończony")},
    }},
    {29, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Wyłączone")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Włączone")},
    }},
    {30, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - 0 linii")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - 1 linia")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - 2 linie")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - 3 linie")},
    }},
    {31, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nie")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Tak")},
    }},
    {32, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Tak")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Nie")},
    }},
    {33, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Z wyjścia EZ")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Z wejścia LK-wypływ")},
    }},
    {34, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Strefa 1")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Nieblokowane")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Blokowane")},
    }},
    {35, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Strefa 2")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Nieblokowane")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Blokowane")},
    }},
    {36, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Brak modułu")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - SCA")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - SCB")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - SCC")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - SCD")},
        {5, QT_TRANSLATE_NOOP("EnumList", "5 - SCG")},
        {6, QT_TRANSLATE_NOOP("EnumList", "6 - SCE")},
        {7, QT_TRANSLATE_NOOP("EnumList", "7 - SCF")},
    }},
    {37, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia potencjałowa aktywna")},
    }},
    {38, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia bezpotencjałowa aktywna")},
    }},
    {39, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia kontrolna aktywna")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Linia potencjałowa aktywna")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Wyjście zasilajace 24 V aktywne")},
    }},
    {40, {
        {0, QT_TRANSLATE_NOOP("EnumList", "0 - Nieaktywne")},
        {1, QT_TRANSLATE_NOOP("EnumList", "1 - Linia kontrolna aktywna")},
        {2, QT_TRANSLATE_NOOP("EnumList", "2 - Linia dozorowa aktywna")},
        {3, QT_TRANSLATE_NOOP("EnumList", "3 - Linia potencjałowa aktywna")},
        {4, QT_TRANSLATE_NOOP("EnumList", "4 - Wyjście zasilajace 24 V aktywne")},
    }},
    {41, {
        {0, QT_TRANSLATE_NOOP("EnumList", "Uszkodzenie Ostrel")},
        {1, QT_TRANSLATE_NOOP("EnumList", "Uszkodzenie Ostrel + wysterowanie z Tarven B")},
    }},
};

} // namespace

void buildOptionLists()
{
    // Settings keep pointers to the lists, so a second call must not replace them.
    if (EnumList::isRegistered(optionLists[0].id))
        return;
    for (const OptionListRow &row : optionLists) {
        auto *list = new EnumList;
        list->setId(row.id);
        EnumList::registerList(list);
        for (const OptionEntry &entry : row.entries)
            list->insertText(entry.key, QCoreApplication::translate("EnumList", entry.text));
    }
}
