#pragma once

#include "config/modul.h"

// Four signalling-line outputs LS1 to LS4, each with mode, trigger criterion and three timers.
class PSL : public ModulType<PSL>
{
    Q_OBJECT
public:
    explicit PSL(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
