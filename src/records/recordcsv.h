#pragma once

#include "records/pamietnik.h"
#include "records/softwareversions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QVector>

class Modul;

// The stored records as CSV files for a spreadsheet (see CsvWriter), one row per entry under a
// row of column titles.
class RecordCsv
{
    Q_DECLARE_TR_FUNCTIONS(RecordCsv)
public:
    // Lp, Data, Moduł, Zdarzenie, Kod, Usunięte: the whole register in its order, or only the
    // entries at the given register indexes (0 = first record), in the given order.
    static QByteArray events(const QList<EventEntry> &entries);
    static QByteArray events(const QList<EventEntry> &entries, const QVector<int> &indexes);
    // Lp, Moduł, Uszkodzenie: one row per active fault, modules in the list's order.
    static QByteArray faults(const QList<Modul *> &modules);
    // Lp, Nazwa, Numer, Wersja, Suma CRC: the positions that hold a module, numbered by their
    // place in the list as the report numbers them.
    static QByteArray software(const QList<SoftwareVersion> &versions);
};
