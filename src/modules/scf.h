#pragma once

#include "addressonlymodul.h"

class SCF : public AddressOnlyModul<SCF>
{
    Q_OBJECT
public:
    explicit SCF(quint8 number);
};
