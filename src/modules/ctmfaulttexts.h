#pragma once

#include "config/modul.h"

#include <QCoreApplication>

// The main control module's fault texts. The address-only extinguishing modules report their
// faults with the same texts; each fills its own class table from these rows.
inline const FaultTextRow ctmFaultTexts[] = {
    {0, QT_TRANSLATE_NOOP("CTM", "LNM nr 1 – brak łączności ")},
    {1, QT_TRANSLATE_NOOP("CTM", "LNM nr 2 – brak łączności ")},
    {2, QT_TRANSLATE_NOOP("CTM", "LNM nr 3 – brak łączności ")},
    {3, QT_TRANSLATE_NOOP("CTM", "LNM nr 4 – brak łączności ")},
    {4, QT_TRANSLATE_NOOP("CTM", "LNM nr 5 – brak łączności ")},
    {5, QT_TRANSLATE_NOOP("CTM", "LNM nr 6 – brak łączności ")},
    {6, QT_TRANSLATE_NOOP("CTM", "LNM nr 7 – brak łączności ")},
    {7, QT_TRANSLATE_NOOP("CTM", "LNM nr 8 – brak łączności ")},
    {8, QT_TRANSLATE_NOOP("CTM", "RLH nr 1 – brak łączności ")},
    {9, QT_TRANSLATE_NOOP("CTM", "RLH nr 2 – brak łączności ")},
    {10, QT_TRANSLATE_NOOP("CTM", "RLH nr 3 – brak łączności ")},
    {11, QT_TRANSLATE_NOOP("CTM", "RLH nr 4 – brak łączności ")},
    {12, QT_TRANSLATE_NOOP("CTM", "PSV nr 1 – brak łączności ")},
    {13, QT_TRANSLATE_NOOP("CTM", "PSV nr 2 – brak łączności ")},
    {14, QT_TRANSLATE_NOOP("CTM", "PSV nr 3 – brak łączności ")},
    {15, QT_TRANSLATE_NOOP("CTM", "PSV nr 4 – brak łączności ")},
    {16, QT_TRANSLATE_NOOP("CTM", "Linia alarmu zewnętrznego – zwarcie")},
    {17, QT_TRANSLATE_NOOP("CTM", "Linia alarmu zewnętrznego – przerwa")},
    {18, QT_TRANSLATE_NOOP("CTM", "Przekaźnik alarmu PKA – brak ciągłości")},
    {19, QT_TRANSLATE_NOOP("CTM", "Czujnik D/W – brak zasilania (bezpiecznik)")},
    {20, QT_TRANSLATE_NOOP("CTM", "Kalendarz - Brak synchronizacji zegara ")},
    {21, "21"},
    {22, "22"},
    {23, "23"},
    {24, "24"},
    {25, "25"},
    {26, "26"},
    {27, "27"},
    {28, "28"},
    {29, "29"},
    {30, QT_TRANSLATE_NOOP("CTM", "Flash – błąd sumy kontrolnej")},
    {31, QT_TRANSLATE_NOOP("CTM", "Wersja oprogramowania")},
};

inline void fillCtmFaultTexts(FaultTextTable &table)
{
    for (const FaultTextRow &row : ctmFaultTexts)
        table.insert(row.index, QCoreApplication::translate("CTM", row.text));
}
