// What the catalogue-first archive costs a technician of a service company whose archive holds
// 200,000 records over 5,000 sites and 20,000 units (generate.sql fills it through
// archive_insert, on a PostgreSQL cluster the bench starts itself, over TLS on loopback):
// (a) a new laptop's first sync in the scope "moje obiekty" (visits at 50 sites): wall time and
//     what it transferred, against the archive's bytes (at most 60 s and 5%);
// (b) pulling 10 new records into a synced store of that archive against into a synced store
//     of an empty one: the cost must follow what is new, not what the company holds (median of
//     5, ratio at most 1.5);
// (c) opening a register of 65,025 entries that is not on the laptop (at most 2 s);
// (d) the company-wide search and the units' overview on the server, a first page each (at
//     most 1 s).
// The generated cluster is kept under ~/.cache/ostrel-bench, keyed by the schema and the
// generator, so a rerun starts from a copy of it ("--prepare" only fills the cache and prints
// the archive's figures). OSTREL_BENCH_SMALL=1 runs a 2% archive, for trying the bench itself;
// its figures say nothing.
#include "archive/archivesync.h"
#include "archive/localarchive.h"
#include "pgcluster.h"
#include "store/dbmanager.h"
#include "teststore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
struct Size
{
    int sites, units, visits, records;
};
constexpr Size Full{5000, 20000, 34000, 200000};
constexpr Size Small{100, 400, 700, 4000};
constexpr int Rounds = 5;
constexpr qint64 LargestRegister = 65025 * 8;
const QString Super = QStringLiteral("ostrel_super");
const QString Me = QStringLiteral("tech_a");
const QString Colleague = QStringLiteral("tech_b");

// Thrown to end the bench through main, so that the cluster stops and its folder goes.
struct Failure
{
    QString what;
};
[[noreturn]] void fail(const QString &what)
{
    throw Failure{what};
}

void say(const char *format, ...) __attribute__((format(printf, 1, 2)));
void say(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    fflush(stdout);
}

double megabytes(qint64 bytes)
{
    return bytes / 1048576.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

using Client = TempStore;

// Counts every byte that crosses between the program and the server, both ways, TLS included:
// a relay on loopback, on a thread of its own because a sync blocks the thread that runs it.
class Relay : public QThread
{
public:
    explicit Relay(quint16 upstream) : m_upstream(upstream) {}
    ~Relay() override
    {
        quit();
        wait();
    }
    quint16 listen()
    {
        start();
        m_ready.acquire();
        return m_port;
    }
    qint64 bytes() const { return m_bytes.load(); }

protected:
    void run() override
    {
        QTcpServer server;
        if (server.listen(QHostAddress::LocalHost))
            m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket *client = server.nextPendingConnection()) {
                auto *upstream = new QTcpSocket(client);
                upstream->connectToHost(QHostAddress::LocalHost, m_upstream);
                pipe(client, upstream);
                pipe(upstream, client);
                QObject::connect(client, &QTcpSocket::disconnected, client, [client, upstream] {
                    upstream->disconnectFromHost();
                    client->deleteLater();
                });
                QObject::connect(upstream, &QTcpSocket::disconnected, client,
                                 [client] { client->disconnectFromHost(); });
            }
        });
        m_ready.release();
        exec();
    }

private:
    void pipe(QTcpSocket *from, QTcpSocket *to)
    {
        QObject::connect(from, &QTcpSocket::readyRead, to, [this, from, to] {
            const QByteArray data = from->readAll();
            m_bytes += data.size();
            to->write(data);
        });
    }

    quint16 m_upstream;
    quint16 m_port = 0;
    QSemaphore m_ready;
    std::atomic<qint64> m_bytes{0};
};

// The password file gains the relay's port for every login the cluster's port has.
void admitRelay(int serverPort, int relayPort)
{
    QFile file(QString::fromLocal8Bit(qgetenv("PGPASSFILE")));
    if (!file.open(QIODevice::ReadWrite))
        fail(QStringLiteral("no password file"));
    const QByteArray own = "127.0.0.1:" + QByteArray::number(serverPort) + ':';
    QByteArray added;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(own))
            added += "127.0.0.1:" + QByteArray::number(relayPort) + ':' + line.mid(own.size())
                    + '\n';
    }
    file.write(added);
}

