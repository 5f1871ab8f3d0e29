#include "archive/localarchive.h"

#include "archive/archivelog.h"
#include "archive/archivekinds.h"
#include "archive/rowcodec.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcArchive, "ostrel.archive")

namespace {
const char *const kCreates[] = {
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_ID (tabela TEXT NOT NULL, lokalny_id INTEGER NOT NULL,"
    "uuid TEXT, skrot TEXT, autor TEXT, czas TEXT, oczekujacy_uuid TEXT, oczekujacy_skrot TEXT,"
    "wycofany INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (tabela, lokalny_id))",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_REWIZJE (uuid TEXT PRIMARY KEY, tabela TEXT NOT NULL,"
    "lokalny_id INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_STAN (klucz TEXT PRIMARY KEY, wartosc TEXT)",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_ODRZUCONE (uuid TEXT PRIMARY KEY, seq INTEGER,"
    "rodzaj TEXT, nazwa TEXT, autor TEXT, login TEXT, utworzony TEXT, rodzic TEXT, skrot TEXT,"
    "wycofany INTEGER NOT NULL DEFAULT 0, powod TEXT NOT NULL, szczegol TEXT,"
    "oczekuje INTEGER NOT NULL DEFAULT 0, dane BLOB, czas TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_LOGINY (uuid TEXT PRIMARY KEY, login TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_USUNIETE (tabela TEXT NOT NULL,"
    "lokalny_id INTEGER NOT NULL, nazwa TEXT, czas TEXT NOT NULL,"
    "PRIMARY KEY (tabela, lokalny_id))",
    // Each pulled row is matched against these; without them a pull costs what the store holds.
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_uuid ON ARCHIWUM_ID (uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_brak ON ARCHIWUM_ID (tabela, uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_oczekujacy ON ARCHIWUM_ID (oczekujacy_uuid)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ID_skrot ON ARCHIWUM_ID (tabela, oczekujacy_skrot)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_REWIZJE_wiersz ON ARCHIWUM_REWIZJE (tabela, lokalny_id)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_ODRZUCONE_oczekuje ON ARCHIWUM_ODRZUCONE (oczekuje)",
    // The whole archive's catalogue; the indexes serve the scope, the lists and the names.
    "CREATE TABLE IF NOT EXISTS ARCHIWUM_KATALOG (uuid TEXT PRIMARY KEY, kind TEXT NOT NULL,"
    "name TEXT, author TEXT, login TEXT, created TEXT, parent TEXT, line TEXT, site TEXT,"
    "unit TEXT, hash TEXT, size INTEGER NOT NULL DEFAULT 0, withdrawn INTEGER NOT NULL DEFAULT 0,"
    "seq INTEGER NOT NULL DEFAULT 0, visited TEXT, next_due TEXT)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_site ON ARCHIWUM_KATALOG (site)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_unit ON ARCHIWUM_KATALOG (unit)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_kind ON ARCHIWUM_KATALOG (kind, seq)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_seq ON ARCHIWUM_KATALOG (seq)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_line ON ARCHIWUM_KATALOG (line, seq)",
    "CREATE INDEX IF NOT EXISTS ARCHIWUM_KATALOG_login ON ARCHIWUM_KATALOG (login)",
};
const char *const kChanges =
        "CREATE TABLE ARCHIWUM_ZMIANY (tabela TEXT NOT NULL, lokalny_id INTEGER NOT NULL,"
        "nazwa INTEGER NOT NULL DEFAULT 0, zmiana INTEGER NOT NULL,"
        "PRIMARY KEY (tabela, lokalny_id)) WITHOUT ROWID";

// The pull's state keys in ARCHIWUM_STAN.
const QString PullXid = QStringLiteral("pull_xid");
const QString PullSeq = QStringLiteral("pull_seq");
const QString LastSeen = QStringLiteral("last_seen");

// Reasons a pulled record is refused, as the user reads them.
struct Reason
{
    const char *code;
    const char *text;
};
const Reason kReasons[] = {
    {"hash", QT_TRANSLATE_NOOP("LocalArchive", "Treść nie zgadza się z sumą kontrolną rekordu")},
    {"size", QT_TRANSLATE_NOOP("LocalArchive", "Rekord jest większy niż 8 MiB")},
    {"name", QT_TRANSLATE_NOOP("LocalArchive", "Niedozwolona nazwa rekordu")},
    {"document",
     QT_TRANSLATE_NOOP("LocalArchive", "Treść nie jest poprawnym dokumentem JSON (%1)")},
    {"key", QT_TRANSLATE_NOOP("LocalArchive", "Nieznane pole „%1”")},
    {"value", QT_TRANSLATE_NOOP("LocalArchive", "Niedozwolona wartość pola „%1”")},
    {"missing", QT_TRANSLATE_NOOP("LocalArchive", "Brak wymaganego pola „%1”")},
    {"reference",
     QT_TRANSLATE_NOOP("LocalArchive", "Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju")},
    {"waiting",
     QT_TRANSLATE_NOOP("LocalArchive", "Czeka na rekord archiwum %1, do którego się odwołuje")},
    {"store", QT_TRANSLATE_NOOP("LocalArchive", "Lokalna baza nie przyjęła rekordu: %1")},
};

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString isoTime(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

// Commits on success, rolls back otherwise; a transaction that is never committed (the
// process is killed) is rolled back by SQLite itself. It takes the write lock when it begins:
// one that read first and wrote later could find the GUI's connection waiting to write and
// fail at once, where waiting for the lock lets the GUI's short write pass first.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase &db) : m_db(db)
    {
        QSqlQuery begin(m_db);
        m_open = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!m_open)
            m_error = begin.lastError().text();
    }
    ~Transaction()
    {
        if (m_open)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    bool commit()
    {
        if (!m_open)
            return false;
        m_open = false;
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("COMMIT")))
            return true;
        m_error = query.lastError().text();
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }

private:
    QSqlDatabase m_db;
    bool m_open = false;
    QString m_error;
};

// A statement that does not need its rows after the first: the read ends with it.
QVariant firstValue(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

// The triggers that keep ARCHIWUM_ZMIANY: a record is marked when it is written, with a new
// random change number, so that a push that read an older state does not clear a newer mark.
QStringList changeTriggers(const ArchiveKind &kind)
{
    const QString table = kind.table;
    const QString mark = QStringLiteral(
            "INSERT INTO ARCHIWUM_ZMIANY VALUES ('%1', NEW.id, %2, random()) ON CONFLICT"
            " (tabela, lokalny_id) DO UPDATE SET nazwa = max(nazwa, excluded.nazwa),"
            " zmiana = excluded.zmiana;");
    QStringList out;
    const QString condition = kind.condition.isEmpty()
            ? QString()
            : QStringLiteral(" WHEN ") + QString(kind.condition).replace(QStringLiteral("t."),
                                                                         QStringLiteral("NEW."));
    out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_ZMIANY_%1_nowy AFTER INSERT ON"
                          " %1%2 BEGIN %3 END")
                    .arg(table, condition, mark.arg(table, QStringLiteral("0")));
    if (kind.revisioned && !kind.dataColumn.isEmpty()) {
        // A rename is a new revision too, even with the same bytes.
        out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_ZMIANY_%1_zmiana AFTER"
                              " UPDATE ON %1 WHEN OLD.%2 IS NOT NEW.%2 OR OLD.%3 IS NOT NEW.%3"
                              " BEGIN %4 END")
                        .arg(table, kind.nameColumn, kind.dataColumn,
                             mark.arg(table, QStringLiteral("OLD.%1 IS NOT NEW.%1")
                                                     .arg(kind.nameColumn)));
    } else if (kind.revisioned) {
        out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_ZMIANY_%1_zmiana AFTER"
                              " UPDATE ON %1 WHEN %2 BEGIN %3 END")
                        .arg(table, RowCodec::changedCondition(kind.kind),
                             mark.arg(table, QStringLiteral("0")));
    } else if (!kind.condition.isEmpty()) {
        out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_ZMIANY_%1_zmiana AFTER"
                              " UPDATE ON %1%2 BEGIN %3 END")
                        .arg(table, condition, mark.arg(table, QStringLiteral("0")));
    }
    out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_ZMIANY_%1_usuniety AFTER DELETE"
                          " ON %1 BEGIN DELETE FROM ARCHIWUM_ZMIANY WHERE tabela = '%1' AND"
                          " lokalny_id = OLD.id; END")
                    .arg(table);
    // An archived record deleted here keeps its name, so that it can be found and restored.
    const QString oldName = kind.nameColumn.contains(QLatin1Char('.'))
            ? QString(kind.nameColumn).replace(QStringLiteral("t."), QStringLiteral("OLD."))
            : QStringLiteral("OLD.") + kind.nameColumn;
    out << QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARCHIWUM_USUNIETE_%1 AFTER DELETE ON %1"
                          " WHEN EXISTS (SELECT 1 FROM ARCHIWUM_ID WHERE tabela = '%1' AND"
                          " lokalny_id = OLD.id AND uuid IS NOT NULL) BEGIN INSERT OR REPLACE"
                          " INTO ARCHIWUM_USUNIETE VALUES ('%1', OLD.id, %2,"
                          " strftime('%Y-%m-%dT%H:%M:%SZ', 'now')); END")
                    .arg(table, oldName);
    return out;
}
} // namespace

