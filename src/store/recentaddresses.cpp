#include "store/recentaddresses.h"

#include "store/dbmanager.h"

namespace {
AppSetting::Key slot(int i)
{
    return AppSetting::Key(AppSetting::TcpAddress1 + i);
}
} // namespace

QStringList RecentAddresses::load(DbManager *store)
{
    QStringList addresses;
    for (int i = 0; i < Capacity; ++i) {
        const QString address = QString::fromUtf8(store->readAppSetting(slot(i))).trimmed();
        if (!address.isEmpty() && !addresses.contains(address))
            addresses << address;
    }
    return addresses;
}

void RecentAddresses::remember(DbManager *store, const QString &address)
{
    QStringList addresses = load(store);
    addresses.removeAll(address);
    addresses.prepend(address);
    for (int i = 0; i < Capacity; ++i)
        store->updateAppSetting(slot(i), addresses.value(i).toUtf8());
}
