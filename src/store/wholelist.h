#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQueryModel;

// Fills a list model with every row of `sql` at once and lets the statement end. A model that
// fetched only its first rows (QSqlQueryModel takes 256 at a time) keeps its statement open,
// and an open read on SQLite stops every other connection's commit, such as the archive
// sync's, for as long as the list is shown.
void loadWholeList(QSqlQueryModel *model, const QString &sql, const QSqlDatabase &db);
