#pragma once

#include <QString>
#include <QStringList>

class DbManager;

// Which records' bytes a sync brings to this store; the catalogue of all comes always.
// Shown as "wszystko", "moje obiekty", "wybrane obiekty".
enum class ArchiveScope { Everything = 0, MySites = 1, ChosenSites = 2 };

// Where the company archive is and who signs the records. Stored as application settings; the
// password is deliberately not here: libpq reads it from the user's password file.
// The rows are AppSetting::ArchiveHost to ArchiveScopeSites.
struct ArchiveSettings
{
    QString host;
    int port = 5432;
    QString database = QStringLiteral("ostrel");
    QString user;
    // verify-full checks the server's certificate against the company CA and its name; prefer
    // sends the password to whoever answers and is only for a trial server on this computer.
    QString sslMode = QStringLiteral("verify-full"); // verify-full, require or prefer
    QString technician;
    ArchiveScope scope = ArchiveScope::MySites;
    QStringList sites; // site lines for ChosenSites, each a UUID, at most MaxSites
    static constexpr int MaxSites = 2000;

    static ArchiveSettings load(DbManager *store);
    void save(DbManager *store) const;
    bool isConfigured() const { return !host.isEmpty() && !user.isEmpty(); }
    // libpq keywords for QSqlDatabase::setConnectOptions.
    QString connectOptions() const;
    static bool driverAvailable();
    // Where the company CA certificate goes for verify-full.
    static QString caFilePath();
    // Copies a PEM certificate there; false with *error set otherwise.
    static bool installCaFile(const QString &source, QString *error);
};
