#include "psv.h"

#include "config/setting.h"

namespace {

const SettingRow declaration = {QT_TRANSLATE_NOOP("PSV", "Deklaracja modułu"),
                                QT_TRANSLATE_NOOP("PSV", "Moduł aktywny/nieaktywny"), 0, 1, 0, 1,
                                0, 0, Setting::YesNo, 47, true, 0};

} // namespace

PSV::PSV(quint8 number) : ModulType(number)
{
    m_name = tr("PSV");
    m_type = 0xB0;
    m_description = tr("Moduł Zasilania Uniwersalnego");
    declareSettings();
}

// PSV nr 1 is always fitted: its declaration is set and locked. The choice is made once, here.
int PSV::declareSettings()
{
    SettingRow row = declaration;
    if (getNumber() == 1) {
        row.value = 1;
        row.editable = false;
    }
    addSetting(row);
    return 0;
}

void PSV::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("PSV", "Zasilacz lub brak 230V")},
        {1, QT_TRANSLATE_NOOP("PSV", "Niskie napiecie baterii akumulatorów")},
        {2, QT_TRANSLATE_NOOP("PSV", "Zwarcie wejscia baterii akumulatorów")},
        {3, QT_TRANSLATE_NOOP("PSV", "Brak baterii akumulatorów")},
        {4, QT_TRANSLATE_NOOP("PSV", "Doziemienie")},
        {5, QT_TRANSLATE_NOOP("PSV", "Wysoka rezystancja baterii akumulatorów")},
        {6, QT_TRANSLATE_NOOP("PSV", "Uszkodzenie ładowania")},
        {7, QT_TRANSLATE_NOOP("PSV", "24 V zewnętrzne (bezpiecznik)")},
        {8, QT_TRANSLATE_NOOP("PSV", "Sterowanie zasilacza")},
        {9, QT_TRANSLATE_NOOP("PSV", "Wysoka temperatura")},
        {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"},
        {14, QT_TRANSLATE_NOOP("PSV", "Flash – błąd sumy kontrolnej")},
        {15, QT_TRANSLATE_NOOP("PSV", "Wersja oprogramowania")},
    });
}
