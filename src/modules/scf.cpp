#include "scf.h"

#include "ctmfaulttexts.h"
#include "config/setting.h"

#include <iterator>

namespace {

const SettingRow settings[] = {
    {QT_TRANSLATE_NOOP("SCF", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("SCF", "Moduł aktywny / nieaktywny"), 0, 1, 0, 1, 0, 0, Setting::YesNo, 0,
     true, 0},
    {QT_TRANSLATE_NOOP("SCF", "Adres modułu"), QT_TRANSLATE_NOOP("SCF", "..."), 0, 7, 0, 1, 1, 1,
     Setting::Option, 1, true, 51},
};

} // namespace

SCF::SCF(quint8 number) : ModulType(number)
{
    m_name = tr("SCF");
    m_type = 0x45;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCF::declareSettings()
{
    addSettings(settings, int(std::size(settings)));
    return 0;
}

void SCF::initFaultTexts()
{
    fillCtmFaultTexts(s_faultTexts);
}
