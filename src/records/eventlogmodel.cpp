#include "records/eventlogmodel.h"

EventLogModel::EventLogModel(const QList<EventEntry> &entries, QObject *parent)
    : QAbstractTableModel(parent)
{
    // The unit sends its oldest entry first; the technician wants the newest on top.
    m_entries.reserve(entries.size());
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        m_entries.append(*it);
}

int EventLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int EventLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString EventLogModel::text(const EventEntry &entry, int column) const
{
    switch (column) {
    case DateColumn:
        return Pamietnik::dateTimeText(entry);
    case EventColumn:
        return Pamietnik::eventText(entry);
    case ModuleColumn:
        return Pamietnik::moduleText(entry);
    }
    return QString();
}

QVariant EventLogModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(m_entries.at(index.row()), index.column());
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
        && section < m_entries.size())
        return registerIndex(section) + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}
