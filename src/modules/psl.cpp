#include "psl.h"

#include "config/setting.h"

namespace {

constexpr quint32 Max24 = 16777215;
constexpr int LineBlockSize = 19;

// Index equals offset; LS blocks start at 1, 20, 39 and 58.
const SettingRow declaration = {QT_TRANSLATE_NOOP("PSL", "Deklaracja modułu"), "", 0, 1, 0, 1, 0,
                                0, Setting::YesNo, 28, true, 0};

const SettingRow lineBlock[] = {
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - tryb pracy"), "", 0, 4, 0, 1, 1, 1,
     Setting::Option, 29, true, 5},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - kryterium wysterowania"), "", 0, 4, 0, 1, 2,
     2, Setting::Option, 30, true, 9},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania"), "", 0,
     Max24, 0, 4, 3, 3, Setting::Duration, 31, true, 0},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - T2 - czas wysterowania"), "", 1, Max24, 0, 4,
     7, 7, Setting::Duration, 32, true, 0},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania"), "", 1,
     Max24, 0, 4, 11, 11, Setting::Duration, 33, true, 0},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - liczba impulsów"), "", 0, Max24, 0, 4, 15,
     15, Setting::Number, 34, true, 0},
    {QT_TRANSLATE_NOOP("PSL", "Linia sygnałowa LS%1 - kontrola ciągłości"), "", 0, 1, 0, 1, 19, 19,
     Setting::YesNo, 35, true, 0},
};

} // namespace

PSL::PSL(quint8 number) : ModulType(number)
{
    m_name = tr("PSL");
    m_type = 0xF0;
    m_description = tr("Moduł Przekaźników Dodatkowych");
    declareSettings();
    initFaultTexts();
}

int PSL::declareSettings()
{
    addSetting(declaration);
    for (int line = 1; line <= 4; ++line) {
        const int b = LineBlockSize * (line - 1);
        addSettings(lineBlock, int(std::size(lineBlock)), {line, b, b, b});
    }
    return 0;
}

void PSL::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("PSL", "Zwarcie wyjścia linii sygnałowej numer 1 (LS1)")},
        {1, QT_TRANSLATE_NOOP("PSL", "Zwarcie wyjścia linii sygnałowej numer 2 (LS2)")},
        {2, QT_TRANSLATE_NOOP("PSL", "Zwarcie wyjścia linii sygnałowej numer 3 (LS3)")},
        {3, QT_TRANSLATE_NOOP("PSL", "Zwarcie wyjścia linii sygnałowej numer 4 (LS4)")},
        {4, QT_TRANSLATE_NOOP("PSL", "Przerwa wyjścia linii sygnałowej numer 1 (LS1)")},
        {5, QT_TRANSLATE_NOOP("PSL", "Przerwa wyjścia linii sygnałowej numer 2 (LS2)")},
        {6, QT_TRANSLATE_NOOP("PSL", "Przerwa wyjścia linii sygnałowej numer 3 (LS3)")},
        {7, QT_TRANSLATE_NOOP("PSL", "Przerwa wyjścia linii sygnałowej numer 4 (LS4)")},
        {8, QT_TRANSLATE_NOOP("PSL", "Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) ")},
        {9, QT_TRANSLATE_NOOP("PSL", "Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) ")},
        {10, QT_TRANSLATE_NOOP("PSL", "Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) ")},
        {11, QT_TRANSLATE_NOOP("PSL", "Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) ")},
    });
}
