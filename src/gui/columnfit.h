#pragma once

#include "pagecutter.h"

#include <QString>
#include <QTextLength>
#include <QVector>

#include <atomic>

class QPagedPaintDevice;
class QTextTable;

// Qt sizes a table's columns by the widest content of each over all its rows, which a slice of
// a long table does not hold. Column fitting finds the widths the whole table would take, so
// that every slice lays its columns out alike.
namespace ColumnFit {

// The fixed column widths for the report's last table, whose data rows start at `rows` (the
// last entry: where its "</table" starts). A probe with the header and the rows of each
// column's longest word and longest text gets the whole table's widths; a column of set width
// whose texts are all short (a date, a module) widens to keep each on one line, while the free
// columns keep two thirds of their room. `columns` stays empty when there is no table to fit;
// false when cancelled.
bool fit(const QString &html, const QVector<int> &rows, QPagedPaintDevice *device,
         const PageCutter::PageSetup &setup, const std::atomic<bool> &cancelled,
         QVector<QTextLength> *columns);

// Gives the table those widths, and makes it as wide as its columns.
void setColumns(QTextTable *table, const QVector<QTextLength> &columns);

} // namespace ColumnFit
