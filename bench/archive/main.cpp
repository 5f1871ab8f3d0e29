// What an archive sync costs on loopback, against a throwaway PostgreSQL cluster:
// (a) pulling 10 new records from an archive of 10,000 against pulling 10 new from an empty
//     one (the cost must follow what is new, not what the archive holds: ratio at most 1.5);
// (b) pushing the largest event register (65,025 entries), which must take under 2 s.
#include "archive/archivesync.h"
#include "pgcluster.h"
#include "store/dbmanager.h"
#include "teststore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Client
{
    explicit Client(const QString &name) : store(name)
    {
        store.openDatabase(dir.path());
        initStoreTables(store);
    }
    QTemporaryDir dir;
    DbManager store;
};

double syncMs(PgCluster &server, Client &client)
{
    QElapsedTimer clock;
    clock.start();
    const ArchiveSync::Result result =
            ArchiveSync(server.settings(QStringLiteral("tech_a")),
                        client.dir.path() + QStringLiteral("/ostrel.db3"))
                    .run();
    const double ms = clock.nsecsElapsed() / 1e6;
    if (result.status != ArchiveSync::Status::Done) {
        fprintf(stderr, "sync failed: %s\n", qPrintable(result.message));
        exit(1);
    }
    return ms;
}

void addOnServer(PgCluster &server, int count)
{
    const QString error = server.sql(
            QStringLiteral("INSERT INTO archive_record (uuid, kind, name, author, created, hash,"
                           " data) SELECT gen_random_uuid(), 'faults', 'S_' || g, 'bench', now(),"
                           " md5(random()::text || g), decode(md5(random()::text), 'hex')"
                           " FROM generate_series(1, %1) g")
                    .arg(count));
    if (!error.isEmpty()) {
        fprintf(stderr, "%s\n", qPrintable(error));
        exit(1);
    }
}

// The median of several pulls of 10 new records.
double pullTenMs(PgCluster &server, Client &client)
{
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        addOnServer(server, 10);
        times.push_back(syncMs(server, client));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PgCluster server;
    const QString error = server.setUp();
    if (!error.isEmpty()) {
        fprintf(stderr, "no cluster: %s\n", qPrintable(error));
        return 1;
    }
    Client client(QStringLiteral("bench"));
    syncMs(server, client);
    const double emptyMs = pullTenMs(server, client);
    addOnServer(server, 10000 - 70);
    const double catchUpMs = syncMs(server, client);
    const double fullMs = pullTenMs(server, client);
    printf("pull of 10 new records: %.1f ms from a nearly empty archive, %.1f ms from an archive"
           " of 10,000 (ratio %.2f, at most 1.5); catching up 9,930 records took %.0f ms\n",
           emptyMs, fullMs, fullMs / emptyMs, catchUpMs);

    QByteArray largest(65025 * 8, Qt::Uninitialized);
    for (char &c : largest)
        c = char(QRandomGenerator::global()->bounded(256));
    client.store.writeLog(QStringLiteral("L_largest"), largest);
    const double pushMs = syncMs(server, client);
    printf("push of the 65,025-entry event register: %.0f ms (under 2000 ms)\n", pushMs);
    return fullMs / emptyMs <= 1.5 && pushMs < 2000 ? 0 : 1;
}
