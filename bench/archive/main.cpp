// What an archive sync costs on loopback, against a throwaway PostgreSQL cluster:
// (a) for each kind (configurations, registers, sites, units, visits), pulling 10 new records
//     when the archive and the store hold 10,000 of that kind against when they hold 70: the
//     cost must follow what is new, not what is stored (ratio at most 1.5);
// (b) the longest stall of the GUI event loop with a store of 10,000 sites, while the status
//     bar counts what waits and a sync runs (at most 50 ms);
// (c) pushing the largest event register (65,025 entries), which must take under 2 s.
#include "archive/archiverunner.h"
#include "archive/archivesync.h"
#include "gui/archivestatus.h"
#include "pgcluster.h"
#include "store/dbmanager.h"
#include "teststore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int Small = 70;
constexpr int Large = 10000;

using Client = TempStore;

[[noreturn]] void fail(const QString &what)
{
    fprintf(stderr, "%s\n", qPrintable(what));
    exit(1);
}

double syncMs(PgCluster &server, const QString &file)
{
    QElapsedTimer clock;
    clock.start();
    const ArchiveSync::Result result =
            ArchiveSync(server.settings(QStringLiteral("tech_a")), file).run();
    const double ms = clock.nsecsElapsed() / 1e6;
    if (result.status != ArchiveSync::Status::Done || result.refused)
        fail(QStringLiteral("sync failed: ") + result.message);
    return ms;
}

// Records of a kind as a colleague's program would have archived them, made on the server.
// Units name one site and visits one unit, made first.
class Generator
{
public:
    Generator(PgCluster &server, const QString &kind) : m_server(server), m_kind(kind)
    {
        if (kind == QLatin1String("unit") || kind == QLatin1String("visit"))
            m_site = insert("site", 1);
        if (kind == QLatin1String("visit"))
            m_unit = insert("unit", 1);
    }
    int references() const { return (m_site.isEmpty() ? 0 : 1) + (m_unit.isEmpty() ? 0 : 1); }
    void add(int count) { insert(m_kind, count); }

private:
    QString insert(const QString &kind, int count)
    {
        QString data;
        if (kind == QLatin1String("config"))
            data = QStringLiteral("decode(repeat(md5(random()::text), 32), 'hex')");
        else if (kind == QLatin1String("eventlog"))
            data = QStringLiteral("decode(repeat(md5(random()::text), 256), 'hex')");
        else if (kind == QLatin1String("site"))
            data = QStringLiteral("json_build_object('name', 'Obiekt ' || g, 'address', 'ul. '"
                                  " || g, 'owner', '', 'contact', '', 'phone', '', 'notes', '')");
        else if (kind == QLatin1String("unit"))
            data = QStringLiteral("json_build_object('site', '%1', 'label', 'U' || g, 'place',"
                                  " '', 'serial', '', 'installed', '', 'notes', '', 'modules',"
                                  " '')")
                           .arg(m_site);
        else
            data = QStringLiteral(
                           "json_build_object('unit', '%1', 'type', 0, 'technician', 'T',"
                           " 'started', '2025-01-01T10:00:00', 'closed', 1, 'verdict', 1,"
                           " 'corrects', 0, 'report_year', 2025, 'report_seq', g, 'uid',"
                           " upper(substr(md5(random()::text), 1, 8)), 'battery_life', 4,"
                           " 'WIZYTY_REKORDY', json_build_array(), 'WIZYTY_KONTROLE',"
                           " json_build_array(), 'WIZYTY_AKUMULATORY', json_build_array(),"
                           " 'WIZYTY_DIAGNOSTYKA', json_build_array())")
                           .arg(m_unit);
        if (data.startsWith(QLatin1String("json")))
            data = QStringLiteral("convert_to(%1::text, 'UTF8')").arg(data);
        QVariant first;
        const QString error = m_server.sql(
                QStringLiteral("WITH made AS (INSERT INTO archive_record (uuid, kind, revisioned,"
                               " name, author, created, hash, data, login) SELECT"
                               " gen_random_uuid(), '%1', %2, '%1 ' || g, 'bench', now(),"
                               " encode(sha256(d), 'hex'), d, 'tech_b' FROM (SELECT g, %3 AS d"
                               " FROM generate_series(%4, %5) g) s RETURNING uuid)"
                               " SELECT CAST(min(CAST(uuid AS text)) AS text) FROM made")
                        .arg(kind,
                             kind == QLatin1String("config") || kind == QLatin1String("site")
                                             || kind == QLatin1String("unit")
                                     ? QStringLiteral("true")
                                     : QStringLiteral("false"),
                             data)
                        .arg(m_next)
                        .arg(m_next + count - 1),
                QStringLiteral("ostrel_super"), QStringLiteral("ostrel"), &first);
        if (!error.isEmpty())
            fail(error);
        m_next += count;
        return first.toString();
    }

