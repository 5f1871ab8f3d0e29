#pragma once

#include "ctmfaulttexts.h"
#include "extinguishingblocks.h"

#include <iterator>

// An extinguishing-control module whose configuration is only its declaration and address; it
// reports its faults with the main control module's texts.
template<class T>
class AddressOnlyModul : public ModulType<T>
{
public:
    using ModulType<T>::ModulType;

    int declareSettings() override
    {
        namespace Shared = ExtinguishingBlocks;
        this->addSettings(Shared::Context, Shared::head, int(std::size(Shared::head)));
        return 0;
    }
    static void initFaultTexts() { fillCtmFaultTexts(ModulType<T>::s_faultTexts); }
};
