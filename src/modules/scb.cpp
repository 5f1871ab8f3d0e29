#include "scb.h"

#include "extinguishingblocks.h"
#include "config/setting.h"

#include <iterator>
#include <vector>

namespace {

namespace Shared = ExtinguishingBlocks;

const char *const Dots = QT_TRANSLATE_NOOP("SCB", "...");

// Line blocks are assembled from the parts below; offsets and indexes are relative to the block.
// Every part's ids are those of the input/output lines: 1, 2 and then 3.
const SettingRow controlLineZone = {QT_TRANSLATE_NOOP("SCB", "L%1 - Numer strefy"), Dots, 0, 3,
                                    0, 1, 0, 0, Setting::Option, 1, true, 16};
const SettingRow controlLineDeclaration = {
    QT_TRANSLATE_NOOP("SCB", "L%1 - Deklaracja Linii kontrolnej"), Dots, 0, 1, 0, 1, 1, 1,
    Setting::Option, 2, true, 17};
const SettingRow controlLineDeclarationL2 = {
    QT_TRANSLATE_NOOP("SCB", "L%1 - Deklaracja linii kontrolnej"), Dots, 0, 1, 0, 1, 1, 1,
    Setting::Option, 2, true, 17};

const SettingRow ioLineZone = {QT_TRANSLATE_NOOP("SCB", "L%1 - numer strefy"), Dots, 0, 3, 0, 1,
                               0, 0, Setting::Option, 1, true, 16};
// L7 and L8, L9 and L10, L11 to L16 offer different declarations.
const SettingRow ioLineDeclarations[] = {
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Deklaracja wyjścia/wejścia"), Dots, 0, 3, 0, 1, 1, 1,
     Setting::Option, 2, true, 24},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Deklaracja wyjścia/wejścia"), Dots, 0, 5, 0, 1, 1, 1,
     Setting::Option, 2, true, 39},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Deklaracja wyjścia/wejścia"), Dots, 0, 5, 0, 1, 1, 1,
     Setting::Option, 2, true, 40},
};

const SettingRow controlRows[] = {
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Kontrolna - Funkcja wejścia"), Dots, 0, 12, 0, 1, 2, 2,
     Setting::Option, 3, true, 21},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Kontrolna - Stan"), Dots, 0, 6, 0, 1, 3, 3,
     Setting::Option, 3, true, 22},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Kontrolna - Ilość stanów"), Dots, 0, 1, 0, 1, 4, 4,
     Setting::Option, 3, true, 23},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Kontrolna - Opóźnienie X"), Dots, 0, 1000, 0, 2, 5, 5,
     Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Kontrolna - Opóźnienie Y"), Dots, 0, 1000, 0, 2, 7, 6,
     Setting::Duration, 3, true, 0},
};

const SettingRow potentialRows[] = {
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Grupa wyjść"), Dots, 0, 4, 0, 1, 9, 7,
     Setting::Option, 3, true, 26},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Kryterium 1"), Dots, 0, 14, 0, 1, 10, 8,
     Setting::Option, 3, true, 25},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Kryterium 2"), Dots, 0, 7, 0, 1, 11, 9,
     Setting::Option, 3, true, 27},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Logika"), Dots, 0, 1, 0, 1, 12, 10,
     Setting::Option, 3, true, 50},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia"), Dots, 1,
     4, 1, 1, 13, 11, Setting::Option, 3, true, 28},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton"), Dots,
     0, 5940, 0, 2, 14, 12, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff"), Dots,
     0, 5940, 0, 2, 16, 13, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - czas trwania impulsu T-imp"), Dots, 0,
     5940, 0, 2, 18, 14, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw"), Dots, 0,
     5940, 0, 2, 20, 15, Setting::Duration, 3, true, 0},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Potencjałowa - Liczba impulsów N-imp"), Dots, 0, 99, 0,
     1, 22, 16, Setting::Number, 3, true, 0},
};

const SettingRow detectionRows[] = {
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Dozorowa - Wstępne kasowanie"), Dots, 0, 3, 0, 1, 23,
     17, Setting::Option, 3, true, 52},
    {QT_TRANSLATE_NOOP("SCB", "L%1 - Linia Dozorowa - Opóźnienie"), Dots, 0, 1, 0, 1, 24, 18,
     Setting::Option, 3, true, 29},
};


using Rows = std::vector<SettingRow>;

template<std::size_t N>
void append(Rows &rows, const SettingRow (&part)[N])
{
    rows.insert(rows.end(), std::begin(part), std::end(part));
}