void LocalArchive::createTables(const QSqlDatabase &db)
{
    QStringList statements;
    for (const char *statement : kCreates)
        statements << QString::fromUtf8(statement);
    // A store from before the change marks gets them for every record that may wait: all
    // that change, and those of the others that have no identity yet.
    const bool fill = !firstValue(db,
                                  QStringLiteral("SELECT 1 FROM sqlite_master WHERE type ="
                                                 " 'table' AND name = 'ARCHIWUM_ZMIANY'"),
                                  {})
                               .isValid();
    if (fill) {
        statements << QString::fromLatin1(kChanges);
        for (const ArchiveKind &kind : archiveKinds()) {
            statements << QStringLiteral("INSERT OR IGNORE INTO ARCHIWUM_ZMIANY SELECT '%1',"
                                         " t.id, 0, random() FROM %1 t LEFT JOIN ARCHIWUM_ID a"
                                         " ON a.tabela = '%1' AND a.lokalny_id = t.id WHERE %2"
                                         " AND %3")
                                  .arg(kind.table,
                                       kind.condition.isEmpty() ? QStringLiteral("1")
                                                                : kind.condition,
                                       kind.revisioned ? QStringLiteral("1")
                                                       : QStringLiteral("a.uuid IS NULL"));
        }
    }
    for (const ArchiveKind &kind : archiveKinds())
        statements << changeTriggers(kind);
    Transaction transaction(db);
    for (const QString &statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            qDebug() << "błąd CREATE" << statement.left(60) << query.lastError();
    }
    transaction.commit();
}

QString LocalArchive::hashOf(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

QString LocalArchive::refusalText(const QString &reason, const QString &detail)
{
    for (const Reason &r : kReasons) {
        if (reason == QLatin1String(r.code)) {
            const QString text = QCoreApplication::translate("LocalArchive", r.text);
            return text.contains(QLatin1String("%1")) ? text.arg(detail) : text;
        }
    }
    return reason;
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

bool LocalArchive::exists(const QString &sql, const QVariantList &values) const
{
    return firstValue(m_db, sql, values).isValid();
}

QString LocalArchive::state(const QString &key) const
{
    return firstValue(m_db, QStringLiteral("SELECT wartosc FROM ARCHIWUM_STAN WHERE klucz = ?"),
                      {key})
            .toString();
}

bool LocalArchive::setState(const QString &key, const QString &value)
{
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_STAN VALUES (?, ?)"),
                {key, value});
}

LocalArchive::Position LocalArchive::position() const
{
    // A store that pulled by number alone goes on from that number among the rows that older
    // servers numbered, which all count as transaction 0.
    Position p;
    p.xid = state(PullXid).toLongLong();
    p.seq = state(PullSeq).isEmpty() ? state(LastSeen).toLongLong()
                                     : state(PullSeq).toLongLong();
    return p;
}

QDateTime LocalArchive::lastSync() const
{
    const QString value = state(QStringLiteral("last_sync"));
    return value.isEmpty() ? QDateTime() : QDateTime::fromString(value, Qt::ISODate);
}

bool LocalArchive::setLastSync(const QDateTime &when)
{
    return setState(QStringLiteral("last_sync"), isoTime(when));
}

bool LocalArchive::prepareOutgoing(const QString &author, QVector<Outgoing> *out,
                                   bool afterPull)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    const QString now = isoTime(QDateTime::currentDateTimeUtc());
    for (const ArchiveKind &kind : archiveKinds()) {
        // Only records marked as changed are read, so that a sync costs what is new rather
        // than what the store holds.
        QString sql = QStringLiteral("SELECT t.id, %1, %2, a.uuid, a.skrot, a.oczekujacy_uuid,"
                                     " a.oczekujacy_skrot, a.autor, a.czas, a.tabela, z.nazwa,"
                                     " z.zmiana FROM ARCHIWUM_ZMIANY z JOIN %3 t ON t.id ="
                                     " z.lokalny_id LEFT JOIN ARCHIWUM_ID a ON a.tabela = '%3'"
                                     " AND a.lokalny_id = t.id WHERE z.tabela = '%3'")
                              .arg(nameExpr(kind), dataExpr(kind), kind.table);
        if (!kind.condition.isEmpty())
            sql += QStringLiteral(" AND ") + kind.condition;
        sql += QStringLiteral(" ORDER BY t.id");
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
            record.change = query.value(11).toLongLong();
            const QByteArray data = recordData(kind, record.localId, query.value(2));
            if (data.isNull())
                continue; // names a record without an identity yet: next time
            record.hash = hashOf(data);
            const QString archived = query.value(3).toString();
            const QString archivedHash = query.value(4).toString();
            QString pending = query.value(5).toString();
            const QString pendingHash = query.value(6).toString();
            const bool hasRow = !query.value(9).isNull();
            const bool renamed = query.value(10).toInt() != 0;
            // Archived as it is: nothing to send. A record that never changes is archived
            // once, whatever happens to it later.
            if (!archived.isEmpty() && pending.isEmpty()
                && ((archivedHash == record.hash && !renamed) || !kind.revisioned)) {
                if (!exec(QStringLiteral("DELETE FROM ARCHIWUM_ZMIANY WHERE tabela = ? AND"
                                         " lokalny_id = ? AND zmiana = ?"),
                          {kind.table, record.localId, record.change}))
                    return false;
                continue;
            }
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
    }
    if (!transaction.commit()) {
        m_error = transaction.error();
        return false;
    }
    return true;
}

