#include "archive/localarchive.h"

#include "archive/archivelog.h"
#include "archive/archivekinds.h"
#include "archive/rowcodec.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

Q_LOGGING_CATEGORY(lcArchive, "ostrel.archive")

namespace {
const char *const kCreates[] = {
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_ID (tabela TEXT NOT NULL, lokalny_id INTEGER NOT NULL,"
    "uuid TEXT, skrot TEXT, autor TEXT, czas TEXT, oczekujacy_uuid TEXT, oczekujacy_skrot TEXT,"
    "wycofany INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (tabela, lokalny_id))",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_REWIZJE (uuid TEXT PRIMARY KEY, tabela TEXT NOT NULL,"
    "lokalny_id INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_STAN (klucz TEXT PRIMARY KEY, wartosc TEXT)",
    // Each pulled row is matched against these; without them a pull costs what the store holds.
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_uuid ON ARCHIWUM_ID (uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_brak ON ARCHIWUM_ID (tabela, uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_oczekujacy ON ARCHIWUM_ID (oczekujacy_uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_skrot ON ARCHIWUM_ID (tabela, oczekujacy_skrot)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_REWIZJE_wiersz ON ARCHIWUM_REWIZJE (tabela, lokalny_id)",
};

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Commits on success, rolls back otherwise; a transaction that is never committed (the
// process is killed) is rolled back by SQLite itself.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase &db) : m_db(db), m_open(db.transaction()) {}
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    bool commit()
    {
        if (!m_open)
            return false;
        m_open = false;
        return m_db.commit();
    }
    bool isOpen() const { return m_open; }

private:
    QSqlDatabase &m_db;
    bool m_open;
};
} // namespace

void LocalArchive::createTables(const QSqlDatabase &db)
{
    for (const char *statement : kCreates) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromUtf8(statement)))
            qCDebug(lcArchive) << "błąd CREATE" << query.lastError();
    }
}

QString LocalArchive::hashOf(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

bool LocalArchive::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec()) {
        m_error = query.lastError().text();
        qCDebug(lcArchive) << "archive:" << query.lastError();
        return false;
    }
    return true;
}

QString LocalArchive::stateValue(const QString &key) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT wartosc FROM ARCHIWUM_STAN WHERE klucz = ?"));
    query.addBindValue(key);
    query.exec();
    return query.next() ? query.value(0).toString() : QString();
}

qint64 LocalArchive::lastSeen() const
{
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("SELECT wartosc FROM ARCHIWUM_STAN WHERE klucz = 'last_seen'"));
    return query.next() ? query.value(0).toLongLong() : 0;
}

QDateTime LocalArchive::lastSync() const
{
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("SELECT wartosc FROM ARCHIWUM_STAN WHERE klucz = 'last_sync'"));
    return query.next() ? QDateTime::fromString(query.value(0).toString(), Qt::ISODate)
                        : QDateTime();
}

bool LocalArchive::setLastSync(const QDateTime &when)
{
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_STAN VALUES ('last_sync', ?)"),
                {when.toUTC().toString(Qt::ISODate)});
}

