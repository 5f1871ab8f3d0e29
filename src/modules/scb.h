#pragma once

#include "config/modul.h"

// Sixteen lines and six volt-free relays of the extinguishing control: control lines L1 to L6,
// input/output lines L7 to L16 (L11 to L16 also detection lines) and relays PK1 to PK6. Its
// 400-byte payload is why the image gives this type a two-byte length.
class SCB : public ModulType<SCB>
{
    Q_OBJECT
public:
    explicit SCB(quint8 number);

    // Declares the form of module nr 1; the constructor picks the form for its own number.
    int declareSettings() override;
    static void initFaultTexts();

private:
    int declareSettings(bool firstModule);
};
