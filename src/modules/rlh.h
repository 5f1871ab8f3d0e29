#pragma once

#include "config/modul.h"

// The high-voltage relays module: relays PK1 and PK2 (with a Gryfit vent mode and an
// automatic-closing time), control lines LK1 and LK2 and the zone assignment.
class RLH : public ModulType<RLH>
{
    Q_OBJECT
public:
    explicit RLH(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