QByteArray LocalArchive::outgoingData(const Outgoing &record) const
{
    const ArchiveKind *kind = archiveKind(record.kind);
    if (!kind)
        return QByteArray();
    QVariant column;
    if (!kind->dataColumn.isEmpty()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT %1 FROM %2 t WHERE t.id = ?")
                              .arg(dataExpr(*kind), kind->table));
        query.addBindValue(record.localId);
        if (!query.exec() || !query.next())
            return QByteArray();
        column = query.value(0);
    }
    const QByteArray data = recordData(*kind, record.localId, column);
    return hashOf(data) == record.hash ? data : QByteArray();
}

int LocalArchive::waitingCount() const
{
    return firstValue(m_db, QStringLiteral("SELECT count(*) FROM ARCHIWUM_ZMIANY"), {}).toInt();
}

bool LocalArchive::markArchived(const QVector<Archived> &records)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    for (const Archived &done : records) {
        const ArchiveKind *kind = archiveKind(done.record.kind);
        if (!kind)
            return false;
        const QVariantList row = {kind->table, done.record.localId};
        if (!exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?, autor = ?,"
                                 " oczekujacy_uuid = NULL, oczekujacy_skrot = NULL"
                                 " WHERE tabela = ? AND lokalny_id = ?"),
                  QVariantList{done.uuid, done.record.hash, done.author} + row)
            || !exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                     QVariantList{done.uuid} + row)
            || !exec(QStringLiteral("DELETE FROM ARCHIWUM_ZMIANY WHERE tabela = ? AND"
                                    " lokalny_id = ? AND zmiana = ?"),
                     row + QVariantList{done.record.change}))
            return false;
        if (done.uuid == done.record.uuid
            && !exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_LOGINY VALUES (?, ?)"),
                     {done.uuid, done.login}))
            return false;
    }
    if (transaction.commit())
        return true;
    m_error = transaction.error();
    return false;
}

QSet<QString> LocalArchive::known(const QVector<Incoming> &rows) const
{
    // Placeholders only in the text; SQLite takes at most 999 values a statement.
    constexpr int Chunk = 400;
    QSet<QString> out;
    for (int from = 0; from < rows.size(); from += Chunk) {
        const int count = qMin(Chunk, rows.size() - from);
        QStringList marks;
        for (int i = 0; i < count; ++i)
            marks << QStringLiteral("?");
        const QString list = marks.join(QLatin1Char(','));
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT uuid FROM ARCHIWUM_REWIZJE WHERE uuid IN (%1)"
                                     " UNION SELECT uuid FROM ARCHIWUM_ODRZUCONE WHERE uuid IN"
                                     " (%1)")
                              .arg(list));
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < count; ++i)
                query.addBindValue(rows.at(from + i).uuid);
        }
        query.exec();
        while (query.next())
            out.insert(query.value(0).toString());
    }
    return out;
}

bool LocalArchive::needsData(const Incoming &row, const QSet<QString> &known)
{
    return archiveKind(row.kind) && row.size <= MaxRecordBytes && !known.contains(row.uuid);
}

bool LocalArchive::applyIncoming(const QVector<Incoming> &rows, const Position &after,
                                 int *received, const QVector<Incoming> &listed)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    if (!listRows(listed))
        return false;
    qint64 top = state(LastSeen).toLongLong();
    for (const Incoming &row : rows) {
        if (!applyOne(row, received))
            return false;
        top = qMax(top, row.seq);
    }
    if (!setState(PullXid, QString::number(after.xid))
        || !setState(PullSeq, QString::number(after.seq))
        || !setState(LastSeen, QString::number(top)))
        return false;
    if (transaction.commit())
        return true;
    m_error = transaction.error();
    return false;
}

bool LocalArchive::retryWaiting(int *received)
{
    // A record may wait for one that itself waited (a visit for its unit, the unit for its
    // site), so rounds go on while any record is taken.
    for (int round = 0; round < 8; ++round) {
        QVector<Incoming> rows;
        {
            QSqlQuery query(m_db);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT seq, uuid, rodzaj, nazwa, autor, login, utworzony,"
                                      " rodzic, skrot, wycofany, dane FROM ARCHIWUM_ODRZUCONE"
                                      " WHERE oczekuje <> 0 ORDER BY seq"));
            while (query.next()) {
                Incoming row;
                row.seq = query.value(0).toLongLong();
                row.uuid = query.value(1).toString();
                row.kind = query.value(2).toString();
                row.name = query.value(3).toString();
                row.author = query.value(4).toString();
                row.login = query.value(5).toString();
                row.created = QDateTime::fromString(query.value(6).toString(), Qt::ISODate);
                row.parent = query.value(7).toString();
                row.hash = query.value(8).toString();
                row.withdrawn = query.value(9).toInt() != 0;
                row.data = query.value(10).toByteArray();
                row.size = row.data.size();
                rows.append(row);
            }
        }
        if (rows.isEmpty())
            return true;
        Transaction transaction(m_db);
        if (!transaction.isOpen()) {
            m_error = transaction.error();
            return false;
        }
        const int before = *received;
        for (const Incoming &row : rows) {
            if (!exec(QStringLiteral("DELETE FROM ARCHIWUM_ODRZUCONE WHERE uuid = ?"),
                      {row.uuid})
                || !applyOne(row, received))
                return false;
        }
        if (!transaction.commit()) {
            m_error = transaction.error();
            return false;
        }
        if (*received == before)
            return true;
    }
    return true;
}

