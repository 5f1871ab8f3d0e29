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
    QString sslMode = QStringLiteral("prefer"); // prefer, require or verify-full
    QString technician;

    static ArchiveSettings load(DbManager *store);
    void save(DbManager *store) const;
    bool isConfigured() const { return !host.isEmpty() && !user.isEmpty(); }
    // libpq keywords for QSqlDatabase::setConnectOptions.
    QString connectOptions() const;
    static bool driverAvailable();
};
