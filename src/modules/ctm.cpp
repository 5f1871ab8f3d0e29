#include "ctm.h"

#include "ctmfaulttexts.h"
#include "config/setting.h"

#include <iterator>

namespace {

// The declaration has no payload byte: the payload starts with the CSP input.
const SettingRow head[] = {
    {QT_TRANSLATE_NOOP("CTM", "Deklaracja modułu"),
     QT_TRANSLATE_NOOP("CTM", "Moduł aktywny / nieaktywny"), 1, 1, 1, 0, 0, 0, Setting::YesNo, 0,
     false, 0},
    {QT_TRANSLATE_NOOP("CTM", "Wejście alarmu zewnętrznego (CSP)"),
     QT_TRANSLATE_NOOP("CTM", "Aktywny / nieaktywny sygnał alarmu zewnętrznego"), 0, 1, 0, 1, 0,
     0, Setting::YesNo, 1, true, 0},
    {QT_TRANSLATE_NOOP("CTM", "Przekaźnik alarmu PKA - kontrola ciągłości"),
     QT_TRANSLATE_NOOP("CTM", "Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA"), 0,
     1, 0, 1, 1, 1, Setting::YesNo, 2, true, 0},
    {QT_TRANSLATE_NOOP("CTM", "Przekaźnik alarmu - czas Top"),
     QT_TRANSLATE_NOOP("CTM", "Czas opóźnienia wysterowania przekaźnika alarmu"), 0, 3600, 0, 2,
     2, 2, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("CTM", "Automatyka pogodowa"),
     QT_TRANSLATE_NOOP("CTM", "Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru"), 0, 1, 0,
     1, 4, 3, Setting::YesNo, 4, true, 0},
};

// Which PSV feeds LNM nr n (n = 1 to 8); LNM nr 1 always has a supply, so it cannot say 0.
const SettingRow lnmSupply = {QT_TRANSLATE_NOOP("CTM", "Zasilanie LNM nr %1 - PSV nr "),
                              QT_TRANSLATE_NOOP("CTM",
                                                "Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr"),
                              0, 4, 0, 1, 4, 3, Setting::Number, 67, true, 0};

const SettingRow middle[] = {
    {QT_TRANSLATE_NOOP("CTM", "Sygnalizowanie stanów na BZ7x"),
     QT_TRANSLATE_NOOP("CTM", "TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan "
                              "całej centrali)\nNIE- Sygnalizowanie optyczne stanu tylko "
                              "modułu LNM nr 1"),
     0, 1, 0, 1, 13, 12, Setting::YesNo, 116, true, 0},
    {QT_TRANSLATE_NOOP("CTM", "Blokowanie odłączenia baterii w alarmie"),
     QT_TRANSLATE_NOOP("CTM", "Blokowanie odłączenia baterii w alarmie"), 0, 1, 0, 1, 14, 13,
     Setting::YesNo, 117, true, 0},
};

// Buttons of LNM nr 1 driving the ventilation of LNM nr n (n = 2 to 8).
const SettingRow ventToLnm = {QT_TRANSLATE_NOOP("CTM",
                                                "Przewietrzanie – przyciski z LNM1 do LNM %1"),
                              QT_TRANSLATE_NOOP("CTM",
                                                "Wykorzystanie przycisków przewietrzających "
                                                "OTWÓRZ/ZAMKNIJ \npodłączonych do modułu LNM "
                                                "nr 1 do sterowania przewietrzaniem\n w "
                                                "modułach LNM nr %1"),
                              0, 1, 0, 1, 13, 12, Setting::YesNo, 116, true, 0};

// Its index puts it last in the settings tree although its byte sits before the RLH rows.
const SettingRow scenario = {QT_TRANSLATE_NOOP("CTM", "Scenariusz"),
                             QT_TRANSLATE_NOOP("CTM", "Scenariusz dedykowany dla obiektu"), 0, 255,
                             0, 1, 22, 29, Setting::Number, 130, true, 0};

// Buttons of LNM nr 1 driving relay PKk of RLH nr m; all eight rows carry id 118.
const SettingRow ventToRlh = {QT_TRANSLATE_NOOP("CTM",
                                                "Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2"),
                              QT_TRANSLATE_NOOP("CTM",
                                                "Wykorzystanie przycisków przewietrzających "
                                                "OTWÓRZ/ZAMKNIJ \npodłączonych do modułu LNM "
                                                "nr 1 do sterowania przewietrzaniem\n w "
                                                "modułach RLH nr %1 PK nr %2"),
                              0, 1, 0, 1, 20, 18, Setting::YesNo, 118, true, 0};

} // namespace

CTM::CTM(quint8 number) : ModulType(number)
{
    m_name = tr("CTM");
    m_type = 0xA0;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
}

int CTM::declareSettings()
{
    addSettings(head, int(std::size(head)));
    for (int lnm = 1; lnm <= 8; ++lnm) {
        SettingRow row = lnmSupply;
        if (lnm == 1)
            row.minimum = row.value = 1;
        addSetting(row, {lnm, lnm, lnm, lnm});
    }
    addSettings(middle, int(std::size(middle)));
    for (int lnm = 2; lnm <= 8; ++lnm)
        addSetting(ventToLnm, {lnm, lnm, lnm, lnm});
    addSetting(scenario);
    for (int rlh = 1; rlh <= 4; ++rlh) {
        for (int relay = 1; relay <= 2; ++relay) {
            const int shift = 2 * rlh + relay;
            addSetting(ventToRlh, {rlh, shift, shift, 0, relay});
        }
    }
    return 0;
}

void CTM::initFaultTexts()
{
    fillCtmFaultTexts(s_faultTexts);
}
