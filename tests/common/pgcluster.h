#pragma once

#include "archive/archivesettings.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// A throwaway PostgreSQL cluster for the archive's tests and benchmark: initdb and pg_ctl in a
// temporary folder, run as an unprivileged user when we are root (PostgreSQL refuses root),
// listening on a free port of 127.0.0.1 with password logins only, over TLS under a CA of its
// own. The passwords live in a
// temporary PGPASSFILE, as they would on a technician's laptop. Stopped on destruction.
class PgCluster
{
public:
    PgCluster();
    ~PgCluster(); // also removes the password file
    PgCluster(const PgCluster &) = delete;
    PgCluster &operator=(const PgCluster &) = delete;

    // initdb, start, database "ostrel" with the shipped schema, technician logins
    // "tech_a" and "tech_b", and "tech_wrong" whose password file entry is wrong.
    // Empty on success, otherwise what failed.
    QString setUp();
    bool start();
    void stop();

    int port() const { return m_port; }
    // Settings of a technician login (tech_a, tech_b) or the superuser (ostrel_super).
    ArchiveSettings settings(const QString &user) const;
    // The schema the project ships, as the cluster applied it.
    static QString schemaFile();
    static ArchiveSettings settings(int port, const QString &user);
    // Runs SQL as a login (the superuser by default); empty on success, else the error.
    QString sql(const QString &statement, const QString &user = QStringLiteral("ostrel_super"),
                const QString &database = QStringLiteral("ostrel"),
                QVariant *firstValue = nullptr) const;
    // Runs scripts/archive-server with the arguments, as the superuser on database "ostrel";
    // its output, or an empty string with *ok false when it failed.
    QString admin(const QStringList &arguments, bool *ok) const;
    // The first value of a superuser query in database "ostrel".
    QVariant value(const QString &statement) const;
    QString log() const;
    // The CA that signed the server's certificate (PGSSLROOTCERT points at it), and one that
    // signed nothing the server has.
    QString caFile() const;
    QString foreignCaFile() const;

private:
    // A server program as the cluster's user, or (server false) any program as ourselves.
    bool run(const QString &program, const QStringList &arguments, QString *output = nullptr,
             bool server = true);
    QString m_bin;
    QTemporaryDir m_dir;
    int m_port = 0;
    QString m_passFile;
};