bool LocalArchive::quarantine(const Incoming &row, const QString &reason, const QString &detail,
                              bool waiting)
{
    qDebug() << "archive: record" << row.uuid << row.kind << "refused:" << reason << detail;
    if (!waiting)
        ++m_refused;
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_ODRZUCONE (uuid, seq, rodzaj,"
                               " nazwa, autor, login, utworzony, rodzic, skrot, wycofany, powod,"
                               " szczegol, oczekuje, dane, czas) VALUES (?, ?, ?, ?, ?, ?, ?, ?,"
                               " ?, ?, ?, ?, ?, ?, ?)"),
                {row.uuid, row.seq, row.kind, row.name.left(1000), row.author.left(1000),
                 row.login, isoTime(row.created), row.parent, row.hash, int(row.withdrawn),
                 reason, detail.left(1000), int(waiting),
                 waiting ? QVariant(row.data) : QVariant(QVariant::ByteArray),
                 isoTime(QDateTime::currentDateTimeUtc())});
}

bool LocalArchive::noteHeld(const Incoming &row, const QString &table, int localId, bool wrote)
{
    // The sync's own write is no local change; a record it only recognised keeps its mark,
    // which may stand for an edit made since it was pushed.
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_REWIZJE VALUES (?, ?, ?)"),
                {row.uuid, table, localId})
            && exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_LOGINY VALUES (?, ?)"),
                    {row.uuid, row.login})
            && (!wrote
                || exec(QStringLiteral("DELETE FROM ARCHIWUM_ZMIANY WHERE tabela = ? AND"
                                       " lokalny_id = ?"),
                        {table, localId}));
}

bool LocalArchive::applyOne(const Incoming &row, int *received)
{
    const ArchiveKind *kind = archiveKind(row.kind);
    if (!kind)
        return true; // a kind of a newer program: leave it in the archive
    const QVariant withdrawn = int(row.withdrawn);

    // Already held, or refused before: only the withdrawn mark can have changed.
    if (exists(QStringLiteral("SELECT 1 FROM ARCHIWUM_REWIZJE WHERE uuid = ?"), {row.uuid}))
        return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET wycofany = ? WHERE uuid = ?"),
                    {withdrawn, row.uuid})
                && (row.login.isEmpty()
                    || exec(QStringLiteral("INSERT OR IGNORE INTO ARCHIWUM_LOGINY VALUES (?, ?)"),
                            {row.uuid, row.login}));
    if (exists(QStringLiteral("SELECT 1 FROM ARCHIWUM_ODRZUCONE WHERE uuid = ?"), {row.uuid}))
        return exec(QStringLiteral("UPDATE ARCHIWUM_ODRZUCONE SET wycofany = ? WHERE uuid = ?"),
                    {withdrawn, row.uuid});

    // Nothing of a colleague's row is believed: not its size, not its hash, not its name.
    if (row.size > MaxRecordBytes || row.data.size() > MaxRecordBytes)
        return quarantine(row, QStringLiteral("size"), QString(), false);
    if (hashOf(row.data) != row.hash)
        return quarantine(row, QStringLiteral("hash"), QString(), false);
    if (row.name.size() > 1000 || !RowCodec::isCleanText(row.name)
        || !RowCodec::isCleanText(row.author))
        return quarantine(row, QStringLiteral("name"), QString(), false);

    // Our own push whose local mark a crash lost, or a record of the same bytes that this
    // store read itself: it becomes that local record's identity.
    int localId = firstValue(m_db,
                             QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE"
                                            " oczekujacy_uuid = ? AND tabela = ?"),
                             {row.uuid, kind->table})
                          .toInt();
    if (!localId && !kind->revisioned)
        localId = firstValue(m_db,
                             QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE tabela = ?"
                                            " AND oczekujacy_skrot = ? AND uuid IS NULL"),
                             {kind->table, row.hash})
                          .toInt();
    if (localId) {
        return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?,"
                                   " oczekujacy_uuid = NULL, oczekujacy_skrot = NULL,"
                                   " autor = ?, czas = ?, wycofany = ?"
                                   " WHERE tabela = ? AND lokalny_id = ?"),
                    {row.uuid, row.hash, row.author, isoTime(row.created), withdrawn,
                     kind->table, localId})
                && noteHeld(row, kind->table, localId, false);
    }

    QString name = row.name;
    if (kind->revisioned && !row.parent.isEmpty()) {
        // A new revision of a record held here: taken over when the local copy is the parent
        // and unchanged (neither edited nor renamed), otherwise kept beside it as a conflict
        // for the technician.
        QSqlQuery line(m_db);
        line.setForwardOnly(true);
        line.prepare(QStringLiteral("SELECT r.lokalny_id, a.uuid, a.skrot, a.oczekujacy_uuid,"
                                    " %1, %2, (SELECT nazwa FROM ARCHIWUM_ZMIANY z WHERE"
                                    " z.tabela = r.tabela AND z.lokalny_id = r.lokalny_id)"
                                    " FROM ARCHIWUM_REWIZJE r"
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
                    && line.value(3).isNull() && line.value(6).toInt() == 0
                    && hashOf(recordData(*kind, lineId, line.value(5)))
                            == line.value(2).toString();
            const QString localName = line.value(4).toString();
            line.finish();
            if (unchanged) {
                int written = 0;
                if (!writeRecord(*kind, lineId, row, row.name, &written))
                    return false;
                if (!written)
                    return true;
                ++*received;
                return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = ?,"
                                           " autor = ?, czas = ?, wycofany = ?"
                                           " WHERE tabela = ? AND lokalny_id = ?"),
                            {row.uuid, row.hash, row.author, isoTime(row.created), withdrawn,
                             kind->table, lineId})
                        && noteHeld(row, kind->table, lineId, true);
            }
            name = QStringLiteral("%1 (konflikt: %2, %3)")
                           .arg(localName, row.author,
                                row.created.toLocalTime().toString(
                                        QStringLiteral("yyyy-MM-dd HH:mm")));
        }
    }

    int newId = 0;
    if (!writeRecord(*kind, 0, row, name, &newId))
        return false;
    if (!newId)
        return true;
    ++*received;
    return exec(QStringLiteral("INSERT OR REPLACE INTO ARCHIWUM_ID (tabela, lokalny_id, uuid,"
                               " skrot, autor, czas, wycofany) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {kind->table, newId, row.uuid, row.hash, row.author, isoTime(row.created),
                 withdrawn})
            && noteHeld(row, kind->table, newId, true);
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
    const QString known = firstValue(m_db,
                                     QStringLiteral("SELECT uuid FROM ARCHIWUM_REWIZJE WHERE"
                                                    " tabela = ? AND lokalny_id = ? ORDER BY"
                                                    " rowid LIMIT 1"),
                                     {table, localId})
                                  .toString();
    if (!known.isEmpty())
        return known;
    return firstValue(m_db,
                      QStringLiteral("SELECT oczekujacy_uuid FROM ARCHIWUM_ID WHERE tabela = ?"
                                     " AND lokalny_id = ?"),
                      {table, localId})
            .toString();
}

