#include "psr.h"

#include "config/setting.h"

namespace {

// No payload byte: the declaration keeps its built value 0 through every decode.
const SettingRow declaration = {
    QT_TRANSLATE_NOOP("PSR", "Deklaracja modułu - modułu PSR nie trzeba konfigurować"),
    QT_TRANSLATE_NOOP("PSR", "Moduł aktywny / nieaktywny"), 1, 1, 0, 0, 0, 0, Setting::YesNo, 0,
    false, 0};

} // namespace

PSR::PSR(quint8 number) : ModulType(number)
{
    m_name = tr("PSR");
    m_type = 0x83;
    m_description = tr("Moduł Zasilania Redundantnego");
    declareSettings();
    initFaultTexts();
}

int PSR::declareSettings()
{
    addSetting(declaration);
    return 0;
}

// Only the first fault has a text; the unit reports the others by number.
void PSR::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("PSR", "Brak łączności z dodatkowym PSB")},
        {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"},
        {9, "9"}, {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"}, {14, "14"}, {15, "15"},
    });
}