// A connection of the bench's own to the cluster, for what the program never does itself.
class Server
{
public:
    Server(const PgCluster &cluster, const QString &database)
        : m_name(QStringLiteral("bench-") + QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(cluster.port());
        db.setDatabaseName(database);
        db.setUserName(Super);
        if (!db.open())
            fail(QStringLiteral("bench connection: ") + db.lastError().text());
    }
    ~Server() { QSqlDatabase::removeDatabase(m_name); }

    QSqlQuery exec(const QString &statement, const QVariantList &values = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        // A statement without values goes as it is: the server prepares no utility statement.
        bool done = values.isEmpty() && query.exec(statement);
        if (!values.isEmpty()) {
            query.prepare(statement);
            for (const QVariant &value : values)
                query.addBindValue(value);
            done = query.exec();
        }
        if (!done)
            fail(statement + QStringLiteral(": ") + query.lastError().text());
        query.next();
        return query;
    }
    // Runs the statement as a technician's session would, so archive_insert signs it so.
    QSqlQuery as(const QString &login, const QString &statement,
                 const QVariantList &values = {}) const
    {
        // The login is one of the bench's own constants, quoted all the same.
        exec(QStringLiteral("SET SESSION AUTHORIZATION \"%1\"").arg(login));
        QSqlQuery query = exec(statement, values);
        exec(QStringLiteral("RESET SESSION AUTHORIZATION"));
        return query;
    }

private:
    QString m_name;
};

QString psql(const PgCluster &cluster, const QString &database, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGOPTIONS"),
                       QStringLiteral("-c client_min_messages=warning"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("psql"),
                  QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"),
                              QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                              QString::number(cluster.port()), QStringLiteral("-U"), Super,
                              QStringLiteral("-d"), database, QStringLiteral("-v"),
                              QStringLiteral("ON_ERROR_STOP=1")}
                          + arguments);
    process.waitForStarted();
    QString output;
    while (!process.waitForFinished(1000)) {
        if (process.state() == QProcess::NotRunning)
            break;
        const QByteArray part = process.readAll();
        fputs(part.constData(), stdout);
        fflush(stdout);
        output += QString::fromLocal8Bit(part);
    }
    const QByteArray rest = process.readAll();
    fputs(rest.constData(), stdout);
    output += QString::fromLocal8Bit(rest);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        fail(QStringLiteral("psql %1 failed: %2").arg(arguments.join(QLatin1Char(' ')), output));
    return output;
}

QString source(const char *path)
{
    return QStringLiteral(OSTREL_SOURCE_DIR "/") + QLatin1String(path);
}

bool copyTree(const QString &from, const QString &to)
{
    // cp keeps the owner, which the cluster's user needs.
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), from, to}) == 0;
}

// The generated archive, from the cache when it holds one for this schema and generator, else
// made now and kept there.
void prepareArchive(PgCluster &cluster, const Size &size)
{
    QCryptographicHash key(QCryptographicHash::Sha256);
    for (const char *path : {"src/archive/schema.sql", "bench/archive-scale/generate.sql"}) {
        QFile file(source(path));
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read ") + file.fileName());
        key.addData(file.readAll());
    }
    key.addData(QByteArray::number(size.records) + '/' + QByteArray::number(size.visits));
    const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/ostrel-bench/archive-scale-")
            + QString::fromLatin1(key.result().toHex().left(16));
    const QString data = QFileInfo(cluster.caFile()).absolutePath() + QStringLiteral("/../data");
    QElapsedTimer clock;
    clock.start();
    if (QFile::exists(cache + QStringLiteral("/data/PG_VERSION"))) {
        cluster.stop();
        if (!QDir(data).removeRecursively() || !copyTree(cache + QStringLiteral("/data"), data)
            || !cluster.start())
            fail(QStringLiteral("cannot start the cluster from ") + cache);
        say("archive: taken from %s in %.0f s\n", qPrintable(cache), clock.elapsed() / 1e3);
        return;
    }
    say("archive: generating (kept in %s afterwards)\n", qPrintable(cache));
    // Frequent checkpoints keep the write-ahead log of 1.6 GB of inserts from staying in the
    // cluster, and so in the cache, as a gigabyte of recycled segments.
    for (const char *statement : {"ALTER SYSTEM SET max_wal_size = '256MB'",
                                  "ALTER SYSTEM SET min_wal_size = '32MB'",
                                  "SELECT pg_reload_conf()"})
        cluster.sql(QLatin1String(statement));
    psql(cluster, QStringLiteral("ostrel"),
         {QStringLiteral("-v"), QStringLiteral("sites=%1").arg(size.sites), QStringLiteral("-v"),
          QStringLiteral("units=%1").arg(size.units), QStringLiteral("-v"),
          QStringLiteral("visits=%1").arg(size.visits), QStringLiteral("-v"),
          QStringLiteral("records=%1").arg(size.records), QStringLiteral("-f"),
          source("bench/archive-scale/generate.sql")});
    say("archive: generated in %.0f s\n", clock.elapsed() / 1e3);
    for (const char *statement : {"ALTER SYSTEM RESET max_wal_size",
                                  "ALTER SYSTEM RESET min_wal_size", "SELECT pg_reload_conf()",
                                  "CHECKPOINT"})
        cluster.sql(QLatin1String(statement));
    cluster.stop();
    QDir(cache).removeRecursively();
    QDir().mkpath(cache);
    if (!copyTree(data, cache + QStringLiteral("/data.partial"))
        || !QDir().rename(cache + QStringLiteral("/data.partial"), cache + QStringLiteral("/data")))
        fail(QStringLiteral("cannot keep the archive in ") + cache);
    if (!cluster.start())
        fail(QStringLiteral("cannot restart the cluster"));
}

