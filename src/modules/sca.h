#pragma once

#include "config/modul.h"

// Extinguishing control of two zones: alarm-device retry, and per zone the stage-2 delays,
// evacuation and reset-blocking times, discharge signalling and three coincidence groups.
class SCA : public ModulType<SCA>
{
    Q_OBJECT
public:
    explicit SCA(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
    // This module's event codes index the table whole: bit 7 is no removal mark here.
    static QString faultText(quint8 code);
};
