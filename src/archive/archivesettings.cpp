#include "archive/archivesettings.h"

#include "store/dbmanager.h"

#include <QSqlDatabase>

#include <utility>

namespace {
const char *const kSslModes[] = {"prefer", "require", "verify-full"};
} // namespace

ArchiveSettings ArchiveSettings::load(DbManager *store)
{
    const QSqlDatabase db = store->database();
    ArchiveSettings s;
    s.host = AppSetting::text(db, AppSetting::ArchiveHost);
    s.port = AppSetting::number(db, AppSetting::ArchivePort);
    s.database = AppSetting::text(db, AppSetting::ArchiveDatabase);
    s.user = AppSetting::text(db, AppSetting::ArchiveUser);
    const QString sslMode = AppSetting::text(db, AppSetting::ArchiveSslMode);
    for (const char *mode : kSslModes) {
        if (sslMode == QLatin1String(mode))
            s.sslMode = sslMode;
    }
    s.technician = AppSetting::text(db, AppSetting::ArchiveTechnician);
    return s;
}

void ArchiveSettings::save(DbManager *store) const
{
    const QSqlDatabase db = store->database();
    const std::pair<AppSetting::Key, QString> rows[] = {
        {AppSetting::ArchiveHost, host},
        {AppSetting::ArchivePort, QString::number(port)},
        {AppSetting::ArchiveDatabase, database},
        {AppSetting::ArchiveUser, user},
        {AppSetting::ArchiveSslMode, sslMode},
        {AppSetting::ArchiveTechnician, technician},
    };
    for (const auto &row : rows)
        AppSetting::writeText(db, row.first, row.second);
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
