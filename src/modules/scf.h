#pragma once

#include "config/modul.h"

// An extinguishing-control module whose configuration is only its declaration and address; it
// reports its faults with the main control module's texts.
class SCF : public ModulType<SCF>
{
    Q_OBJECT
public:
    explicit SCF(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