int LocalArchive::localOf(const QString &table, const QString &uuid) const
{
    // The table name goes into SQL text: only a table of a kind this program archives.
    const bool known = std::any_of(archiveKinds().cbegin(), archiveKinds().cend(),
                                   [&table](const ArchiveKind &k) { return k.table == table; });
    if (!known)
        return 0;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT lokalny_id, tabela FROM ARCHIWUM_REWIZJE WHERE uuid = ?"));
    query.addBindValue(uuid);
    if (!query.exec() || !query.next())
        return 0;
    if (query.value(1).toString() != table)
        return -1;
    const int id = query.value(0).toInt();
    query.finish();
    // A row deleted here since: the record waits, as "Przywróć z archiwum" may bring it back.
    return exists(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(table), {id}) ? id : 0;
}

bool LocalArchive::writeRecord(const ArchiveKind &kind, int localId, const Incoming &row,
                               const QString &name, int *written)
{
    *written = 0;
    if (!kind.dataColumn.isEmpty()) {
        // A revision brings its name along, so that a rename reaches every store.
        const bool ok = localId
                ? exec(QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE id = ?")
                               .arg(kind.table, kind.dataColumn, kind.nameColumn),
                       {row.data, name, localId})
                : exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)")
                               .arg(kind.table, kind.nameColumn, kind.dataColumn),
                       {name, row.data});
        if (ok)
            *written = localId ? localId
                               : firstValue(m_db, QStringLiteral("SELECT last_insert_rowid()"),
                                            {})
                                         .toInt();
        return ok;
    }
    // A record of several rows is checked whole before it is written; one this store cannot
    // take is kept aside with the reason, and the sync goes on without it.
    if (!exec(QStringLiteral("SAVEPOINT archive_record")))
        return false;
    RowCodec::Refusal refusal;
    QString error;
    *written = RowCodec::decode(
            m_db, kind.kind, row.data, localId, name,
            [this](const QString &table, const QString &uuid) { return localOf(table, uuid); },
            &refusal, &error);
    if (*written)
        return exec(QStringLiteral("RELEASE archive_record"));
    QSqlQuery undo(m_db);
    undo.exec(QStringLiteral("ROLLBACK TO archive_record"));
    undo.exec(QStringLiteral("RELEASE archive_record"));
    if (refusal.reason.isEmpty()) {
        // A constraint of this store (a report number it holds already, a closed visit) is
        // the record's fault; anything else is the store's, and ends the sync.
        if (!error.contains(QLatin1String("constraint"), Qt::CaseInsensitive)
            && !error.contains(QLatin1String("visit closed"))) {
            m_error = error;
            return false;
        }
        refusal.reason = QStringLiteral("store");
        refusal.detail = error;
    }
    return quarantine(row, refusal.reason, refusal.detail, refusal.waiting);
}

bool LocalArchive::reconcile(const QStringList &serverUuids, int *again)
{
    *again = 0;
    const QSet<QString> server(serverUuids.cbegin(), serverUuids.cend());
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    for (const ArchiveKind &kind : archiveKinds()) {
        struct Lost
        {
            int id;
            QString uuid;
        };
        QVector<Lost> lost;
        {
            QSqlQuery query(m_db);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT a.lokalny_id, a.uuid FROM ARCHIWUM_ID a JOIN %1 t"
                                      " ON t.id = a.lokalny_id WHERE a.tabela = '%1' AND"
                                      " a.uuid IS NOT NULL")
                               .arg(kind.table));
            while (query.next()) {
                if (!server.contains(query.value(1).toString()))
                    lost.append({query.value(0).toInt(), query.value(1).toString()});
            }
        }
        for (const Lost &record : lost) {
            // The revisions the server still has stay; the line goes on from the newest of
            // them. A record none of whose revisions survived goes again under the identity
            // others know it by.
            QStringList revisions;
            {
                QSqlQuery query(m_db);
                query.setForwardOnly(true);
                query.prepare(QStringLiteral("SELECT uuid FROM ARCHIWUM_REWIZJE WHERE tabela = ?"
                                             " AND lokalny_id = ? ORDER BY rowid"));
                query.addBindValue(kind.table);
                query.addBindValue(record.id);
                query.exec();
                while (query.next())
                    revisions << query.value(0).toString();
            }
            QString kept;
            for (const QString &uuid : revisions) {
                if (server.contains(uuid))
                    kept = uuid;
            }
            const QString first = revisions.value(0, record.uuid);
            QVariant column;
            if (!kind.dataColumn.isEmpty())
                column = firstValue(m_db,
                                    QStringLiteral("SELECT %1 FROM %2 t WHERE t.id = ?")
                                            .arg(dataExpr(kind), kind.table),
                                    {record.id});
            const QString hash = hashOf(recordData(kind, record.id, column));
            for (const QString &uuid : revisions) {
                if (!server.contains(uuid)
                    && !exec(QStringLiteral("DELETE FROM ARCHIWUM_REWIZJE WHERE uuid = ?"),
                             {uuid}))
                    return false;
            }
            const bool ok = kept.isEmpty()
                    ? exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = NULL, skrot = NULL,"
                                          " oczekujacy_uuid = ?, oczekujacy_skrot = ? WHERE"
                                          " tabela = ? AND lokalny_id = ?"),
                           {first, hash, kind.table, record.id})
                    : exec(QStringLiteral("UPDATE ARCHIWUM_ID SET uuid = ?, skrot = NULL,"
                                          " oczekujacy_uuid = NULL, oczekujacy_skrot = NULL"
                                          " WHERE tabela = ? AND lokalny_id = ?"),
                           {kept, kind.table, record.id});
            if (!ok
                || !exec(QStringLiteral("INSERT INTO ARCHIWUM_ZMIANY VALUES (?, ?, 0, random())"
                                        " ON CONFLICT (tabela, lokalny_id) DO UPDATE SET"
                                        " zmiana = excluded.zmiana"),
                         {kind.table, record.id}))
                return false;
            ++*again;
        }
    }
    // The catalogue lists what the server holds: an entry for a record it no longer has would
    // be offered and then not found. A record of this store among them is listed again once
    // it has been pushed again.
    {
        QStringList gone;
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT uuid FROM ARCHIWUM_KATALOG"));
        while (query.next()) {
            if (!server.contains(query.value(0).toString()))
                gone << query.value(0).toString();
        }
        query.finish();
        for (const QString &uuid : gone) {
            if (!exec(QStringLiteral("DELETE FROM ARCHIWUM_KATALOG WHERE uuid = ?"), {uuid}))
                return false;
        }
    }
    // Everything the server holds is looked at again; what is held here is skipped by its
    // identity, so only what this store lacks is fetched.
    if (!exec(QStringLiteral("DELETE FROM ARCHIWUM_STAN WHERE klucz IN (?, ?, ?)"),
              {PullXid, PullSeq, LastSeen})
        || !exec(QStringLiteral("DELETE FROM ARCHIWUM_ODRZUCONE WHERE oczekuje = 0")))
        return false;
    if (transaction.commit())
        return true;
    m_error = transaction.error();
    return false;
}

