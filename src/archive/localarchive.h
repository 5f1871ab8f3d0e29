#pragma once

#include "archive/archivecatalogue.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct ArchiveKind;

// The local half of the company archive, kept in side tables of the local store so that the
// record tables stay as they are:
// - ARCHIWUM_ID: per local record its archive identity (UUID, author, time, content hash) and,
//   while a push is under way, the identity it is being pushed under;
// - ARCHIWUM_REWIZJE: every archive UUID this store holds, with its local record (a
//   configuration keeps all its revisions here, which is how a new revision finds its line);
// - ARCHIWUM_STAN: where the pull stands, which archive it was, and the time of the last sync;
// - ARCHIWUM_ZMIANY: the local records changed since they were last archived, kept by
//   triggers, so that a sync and the waiting count cost what changed, not what is stored;
// - ARCHIWUM_ODRZUCONE: records of the archive this store refused, with the reason, and those
//   that wait for a record they name;
// - ARCHIWUM_LOGINY: the server login that archived each record, beside its author's name;
// - ARCHIWUM_USUNIETE: the names of archived records deleted here, which may be restored;
// - ARCHIWUM_KATALOG: every record of the archive this store knows of, with its place (site
//   and unit lines), hash and size but without its bytes; the bytes are here when
//   ARCHIWUM_REWIZJE holds the uuid.
// A record counts as archived only once ARCHIWUM_ID carries the UUID the server committed.
class LocalArchive
{
public:
    // The largest record the archive takes.
    static constexpr qint64 MaxRecordBytes = 8 * 1024 * 1024;

    // A record on its way to the server; its bytes are read again when it is sent.
    struct Outgoing
    {
        QString kind;
        int localId = 0;
        QString uuid;
        QString parent;
        QString name;
        QString author;
        QDateTime created;
        QString hash;
        qint64 change = 0; // the change mark it answers, see ARCHIWUM_ZMIANY
    };
    // A record the server took: under which identity and author.
    struct Archived
    {
        Outgoing record;
        QString uuid;
        QString author;
        QString login;
    };
    // A record from the server. Its data is only fetched when needsData() says so.
    struct Incoming
    {
        qint64 seq = 0;
        qint64 xid = 0;
        QString uuid;
        QString kind;
        QString name;
        QString author;
        QString login;
        QDateTime created;
        QString parent;
        QString hash;
        qint64 size = 0;
        bool withdrawn = false;
        QString line, site, unit; // placed by the server; site/unit empty when unknown
        QDateTime visited;
        QDate nextDue;
        QByteArray data;
    };
    // Where the pull stands: rows come in (xid, seq) order.
    struct Position
    {
        qint64 xid = 0;
        qint64 seq = 0;
    };
    // A record of the archive this store did not take.
    struct Rejected
    {
        QString uuid;
        QString kind;
        QString name;
        QString author;
        QString login;
        QDateTime created;
        QDateTime at;
        QString reason; // as the user reads it
        bool waiting = false;
    };

    // A record this store holds an archive identity for.
    struct Held
    {
        QString kind;
        int localId = 0;
        QString uuid;
        QString name;
        QString author;
        QString login;
        bool withdrawn = false;
        bool deletedHere = false; // deleted in this store; the archive still has it
    };

    explicit LocalArchive(const QSqlDatabase &db) : m_db(db) {}

    // Part of the store's start-up table creation; must follow the record and visit tables.
    static void createTables(const QSqlDatabase &db);
    static QString hashOf(const QByteArray &data);
    // The reason of a refusal as the user reads it.
    static QString refusalText(const QString &reason, const QString &detail);

    Position position() const;
    QString state(const QString &key) const;
    bool setState(const QString &key, const QString &value);
    QDateTime lastSync() const;
    bool setLastSync(const QDateTime &when);

    // Gives every record that is new or changed since it was archived the identity it will be
    // pushed under (kept across crashes, so a repeated push is recognised by the server) and
    // returns them. An identity whose record changed after it was pushed is replaced only
    // after a pull, which promotes it if the server committed it. False with nothing changed
    // when the store cannot be written.
    bool prepareOutgoing(const QString &author, QVector<Outgoing> *out, bool afterPull);
    // The bytes of a record prepared for sending; null when it changed since, so that it waits
    // for the next sync.
    QByteArray outgoingData(const Outgoing &record) const;
    // How many records wait for the archive; reads the change marks only.
    int waitingCount() const;
    // Notes what the server took, in one transaction.
    bool markArchived(const QVector<Archived> &records);

