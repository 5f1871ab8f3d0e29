#pragma once

#include "config/modul.h"

// The redundant power-supply module: nothing to configure, only faults to report.
class PSR : public ModulType<PSR>
{
    Q_OBJECT
public:
    explicit PSR(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
