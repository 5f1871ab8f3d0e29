#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

struct ArchiveKind;

// The local half of the company archive, kept in side tables of the local store so that the
// record tables stay as they are:
// - ARCHIWUM_ID: per local record its archive identity (UUID, author, time, content hash) and,
//   while a push is under way, the identity it is being pushed under;
// - ARCHIWUM_REWIZJE: every archive UUID this store holds, with its local record (a
//   configuration keeps all its revisions here, which is how a new revision finds its line);
// - ARCHIWUM_STAN: the last server number pulled and the time of the last sync.
// A record counts as archived only once ARCHIWUM_ID carries the UUID the server committed.
class LocalArchive
{
public:
    // A record on its way to the server.
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
        QByteArray data;
    };
    // A record from the server.
    struct Incoming
    {
        qint64 seq = 0;
        QString uuid;
        QString kind;
        QString name;
        QString author;
        QDateTime created;
        QString parent;
        QString hash;
        QByteArray data;
        bool withdrawn = false;
    };

    explicit LocalArchive(const QSqlDatabase &db) : m_db(db) {}

    // Part of the store's start-up table creation.
    static void createTables(const QSqlDatabase &db);
    static QString hashOf(const QByteArray &data);

    qint64 lastSeen() const;
    QDateTime lastSync() const;
    bool setLastSync(const QDateTime &when);

    // Gives every record that is new or changed since it was archived the identity it will be
    // pushed under (kept across crashes, so a repeated push is recognised by the server) and
    // returns them. An identity whose record changed after it was pushed is replaced only
    // after a pull, which promotes it if the server committed it. False with nothing changed
    // when the store cannot be written.
    bool prepareOutgoing(const QString &author, QVector<Outgoing> *out, bool afterPull);
    // How many records wait for the archive (read-only).
    int waitingCount() const;

    bool markArchived(const Outgoing &record, const QString &serverUuid);
    // Applies one batch of pulled rows and the new last seen number in one transaction;
    // *received counts the rows that brought this store something new.
    bool applyIncoming(const QVector<Incoming> &rows, qint64 lastSeq, int *received);

    QString uuidOf(const QString &table, int localId) const;
    bool isWithdrawn(const QString &table, int localId) const;
    QString lastError() const { return m_error; }
    // Records of the archive that this store could not take (see writeRecord).
    int skipped() const { return m_skipped; }

private:
    QString stateValue(const QString &key) const;
    static QString nameExpr(const ArchiveKind &kind);
    static QString dataExpr(const ArchiveKind &kind);
    // The record's bytes (null when it names a row without an identity yet).
    QByteArray recordData(const ArchiveKind &kind, int localId, const QVariant &column) const;
    QString referenceUuid(const QString &table, int localId) const;
    // Writes pulled bytes into row localId, or a new row when 0; *written is the row, 0 when
    // the record was left out. False only when the store failed.
    bool writeRecord(const ArchiveKind &kind, int localId, const QString &name,
                     const QByteArray &data, int *written);
    bool applyOne(const Incoming &row, int *received);
    bool exec(const QString &sql, const QVariantList &values = {});
    QString m_error;
    int m_skipped = 0;
    QSqlDatabase m_db;
};
