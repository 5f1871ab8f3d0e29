#include "scg.h"

#include "extinguishingblocks.h"

#include <iterator>

namespace {

namespace Shared = ExtinguishingBlocks;

constexpr int Lines = 4;

} // namespace

SCG::SCG(quint8 number) : ModulType(number)
{
    m_name = tr("SCG");
    m_type = 0x51;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCG::declareSettings()
{
    addSettings(Shared::Context, Shared::head, int(std::size(Shared::head)));
    const int settings = int(std::size(Shared::potentialLineBlock));
    Shared::BlockLayout layout;
    for (int line = 1; line <= Lines; ++line) {
        addSettings(Shared::Context, Shared::potentialLineBlock, settings,
                    layout.next(line, Shared::PotentialLineBlockBytes, settings));
    }
    return 0;
}

void SCG::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCG", "L1 - przerwa")},
        {1, QT_TRANSLATE_NOOP("SCG", "L1 - zwarcie")},
        {2, QT_TRANSLATE_NOOP("SCG", "L1 - przeciążenie lub brak wysterowania")},
        {3, QT_TRANSLATE_NOOP("SCG", "L2 - przerwa")},
        {4, QT_TRANSLATE_NOOP("SCG", "L2 - zwarcie")},
        {5, QT_TRANSLATE_NOOP("SCG", "L2 - przeciążenie lub brak wysterowania")},
        {6, QT_TRANSLATE_NOOP("SCG", "L3 - przerwa")},
        {7, QT_TRANSLATE_NOOP("SCG", "L3 - zwarcie")},
        {8, QT_TRANSLATE_NOOP("SCG", "L3 - przeciążenie lub brak wysterowania")},
        {9, QT_TRANSLATE_NOOP("SCG", "L4 - przerwa")},
        {10, QT_TRANSLATE_NOOP("SCG", "L4 - zwarcie")},
        {11, QT_TRANSLATE_NOOP("SCG", "L4 - przeciążenie lub brak wysterowania")},
    });
}
