#pragma once

#include "config/modul.h"

// Four volt-free relays PK1 to PK4 of the extinguishing control (positions L1 to L4).
class SCE : public ModulType<SCE>
{
    Q_OBJECT
public:
    explicit SCE(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
