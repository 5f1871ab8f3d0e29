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
const char *const kLogins[][2] = {
    {"ostrel_super", "super-secret"},
    {"tech_a", "a-secret"},
    {"tech_b", "b-secret"},
    {"tech_wrong", "not-its-password"}};

bool asRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}
} // namespace

PgCluster::PgCluster()
{
    for (const QString &dir : QDir(QStringLiteral("/usr/lib/postgresql"))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                 QDir::Name | QDir::Reversed)) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(dir);
        if (QFile::exists(bin + QStringLiteral("/initdb"))) {
            m_bin = bin;
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

bool PgCluster::run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args = arguments;
    QString exe = m_bin + QLatin1Char('/') + program;
    if (asRoot()) {
        args.prepend(exe);
        args = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")}
                + args;
        exe = QStringLiteral("runuser");
    }
    process.start(exe, args);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return ok;
}

QString PgCluster::setUp()
{
    if (m_bin.isEmpty())
        return QStringLiteral("PostgreSQL server programs not found (package postgresql)");
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    const QString root = m_dir.path();
#ifdef Q_OS_UNIX
    if (asRoot()) {
        const passwd *nobody = getpwnam("nobody");
        if (!nobody || chown(root.toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0)
            return QStringLiteral("cannot hand the cluster folder to nobody");
        chmod(root.toLocal8Bit().constData(), 0700);
    }
#endif
    // The superuser's password reaches initdb through a file only the cluster user reads.
    {
        QFile pw(root + QStringLiteral("/pw"));
        if (!pw.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write the password file");
        pw.write(kLogins[0][1]);
    }
#ifdef Q_OS_UNIX
    if (asRoot()) {
        const passwd *nobody = getpwnam("nobody");
        chown((root + QStringLiteral("/pw")).toLocal8Bit().constData(), nobody->pw_uid,
              nobody->pw_gid);
    }
#endif
    QString out;
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), root + QStringLiteral("/data"), QStringLiteral("-U"),
              QString::fromLatin1(kLogins[0][0]), QStringLiteral("--auth=scram-sha-256"),
              QStringLiteral("--pwfile=") + root + QStringLiteral("/pw"),
              QStringLiteral("--no-sync"), QStringLiteral("-E"), QStringLiteral("UTF8")},
             &out))
        return QStringLiteral("initdb failed: ") + out;
    QFile::remove(root + QStringLiteral("/pw"));

    // The password file lives beside the cluster, owned by us, readable by us only (libpq
    // ignores a password file that others can read).
    const QString passFile = QDir::tempPath() + QStringLiteral("/ostrel-pgpass-")
            + QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_passFile = passFile;
    if (!start())
        return QStringLiteral("pg_ctl start failed: ") + log();
    {
        QFile pass(passFile);
        if (!pass.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write PGPASSFILE");
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        for (const auto &login : kLogins)
            pass.write(QStringLiteral("127.0.0.1:%1:*:%2:%3\n")
                               .arg(m_port)
                               .arg(QString::fromLatin1(login[0]), QString::fromLatin1(login[1]))
                               .toUtf8());
    }
    qputenv("PGPASSFILE", passFile.toLocal8Bit());

    QString error = sql(QStringLiteral("CREATE DATABASE ostrel"), QString::fromLatin1(kLogins[0][0]),
                        QStringLiteral("postgres"));
    if (!error.isEmpty())
        return error;
    QFile schema(QStringLiteral(OSTREL_ARCHIVE_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        return QStringLiteral("schema file missing");
    error = sql(QString::fromUtf8(schema.readAll()));
    if (!error.isEmpty())
        return QStringLiteral("schema: ") + error;
    for (int i = 1; i < 4; ++i) {
        const QString password = i == 3 ? QStringLiteral("its-real-password")
                                        : QString::fromLatin1(kLogins[i][1]);
        error = sql(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE "
                                   "ostrel_technician")
                            .arg(QString::fromLatin1(kLogins[i][0]), password));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

bool PgCluster::start()
{
    const QString root = m_dir.path();
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int port = m_port ? m_port : 20000 + int(QRandomGenerator::global()->bounded(30000));
        if (run(QStringLiteral("pg_ctl"),
                {QStringLiteral("-D"), root + QStringLiteral("/data"), QStringLiteral("-l"),
                 root + QStringLiteral("/log"), QStringLiteral("-w"), QStringLiteral("-o"),
                 QStringLiteral("-p %1 -h 127.0.0.1 -k %2 -c fsync=off").arg(port).arg(root),
                 QStringLiteral("start")})) {
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
    if (!m_port || !QFile::exists(m_dir.path() + QStringLiteral("/data/postmaster.pid")))
        return;
    run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.path() + QStringLiteral("/data"),
                                   QStringLiteral("-m"), QStringLiteral("fast"),
                                   QStringLiteral("-w"), QStringLiteral("stop")});
}

ArchiveSettings PgCluster::settings(const QString &user) const
{
    ArchiveSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = m_port;
    s.database = QStringLiteral("ostrel");
    s.user = user;
    s.sslMode = QStringLiteral("prefer");
    s.technician = user == QLatin1String("tech_a") ? QStringLiteral("Anna Nowak")
                                                   : QStringLiteral("Bartosz Wiśniewski");
    return s;
}

QString PgCluster::sql(const QString &statement, const QString &user,
                       const QString &database, QVariant *firstValue) const
{
    const QString name = QStringLiteral("pgcluster-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(QStringLiteral("127.0.0.1"));
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

QVariant PgCluster::value(const QString &statement) const
{
    QVariant result;
    sql(statement, QString::fromLatin1(kLogins[0][0]), QStringLiteral("ostrel"), &result);
    return result;
}

QString PgCluster::log() const
{
    QFile file(m_dir.path() + QStringLiteral("/log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}
