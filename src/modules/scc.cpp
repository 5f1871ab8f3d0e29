#include "scc.h"

#include "ctmfaulttexts.h"
#include "config/setting.h"

#include <iterator>

namespace {

const SettingRow settings[] = {
    {QT_TRANSLATE_NOOP("SCC", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCC", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 0,
     true, 0},
    {QT_TRANSLATE_NOOP("SCC", "Adres modułu"), QT_TRANSLATE_NOOP("SCC", "..."), 0, 7, 0, 1, 1, 1,
     Setting::Option, 1, true, 51},
};

} // namespace

SCC::SCC(quint8 number) : ModulType(number)
{
    m_name = tr("SCC");
    m_type = 0x56;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCC::declareSettings()
{
    addSettings(settings, int(std::size(settings)));
    return 0;
}

void SCC::initFaultTexts()
{
    fillCtmFaultTexts(s_faultTexts);
}