    // Of these rows, the UUIDs this store holds or refused (waiting ones included): one lookup
    // per few hundred rows, for needsData().
    QSet<QString> known(const QVector<Incoming> &rows) const;
    // Whether the record's bytes must be fetched: false when it is among `known` (held or
    // refused before), too large, or of a kind this program does not know.
    static bool needsData(const Incoming &row, const QSet<QString> &known);
    // Applies pulled rows and the new position in one transaction; *received counts the rows
    // that brought this store something new.
    // `listed` are headers noted in the catalogue in the same transaction.
    bool applyIncoming(const QVector<Incoming> &rows, const Position &after, int *received,
                       const QVector<Incoming> &listed = {});
    // Takes the records that waited for one they name, where that one has arrived since.
    bool retryWaiting(int *received);

    // After the server was restored or replaced: `serverUuids` is every identity it holds.
    // Records this store counted archived that the server lacks are pushed again, each under
    // its own identity where it can be, the catalogue forgets what the server lacks, and the
    // pull starts over. *again counts them.
    bool reconcile(const QStringList &serverUuids, int *again);

    // What an editor remembers of the configuration it opened: the archive revision it was
    // and a hash of its bytes.
    struct Opened
    {
        QString revision;
        QString hash;
    };
    Opened opened(int configId, const QByteArray &data) const;
    // Whether the store still holds the bytes that were opened (a sync may have replaced them);
    // true when the record is gone, whose save fails as it always did.
    bool stillHolds(int configId, const Opened &opened) const;
    // Keeps an edit of a configuration that changed under the editor beside it, named as a
    // conflict, as a revision that continues the one the editor opened; never over the newer
    // one. The new row, 0 when the store failed.
    int saveConflict(const Opened &opened, const QString &name, const QString &author,
                     const QByteArray &data);

    QVector<Rejected> rejected() const;
    QVector<Held> held() const;
    bool setWithdrawn(const QString &uuid);
    // The records of a table that their authors withdrew from the archive.
    QSet<int> withdrawnIds(const QString &table) const;
    // Writes a record deleted here back from the archive's copy (checked as any pulled
    // record); *restored is its new row. False with lastError() set otherwise.
    bool restoreDeleted(const Incoming &row, int *restored);
    QString uuidOf(const QString &table, int localId) const;
    bool isWithdrawn(const QString &table, int localId) const;
    QString lastError() const { return m_error; }

    // The catalogue this store knows (ARCHIWUM_KATALOG), newest first, offline.
    CataloguePage catalogue(const CatalogueQuery &query) const;
    // Reads catalogue rows, here's or the server's search, in the order seq, uuid, kind, name,
    // author, login, created, parent, line, site, unit, hash, size, withdrawn, site name, unit
    // label, into a page of at most `limit` (one row more only says that more follow).
    static void readPage(QSqlQuery &rows, int limit, CataloguePage *page);
    // Sets entry.local, table and localId from what this store holds of entry.uuid.
    void locate(CatalogueEntry &entry) const;
    // Notes pulled headers in the catalogue, in one transaction.
    bool noteCatalogue(const QVector<Incoming> &rows);
    // Whether the store holds the record's bytes, or refused them for good.
    bool holds(const QString &uuid) const;
    // Applies records fetched with what they name, in one transaction, those named first;
    // the pull's position stays.
    bool applyFetched(QVector<Incoming> rows, int *received);
    // Records waiting here for one they name: the UUIDs they wait for, at most `limit`.
    QStringList waitedFor(int limit) const;
    // Catalogue entries in the scope whose bytes are not here (nor refused), oldest first, at
    // most `limit`. Everything when `everything`, else those of `sites` or of `login`.
    QStringList missingInScope(bool everything, const QStringList &sites, const QString &login,
                               int limit);

    // Records refused in this handle's pulls.
    int refused() const { return m_refused; }
    // Records of the archive that wait for one they name.
    int waitingForOthers() const;

private:
    static QString nameExpr(const ArchiveKind &kind);
    static QString dataExpr(const ArchiveKind &kind);
    // The record's bytes (null when it names a row without an identity yet).
    QByteArray recordData(const ArchiveKind &kind, int localId, const QVariant &column) const;
    QString referenceUuid(const QString &table, int localId) const;
    int localOf(const QString &table, const QString &uuid) const;
    // Writes pulled bytes into row localId, or a new row when 0; *written is the row, 0 when
    // the record was refused (and kept aside). False only when the store failed.
    bool writeRecord(const ArchiveKind &kind, int localId, const Incoming &row,
                     const QString &name, int *written);
    bool applyOne(const Incoming &row, int *received);
    bool quarantine(const Incoming &row, const QString &reason, const QString &detail,
                    bool waiting);
    bool noteHeld(const Incoming &row, const QString &table, int localId, bool wrote);
    bool exec(const QString &sql, const QVariantList &values = {});
    bool listRows(const QVector<Incoming> &rows);
    bool exists(const QString &sql, const QVariantList &values) const;
    QString m_error;
    int m_refused = 0;
    QSqlDatabase m_db;
};
