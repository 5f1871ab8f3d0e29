#pragma once

#include "records/pamietnik.h"

#include <QAbstractTableModel>
#include <QVector>

// The event register as a table, newest entry first: date, event and module texts, made only
// for the rows on screen, so that a register of some 65,000 entries opens at once.
class EventLogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { DateColumn, EventColumn, ModuleColumn, ColumnCount };

    explicit EventLogModel(const QList<EventEntry> &entries, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const EventEntry &entry(int row) const { return m_entries.at(row); }
    // The entry's place in the register, 0 for the first record; the row header shows it
    // counted from 1, as the report and the CSV export number the entries.
    int registerIndex(int row) const { return m_entries.size() - 1 - row; }

private:
    QString text(const EventEntry &entry, int column) const;

    QVector<EventEntry> m_entries; // display order: last record of the register first
};