    PgCluster &m_server;
    QString m_kind;
    QString m_site;
    QString m_unit;
    int m_next = 1;
};

// The median of several pulls of 10 new records.
double pullTenMs(PgCluster &server, Generator &generator, const QString &file)
{
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        generator.add(10);
        times.push_back(syncMs(server, file));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Lateness of a periodic timer: how much longer than its interval the loop took to fire it.
double longestStallMs(const std::function<bool()> &done, int timeoutMs)
{
    constexpr int TickMs = 5;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(TickMs);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = qMax(worst, now - last - qint64(TickMs) * 1000000);
        last = now;
    });
    tick.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return worst / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PgCluster server;
    const QString error = server.setUp();
    if (!error.isEmpty())
        fail(QStringLiteral("no cluster: ") + error);

    bool met = true;
    std::unique_ptr<Client> sites;
    for (const char *kind : {"config", "eventlog", "site", "unit", "visit"}) {
        server.sql(QStringLiteral("TRUNCATE archive_record"));
        auto client = std::make_unique<Client>(QStringLiteral("bench-") + QLatin1String(kind));
        Generator generator(server, QLatin1String(kind));
        generator.add(Small - generator.references());
        syncMs(server, client->file());
        const double smallMs = pullTenMs(server, generator, client->file());
        generator.add(Large - 2 * Small);
        const double catchUpMs = syncMs(server, client->file());
        const double largeMs = pullTenMs(server, generator, client->file());
        const double ratio = largeMs / smallMs;
        met = met && ratio <= 1.5;
        printf("%-8s pull of 10 new: %.1f ms with %d held, %.1f ms with %d held (ratio %.2f,"
               " at most 1.5); catching up %d took %.0f ms\n",
               kind, smallMs, Small, largeMs, Large, ratio, Large - Small, catchUpMs);
        fflush(stdout);
        if (qstrcmp(kind, "site") == 0)
            sites = std::move(client);
    }

    // The window over the store of 10,000 sites: the status bar's count, and a sync.
    double stallMs = -1;
    {
        server.sql(QStringLiteral("TRUNCATE archive_record"));
        if (!DbManager::instance()->openDatabase(sites->dir.path()))
            fail(QStringLiteral("cannot open the store of sites"));
        ArchiveSettings settings = server.settings(QStringLiteral("tech_a"));
        settings.save(DbManager::instance());
        Generator generator(server, QStringLiteral("site"));
        generator.add(10);
        bool synced = false;
        ArchiveStatus status;
        QObject::connect(status.runner(), &ArchiveRunner::finished, &status,
                         [&](ArchiveSync::Status, const QString &, int) { synced = true; });
        QTimer::singleShot(20, &status, [&] {
            status.refresh();
            status.syncAction()->trigger();
        });
        stallMs = longestStallMs([&] { return synced; }, 120000);
        const double refreshStart = stallMs;
        QTimer::singleShot(20, &status, [&status] { status.refresh(); });
        stallMs = qMax(refreshStart, longestStallMs([] { return false; }, 300));
        met = met && stallMs <= 50;
    }
    printf("longest GUI stall with %d sites (count and sync): %.1f ms (at most 50 ms)\n", Large,
           stallMs);

    Client pusher(QStringLiteral("bench-push"));
    QByteArray largest(65025 * 8, Qt::Uninitialized);
    for (char &c : largest)
        c = char(QRandomGenerator::global()->bounded(256));
    pusher.store.writeLog(QStringLiteral("L_largest"), largest);
    const double pushMs = syncMs(server, pusher.file());
    printf("push of the 65,025-entry event register: %.0f ms (under 2000 ms)\n", pushMs);
    met = met && pushMs < 2000;
    printf("archive: %s\n", met ? "all targets met" : "a target missed");
    return met ? 0 : 1;
}
