#include "store/wholelist.h"

#include <QSqlQueryModel>

void loadWholeList(QSqlQueryModel *model, const QString &sql, const QSqlDatabase &db)
{
    model->setQuery(sql, db);
    // SQLite ends the statement, and its read, once its last row was read.
    while (model->canFetchMore())
        model->fetchMore();
}
