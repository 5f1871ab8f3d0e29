#pragma once

#include "config/modul.h"

// A main line module: one group of smoke-vent actuators with its detection line, the BZ7x
// push-button lines, the group output, ventilation and the alarm kinds of the eight LNM zones.
class LNM : public ModulType<LNM>
{
    Q_OBJECT
public:
    explicit LNM(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
