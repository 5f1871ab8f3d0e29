#include "pgcluster.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const char *const kLogins[][2] = {{"ostrel_super", "super-secret"},
                                  {"tech_a", "a-secret"},
                                  {"tech_b", "b-secret"},
                                  {"tech_wrong", "not-its-password"}};
const QString kSuper = QString::fromLatin1(kLogins[0][0]);

bool asRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

// Hands a path to the user the cluster runs as (only needed when we are root).
bool giveToClusterUser(const QString &path)
{
#ifdef Q_OS_UNIX
    const passwd *nobody = asRoot() ? getpwnam("nobody") : nullptr;
    if (asRoot()
        && (!nobody || chown(QFile::encodeName(path), nobody->pw_uid, nobody->pw_gid) != 0))
        return false;
#endif
    Q_UNUSED(path);
    return true;
}
} // namespace

PgCluster::PgCluster()
{
    const QDir versions("/usr/lib/postgresql");
    for (const QString &dir :
         versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        if (QFile::exists(versions.filePath(dir + "/bin/initdb"))) {
            m_bin = versions.filePath(dir + "/bin");
            break;
        }
    }
}

PgCluster::~PgCluster()
{
    stop();
    if (!m_passFile.isEmpty())
        QFile::remove(m_passFile);
}

bool PgCluster::run(const QString &program, const QStringList &arguments, QString *output,
                    bool server)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString exe = server ? m_bin + '/' + program : program;
    if (!server)
        process.start(exe, arguments);
    else if (asRoot())
        process.start("runuser", QStringList{"-u", "nobody", "--", exe} + arguments);
    else
        process.start(exe, arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return ok;
}

QString PgCluster::setUp()
{
    if (m_bin.isEmpty())
        return "PostgreSQL server programs not found (package postgresql)";
    if (!m_dir.isValid())
        return "no temporary folder";
    const QString root = m_dir.path();
    if (!giveToClusterUser(root))
        return "cannot hand the cluster folder to nobody";
#ifdef Q_OS_UNIX
    chmod(QFile::encodeName(root), 0700);
#endif
    // The superuser's password reaches initdb through a file only the cluster user reads.
    const QString pwFile = root + "/pw";
    {
        QFile pw(pwFile);
        if (!pw.open(QIODevice::WriteOnly))
            return "cannot write the password file";
        pw.write(kLogins[0][1]);
    }
    giveToClusterUser(pwFile);
    QString out;
    if (!run("initdb",
             {"-D", root + "/data", "-U", kSuper, "--auth=scram-sha-256", "--pwfile=" + pwFile,
              "--no-sync", "-E", "UTF8"},
             &out))
        return "initdb failed: " + out;
    QFile::remove(pwFile);

    // TLS under a CA of the cluster's own, as a company server has, and a second CA that
    // signed nothing here: verify-full, the program's default, is what the tests use.
    const QString tls = root + "/tls";
    QDir().mkpath(tls);
    for (const QString &ca : {QString("ca"), QString("foreign-ca")}) {
        if (!run("openssl",
                 {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                  "/CN=" + ca, "-keyout", tls + "/" + ca + ".key", "-out", tls + "/" + ca + ".crt"},
                 &out, false))
            return "openssl failed: " + out;
    }
    QFile san(tls + "/san.ext");
    if (!san.open(QIODevice::WriteOnly) || san.write("subjectAltName=IP:127.0.0.1\n") < 0)
        return "cannot write the certificate extensions";
    san.close();
    if (!run("openssl",
             {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout",
              tls + "/server.key", "-out", tls + "/server.csr"},
             &out, false)
        || !run("openssl",
                {"x509", "-req", "-in", tls + "/server.csr", "-CA", tls + "/ca.crt", "-CAkey",
                 tls + "/ca.key", "-CAcreateserial", "-days", "2", "-extfile", tls + "/san.ext",
                 "-out", tls + "/server.crt"},
                &out, false))
        return "openssl failed: " + out;
    QFile::setPermissions(tls + "/server.key", QFile::ReadOwner | QFile::WriteOwner);
    for (const QString &file : {tls, tls + "/server.key", tls + "/server.crt"})
        giveToClusterUser(file);
    qputenv("PGSSLROOTCERT", QFile::encodeName(caFile()));

    // The password file lives beside the cluster, owned by us, readable by us only (libpq
    // ignores a password file that others can read).
    m_passFile = QDir::tempPath() + "/ostrel-pgpass-"
            + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!start())
        return "pg_ctl start failed: " + log();
    {
        QFile pass(m_passFile);
        if (!pass.open(QIODevice::WriteOnly))
            return "cannot write PGPASSFILE";
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        for (const auto &login : kLogins)
            pass.write(QString("127.0.0.1:%1:*:%2:%3\n")
                               .arg(m_port)
                               .arg(QString::fromLatin1(login[0]), QString::fromLatin1(login[1]))
                               .toUtf8());
    }
    qputenv("PGPASSFILE", QFile::encodeName(m_passFile));

    QString error = sql("CREATE DATABASE ostrel", kSuper, "postgres");
    QFile schema(QStringLiteral(OSTREL_ARCHIVE_SCHEMA));
    if (error.isEmpty() && !schema.open(QIODevice::ReadOnly))
        return "schema file missing";
    if (error.isEmpty() && !(error = sql(QString::fromUtf8(schema.readAll()))).isEmpty())
        return "schema: " + error;
    for (int i = 1; i < 4 && error.isEmpty(); ++i)
        error = sql(QString("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE ostrel_technician")
                            .arg(QString::fromLatin1(kLogins[i][0]),
                                 i == 3 ? "its-real-password" : kLogins[i][1]));
    // The names the archive signs their records with, as the administrator registers them.
    if (error.isEmpty())
        error = sql("INSERT INTO archive_technician (login, display_name) VALUES"
                    " ('tech_a', 'Anna Nowak'), ('tech_b', 'Bartosz Wiśniewski')");
    return error;
}