ArchiveSync::Result sync(const ArchiveSettings &settings, const QString &file, double *ms)
{
    QElapsedTimer clock;
    clock.start();
    const ArchiveSync::Result result = ArchiveSync(settings, file).run();
    *ms = clock.nsecsElapsed() / 1e6;
    if (result.status != ArchiveSync::Status::Done || result.refused)
        fail(QStringLiteral("sync failed (%1 refused): %2")
                     .arg(result.refused)
                     .arg(result.message));
    return result;
}

// Syncs until a sync brings nothing more; how many it took.
int settle(const ArchiveSettings &settings, const QString &file)
{
    for (int i = 1; i <= 50; ++i) {
        double ms = 0;
        const ArchiveSync::Result result = sync(settings, file, &ms);
        if (result.pulled == 0 && result.fetched == 0)
            return i;
    }
    fail(QStringLiteral("the store does not settle after 50 syncs"));
}

// The median wall time of a sync after a colleague's two visits (ten records): one at a site of
// the laptop's scope, whose bytes come along, one elsewhere, of which only the catalogue does.
double pullTenMs(const Server &server, const ArchiveSettings &settings, const QString &file,
                 const QString &mine, const QString &other, int seq)
{
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        server.as(Colleague, QStringLiteral("SELECT bench_visit(?, ?)"), {mine, seq + 2 * round});
        server.as(Colleague, QStringLiteral("SELECT bench_visit(?, ?)"),
                  {other, seq + 2 * round + 1});
        double ms = 0;
        const ArchiveSync::Result result = sync(settings, file, &ms);
        if (result.pulled + result.fetched == 0)
            fail(QStringLiteral("a pull of ten new records brought nothing"));
        times.push_back(ms);
    }
    return median(times);
}

// The records the server places in a technician's "moje obiekty", and those it archived.
const char *const ScopeOnServer =
        " WHERE site_line IN (SELECT archive_my_sites()) OR login = session_user";

// What of the server's scope a store does not hold yet, by kind.
QString notHeld(const Server &server, const Client &client)
{
    QSqlQuery scope = server.as(Me, QStringLiteral("SELECT CAST(uuid AS text), kind FROM"
                                                   " archive_record")
                                        + QLatin1String(ScopeOnServer));
    QSqlQuery local(client.store.database());
    local.prepare(QStringLiteral("SELECT count(*) FROM ARCHIWUM_REWIZJE WHERE uuid = ?"));
    // Why the store does not hold it, when it knows: the reason it noted, and what the record
    // waits for, with that one's kind and place.
    QSqlQuery why(client.store.database());
    why.prepare(QStringLiteral("SELECT o.powod, o.szczegol, k.kind, k.site FROM"
                               " ARCHIWUM_ODRZUCONE o LEFT JOIN ARCHIWUM_KATALOG k"
                               " ON k.uuid = o.szczegol WHERE o.uuid = ?"));
    QMap<QString, int> missing;
    int count = 0;
    if (scope.isValid()) {
        do {
            local.addBindValue(scope.value(0));
            if (local.exec() && local.next() && local.value(0).toInt() == 0) {
                QString reason = QStringLiteral("not noted");
                why.addBindValue(scope.value(0));
                if (why.exec() && why.next())
                    reason = QStringLiteral("%1 for a %2 %3")
                                     .arg(why.value(0).toString(), why.value(2).toString(),
                                          why.value(3).toString().isEmpty()
                                                  ? QStringLiteral("without a site")
                                                  : QStringLiteral("with a site"));
                why.finish();
                ++missing[scope.value(1).toString() + QStringLiteral(": ") + reason];
                ++count;
            }
            local.finish();
        } while (scope.next());
    }
    QStringList kinds;
    for (auto it = missing.cbegin(); it != missing.cend(); ++it)
        kinds << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    return count ? QStringLiteral("%1 (%2)").arg(count).arg(kinds.join(QStringLiteral(", ")))
                 : QStringLiteral("none");
}

