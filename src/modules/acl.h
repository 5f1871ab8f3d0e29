#pragma once

#include "config/modul.h"

// The addressable communication module; its only setting is its declaration.
class ACL : public ModulType<ACL>
{
    Q_OBJECT
public:
    explicit ACL(quint8 number);

    int declareSettings() override;
    static void initFaultTexts();
};
