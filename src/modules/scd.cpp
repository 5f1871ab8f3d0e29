#include "scd.h"

#include "extinguishingblocks.h"
#include "config/setting.h"

#include <iterator>

namespace {

const char *const Dots = QT_TRANSLATE_NOOP("SCD", "...");

// Both control lines carry the ids 15 to 21.
const SettingRow controlLineBlock[] = {
    {QT_TRANSLATE_NOOP("SCD", "L%1 - numer strefy"), Dots, 0, 3, 0, 1, 0, 0, Setting::Option, 15,
     true, 16},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Deklaracja linii kontrolnej"), Dots, 0, 1, 0, 1, 1, 1,
     Setting::Option, 16, true, 17},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Funkcja wejścia"), Dots, 0, 10, 0, 1, 2, 2, Setting::Option,
     17, true, 21},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Kryterium wysterowania"), Dots, 0, 5, 0, 1, 3, 3,
     Setting::Option, 18, true, 22},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Ilość stanów"), Dots, 0, 1, 0, 1, 4, 4, Setting::Option, 19,
     true, 23},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Opóźnienie X"), Dots, 0, 1000, 0, 2, 5, 5, Setting::Duration,
     20, true, 0},
    {QT_TRANSLATE_NOOP("SCD", "L%1 - Opóźnienie Y"), Dots, 0, 1000, 0, 2, 7, 6, Setting::Duration,
     21, true, 0},
};


struct Block
{
    const char *context;
    const SettingRow *rows;
    int count;
    int bytes;
    int number; // PK1, PK2, then L3 to L6
};

template<std::size_t N>
constexpr Block block(const char *context, const SettingRow (&rows)[N], int bytes, int number)
{
    return {context, rows, int(N), bytes, number};
}

namespace Shared = ExtinguishingBlocks;

// The blocks follow the head without gaps, in this order.
const Block blocks[] = {
    block(Shared::Context, Shared::relayBlock, Shared::RelayBlockBytes, 1),
    block(Shared::Context, Shared::relayBlock, Shared::RelayBlockBytes, 2),
    block("SCD", controlLineBlock, 9, 3),
    block("SCD", controlLineBlock, 9, 4),
    block(Shared::Context, Shared::potentialLineBlock, Shared::PotentialLineBlockBytes, 5),
    block(Shared::Context, Shared::potentialLineBlock, Shared::PotentialLineBlockBytes, 6),
};

} // namespace

SCD::SCD(quint8 number) : ModulType(number)
{
    m_name = tr("SCD");
    m_type = 0x50;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings();
    initFaultTexts();
}

int SCD::declareSettings()
{
    addSettings(Shared::Context, Shared::head, int(std::size(Shared::head)));
    Shared::BlockLayout layout;
    for (const Block &block : blocks) {
        addSettings(block.context, block.rows, block.count,
                    layout.next(block.number, block.bytes, block.count));
    }
    return 0;
}

void SCD::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("SCD", "L1 - brak ciągłości obwodu styków PK 1")},
        {1, QT_TRANSLATE_NOOP("SCD", "L1 - przeciążenie lub brak wysterowania PK 1")},
        {2, QT_TRANSLATE_NOOP("SCD", "L2 - brak ciągłości obwodu styków PK 2")},
        {3, QT_TRANSLATE_NOOP("SCD", "L2 - przeciążenie lub brak wysterowania PK 2")},
        {4, QT_TRANSLATE_NOOP("SCD", "L3 - przerwa LK 1")},
        {5, QT_TRANSLATE_NOOP("SCD", "L3 - zwarcie LK 1")},
        {6, QT_TRANSLATE_NOOP("SCD", "L3 - brak stanu aktywnego X urządz. zewn.")},
        {7, QT_TRANSLATE_NOOP("SCD", "L3 - brak stanu aktywnego Y urządz. zewn.")},
        {8, QT_TRANSLATE_NOOP("SCD", "L4 - przerwa LK 2")},
        {9, QT_TRANSLATE_NOOP("SCD", "L4 - zwarcie LK 2")},
        {10, QT_TRANSLATE_NOOP("SCD", "L4 - brak stanu aktywnego X urządz. zewn.")},
        {11, QT_TRANSLATE_NOOP("SCD", "L4 - brak stanu aktywnego Y urządz. zewn.")},
        {12, QT_TRANSLATE_NOOP("SCD", "L5 - przerwa")},
        {13, QT_TRANSLATE_NOOP("SCD", "L5 - zwarcie")},
        {14, QT_TRANSLATE_NOOP("SCD", "L5 - przeciążenie lub brak wysterowania")},
        {15, QT_TRANSLATE_NOOP("SCD", "L6 - przerwa")},
        {16, QT_TRANSLATE_NOOP("SCD", "L6 - zwarcie")},
        {17, QT_TRANSLATE_NOOP("SCD", "L6 - przeciążenie lub brak wysterowania")},
    });
}