struct Held
{
    qint64 known = 0, local = 0, localBytes = 0;
};
Held held(const Client &client)
{
    QSqlQuery query(client.store.database());
    Held h;
    if (query.exec(QStringLiteral("SELECT count(*), count(r.uuid), coalesce(sum(CASE WHEN r.uuid"
                                  " IS NOT NULL THEN k.size END), 0) FROM ARCHIWUM_KATALOG k"
                                  " LEFT JOIN ARCHIWUM_REWIZJE r"
                                  " ON r.uuid = k.uuid"))
        && query.next()) {
        h.known = query.value(0).toLongLong();
        h.local = query.value(1).toLongLong();
        h.localBytes = query.value(2).toLongLong();
    }
    return h;
}

bool report(const char *name, double figure, const char *unit, double target)
{
    const bool met = figure <= target;
    say("%-58s %10.2f %-3s (target <= %g %s): %s\n", name, figure, unit, target, unit,
        met ? "met" : "NOT MET");
    return met;
}
} // namespace

static int measure(const QCoreApplication &app)
{
    const Size size = qEnvironmentVariableIntValue("OSTREL_BENCH_SMALL") ? Small : Full;
    PgCluster cluster;
    const QString error = cluster.setUp();
    if (!error.isEmpty())
        fail(QStringLiteral("no cluster: ") + error);
    prepareArchive(cluster, size);
    const Server archive(cluster, QStringLiteral("ostrel"));
    psql(cluster, QStringLiteral("ostrel"),
         {QStringLiteral("-f"), source("bench/archive-scale/visit.sql")});

    const QSqlQuery total = archive.exec(QStringLiteral(
            "SELECT count(*), sum(octet_length(data)), pg_total_relation_size('archive_record'),"
            " pg_database_size(current_database()) FROM archive_record"));
    const qint64 archiveBytes = total.value(1).toLongLong();
    say("archive: %lld records, %.0f MB of record bytes, archive_record %.0f MB on disk,"
        " database %.0f MB\n",
        total.value(0).toLongLong(), megabytes(archiveBytes),
        megabytes(total.value(2).toLongLong()), megabytes(total.value(3).toLongLong()));
    const QSqlQuery scope = archive.as(Me, QStringLiteral("SELECT count(*), coalesce(sum(size), 0)"
                                                          " FROM archive_record")
                                               + QLatin1String(ScopeOnServer));
    say("archive: %s's scope on the server: %lld records, %.1f MB\n", qPrintable(Me),
        scope.value(0).toLongLong(), megabytes(scope.value(1).toLongLong()));
    if (app.arguments().contains(QStringLiteral("--prepare")))
        return 0; // the archive is in the cache now
    bool met = true;

    // (a) A new laptop's first sync, through the counting relay.
    Client laptop(QStringLiteral("laptop"));
    ArchiveSettings settings = cluster.settings(Me);
    settings.scope = ArchiveScope::MySites;
    Relay relay(quint16(cluster.port()));
    const quint16 relayPort = relay.listen();
    if (!relayPort)
        fail(QStringLiteral("no relay"));
    admitRelay(cluster.port(), relayPort);
    ArchiveSettings relayed = settings;
    relayed.port = relayPort;
    double firstMs = 0;
    const ArchiveSync::Result first = sync(relayed, laptop.file(), &firstMs);
    const qint64 wire = relay.bytes();
    const Held afterFirst = held(laptop);
    say("first sync: %d records pulled, %d fetched, %lld bytes reported, %lld bytes on the wire;"
        " the store knows %lld records and holds the bytes of %lld (%.1f MB)\n",
        first.pulled, first.fetched, first.bytes, wire, afterFirst.known, afterFirst.local,
        megabytes(afterFirst.localBytes));
    say("first sync: records of the server's scope not held yet: %s\n",
        qPrintable(notHeld(archive, laptop)));
    if (afterFirst.known != total.value(0).toLongLong()) {
        // A catalogue that misses records: which kinds.
        QSqlQuery query = archive.exec(QStringLiteral("SELECT kind, count(*) FROM archive_record"
                                                      " GROUP BY kind ORDER BY kind"));
        QSqlQuery local(laptop.store.database());
        local.prepare(QStringLiteral("SELECT count(*) FROM ARCHIWUM_KATALOG WHERE kind = ?"));
        do {
            local.addBindValue(query.value(0));
            local.exec();
            local.next();
            say("  %-9s %lld in the archive, %lld in the store's catalogue\n",
                qPrintable(query.value(0).toString()), query.value(1).toLongLong(),
                local.value(0).toLongLong());
        } while (query.next());
    }
    // Every record must be listed, in scope or not: a gap is a record no one here can find.
    met &= report("first sync: archive records missing from the catalogue",
                  double(total.value(0).toLongLong() - afterFirst.known), "rec", 0);
    met &= report("first sync, scope \"moje obiekty\": wall time", firstMs / 1e3, "s", 60);
    met &= report("first sync: record bytes transferred / archive's bytes",
                  100.0 * first.bytes / archiveBytes, "%", 5);
    met &= report("first sync: bytes on the wire / archive's bytes", 100.0 * wire / archiveBytes,
                  "%", 5);
    if (qEnvironmentVariableIsSet("OSTREL_BENCH_WAL")) {
        // Where the first sync's time goes: the same sync into a store in WAL mode, whose
        // commits wait for one sync of the log instead of the journal's and the file's.
        Client wal(QStringLiteral("wal"));
        QSqlQuery(wal.store.database()).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        double walMs = 0;
        sync(settings, wal.file(), &walMs);
        say("first sync into a store in WAL mode: %.1f s\n", walMs / 1e3);
    }
    const int more = settle(settings, laptop.file());
    const Held settled = held(laptop);
    say("settled after %d more syncs: holds the bytes of %lld records (%.1f MB); of the"
        " server's scope not held: %s\n",
        more, settled.local, megabytes(settled.localBytes), qPrintable(notHeld(archive, laptop)));

    // (c) Opening registers of 65,025 entries that the laptop does not hold.
    {
        QSqlQuery query(laptop.store.database());
        query.prepare(QStringLiteral("SELECT k.uuid FROM ARCHIWUM_KATALOG k WHERE k.kind ="
                                     " 'eventlog' AND k.size = ? AND NOT EXISTS (SELECT 1 FROM"
                                     " ARCHIWUM_REWIZJE r WHERE r.uuid = k.uuid) ORDER BY k.seq"
                                     " LIMIT 3"));
        query.addBindValue(LargestRegister);
        query.exec();
        QStringList registers;
        while (query.next())
            registers << query.value(0).toString();
        query.finish(); // a statement left open would hold the store's lock against the fetch
        std::vector<double> times;
        for (const QString &uuid : registers) {
            QElapsedTimer clock;
            clock.start();
            const ArchiveSync::Result result = ArchiveSync(settings, laptop.file()).fetch(uuid);
            times.push_back(clock.nsecsElapsed() / 1e6);
            if (result.status != ArchiveSync::Status::Done || result.bytes < LargestRegister)
                fail(QStringLiteral("fetch failed (%1 bytes): %2")
                             .arg(result.bytes)
                             .arg(result.message));
        }
        if (times.empty())
            fail(QStringLiteral("no register of 65,025 entries outside the scope"));
        say("on demand: %zu registers of 65,025 entries, %.0f .. %.0f ms\n", times.size(),
            *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()));
        met &= report("open a 65,025-entry register on demand (median)", median(times) / 1e3,
                      "s", 2);
    }

    // (b) Ten new records into the synced laptop, and into a laptop synced with an empty
    // archive.
    const QString mine =
            archive.exec(QStringLiteral("SELECT uuid::text FROM archive_record WHERE kind ="
                                        " 'unit' AND login = ? ORDER BY seq LIMIT 1"),
                         {Me})
                    .value(0)
                    .toString();
    const QString other =
            archive.exec(QStringLiteral("SELECT uuid::text FROM archive_record WHERE kind ="
                                        " 'unit' AND login = ? ORDER BY seq LIMIT 1"),
                         {Colleague})
                    .value(0)
                    .toString();
    const double largeMs = pullTenMs(archive, settings, laptop.file(), mine, other, 900001);

    if (!cluster.sql(QStringLiteral("CREATE DATABASE ostrel_empty"), Super,
                     QStringLiteral("postgres"))
                 .isEmpty())
        fail(QStringLiteral("cannot create the empty archive"));
    psql(cluster, QStringLiteral("ostrel_empty"),
         {QStringLiteral("-f"), source("src/archive/schema.sql"), QStringLiteral("-f"),
          source("bench/archive-scale/visit.sql")});
    const Server empty(cluster, QStringLiteral("ostrel_empty"));
    empty.exec(QStringLiteral("INSERT INTO archive_technician (login, display_name) VALUES"
                              " (?, 'Anna Nowak'), (?, 'Bartosz Wiśniewski')"),
               {Me, Colleague});
    const QString emptyMine =
            empty.as(Me, QStringLiteral("SELECT bench_place('Obiekt własny')::text"))
                    .value(0)
                    .toString();
    const QString emptyOther =
            empty.as(Colleague, QStringLiteral("SELECT bench_place('Obiekt kolegi')::text"))
                    .value(0)
                    .toString();
    Client fresh(QStringLiteral("fresh"));
    ArchiveSettings emptySettings = settings;
    emptySettings.database = QStringLiteral("ostrel_empty");
    settle(emptySettings, fresh.file());
    const double smallMs =
            pullTenMs(empty, emptySettings, fresh.file(), emptyMine, emptyOther, 900001);
    say("pull of 10 new (median of %d): %.1f ms from %d records, %.1f ms from an empty"
        " archive\n",
        Rounds, largeMs, size.records, smallMs);
    met &= report("pull 10 new: 200,000-record archive / empty archive", largeMs / smallMs, "x",
                  1.5);

    // (d) The company-wide queries that no laptop can run over a full copy, as the records
    // dialog runs them: a first page of each, median of 5 (at most 1 s, a technician waits).
    {
        ArchiveSync server(settings, QString());
        const auto timed = [](const std::function<bool()> &query) {
            std::vector<double> times;
            for (int round = 0; round < 5; ++round) {
                QElapsedTimer clock;
                clock.start();
                if (!query())
                    fail(QStringLiteral("a server query failed"));
                times.push_back(clock.nsecsElapsed() / 1e6);
            }
            return median(times);
        };
        const auto search = [&](const char *name, const CatalogueQuery &query) {
            CataloguePage page;
            const double ms = timed([&] {
                return server.search(query, &page).status == ArchiveSync::Status::Done;
            });
            say("search %s: %d records on the first page in %.0f ms\n", name,
                int(page.entries.size()), ms);
            return report(qPrintable(QStringLiteral("server search, %1 (median)")
                                             .arg(QLatin1String(name))),
                          ms / 1e3, "s", 1);
        };
        CatalogueQuery bySite;
        bySite.site = archive.exec(QStringLiteral("SELECT uuid::text FROM archive_record WHERE"
                                                  " kind = 'site' ORDER BY seq OFFSET 2500"
                                                  " LIMIT 1"))
                              .value(0)
                              .toString();
        bySite.limit = 200;
        met &= search("by site", bySite);
        CatalogueQuery byKind;
        byKind.kind = QStringLiteral("visit");
        byKind.limit = 200;
        met &= search("by kind", byKind);
        CatalogueQuery byText;
        byText.text = QStringLiteral("Hotel 2501");
        byText.limit = 200;
        met &= search("by a site's name", byText);
        byText.text = QStringLiteral("nic takiego");
        met &= search("by a text nothing has", byText);
        UnitQuery units;
        units.limit = 200;
        QVector<UnitOverview> unitPage;
        bool moreUnits = false;
        const double unitsMs = timed([&] {
            return server.units(units, &unitPage, &moreUnits).status
                    == ArchiveSync::Status::Done;
        });
        say("units: %d on the first page in %.0f ms\n", int(unitPage.size()), unitsMs);
        met &= report("the company's units with last visit (median)", unitsMs / 1e3, "s", 1);
    }

    say("archive-scale: %s\n", met ? "all targets met" : "a target missed");
    return met ? 0 : 1;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    try {
        return measure(app);
    } catch (const Failure &failure) {
        fprintf(stderr, "archive-scale: %s\n", qPrintable(failure.what));
        return 2;
    }
}
