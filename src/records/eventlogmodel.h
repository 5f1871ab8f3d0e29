#pragma once

#include "records/pamietnik.h"

#include <QAbstractTableModel>
#include <QByteArray>

// The event register as a table, newest entry first: date, event and module texts. It keeps
// the stored bytes and decodes only the rows on screen, so that a register of some 65,000
// entries opens at once.
class EventLogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { DateColumn, EventColumn, ModuleColumn, ColumnCount };

    // Writes the decoder's debug lines for every record, as decoding the register does.
    explicit EventLogModel(const QByteArray &data, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The row's entry, decoded anew.
    EventEntry entry(int row) const { return Pamietnik::decodeRecord(record(row)); }
    // What filtering and sorting need of a row, read straight from its record.
    quint8 code(int row) const { return quint8(record(row)[6]); }
    quint8 source(int row) const { return quint8(record(row)[7]); }
    qint64 timeKey(int row) const { return Pamietnik::timeKey(record(row)); }
    // The entry's place in the register, 0 for the first record; the row header shows it
    // counted from 1, as the report and the CSV export number the entries.
    int registerIndex(int row) const { return m_count - 1 - row; }

private:
    // The unit sends its oldest entry first; the technician wants the newest on top.
    const char *record(int row) const
    {
        return m_data.constData() + registerIndex(row) * Pamietnik::RecordSize;
    }

    QByteArray m_data;
    int m_count;
};
