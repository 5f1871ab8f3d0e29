#pragma once

#include "config/modul.h"

// The universal power module: a declaration byte and the faults of mains, battery and supply.
class PSV : public ModulType<PSV>
{
    Q_OBJECT
public:
    explicit PSV(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
