#pragma once

#include "addressonlymodul.h"

class SCC : public AddressOnlyModul<SCC>
{
    Q_OBJECT
public:
    explicit SCC(quint8 number);
};
