#pragma once

#include <QString>

class DbManager;

// Where the company archive is and who signs the records. Stored as application settings; the
// password is deliberately not here: libpq reads it from the user's password file.
// The rows are AppSetting::ArchiveHost to ArchiveTechnician.
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
