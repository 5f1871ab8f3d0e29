#pragma once

#include "store/appsetting.h"

#include <QStringList>

class DbManager;

// The last TCP addresses the link was opened on, newest first, offered again by the connect
// dialog. They are the application settings TcpAddress1 to TcpAddress5.
class RecentAddresses
{
public:
    static constexpr int Capacity = AppSetting::TcpAddress5 - AppSetting::TcpAddress1 + 1;

    static QStringList load(DbManager *store);
    // Puts the address first (once), keeps the newest Capacity and stores them.
    static void remember(DbManager *store, const QString &address);
};
