#pragma once

#include "archive/localarchive.h"
#include "store/dbmanager.h"
#include "visits/visitstore.h"

// Every table start-up creates (createStoreTables), for the tests below the windows: the
// store's own, then the visits' and the archive's.
inline int initStoreTables(DbManager &store)
{
    const int result = store.initTables();
    VisitStore::createTables(store.database());
    LocalArchive::createTables(store.database());
    return result;
}
