#include "archive/archivesettings.h"

#include "archive/libpqfiles.h"

#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QUuid>

#include <utility>

namespace {
const char *const kSslModes[] = {"verify-full", "require", "prefer"};
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
    s.scope = ArchiveScope(AppSetting::number(db, AppSetting::ArchiveScope));
    // Only what reads as a UUID is a site: the list goes into queries as bound values, and
    // anything else in the row would only make the scope wrong.
    const QStringList sites =
            AppSetting::text(db, AppSetting::ArchiveScopeSites).split(QLatin1Char(','));
    for (const QString &site : sites) {
        const QUuid uuid(site.trimmed());
        const QString text = uuid.toString(QUuid::WithoutBraces);
        if (!uuid.isNull() && !s.sites.contains(text) && s.sites.size() < MaxSites)
            s.sites << text;
    }
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
        {AppSetting::ArchiveScopeSites, sites.join(QLatin1Char(','))},
    };
    for (const auto &row : rows)
        AppSetting::writeText(db, row.first, row.second);
    AppSetting::writeNumber(db, AppSetting::ArchiveScope, int(scope));
}

QString ArchiveSettings::connectOptions() const
{
    // A dead server must not hold a sync for minutes: the connection gives up after 4 s, and
    // keep-alives notice a peer that went away without closing. The password comes from the
    // password file that libpq finds itself; with TLS, channel binding makes libpq refuse any
    // server that asks for the password instead of proving it holds the certificate's key.
    QString options = QStringLiteral("sslmode=%1;connect_timeout=4;keepalives=1;"
                                     "keepalives_idle=5;keepalives_interval=2;keepalives_count=3;"
                                     "tcp_user_timeout=10000;application_name=ostrel-konfigurator")
                              .arg(sslMode);
    if (sslMode != QLatin1String("prefer"))
        options += QStringLiteral(";channel_binding=require");
    return options;
}

QString ArchiveSettings::caFilePath()
{
    // Where libpq looks for the root certificate: the one place the dialog copies a chosen one.
    return LibpqFiles::rootCertificate();
}

bool ArchiveSettings::installCaFile(const QString &source, QString *error)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024) {
        *error = file.errorString();
        return false;
    }
    const QByteArray pem = file.readAll();
    if (!pem.contains("-----BEGIN CERTIFICATE-----")) {
        *error = QCoreApplication::translate("ArchiveSettings",
                                             "to nie jest certyfikat w formacie PEM");
        return false;
    }
    const QString target = caFilePath();
    QDir().mkpath(QFileInfo(target).path());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(pem) != pem.size() || !out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

bool ArchiveSettings::driverAvailable()
{
    return QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"));
}
