#include "scg.h"

#include "config/setting.h"

#include <iterator>

namespace {

constexpr int Lines = 4;
constexpr int LineBlockSize = 16;

const char *const Dots = QT_TRANSLATE_NOOP("SCG", "...");

const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("SCG", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCG", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 0,
     true, 0},
    {QT_TRANSLATE_NOOP("SCG", "Adres modułu"), Dots, 0, 7, 0, 1, 1, 1, Setting::Option, 1, true,
     51},
};

// Line L1 at offset 2; the others follow every 16 bytes. Index equals position in the list.
const SettingRow lineBlock[] = {
    {QT_TRANSLATE_NOOP("SCG", "L%1 - numer strefy"), Dots, 0, 3, 0, 1, 2, 2, Setting::Option, 1,
     true, 16},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Deklaracja linii potencjałowej"), Dots, 0, 3, 0, 1, 3, 3,
     Setting::Option, 2, true, 37},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Grupa wyjść"), Dots, 0, 4, 0, 1, 4, 4,
     Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Kryterium 1"), Dots, 0, 14, 0, 1, 5, 5,
     Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Kryterium 2"), Dots, 0, 7, 0, 1, 6, 6,
     Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Logika"), Dots, 0, 1, 0, 1, 7, 7,
     Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia"), Dots, 1,
     4, 1, 1, 8, 8, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton"), Dots,
     0, 5940, 0, 2, 9, 9, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff"), Dots,
     0, 5940, 0, 2, 11, 10, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - czas trwania impulsu T-imp"), Dots, 0,
     5940, 0, 2, 13, 11, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw"), Dots, 0,
     5940, 0, 2, 15, 12, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCG", "L%1 - Linia Potencjałowa - Liczba impulsów N-imp"), Dots, 0, 99, 0,
     1, 17, 13, Setting::Number, 3, true, 0},
};

} // namespace

SCG::SCG(quint8 number) : ModulType(number)
{
    m_name = tr("SCG");
    m_type = 0x51;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCG::declareSettings()
{
    addSettings(head, int(std::size(head)));
    const int settingsPerLine = int(std::size(lineBlock));
    for (int line = 1; line <= Lines; ++line) {
        BlockShift shift;
        shift.number = line;
        shift.offset = LineBlockSize * (line - 1);
        shift.index = settingsPerLine * (line - 1);
        // The unit's tables indent every second line.
        shift.prefix = line % 2 == 0 ? "    " : "";
        addSettings(lineBlock, settingsPerLine, shift);
    }
    return 0;
}

void SCG::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCG", "L1 - przerwa")},
        {1, QT_TRANSLATE_NOOP("SCG", "L1 - zwarcie")},
        {2, QT_TRANSLATE_NOOP("SCG", "L1 - przeciążenie lub brak wysterowania")},
        {3, QT_TRANSLATE_NOOP("SCG", "L2 - przerwa")},
        {4, QT_TRANSLATE_NOOP("SCG", "L2 - zwarcie")},
        {5, QT_TRANSLATE_NOOP("SCG", "L2 - przeciążenie lub brak wysterowania")},
        {6, QT_TRANSLATE_NOOP("SCG", "L3 - przerwa")},
        {7, QT_TRANSLATE_NOOP("SCG", "L3 - zwarcie")},
        {8, QT_TRANSLATE_NOOP("SCG", "L3 - przeciążenie lub brak wysterowania")},
        {9, QT_TRANSLATE_NOOP("SCG", "L4 - przerwa")},
        {10, QT_TRANSLATE_NOOP("SCG", "L4 - zwarcie")},
        {11, QT_TRANSLATE_NOOP("SCG", "L4 - przeciążenie lub brak wysterowania")},
    });
}
