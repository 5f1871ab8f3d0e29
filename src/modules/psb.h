#pragma once

#include "config/modul.h"

// The unit's power-supply module: battery, fault relay PU, configurable relay PK, control lines
// LK1 and LK2 and the RS232 port. Its fault table also names the unit's own events.
class PSB : public ModulType<PSB>
{
    Q_OBJECT
public:
    explicit PSB(quint8 number);

    int declareSettings() override;
    bool isDefault() override;
    static void initFaultTexts();

    static constexpr int PayloadSize = 32;
};