int LocalArchive::waitingForOthers() const
{
    return firstValue(m_db,
                      QStringLiteral("SELECT count(*) FROM ARCHIWUM_ODRZUCONE WHERE"
                                     " oczekuje <> 0"),
                      {})
            .toInt();
}

QVector<LocalArchive::Rejected> LocalArchive::rejected() const
{
    QVector<Rejected> out;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT uuid, rodzaj, nazwa, autor, login, utworzony, czas, powod,"
                              " szczegol, oczekuje FROM ARCHIWUM_ODRZUCONE ORDER BY czas DESC,"
                              " seq DESC"));
    while (query.next()) {
        Rejected r;
        r.uuid = query.value(0).toString();
        r.kind = query.value(1).toString();
        r.name = query.value(2).toString();
        r.author = query.value(3).toString();
        r.login = query.value(4).toString();
        r.created = QDateTime::fromString(query.value(5).toString(), Qt::ISODate);
        r.at = QDateTime::fromString(query.value(6).toString(), Qt::ISODate);
        r.reason = refusalText(query.value(7).toString(), query.value(8).toString());
        r.waiting = query.value(9).toInt() != 0;
        out.append(r);
    }
    return out;
}

LocalArchive::Opened LocalArchive::opened(int configId, const QByteArray &data) const
{
    return {uuidOf(QStringLiteral("KONFIGURACJA"), configId), hashOf(data)};
}

bool LocalArchive::stillHolds(int configId, const Opened &opened) const
{
    const QVariant data = firstValue(m_db, QStringLiteral("SELECT dane FROM KONFIGURACJA WHERE"
                                                          " id = ?"),
                                     {configId});
    return !data.isValid() || hashOf(data.toByteArray()) == opened.hash;
}

int LocalArchive::saveConflict(const Opened &opened, const QString &name, const QString &author,
                               const QByteArray &data)
{
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return 0;
    }
    const QString conflictName =
            QStringLiteral("%1 (konflikt: %2, %3)")
                    .arg(name, author,
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (!exec(QStringLiteral("INSERT INTO KONFIGURACJA (nazwa, dane) VALUES (?, ?)"),
              {conflictName, data}))
        return 0;
    const int id = firstValue(m_db, QStringLiteral("SELECT last_insert_rowid()"), {}).toInt();
    // Its parent is the revision the editor opened: pushed, it stands beside the newer one.
    if (!opened.revision.isEmpty()
        && !exec(QStringLiteral("INSERT INTO ARCHIWUM_ID (tabela, lokalny_id, uuid) VALUES"
                                " ('KONFIGURACJA', ?, ?)"),
                 {id, opened.revision}))
        return 0;
    if (transaction.commit())
        return id;
    m_error = transaction.error();
    return 0;
}

QVector<LocalArchive::Held> LocalArchive::held() const
{
    QVector<Held> out;
    for (const ArchiveKind &kind : archiveKinds()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT a.lokalny_id, a.uuid, coalesce(%1, u.nazwa), a.autor,"
                                  " l.login, a.wycofany, t.id IS NULL FROM ARCHIWUM_ID a"
                                  " LEFT JOIN %2 t ON t.id = a.lokalny_id"
                                  " LEFT JOIN ARCHIWUM_LOGINY l ON l.uuid = a.uuid"
                                  " LEFT JOIN ARCHIWUM_USUNIETE u ON u.tabela = a.tabela AND"
                                  " u.lokalny_id = a.lokalny_id"
                                  " WHERE a.tabela = '%2' AND a.uuid IS NOT NULL ORDER BY 1")
                           .arg(nameExpr(kind), kind.table));
        while (query.next()) {
            Held h;
            h.kind = kind.kind;
            h.localId = query.value(0).toInt();
            h.uuid = query.value(1).toString();
            h.name = query.value(2).toString();
            h.author = query.value(3).toString();
            h.login = query.value(4).toString();
            h.withdrawn = query.value(5).toInt() != 0;
            h.deletedHere = query.value(6).toInt() != 0;
            out.append(h);
        }
    }
    return out;
}

QSet<int> LocalArchive::withdrawnIds(const QString &table) const
{
    QSet<int> ids;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                 " wycofany <> 0"));
    query.addBindValue(table);
    query.exec();
    while (query.next())
        ids.insert(query.value(0).toInt());
    return ids;
}

bool LocalArchive::setWithdrawn(const QString &uuid)
{
    return exec(QStringLiteral("UPDATE ARCHIWUM_ID SET wycofany = 1 WHERE uuid = ?"), {uuid})
            && exec(QStringLiteral("UPDATE ARCHIWUM_KATALOG SET withdrawn = 1 WHERE uuid = ?"),
                    {uuid});
}

