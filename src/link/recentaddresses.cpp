#include "recentaddresses.h"

#include "store/dbmanager.h"

QStringList RecentAddresses::load(DbManager *store)
{
    QStringList addresses;
    for (int i = 0; i < Capacity; ++i) {
        const QString address =
                QString::fromUtf8(store->readAppSetting(int(FirstSettingId) + i)).trimmed();
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
    for (int i = 0; i < Capacity; ++i) {
        store->updateAppSetting(FirstSettingId + uint(i),
                                QStringLiteral("S_TCP_ADDRESS_%1").arg(i + 1),
                                addresses.value(i).toUtf8());
    }
}
