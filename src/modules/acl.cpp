#include "acl.h"

#include "config/setting.h"

namespace {

// Id 49, not 0: isDeclared finds no declaration setting in this module.
const SettingRow declaration = {QT_TRANSLATE_NOOP("ACL", "Deklaracja modułu"), "", 0, 1, 0, 1, 0,
                                0, Setting::YesNo, 49, true, 0};

} // namespace

ACL::ACL(quint8 number) : ModulType(number)
{
    m_name = tr("ACL");
    m_type = 0xD0;
    m_description = tr("Moduł Komunikacji Adresowalnej");
    declareSettings();
}

int ACL::declareSettings()
{
    addSetting(declaration);
    return 0;
}

void ACL::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("ACL", "Brak komunikacji z modułem ACL")},
    });
}