bool LocalArchive::restoreDeleted(const Incoming &row, int *restored)
{
    *restored = 0;
    const ArchiveKind *kind = archiveKind(row.kind);
    const int old = kind ? firstValue(m_db,
                                      QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE"
                                                     " tabela = ? AND uuid = ?"),
                                      {kind->table, row.uuid})
                                   .toInt()
                         : 0;
    if (!old || exists(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(kind->table), {old})) {
        m_error = QCoreApplication::translate("LocalArchive",
                                              "Rekord nie jest usunięty w tej bazie.");
        return false;
    }
    if (row.data.size() > MaxRecordBytes || hashOf(row.data) != row.hash) {
        m_error = refusalText(QStringLiteral("hash"), QString());
        return false;
    }
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    int newId = 0;
    if (!writeRecord(*kind, 0, row, row.name, &newId))
        return false;
    if (!newId) {
        // Refused as a pulled record would be; nothing of it stays.
        QSqlQuery why(m_db);
        why.prepare(QStringLiteral("SELECT powod, szczegol FROM ARCHIWUM_ODRZUCONE WHERE uuid = ?"));
        why.addBindValue(row.uuid);
        why.exec();
        m_error = why.next() ? refusalText(why.value(0).toString(), why.value(1).toString())
                             : QString();
        return false;
    }
    const QVariantList moved = {newId, kind->table, old};
    if (!exec(QStringLiteral("UPDATE ARCHIWUM_ID SET lokalny_id = ? WHERE tabela = ? AND"
                             " lokalny_id = ?"),
              moved)
        || !exec(QStringLiteral("UPDATE ARCHIWUM_REWIZJE SET lokalny_id = ? WHERE tabela = ? AND"
                                " lokalny_id = ?"),
                 moved)
        || !exec(QStringLiteral("DELETE FROM ARCHIWUM_USUNIETE WHERE tabela = ? AND"
                                " lokalny_id = ?"),
                 {kind->table, old})
        || !exec(QStringLiteral("DELETE FROM ARCHIWUM_ZMIANY WHERE tabela = ? AND"
                                " lokalny_id = ?"),
                 {kind->table, newId}))
        return false;
    if (!transaction.commit()) {
        m_error = transaction.error();
        return false;
    }
    *restored = newId;
    return true;
}

QString LocalArchive::uuidOf(const QString &table, int localId) const
{
    return firstValue(m_db,
                      QStringLiteral("SELECT uuid FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                     " lokalny_id = ?"),
                      {table, localId})
            .toString();
}

bool LocalArchive::isWithdrawn(const QString &table, int localId) const
{
    return firstValue(m_db,
                      QStringLiteral("SELECT wycofany FROM ARCHIWUM_ID WHERE tabela = ? AND"
                                     " lokalny_id = ?"),
                      {table, localId})
                   .toInt()
            != 0;
}

namespace {
// The kinds in the order their records name each other: a site before its units, a unit
// before its visits, a linked record before the visit.
int dependencyRank(const QString &kind)
{
    static const char *const order[] = {"site", "unit", "config", "eventlog", "faults",
                                        "software", "visit"};
    for (int i = 0; i < int(sizeof(order) / sizeof(order[0])); ++i) {
        if (kind == QLatin1String(order[i]))
            return i;
    }
    return int(sizeof(order) / sizeof(order[0]));
}

QString likePattern(const QString &text)
{
    QString escaped = text.left(200);
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}
} // namespace

bool LocalArchive::noteCatalogue(const QVector<Incoming> &rows)
{
    if (rows.isEmpty())
        return true;
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    if (!listRows(rows))
        return false;
    if (transaction.commit())
        return true;
    m_error = transaction.error();
    return false;
}

bool LocalArchive::listRows(const QVector<Incoming> &rows)
{
    if (rows.isEmpty())
        return true;
    QSqlQuery upsert(m_db);
    if (!upsert.prepare(QStringLiteral(
                "INSERT INTO ARCHIWUM_KATALOG (uuid, kind, name, author, login, created, parent,"
                " line, site, unit, hash, size, withdrawn, seq, visited, next_due) VALUES (?, ?,"
                " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO UPDATE SET"
                " name = excluded.name, author = excluded.author, login = excluded.login,"
                " line = excluded.line, site = excluded.site, unit = excluded.unit,"
                " withdrawn = excluded.withdrawn, seq = excluded.seq,"
                " visited = excluded.visited, next_due = excluded.next_due"))) {
        m_error = upsert.lastError().text();
        return false;
    }
    const auto text = [](const QString &value) {
        return value.isEmpty() ? QVariant(QVariant::String) : QVariant(value);
    };
    for (const Incoming &row : rows) {
        // A kind of a newer program is not listed: this one could not open it.
        if (!archiveKind(row.kind))
            continue;
        const QVariantList values = {
                row.uuid, row.kind,
                RowCodec::isCleanText(row.name) ? row.name.left(1000) : QString(),
                RowCodec::isCleanText(row.author) ? row.author.left(1000) : QString(),
                row.login.left(100), isoTime(row.created), text(row.parent), text(row.line),
                text(row.site), text(row.unit), row.hash.left(100), row.size,
                int(row.withdrawn), row.seq,
                row.visited.isValid() ? QVariant(isoTime(row.visited)) : QVariant(),
                row.nextDue.isValid() ? QVariant(row.nextDue.toString(Qt::ISODate)) : QVariant()};
        for (const QVariant &value : values)
            upsert.addBindValue(value);
        if (!upsert.exec()) {
            m_error = upsert.lastError().text();
            return false;
        }
    }
    return true;
}

bool LocalArchive::holds(const QString &uuid) const
{
    return exists(QStringLiteral("SELECT 1 FROM ARCHIWUM_REWIZJE WHERE uuid = ?"), {uuid})
            || exists(QStringLiteral("SELECT 1 FROM ARCHIWUM_ODRZUCONE WHERE uuid = ? AND"
                                     " oczekuje = 0"),
                      {uuid});
}

bool LocalArchive::applyFetched(QVector<Incoming> rows, int *received)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Incoming &a, const Incoming &b) {
        const int ra = dependencyRank(a.kind), rb = dependencyRank(b.kind);
        return ra != rb ? ra < rb : a.seq < b.seq;
    });
    Transaction transaction(m_db);
    if (!transaction.isOpen()) {
        m_error = transaction.error();
        return false;
    }
    for (const Incoming &row : rows) {
        // One that waited for another of these is tried again with it.
        if (!exec(QStringLiteral("DELETE FROM ARCHIWUM_ODRZUCONE WHERE uuid = ? AND"
                                 " oczekuje <> 0"),
                  {row.uuid})
            || !applyOne(row, received))
            return false;
    }
    if (transaction.commit())
        return true;
    m_error = transaction.error();
    return false;
}

