#include "archivemarkproxy.h"

#include "archive/localarchive.h"
#include "visits/visitsession.h"

#include <QBrush>
#include <QFont>

ArchiveMarkProxy::ArchiveMarkProxy(const QString &table, QObject *parent)
    : QIdentityProxyModel(parent), m_table(table)
{
}

void ArchiveMarkProxy::reload(const QSqlDatabase &db)
{
    m_withdrawn = LocalArchive(db).withdrawnIds(m_table);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0),
                         {Qt::FontRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

QVariant ArchiveMarkProxy::data(const QModelIndex &index, int role) const
{
    if (index.column() == 0 && role == Qt::DisplayRole)
        return VisitSession::shownRecordName(QIdentityProxyModel::data(index, role).toString());
    if (index.column() != 0 || m_withdrawn.isEmpty()
        || (role != Qt::FontRole && role != Qt::ForegroundRole && role != Qt::ToolTipRole)
        || !m_withdrawn.contains(index.sibling(index.row(), 1).data().toInt()))
        return QIdentityProxyModel::data(index, role);
    if (role == Qt::ToolTipRole)
        return tr("Wycofany z archiwum firmowego");
    if (role == Qt::ForegroundRole)
        return QBrush(Qt::gray);
    QFont font;
    font.setItalic(true);
    return font;
}
