#pragma once

#include "config/modul.h"

// Two volt-free relays and four lines of the extinguishing control, numbered as one series:
// relays PK1 and PK2 at positions L1 and L2, control lines L3 and L4, potential lines L5 and L6.
class SCD : public ModulType<SCD>
{
    Q_OBJECT
public:
    explicit SCD(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