bool PgCluster::start()
{
    const QString root = m_dir.path();
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int port = m_port ? m_port : 20000 + int(QRandomGenerator::global()->bounded(30000));
        if (run("pg_ctl", {"-D", root + "/data", "-l", root + "/log", "-w", "-o",
                           QString("-p %1 -h 127.0.0.1 -k %2 -c fsync=off -c ssl=on"
                                   " -c ssl_cert_file=%2/tls/server.crt"
                                   " -c ssl_key_file=%2/tls/server.key")
                                   .arg(port)
                                   .arg(root),
                           "start"})) {
            m_port = port;
            return true;
        }
        if (m_port)
            return false; // a restart keeps its port, or the password file would not match
    }
    return false;
}

void PgCluster::stop()
{
    if (m_port && QFile::exists(m_dir.path() + "/data/postmaster.pid"))
        run("pg_ctl", {"-D", m_dir.path() + "/data", "-m", "fast", "-w", "stop"});
}

QString PgCluster::schemaFile()
{
    return QStringLiteral(OSTREL_ARCHIVE_SCHEMA);
}

ArchiveSettings PgCluster::settings(const QString &user) const
{
    return settings(m_port, user);
}

ArchiveSettings PgCluster::settings(int port, const QString &user)
{
    ArchiveSettings s;
    s.host = "127.0.0.1";
    s.port = port;
    s.database = "ostrel";
    s.user = user;
    s.sslMode = "verify-full";
    s.technician = user == "tech_a" ? "Anna Nowak" : "Bartosz Wiśniewski";
    // The tests that exchange records expect every record's bytes; those about the scope set
    // their own.
    s.scope = ArchiveScope::Everything;
    return s;
}

QString PgCluster::sql(const QString &statement, const QString &user, const QString &database,
                       QVariant *firstValue) const
{
    const QString name = "pgcluster-" + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName("127.0.0.1");
        db.setPort(m_port);
        db.setDatabaseName(database);
        db.setUserName(user);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(statement))
                error = query.lastError().text();
            else if (firstValue && query.next())
                *firstValue = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

QString PgCluster::admin(const QStringList &arguments, bool *ok) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("bash", QStringList{OSTREL_ARCHIVE_SCRIPT} + arguments
                          + QStringList{"-h", "127.0.0.1", "-p", QString::number(m_port), "-U",
                                        kSuper, "-d", "ostrel"});
    *ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAll());
}

QVariant PgCluster::value(const QString &statement) const
{
    QVariant result;
    sql(statement, kSuper, "ostrel", &result);
    return result;
}

QString PgCluster::caFile() const
{
    return m_dir.path() + "/tls/ca.crt";
}

QString PgCluster::foreignCaFile() const
{
    return m_dir.path() + "/tls/foreign-ca.crt";
}

QString PgCluster::log() const
{
    QFile file(m_dir.path() + "/log");
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}
