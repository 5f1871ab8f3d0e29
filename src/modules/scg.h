#pragma once

#include "config/modul.h"

// Four potential (powered) output lines L1 to L4 of the extinguishing control.
class SCG : public ModulType<SCG>
{
    Q_OBJECT
public:
    explicit SCG(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
