#pragma once

#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "visits/visitstore.h"

#include <QTemporaryDir>

// Every table start-up creates (createStoreTables), for the tests below the windows: the
// store's own, then the visits' and the archive's.
inline int initStoreTables(DbManager &store)
{
    const int result = store.initTables();
    VisitStore::createTables(store.database());
    LocalArchive::createTables(store.database());
    return result;
}

// A laptop's store of its own in a temporary folder, with every table start-up creates.
struct TempStore
{
    explicit TempStore(const QString &connection) : store(connection)
    {
        store.openDatabase(dir.path());
        initStoreTables(store);
    }
    QString file() const { return dir.filePath(QStringLiteral("ostrel.db3")); }
    QTemporaryDir dir;
    DbManager store;
};
