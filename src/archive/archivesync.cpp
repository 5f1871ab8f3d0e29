#include "archive/archivesync.h"

#include "archive/archivelog.h"
#include "archive/archivekinds.h"
#include "archive/localarchive.h"
#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {
constexpr int PullBatch = 200;

// Connections are per thread in Qt: each sync makes its own under names no one else uses.
class Connection
{
public:
    Connection(const QString &driver, const QString &prefix)
        : m_name(prefix + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        m_db = QSqlDatabase::addDatabase(driver, m_name);
    }
    ~Connection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase &db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};
} // namespace

ArchiveSync::ArchiveSync(const ArchiveSettings &settings, const QString &storeFile)
    : m_settings(settings), m_storeFile(storeFile)
{
}

QString ArchiveSync::serverFailure(const QSqlError &error) const
{
    const QString text = error.text();
    qCDebug(lcArchive) << "archive server:" << text;
    if (text.contains(QLatin1String("password authentication failed"))
        || text.contains(QLatin1String("no password supplied")))
        return tr("Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł "
                  "PostgreSQL (pgpass).")
                .arg(m_settings.user);
    if (text.contains(QLatin1String("SSL"), Qt::CaseInsensitive))
        return tr("Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają "
                  "ustawienia: %1")
                .arg(text.trimmed());
    return tr("Brak połączenia z archiwum %1:%2: %3")
            .arg(m_settings.host)
            .arg(m_settings.port)
            .arg(text.trimmed());
}

bool ArchiveSync::openServer(QSqlDatabase &server, Result &result) const
{
    server.setHostName(m_settings.host);
    server.setPort(m_settings.port);
    server.setDatabaseName(m_settings.database);
    server.setUserName(m_settings.user);
    server.setConnectOptions(m_settings.connectOptions());
    if (!server.open()) {
        result.message = serverFailure(server.lastError());
        return false;
    }
    QSqlQuery version(server);
    if (!version.exec(QStringLiteral("SELECT version FROM archive_schema")) || !version.next()) {
        result.message = tr("Baza %1 nie jest archiwum programu: brak tabeli archive_schema "
                            "(uruchom scripts/archive-server).")
                                 .arg(m_settings.database);
        return false;
    }
    const int found = version.value(0).toInt();
    if (found != SchemaVersion) {
        result.message = tr("Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: "
                            "synchronizacja odrzucona, nic nie zmieniono.")
                                 .arg(found)
                                 .arg(SchemaVersion);
        return false;
    }
    return true;
}

