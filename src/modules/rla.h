#pragma once

#include "config/modul.h"

// The additional relays module: relays PK1 and PK2 with their timers and zone assignment, and
// the control lines LK1 and LK2.
class RLA : public ModulType<RLA>
{
    Q_OBJECT
public:
    explicit RLA(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
