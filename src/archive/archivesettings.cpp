#include "archive/archivesettings.h"

#include "store/dbmanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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
const char *const kSslModes[] = {"verify-full", "require", "prefer"};
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
    // Where libpq looks for the root certificate when no other file is named.
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(QString::fromLocal8Bit(qgetenv("APPDATA")))
            + QStringLiteral("/postgresql/root.crt");
#else
    return QDir::homePath() + QStringLiteral("/.postgresql/root.crt");
#endif
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
