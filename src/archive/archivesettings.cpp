#include "archive/archivesettings.h"

#include "store/dbmanager.h"

#include <QSqlDatabase>
#include <QStringList>

#include <iterator>

namespace {
struct Row
{
    uint id;
    const char *name;
};
const Row kRows[] = {
    {ArchiveSettings::HostSetting, "S_ARCHIVE_HOST"},
    {ArchiveSettings::PortSetting, "S_ARCHIVE_PORT"},
    {ArchiveSettings::DatabaseSetting, "S_ARCHIVE_DATABASE"},
    {ArchiveSettings::UserSetting, "S_ARCHIVE_USER"},
    {ArchiveSettings::SslModeSetting, "S_ARCHIVE_SSLMODE"},
    {ArchiveSettings::TechnicianSetting, "S_ARCHIVE_TECHNICIAN"},
};
const char *const kSslModes[] = {"prefer", "require", "verify-full"};
} // namespace

ArchiveSettings ArchiveSettings::load(DbManager *store)
{
    ArchiveSettings s;
    QString values[std::size(kRows)];
    for (size_t i = 0; i < std::size(kRows); ++i)
        values[i] = QString::fromUtf8(store->readAppSetting(int(kRows[i].id)));
    s.host = values[0];
    bool ok = false;
    const int port = values[1].toInt(&ok);
    if (ok && port > 0 && port < 65536)
        s.port = port;
    if (!values[2].isEmpty())
        s.database = values[2];
    s.user = values[3];
    for (const char *mode : kSslModes) {
        if (values[4] == QLatin1String(mode))
            s.sslMode = values[4];
    }
    s.technician = values[5];
    return s;
}

void ArchiveSettings::save(DbManager *store) const
{
    const QString values[] = {host, QString::number(port), database, user, sslMode, technician};
    for (size_t i = 0; i < std::size(kRows); ++i)
        store->updateAppSetting(kRows[i].id, QString::fromLatin1(kRows[i].name),
                                values[i].toUtf8());
}

QString ArchiveSettings::connectOptions() const
{
    // A dead server must not hold a sync for minutes; the password comes from the password
    // file that libpq finds itself.
    return QStringLiteral("sslmode=%1;connect_timeout=5;application_name=ostrel-konfigurator")
            .arg(sslMode);
}

bool ArchiveSettings::driverAvailable()
{
    return QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"));
}
