#pragma once

#include "config/modul.h"

// The main control module of the smoke-vent family: the unit-wide settings (external alarm,
// alarm relay PKA, weather automation, which PSV feeds each LNM, routing of the ventilation
// push-buttons of LNM nr 1) and a scenario number.
class CTM : public ModulType<CTM>
{
    Q_OBJECT
public:
    explicit CTM(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