QStringList LocalArchive::waitedFor(int limit) const
{
    QStringList out;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT DISTINCT szczegol FROM ARCHIWUM_ODRZUCONE WHERE"
                                 " oczekuje <> 0 AND szczegol IS NOT NULL LIMIT ?"));
    query.addBindValue(limit);
    query.exec();
    while (query.next()) {
        const QUuid uuid(query.value(0).toString());
        if (!uuid.isNull())
            out << uuid.toString(QUuid::WithoutBraces);
    }
    return out;
}

QStringList LocalArchive::missingInScope(bool everything, const QStringList &sites,
                                         const QString &login, int limit)
{
    QString where = QStringLiteral("1");
    QVariantList values;
    if (!everything) {
        // The scope's sites go through a table of this connection, so that the lookup runs on
        // the catalogue's site index whatever their number.
        if (!exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS archiwum_zakres"
                                 " (site TEXT PRIMARY KEY)"))
            || !exec(QStringLiteral("DELETE FROM temp.archiwum_zakres")))
            return {};
        for (const QString &site : sites) {
            if (!exec(QStringLiteral("INSERT OR IGNORE INTO temp.archiwum_zakres VALUES (?)"),
                      {site}))
                return {};
        }
        where = QStringLiteral("(k.site IN (SELECT site FROM temp.archiwum_zakres)"
                               " OR k.login = ?)");
        values << login;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT k.uuid FROM ARCHIWUM_KATALOG k WHERE %1 AND k.size <= ?"
                                 " AND NOT EXISTS (SELECT 1 FROM ARCHIWUM_REWIZJE r WHERE"
                                 " r.uuid = k.uuid) AND NOT EXISTS (SELECT 1 FROM"
                                 " ARCHIWUM_ODRZUCONE o WHERE o.uuid = k.uuid) ORDER BY k.seq"
                                 " LIMIT ?")
                          .arg(where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.addBindValue(MaxRecordBytes);
    query.addBindValue(limit);
    QStringList out;
    if (!query.exec())
        m_error = query.lastError().text();
    while (query.next())
        out << query.value(0).toString();
    return out;
}

CataloguePage LocalArchive::catalogue(const CatalogueQuery &query) const
{
    // Fixed parts only; every value is bound.
    QStringList where;
    QVariantList values;
    const QString text = query.text.trimmed();
    if (!text.isEmpty()) {
        const QString pattern = likePattern(text);
        where << QStringLiteral(
                "(k.name LIKE ? ESCAPE '\\' OR k.site IN (SELECT s.line FROM ARCHIWUM_KATALOG s"
                " WHERE s.kind = 'site' AND s.name LIKE ? ESCAPE '\\') OR k.unit IN (SELECT"
                " u.line FROM ARCHIWUM_KATALOG u WHERE u.kind = 'unit' AND u.name LIKE ?"
                " ESCAPE '\\'))");
        values << pattern << pattern << pattern;
    }
    const std::pair<const char *, QString> equal[] = {
            {"k.kind = ?", query.kind}, {"k.site = ?", query.site}, {"k.unit = ?", query.unit}};
    for (const auto &condition : equal) {
        if (!condition.second.isEmpty()) {
            where << QLatin1String(condition.first);
            values << condition.second;
        }
    }
    if (query.beforeSeq > 0) {
        where << QStringLiteral("k.seq < ?");
        values << query.beforeSeq;
    }
    const int limit = qBound(1, query.limit, CatalogueQuery::MaxPage);
    values << limit + 1;
    QSqlQuery rows(m_db);
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral(
            "SELECT k.seq, k.uuid, k.kind, k.name, k.author, k.login, k.created, k.parent,"
            " k.line, k.site, k.unit, k.hash, k.size, k.withdrawn,"
            " (SELECT s.name FROM ARCHIWUM_KATALOG s WHERE s.line = k.site AND s.kind = 'site'"
            "  ORDER BY s.seq DESC LIMIT 1),"
            " (SELECT u.name FROM ARCHIWUM_KATALOG u WHERE u.line = k.unit AND u.kind = 'unit'"
            "  ORDER BY u.seq DESC LIMIT 1), k.visited"
            " FROM ARCHIWUM_KATALOG k WHERE %1 ORDER BY k.seq DESC LIMIT ?")
                         .arg(where.isEmpty() ? QStringLiteral("1")
                                              : where.join(QStringLiteral(" AND "))));
    for (const QVariant &value : values)
        rows.addBindValue(value);
    CataloguePage page;
    if (!rows.exec())
        return page;
    readPage(rows, limit, &page);
    rows.finish();
    for (CatalogueEntry &e : page.entries)
        locate(e);
    return page;
}

void LocalArchive::readPage(QSqlQuery &rows, int limit, CataloguePage *page)
{
    while (rows.next()) {
        if (page->entries.size() == limit) {
            page->more = true;
            break;
        }
        CatalogueEntry e;
        e.seq = rows.value(0).toLongLong();
        e.uuid = rows.value(1).toString();
        e.kind = rows.value(2).toString();
        e.name = rows.value(3).toString();
        e.author = rows.value(4).toString();
        e.login = rows.value(5).toString();
        e.created = QDateTime::fromString(rows.value(6).toString(), Qt::ISODate);
        e.parent = rows.value(7).toString();
        e.line = rows.value(8).toString();
        e.site = rows.value(9).toString();
        e.unit = rows.value(10).toString();
        e.hash = rows.value(11).toString();
        e.size = rows.value(12).toLongLong();
        e.withdrawn = rows.value(13).toBool();
        e.siteName = rows.value(14).toString();
        e.unitLabel = rows.value(15).toString();
        e.visited = QDateTime::fromString(rows.value(16).toString(), Qt::ISODate);
        page->entries.append(e);
    }
}

void LocalArchive::locate(CatalogueEntry &entry) const
{
    // Held, unless its local row was deleted here since.
    entry.local = false;
    entry.localId = 0;
    entry.table = firstValue(m_db, QStringLiteral("SELECT tabela FROM ARCHIWUM_REWIZJE WHERE"
                                                  " uuid = ?"),
                             {entry.uuid})
                          .toString();
    if (!entry.table.isEmpty())
        entry.localId = qMax(0, localOf(entry.table, entry.uuid));
    entry.local = entry.localId > 0;
    if (!entry.local)
        entry.table.clear();
}
