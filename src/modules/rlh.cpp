#include "rlh.h"

#include "config/setting.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr quint32 Max24 = 16777215;
constexpr int RelayBlockSize = 18;

const SettingRow declaration = {QT_TRANSLATE_NOOP("RLH", "Deklaracja modułu"),
                                QT_TRANSLATE_NOOP("RLH", "Moduł aktywny/nieaktywny"), 0, 1, 0, 1,
                                0, 0, Setting::YesNo, 50, true, 0};

// Relay PKk, k = 1 or 2, at offsets 1 and 19. Mode and criterion take their comments and the
// criterion its default from relayTexts.
const SettingRow relayBlock[] = {
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - tryb pracy"), nullptr, 0, 5, 0, 1, 1, 1,
     Setting::Option, 52, true, 6},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - kryterium wysterowania"), nullptr, 0, 10, 0, 1, 2,
     2, Setting::Option, 53, true, 8},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania"),
     QT_TRANSLATE_NOOP("RLH", "Czas opóźnienia wysterowania"), 0, Max24, 0, 4, 3, 3,
     Setting::Duration, 54, true, 0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - T2 - czas wysterowania"),
     QT_TRANSLATE_NOOP("RLH", "Czas wysterowania"), 0, Max24, 0, 4, 7, 7, Setting::Duration, 55,
     true, 0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - T3 - czas przerwy wysterowania"),
     QT_TRANSLATE_NOOP("RLH", "Czas przerwy"), 0, Max24, 0, 4, 11, 11, Setting::Duration, 56, true,
     0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK%1 - liczba impulsów"),
     QT_TRANSLATE_NOOP("RLH", "Liczba impulsów"), 0, Max24, 0, 4, 15, 15, Setting::Number, 57,
     true, 0},
};

struct RelayTexts
{
    const char *modeComment;
    const char *criterionComment;
    quint32 criterionDefault;
};

// Only PK1 starts on the general alarm criterion.
const RelayTexts relayTexts[2] = {
    {QT_TRANSLATE_NOOP("RLH", "...."), QT_TRANSLATE_NOOP("RLH", "w opracowaniu"), 1},
    {QT_TRANSLATE_NOOP("RLH", "..."), QT_TRANSLATE_NOOP("RLH", "w opracowaniu .."), 0},
};

// Control line LKk at offsets 37 and 39; only two modes are allowed here.
const SettingRow lineBlock[] = {
    {QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK%1 - tryb pracy"), QT_TRANSLATE_NOOP("RLH", "..."),
     0, 1, 0, 1, 37, 37, Setting::Option, 64, true, 4},
    {QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK%1 - czas Tk%1"),
     QT_TRANSLATE_NOOP("RLH", "Czas potwierdzenia zadziałania w trybie 1"), 0, 240, 0, 1, 38, 38,
     Setting::Duration, 65, true, 0},
};

// Zone n of relay PKk at offset 32 + 8k + n.
const SettingRow zone = {QT_TRANSLATE_NOOP("RLH", "PK%1 - strefa LNM nr %2"),
                         QT_TRANSLATE_NOOP("RLH",
                                           "Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO"),
                         0, 4, 0, 1, 32, 32, Setting::Option, 91, true, 3};

// Added after the zones; the index shows each among its relay's timers. Ids 129 repeat.
const SettingRow tail[] = {
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK1 - czas TKA"),
     QT_TRANSLATE_NOOP("RLH", "Czas opóźnienia wyłączenia po kasowaniu"), 0, 65535, 0, 2, 57, 12,
     Setting::Duration, 128, true, 0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK2 - czas TKA"),
     QT_TRANSLATE_NOOP("RLH", "Czas opóźnienia wyłączenia po kasowaniu"), 0, 65535, 0, 2, 59, 30,
     Setting::Duration, 129, true, 0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK1 - czas TP[minuty]"),
     QT_TRANSLATE_NOOP("RLH",
                       "Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]"),
     0, 240, 0, 1, 61, 12, Setting::Number, 129, true, 0},
    {QT_TRANSLATE_NOOP("RLH", "Przekaźnik PK2 - czas TP[minuty]"),
     QT_TRANSLATE_NOOP("RLH",
                       "Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]"),
     0, 240, 0, 1, 62, 30, Setting::Number, 129, true, 0},
};

} // namespace

RLH::RLH(quint8 number) : ModulType(number)
{
    m_name = tr("RLH");
    m_type = 0x80;
    m_description = tr("Moduł Przekaźników Wysokonapięciowych");
    declareSettings();
}

int RLH::declareSettings()
{
    addSetting(declaration);
    for (int relay = 1; relay <= 2; ++relay) {
        const int b = RelayBlockSize * (relay - 1);
        const BlockShift shift = {relay, b, b, int(std::size(relayBlock)) * (relay - 1)};
        const RelayTexts &texts = relayTexts[relay - 1];
        SettingRow rows[std::size(relayBlock)];
        std::copy(std::begin(relayBlock), std::end(relayBlock), rows);
        rows[0].comment = texts.modeComment;
        rows[1].comment = texts.criterionComment;
        rows[1].value = texts.criterionDefault;
        addSettings(rows, int(std::size(rows)), shift);
    }
    for (int line = 1; line <= 2; ++line) {
        const int b = 2 * (line - 1);
        addSettings(lineBlock, int(std::size(lineBlock)), {line, b, b, b});
    }
    for (int relay = 1; relay <= 2; ++relay) {
        for (int n = 1; n <= 8; ++n) {
            const int b = 8 * relay + n;
            addSetting(zone, {relay, b, b, b, n});
        }
    }
    addSettings(tail, int(std::size(tail)));
    return 0;
}

void RLH::initFaultTexts()
{
    fillFaultTexts({
        {0, QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK1 – zwarcie")},
        {1, QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK1 – przerwa")},
        {2, QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK2 – zwarcie")},
        {3, QT_TRANSLATE_NOOP("RLH", "Linia kontrolna LK2 – przerwa")},
        {4, "4"}, {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"},
        {9, "9"}, {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"},
        {14, QT_TRANSLATE_NOOP("RLH", "Flash – błąd sumy kontrolnej")},
        {15, QT_TRANSLATE_NOOP("RLH", "Wersja oprogramowania")},
    });
}