Rows lineBlock(int line)
{
    Rows rows;
    if (line <= 6) {
        rows = {controlLineZone, line == 2 ? controlLineDeclarationL2 : controlLineDeclaration};
    } else {
        rows = {ioLineZone, ioLineDeclarations[line <= 8 ? 0 : line <= 10 ? 1 : 2]};
    }
    append(rows, controlRows);
    if (line >= 7)
        append(rows, potentialRows);
    if (line >= 11)
        append(rows, detectionRows);
    // The control lines number their rows on, seven ids per line; L6 does so for its first two
    // rows only, the rest keep id 3 like every other block.
    if (line <= 6) {
        const int numbered = line <= 5 ? int(rows.size()) : 2;
        for (int row = 0; row < numbered; ++row)
            rows[row].id = 7 * (line - 1) + 1 + row;
    }
    return rows;
}

Rows relayRows()
{
    Rows rows;
    append(rows, Shared::relayBlock);
    return rows;
}

int blockBytes(const Rows &rows)
{
    return rows.back().offset + rows.back().size;
}

} // namespace

SCB::SCB(quint8 number) : ModulType(number)
{
    m_name = tr("SCB");
    m_type = 0x55;
    m_description = tr("Moduł Główny Sterowania");
    declareSettings(number == 1);
    initFaultTexts();
}

int SCB::declareSettings()
{
    return declareSettings(true);
}

int SCB::declareSettings(bool firstModule)
{
    // SCB nr 1 is always present: its declaration is fixed. Any other SCB may be left out.
    SettingRow declaration = Shared::head[0];
    if (firstModule) {
        declaration.minimum = declaration.value = 1;
        declaration.editable = false;
    }
    addSetting(Shared::Context, declaration);
    addSetting(Shared::Context, Shared::head[1]);
    // SCB nr 1 serves zone 1 and any other SCB zone 2, unless the technician changes it.
    const quint32 zone = firstModule ? 0 : 1;
    Shared::BlockLayout layout;
    for (int block = 1; block <= 22; ++block) {
        const bool relay = block > 16;
        const int number = relay ? block - 16 : block;
        Rows rows = relay ? relayRows() : lineBlock(number);
        rows.front().value = zone;
        addSettings(relay ? Shared::Context : "SCB", rows.data(), int(rows.size()),
                    layout.next(number, blockBytes(rows), int(rows.size())));
    }
    return 0;
}

void SCB::initFaultTexts()
{
    // Five faults per line; L17 to L22 report the relay circuits PK1 to PK6.
    static const char *const lineFaults[] = {
        QT_TRANSLATE_NOOP("SCB", "L%1 - przerwa"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - zwarcie"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - przeciążenie lub brak wysterowania"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - brak stanu aktywnego X urządz. zewn."),
        QT_TRANSLATE_NOOP("SCB", "L%1 - brak stanu aktywnego Y urządz. zewn."),
    };
    static const char *const relayFaults[] = {
        QT_TRANSLATE_NOOP("SCB", "L%1 - brak ciągłości obwodu styków PK %2"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - ---"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - przeciążenie lub brak wysterowania"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - ---"),
        QT_TRANSLATE_NOOP("SCB", "L%1 - ---"),
    };
    // The unit's texts break the pattern here; they are kept as the unit has them.
    static const FaultTextRow exceptions[] = {
        {44, QT_TRANSLATE_NOOP("SCB", "L9 - brak stanu aktywnego Y")},
        {59, QT_TRANSLATE_NOOP("SCB", "L12 - brak stanu aktywnego Y urządz. zewn. ")},
        {69, QT_TRANSLATE_NOOP("SCB", "L14 - brak stanu aktywnego Y urządz. zewn.  ")},
        {74, QT_TRANSLATE_NOOP("SCB", "L15 - brak stanu aktywnego Y urządz. zewn. ")},
        {84, QT_TRANSLATE_NOOP("SCB", "L17 - ---  ")},
        {89, QT_TRANSLATE_NOOP("SCB", "L18 - --  ")},
        {94, QT_TRANSLATE_NOOP("SCB", "L19 - --- ")},
        {98, QT_TRANSLATE_NOOP("SCB", "L20 - ---.")},
        {99, QT_TRANSLATE_NOOP("SCB", "L20 - ---       ")},
    };

    for (int line = 1; line <= 22; ++line) {
        const bool relay = line > 16;
        for (int k = 0; k < 5; ++k) {
            QString text = tr(relay ? relayFaults[k] : lineFaults[k]).arg(line);
            if (relay && k == 0)
                text = text.arg(line - 16);
            s_faultTexts.insert(5 * (line - 1) + k, text);
        }
    }
    for (const FaultTextRow &row : exceptions)
        s_faultTexts.insert(row.index, tr(row.text));
}
