#pragma once

#include <QStringList>

class DbManager;

// The last TCP addresses the link was opened on, newest first, offered again by the connect
// dialog. They are application settings rows of their own beside the language and font rows.
class RecentAddresses
{
public:
    static constexpr int Capacity = 5;
    static constexpr uint FirstSettingId = 21;

    static QStringList load(DbManager *store);
    // Puts the address first (once), keeps the newest Capacity and stores them.
    static void remember(DbManager *store, const QString &address);
};