ArchiveSync::Result ArchiveSync::run(const std::atomic<bool> *cancel, const Progress &progress)
{
    Result result;
    if (!ArchiveSettings::driverAvailable()) {
        result.message = tr("Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest "
                            "niedostępne.");
        return result;
    }
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
    QSqlDatabase &local = localConnection.db();
    local.setDatabaseName(m_storeFile);
    // The GUI thread writes the same file; wait for its short transactions instead of failing.
    local.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!local.open()) {
        result.message = tr("Nie można otworzyć lokalnej bazy: %1").arg(local.lastError().text());
        return result;
    }
    LocalArchive archive(local);
    const auto localFailure = [&archive, &result] {
        result.message = tr("Błąd zapisu do lokalnej bazy: %1").arg(archive.lastError());
        result.status = Status::Failed;
        return result;
    };

    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    QSqlDatabase &server = serverConnection.db();
    if (!openServer(server, result))
        return result;
    const auto lost = [this, &result](const QSqlError &error) {
        qCDebug(lcArchive) << "archive server:" << error.text();
        result.message = tr("Połączenie z archiwum zostało przerwane; synchronizacja nie "
                            "dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. "
                            "(%1)")
                                 .arg(error.text().trimmed());
        result.status = Status::Failed;
        return result;
    };

    // Every local record gets its identity first, so that pulling recognises a record this
    // store already holds under another identity.
    // The records are signed by the technician named in the settings, else by the one of the
    // latest service visit, else by the login.
    QString author = m_settings.technician;
    if (author.isEmpty())
        author = VisitStore(local).rememberedTechnician().technician;
    if (author.isEmpty())
        author = m_settings.user;
    if (!archive.prepareOutgoing(author, nullptr, false))
        return localFailure();

    const qint64 firstSeen = archive.lastSeen();
    qint64 lastSeen = firstSeen;
    qint64 newest = lastSeen;
    {
        QSqlQuery top(server);
        if (!top.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM archive_record"))
            || !top.next())
            return lost(top.lastError());
        newest = top.value(0).toLongLong();
    }
    int done = 0;
    int total = int(qMax<qint64>(0, newest - lastSeen));
    if (progress)
        progress(0, total);

    QSqlQuery pull(server);
    pull.setForwardOnly(true);
    pull.prepare(QStringLiteral("SELECT seq, CAST(uuid AS text), kind, name, author,"
                                " to_char(created AT TIME ZONE 'UTC',"
                                " 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"'), CAST(parent AS text), hash,"
                                " data, withdrawn FROM archive_record WHERE seq > ?"
                                " ORDER BY seq LIMIT %1")
                         .arg(PullBatch));
    for (;;) {
        if (cancelled()) {
            result.status = Status::Cancelled;
            return result;
        }
        pull.addBindValue(lastSeen);
        if (!pull.exec())
            return lost(pull.lastError());
        QVector<LocalArchive::Incoming> rows;
        while (pull.next()) {
            LocalArchive::Incoming row;
            row.seq = pull.value(0).toLongLong();
            row.uuid = pull.value(1).toString();
            row.kind = pull.value(2).toString();
            row.name = pull.value(3).toString();
            row.author = pull.value(4).toString();
            row.created = QDateTime::fromString(pull.value(5).toString(), Qt::ISODate);
            row.parent = pull.value(6).toString();
            row.hash = pull.value(7).toString();
            row.data = pull.value(8).toByteArray();
            row.withdrawn = pull.value(9).toBool();
            rows.append(row);
        }
        if (pull.lastError().isValid())
            return lost(pull.lastError());
        if (rows.isEmpty())
            break;
        lastSeen = rows.constLast().seq;
        if (!archive.applyIncoming(rows, lastSeen, &result.pulled))
            return localFailure();
        done = int(qMin<qint64>(total, lastSeen - firstSeen));
        if (progress)
            progress(done, total);
    }

    QVector<LocalArchive::Outgoing> outgoing;
    if (!archive.prepareOutgoing(author, &outgoing, true))
        return localFailure();
    total = done + outgoing.size();
    QSqlQuery insert(server);
    insert.prepare(QStringLiteral("INSERT INTO archive_record (uuid, kind, revisioned, name,"
                                  " author, created, parent, hash, data) VALUES"
                                  " (CAST(? AS uuid), ?, ?, ?, ?, CAST(? AS timestamptz),"
                                  " CAST(? AS uuid), ?, ?) ON CONFLICT DO NOTHING RETURNING seq"));
    QSqlQuery holder(server);
    holder.prepare(QStringLiteral("SELECT CAST(uuid AS text) FROM archive_record"
                                  " WHERE uuid = CAST(? AS uuid)"
                                  " OR (kind = ? AND unit = '' AND hash = ? AND NOT revisioned)"
                                  " ORDER BY uuid <> CAST(? AS uuid) LIMIT 1"));
    for (const LocalArchive::Outgoing &record : outgoing) {
        if (cancelled()) {
            result.status = Status::Cancelled;
            return result;
        }
        const ArchiveKind *kind = archiveKind(record.kind);
        insert.addBindValue(record.uuid);
        insert.addBindValue(record.kind);
        insert.addBindValue(kind->revisioned);
        insert.addBindValue(record.name);
        insert.addBindValue(record.author);
        insert.addBindValue(record.created.toUTC().toString(Qt::ISODate));
        insert.addBindValue(record.parent.isEmpty() ? QVariant(QVariant::String)
                                                    : QVariant(record.parent));
        insert.addBindValue(record.hash);
        insert.addBindValue(record.data);
        if (!insert.exec())
            return lost(insert.lastError());
        QString serverUuid = record.uuid;
        if (!insert.next()) {
            // Already there: pushed before the mark was written, or the same bytes of the same
            // unit read by someone else. Either way this record is that one.
            holder.addBindValue(record.uuid);
            holder.addBindValue(record.kind);
            holder.addBindValue(record.hash);
            holder.addBindValue(record.uuid);
            if (!holder.exec())
                return lost(holder.lastError());
            if (holder.next())
                serverUuid = holder.value(0).toString();
        }
        insert.finish();
        if (!archive.markArchived(record, serverUuid))
            return localFailure();
        ++result.pushed;
        if (progress)
            progress(++done, total);
    }
    archive.setLastSync(QDateTime::currentDateTimeUtc());
    result.status = Status::Done;
    result.message = tr("Synchronizacja zakończona: pobrano %1, wysłano %2.")
                             .arg(result.pulled)
                             .arg(result.pushed);
    if (archive.skipped())
        result.message += QLatin1Char(' ')
                + tr("Pominięto rekordów z archiwum: %1 (brak obiektu lub centrali, do których "
                     "należą).")
                          .arg(archive.skipped());
    return result;
}

ArchiveSync::Result ArchiveSync::withdraw(const QString &uuid)
{
    Result result;
    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    if (!openServer(serverConnection.db(), result))
        return result;
    QSqlQuery query(serverConnection.db());
    query.prepare(QStringLiteral("SELECT archive_withdraw(CAST(? AS uuid))"));
    query.addBindValue(uuid);
    if (!query.exec() || !query.next()) {
        result.message = serverFailure(query.lastError());
        return result;
    }
    if (!query.value(0).toBool()) {
        result.message = tr("Rekord nie został wycofany: wycofać może go tylko jego autor.");
        return result;
    }
    result.status = Status::Done;
    result.message = tr("Rekord wycofany; pozostaje w archiwum.");
    return result;
}
