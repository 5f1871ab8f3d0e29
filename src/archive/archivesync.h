#pragma once

#include "archive/archivecatalogue.h"
#include "archive/archivesettings.h"
#include "archive/localarchive.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>

class QSqlDatabase;
class QSqlError;

// Ends a running sync from another thread. The sync looks at the flag between its steps; a
// statement that waits on the server (a stalled or unreachable server) is cut off by shutting
// the connection's socket down, which no server can hold up.
class ArchiveCancel
{
public:
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    // Called by the sync with its server connection's socket while it is open, -1 after.
    void attach(qintptr socket);

private:
    QMutex m_mutex;
    qintptr m_socket = -1;
    std::atomic<bool> m_cancelled{false};
};

// One exchange with the company archive: pull what other transactions finished since the last
// pull, then push what this store has not archived. Runs on whichever thread calls run(), over
// SQL connections of its own (one to the local store file, one to the server), so it may run
// off the GUI thread. Every step is committed on its own, so a sync that dies anywhere is
// finished by the next one with nothing lost or doubled.
class ArchiveSync
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveSync)

public:
    // The schema version this program speaks; the server's archive_schema must match it.
    static constexpr int SchemaVersion = 3;

    enum class Status { Done, Cancelled, Failed };
    struct Result
    {
        Status status = Status::Failed;
        QString message;
        int pulled = 0;
        int pushed = 0;
        int refused = 0;  // pulled records this store would not take
        int again = 0;    // records pushed again after the server was restored or replaced
        int waiting = -1; // records still waiting for the archive, -1 when not counted
        qint64 bytes = 0; // record bytes transferred from the server
        int fetched = 0;  // records whose bytes arrived
        int listedOnly = 0; // records newly listed whose bytes stay on the server (out of scope)
    };
    // Counts records in run(), bytes in fetch() (a record is at most 8 MiB).
    using Progress = std::function<void(int done, int total)>;

    ArchiveSync(const ArchiveSettings &settings, const QString &storeFile);

    Result run(ArchiveCancel *cancel = nullptr, const Progress &progress = {});
    // Marks a record this login archived as withdrawn; it stays in the archive.
    Result withdraw(const QString &uuid);
    // Brings a record deleted in this store back from the archive.
    Result restore(const QString &uuid);

    // The archive's catalogue on the server (no bytes), newest first, keyset-paged by seq.
    Result search(const CatalogueQuery &query, CataloguePage *page);
    // The company's units with their last visit and next due date, paged by (label, unit).
    Result units(const UnitQuery &query, QVector<UnitOverview> *page, bool *more);
    // Brings one record's bytes (and whatever it names that is missing here: a visit's unit,
    // site and linked records) into the store. progress(doneBytes, totalBytes) comes in chunks
    // for a large record; cancel cuts it. The bytes are checked against the hash and written
    // in one transaction: absent or exact, never partial.
    Result fetch(const QString &uuid, ArchiveCancel *cancel = nullptr,
                 const Progress &progress = {});

    // Reads the packed column of a catalogue row strictly: every field of its own form and
    // within its bounds. False for a row the server could not have made; the row's fields are
    // then not to be used.
    static bool readPackedRow(const QString &packed, LocalArchive::Incoming *row);

private:
    enum class Step { Done, Cancelled, ServerFailed, LocalFailed, Malformed };
    // Fetches the bytes of `uuids` and, in bounded rounds, of what they name that this store
    // lacks, then writes them all in one transaction. progress counts bytes.
    Step fetchRecords(QSqlDatabase &server, LocalArchive &archive, const QStringList &uuids,
                      ArchiveCancel *cancel, const Progress &progress, Result &result,
                      QSqlError *error);
    // The site lines in scope; *everything for the scope "wszystko".
    bool scopeSites(QSqlDatabase &server, QStringList *sites, bool *everything,
                    QSqlError *error) const;
    // False with the message set when this installation has no PostgreSQL driver.
    static bool driverMissing(Result &result);
    // The local store file on a connection of the calling thread; false with the message set.
    bool openStore(QSqlDatabase &local, Result &result) const;
    bool openServer(QSqlDatabase &server, Result &result) const;
    QString serverFailure(const QSqlError &error) const;
    // A catalogue row the server could not have made: the sync stops before writing anything
    // of its batch.
    static QString malformedText();
    ArchiveSettings m_settings;
    QString m_storeFile;
};

Q_DECLARE_METATYPE(ArchiveSync::Status)