bool LocalArchive::prepareOutgoing(const QString &author, QVector<Outgoing> *out,
                                   bool afterPull)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = m_db.lastError().text();
        return false;
    }
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    for (const ArchiveKind &kind : archiveKinds()) {
        // Archived records that never change need not be read again, and the rows this store
        // has already given an identity are found through the side table, so that a sync
        // costs what is new rather than what the store holds. A kind with a condition (an open
        // visit may close later) is read whole.
        const bool useMark = !kind.revisioned && kind.condition.isEmpty();
        const QString markKey = QStringLiteral("seen_") + kind.table;
        const QString mark = useMark ? stateValue(markKey) : QString();
        const QString columns = QStringLiteral("t.id, %1, %2, a.uuid, a.skrot, a.oczekujacy_uuid,"
                                               " a.oczekujacy_skrot, a.autor, a.czas, a.tabela")
                                        .arg(nameExpr(kind), dataExpr(kind));
        QString sql = QStringLiteral("SELECT %1 FROM %2 t LEFT JOIN ARCHIWUM_ID a ON"
                                     " a.tabela = '%2' AND a.lokalny_id = t.id WHERE 1")
                              .arg(columns, kind.table);
        if (!kind.revisioned)
            sql += QStringLiteral(" AND a.uuid IS NULL");
        if (!kind.condition.isEmpty())
            sql += QStringLiteral(" AND ") + kind.condition;
        if (useMark) {
            const QString last = QString::number(mark.toLongLong());
            sql += QStringLiteral(" AND t.id > %1 UNION ALL SELECT %2 FROM ARCHIWUM_ID a"
                                  " JOIN %3 t ON t.id = a.lokalny_id WHERE a.tabela = '%3'"
                                  " AND a.uuid IS NULL AND t.id <= %1")
                           .arg(last, columns, kind.table);
        }
        sql += QStringLiteral(" ORDER BY 1");
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.exec(sql)) {
            m_error = query.lastError().text();
            return false;
        }
        while (query.next()) {
            Outgoing record;
            record.kind = kind.kind;
            record.localId = query.value(0).toInt();
            record.name = query.value(1).toString();
            record.data = recordData(kind, record.localId, query.value(2));
            if (record.data.isNull())
                continue; // names a record without an identity yet: next time
            record.hash = hashOf(record.data);
            const QString archived = query.value(3).toString();
            const QString archivedHash = query.value(4).toString();
            QString pending = query.value(5).toString();
            const QString pendingHash = query.value(6).toString();
            const bool hasRow = !query.value(9).isNull();
            if (!archived.isEmpty() && archivedHash == record.hash && pending.isEmpty())
                continue;
            record.parent = kind.revisioned ? archived : QString();
            if (!pending.isEmpty() && pendingHash != record.hash && !afterPull)
                continue; // it may have reached the server: the pull will tell
            if (!pending.isEmpty() && pendingHash == record.hash) {
                record.uuid = pending;
                record.author = query.value(7).toString();
                record.created = QDateTime::fromString(query.value(8).toString(), Qt::ISODate);
            } else {
                // Pulling first has promoted every pending identity the server committed, so a
                // stale one never reached it and may be replaced.
                record.uuid = newUuid();
                record.author = author;
                record.created = QDateTime::fromString(now, Qt::ISODate);
                const QVariantList values = {record.uuid, record.hash, author, now, kind.table,
                                             record.localId};
                const bool ok = hasRow
                        ? exec(QStringLiteral("UPDATE ARCHIWUM_ID SET oczekujacy_uuid = ?,"
                                              " oczekujacy_skrot = ?, autor = ?, czas = ?"
                                              " WHERE tabela = ? AND lokalny_id = ?"),
                               values)
                        : exec(QStringLiteral("INSERT INTO ARCHIWUM_ID (oczekujacy_uuid,"
                                              " oczekujacy_skrot, autor, czas, tabela,"
                                              " lokalny_id) VALUES (?, ?, ?, ?, ?, ?)"),
                               values);
                if (!ok)
                    return false;
            }
            if (out)
                out->append(record);
        }
        // Every row up to here has its identity now.
        if (useMark
            && !exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_STAN VALUES (?, (SELECT"
                                    " coalesce(max(id), 0) FROM %1))")
                             .arg(kind.table),
                     {markKey}))
            return false;
    }
    if (!transaction.commit()) {
        m_error = m_db.lastError().text();
        return false;
    }
    return true;
}

int LocalArchive::waitingCount() const
{
    int count = 0;
    for (const ArchiveKind &kind : archiveKinds()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!kind.revisioned) {
            query.exec(QStringLiteral("SELECT count(*) FROM %1 t LEFT JOIN ARCHIWUM_ID a ON"
                                      " a.tabela = '%1' AND a.lokalny_id = t.id"
                                      " WHERE a.uuid IS NULL AND %2")
                               .arg(kind.table,
                                    kind.condition.isEmpty() ? QStringLiteral("1")
                                                             : kind.condition));
            if (query.next())
                count += query.value(0).toInt();
            continue;
        }
        query.exec(QStringLiteral("SELECT %1, a.skrot, t.id FROM %2 t LEFT JOIN ARCHIWUM_ID a ON"
                                  " a.tabela = '%2' AND a.lokalny_id = t.id")
                           .arg(dataExpr(kind), kind.table));
        while (query.next()) {
            if (query.value(1).isNull()
                || hashOf(recordData(kind, query.value(2).toInt(), query.value(0)))
                        != query.value(1).toString())
                ++count;
        }
    }
    return count;
}

bool LocalArchive::markArchived(const Outgoing &record, const QString &serverUuid)
{
    const ArchiveKind *kind = archiveKind(record.kind);
    Transaction transaction(m_db);
    if (!kind || !transaction.isOpen())
        return false;
    if (!exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?, oczekujacy_uuid = NULL,"
                             " oczekujacy_skrot = NULL WHERE tabela = ? AND lokalny_id = ?"),
              {serverUuid, record.hash, kind->table, record.localId})
        || !exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                 {serverUuid, kind->table, record.localId}))
        return false;
    return transaction.commit();
}

