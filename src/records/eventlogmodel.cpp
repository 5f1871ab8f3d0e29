#include "records/eventlogmodel.h"

EventLogModel::EventLogModel(const QByteArray &data, QObject *parent)
    : QAbstractTableModel(parent), m_data(data), m_count(data.size() / Pamietnik::RecordSize)
{
    // Checking the dates costs little; the record lines cost nothing while their category
    // is off.
    for (int i = 0; i < m_count; ++i) {
        const char *record = m_data.constData() + i * Pamietnik::RecordSize;
        const int year = qint8(record[0]) + 2000;
        Pamietnik::logRecord(record, QDate::isValid(year, qint8(record[1]), qint8(record[2])));
    }
}

int EventLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int EventLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventLogModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    EventEntry light;
    light.code = code(index.row());
    light.type = source(index.row()) & 0xF0;
    light.number = source(index.row()) & 0x0F;
    switch (index.column()) {
    case DateColumn:
        // Only the date needs the full decoding, for its local time.
        return Pamietnik::dateTimeText(entry(index.row()));
    case EventColumn:
        return Pamietnik::eventText(light);
    case ModuleColumn:
        return Pamietnik::moduleText(light);
    }
    return QVariant();
}

QVariant EventLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case DateColumn:
            return tr("Data");
        case EventColumn:
            return tr("Zdarzenie");
        case ModuleColumn:
            return tr("Moduł");
        }
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0
        && section < m_count)
        return registerIndex(section) + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}
