#pragma once

#include <QIdentityProxyModel>
#include <QSet>
#include <QSqlDatabase>

// A record list with the records withdrawn from the company archive marked: their names in
// italics and grey, with a tool tip. Rows are the source's (column 1 holds the id); a name
// the program gave at a visit is shown in the interface's language.
class ArchiveMarkProxy : public QIdentityProxyModel
{
    Q_OBJECT
public:
    ArchiveMarkProxy(const QString &table, QObject *parent);

    // Reads the marks again, after the list was.
    void reload(const QSqlDatabase &db);
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QString m_table;
    QSet<int> m_withdrawn;
};