bool LocalArchive::applyIncoming(const QVector<Incoming> &rows, qint64 lastSeq, int *received)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = m_db.lastError().text();
        return false;
    }
    for (const Incoming &row : rows) {
        if (!applyOne(row, received))
            return false;
    }
    if (!exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_STAN VALUES ('last_seen', ?)"),
              {QString::number(lastSeq)}))
        return false;
    return transaction.commit();
}

bool LocalArchive::applyOne(const Incoming &row, int *received)
{
    const ArchiveKind *kind = archiveKind(row.kind);
    if (!kind)
        return true; // a kind of a newer program: leave it in the archive
    const QVariant withdrawn = int(row.withdrawn);

    // Already held: only the withdrawn mark can have changed.
    {
        QSqlQuery known(m_db);
        known.prepare(QStringLiteral("SELECT 1 FROM ARCHIWUM_REWIZJE WHERE uuid = ?"));
        known.addBindValue(row.uuid);
        known.exec();
        if (known.next())
            return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET wycofany = ? WHERE uuid = ?"),
                        {withdrawn, row.uuid});
    }

    // Our own push whose local mark a crash lost, or a record of the same bytes that this
    // store read itself: it becomes that local record's identity.
    int localId = 0;
    {
        QSqlQuery mine(m_db);
        mine.prepare(QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE oczekujacy_uuid = ?"
                                    " AND tabela = ?"));
        mine.addBindValue(row.uuid);
        mine.addBindValue(kind->table);
        mine.exec();
        if (mine.next())
            localId = mine.value(0).toInt();
    }
    if (!localId && !kind->revisioned) {
        QSqlQuery same(m_db);
        same.prepare(QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                    " oczekujacy_skrot = ? AND uuid IS NULL"));
        same.addBindValue(kind->table);
        same.addBindValue(row.hash);
        same.exec();
        if (same.next())
            localId = same.value(0).toInt();
    }
    if (localId) {
        return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?,"
                                   " oczekujacy_uuid = NULL, oczekujacy_skrot = NULL,"
                                   " autor = ?, czas = ?, wycofany = ?"
                                   " WHERE tabela = ? AND lokalny_id = ?"),
                    {row.uuid, row.hash, row.author, row.created.toString(Qt::ISODate),
                     withdrawn, kind->table, localId})
                && exec(QStringLiteral("INSERT INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                        {row.uuid, kind->table, localId});
    }

    QString name = row.name;
    if (kind->revisioned && !row.parent.isEmpty()) {
        // A new revision of a configuration held here: taken over when the local copy is the
        // parent and unchanged, otherwise kept beside it as a conflict for the technician.
        QSqlQuery line(m_db);
        line.prepare(QStringLiteral("SELECT r.lokalny_id, a.uuid, a.skrot, a.oczekujacy_uuid,"
                                    " %1, %2 FROM ARCHIWUM_REWIZJE r"
                                    " JOIN ARCHIWUM_ID a ON a.tabela = r.tabela"
                                    " AND a.lokalny_id = r.lokalny_id"
                                    " JOIN %3 t ON t.id = r.lokalny_id"
                                    " WHERE r.uuid = ? AND r.tabela = ?")
                             .arg(nameExpr(*kind), dataExpr(*kind), kind->table));
        line.addBindValue(row.parent);
        line.addBindValue(kind->table);
        line.exec();
        if (line.next()) {
            const int lineId = line.value(0).toInt();
            const bool unchanged = line.value(1).toString() == row.parent
                    && line.value(3).isNull()
                    && hashOf(recordData(*kind, lineId, line.value(5)))
                            == line.value(2).toString();
            if (unchanged) {
                int written = 0;
                if (!writeRecord(*kind, lineId, QString(), row.data, &written))
                    return false;
                if (!written)
                    return true;
                ++*received;
                return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?,"
                                               " autor = ?, czas = ?, wycofany = ?"
                                               " WHERE tabela = ? AND lokalny_id = ?"),
                                {row.uuid, row.hash, row.author,
                                 row.created.toString(Qt::ISODate), withdrawn, kind->table,
                                 lineId})
                        && exec(QStringLiteral("INSERT INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                                {row.uuid, kind->table, lineId});
            }
            name = QStringLiteral("%1 (konflikt: %2, %3)")
                           .arg(line.value(4).toString(), row.author,
                                row.created.toLocalTime().toString(
                                        QStringLiteral("yyyy-MM-dd HH:mm")));
        }
    }

    int newId = 0;
    if (!writeRecord(*kind, 0, name, row.data, &newId))
        return false;
    if (!newId)
        return true;
    ++*received;
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_ID (tabela, lokalny_id, uuid,"
                               " skrot, autor, czas, wycofany) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {kind->table, newId, row.uuid, row.hash, row.author,
                 row.created.toString(Qt::ISODate), withdrawn})
            && exec(QStringLiteral("INSERT INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                    {row.uuid, kind->table, newId});
}

QString LocalArchive::nameExpr(const ArchiveKind &kind)
{
    return kind.nameColumn.contains(QLatin1Char('.')) ? kind.nameColumn
                                                      : QStringLiteral("t.") + kind.nameColumn;
}

QString LocalArchive::dataExpr(const ArchiveKind &kind)
{
    return kind.dataColumn.isEmpty() ? QStringLiteral("NULL")
                                     : QStringLiteral("t.") + kind.dataColumn;
}

QByteArray LocalArchive::recordData(const ArchiveKind &kind, int localId,
                                    const QVariant &column) const
{
    if (!kind.dataColumn.isEmpty()) {
        // A blob that is empty still is a record: keep it apart from "cannot encode".
        const QByteArray data = column.toByteArray();
        return data.isNull() ? QByteArray("") : data;
    }
    return RowCodec::encode(m_db, kind.kind, localId, [this](const QString &table, int id) {
        return referenceUuid(table, id);
    });
}

QString LocalArchive::referenceUuid(const QString &table, int localId) const
{
    // The first identity this store knew the row by stays its name in references, so that a
    // new revision of a site does not make its units look changed.
    QSqlQuery known(m_db);
    known.prepare(QStringLiteral("SELECT uuid FROM ARCHIWUM_REWIZJE WHERE tabela = ? AND"
                                 " lokalny_id = ? ORDER BY rowid LIMIT 1"));
    known.addBindValue(table);
    known.addBindValue(localId);
    known.exec();
    if (known.next())
        return known.value(0).toString();
    QSqlQuery pending(m_db);
    pending.prepare(QStringLiteral("SELECT oczekujacy_uuid FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                   " lokalny_id = ?"));
    pending.addBindValue(table);
    pending.addBindValue(localId);
    pending.exec();
    return pending.next() ? pending.value(0).toString() : QString();
}

bool LocalArchive::writeRecord(const ArchiveKind &kind, int localId, const QString &name,
                               const QByteArray &data, int *written)
{
    *written = 0;
    if (!kind.dataColumn.isEmpty()) {
        const bool ok = localId
                ? exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?")
                               .arg(kind.table, kind.dataColumn),
                       {data, localId})
                : exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)")
                               .arg(kind.table, kind.nameColumn, kind.dataColumn),
                       {name, data});
        if (ok) {
            QSqlQuery last(m_db);
            last.exec(QStringLiteral("SELECT last_insert_rowid()"));
            *written = localId ? localId : (last.next() ? last.value(0).toInt() : 0);
        }
        return ok;
    }
    // A record of several rows that this store cannot take (a row it names is not held, a
    // number it carries is taken here) stays in the archive; the sync goes on without it.
    exec(QStringLiteral("SAVEPOINT archive_record"));
    QString error;
    *written = RowCodec::decode(m_db, kind.kind, data, localId, name,
                                [this](const QString &uuid) {
                                    QSqlQuery q(m_db);
                                    q.prepare(QStringLiteral("SELECT lokalny_id FROM"
                                                             " ARCHIWUM_REWIZJE WHERE uuid = ?"));
                                    q.addBindValue(uuid);
                                    q.exec();
                                    return q.next() ? q.value(0).toInt() : 0;
                                },
                                &error);
    if (!*written) {
        qCDebug(lcArchive) << "archive: record" << kind.kind << "not taken:" << error;
        ++m_skipped;
        exec(QStringLiteral("ROLLBACK TO archive_record"));
    }
    return exec(QStringLiteral("RELEASE archive_record"));
}

QString LocalArchive::uuidOf(const QString &table, int localId) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT uuid FROM ARCHIWUM_ID WHERE tabela = ? AND lokalny_id = ?"));
    query.addBindValue(table);
    query.addBindValue(localId);
    query.exec();
    return query.next() ? query.value(0).toString() : QString();
}

bool LocalArchive::isWithdrawn(const QString &table, int localId) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT wycofany FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                 " lokalny_id = ?"));
    query.addBindValue(table);
    query.addBindValue(localId);
    query.exec();
    return query.next() && query.value(0).toInt() != 0;
}
