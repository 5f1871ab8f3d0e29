#include "sce.h"

#include "extinguishingblocks.h"

#include <iterator>

namespace {

namespace Shared = ExtinguishingBlocks;

constexpr int Relays = 4;

} // namespace

SCE::SCE(quint8 number) : ModulType(number)
{
    m_name = tr("SCE");
    m_type = 0x53;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCE::declareSettings()
{
    addSettings(Shared::Context, Shared::head, int(std::size(Shared::head)));
    const int settings = int(std::size(Shared::relayBlock));
    Shared::BlockLayout layout;
    for (int relay = 1; relay <= Relays; ++relay) {
        addSettings(Shared::Context, Shared::relayBlock, settings,
                    layout.next(relay, Shared::RelayBlockBytes, settings));
    }
    return 0;
}

// The unit labels most overload faults with L2 whichever relay has them; its texts are kept.
void SCE::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCE", "L1 - brak ciągłości obwodu styków PK 1")},
        {1, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {2, QT_TRANSLATE_NOOP("SCE", "L2 - brak ciągłości obwodu styków PK 2")},
        {3, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {4, QT_TRANSLATE_NOOP("SCE", "L3 - brak ciągłości obwodu styków PK 3")},
        {5, QT_TRANSLATE_NOOP("SCE", "L2 - przeciążenie lub brak wysterowania")},
        {6, QT_TRANSLATE_NOOP("SCE", "L4 - brak ciągłości obwodu styków PK 4")},
        {7, QT_TRANSLATE_NOOP("SCE", "L2 - brak wysterowania")},
    });
}
