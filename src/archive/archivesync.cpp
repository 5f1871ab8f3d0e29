#include "archive/archivesync.h"

#include "archive/archivelog.h"
#include "archive/archivekinds.h"
#include "archive/localarchive.h"
#include "archive/rowcodec.h"
#include "visits/visitstore.h"

#include <QDebug>
#include <QHash>
#include <QSet>
#include <QLibrary>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <algorithm>
#include <climits>
#include <limits>

namespace {
// A pull reads the rows' headers in batches of this many, and fetches the bytes of the records
// it lacks in groups of at most this many rows and bytes, each group one local commit (the
// first also lists the batch in the catalogue): memory and a commit's work stay bounded
// whatever the archive holds, and a first sync of a large archive makes few commits.
constexpr int HeaderBatch = 2000;
// Rounds of fetching what waiting records name, per sync.
constexpr int WaitRounds = 16;
constexpr int GroupRows = 100;
constexpr qint64 GroupBytes = 16 * 1024 * 1024;
// Pushed records are noted locally in one commit per this many.
constexpr int MarkBatch = 64;
// A record larger than this travels in pieces of this size, each a progress step and a point
// where a cancel ends it.
constexpr int ChunkBytes = 256 * 1024;
// A fetch follows what a record names at most this many rounds (a visit, its unit, its site,
// its linked records) and brings at most this much at once.
constexpr int DependencyRounds = 4;
constexpr int ClosureRows = 1000;
constexpr qint64 ClosureBytes = 64 * 1024 * 1024;
// After a scope was widened, at most this many records' bytes come per sync; the next sync
// goes on.
constexpr int CatchUpRows = 5000;
// "moje obiekty" of one login: far more sites than any technician visits.
constexpr int MySitesLimit = 100000;

// A row of the catalogue as the pull, the fetch and the restore read it. A first sync reads
// every row of the archive, so the row travels dense: the fields the server fills itself are
// packed into one text column, separated by spaces (UUIDs and the hash in base64, times in
// seconds and days since 1970, the line empty when it is the record's own UUID), and only the
// free texts (name, author, login) keep columns of their own. Dates a client sent that are not
// finite travel as empty fields, as unknown.
QString uuid64(const char *column)
{
    return QStringLiteral("rtrim(encode(uuid_send(%1), 'base64'), '=')").arg(QLatin1String(column));
}

QString epochOf(const char *column)
{
    return QStringLiteral("CASE WHEN isfinite(%1) THEN CAST(floor(extract(epoch FROM %1)) AS"
                          " bigint) END")
            .arg(QLatin1String(column));
}

const QString &headerColumns()
{
    static const QString columns =
            QStringLiteral("format('%s %s %s %s %s %s %s %s %s %s %s %s %s %s', seq, xid, %1, kind,"
                           " %2, %3, CASE WHEN hash ~ '^[0-9a-f]{64}$' THEN rtrim(encode(decode("
                           "hash, 'hex'), 'base64'), '=') END, coalesce(size, octet_length(data)),"
                           " CASE WHEN withdrawn THEN 1 ELSE 0 END, CASE WHEN line = uuid THEN ''"
                           " WHEN line IS NULL THEN '-' ELSE %4 END, %5, %6, %7, CASE WHEN"
                           " isfinite(next_due) THEN next_due - DATE '1970-01-01' END),"
                           " name, author, login")
                    .arg(uuid64("uuid"), epochOf("created"), uuid64("parent"), uuid64("line"),
                         uuid64("site_line"), uuid64("unit_line"), epochOf("visited"));
    return columns;
}
constexpr int HeaderCount = 4;
constexpr int PackedFields = 14;
// Longer than any packed row the server makes (five UUIDs, a hash, numbers, a kind).
constexpr int PackedChars = 400;
// The bytes travel in base64 without line breaks: a third more than the bytes, not the double
// of bytea's hex.
const char *const DataColumn = "translate(encode(data, 'base64'), E'\\n', '')";

QByteArray decode64(const QStringRef &text, int bytes)
{
    QByteArray padded = text.toLatin1();
    while (padded.size() % 4)
        padded += '=';
    const QByteArray::FromBase64Result decoded =
            QByteArray::fromBase64Encoding(padded, QByteArray::AbortOnBase64DecodingErrors);
    return decoded && (bytes < 0 || decoded.decoded.size() == bytes) ? decoded.decoded
                                                                     : QByteArray();
}

// The record's bytes as they travel; null when they are not base64, which the hash check
// then refuses.
QByteArray dataOf(const QVariant &value)
{
    const QString text = value.toString();
    return decode64(QStringRef(&text), -1);
}
QString uuidArray(const QStringList &uuids)
{
    return QLatin1Char('{') + uuids.join(QLatin1Char(',')) + QLatin1Char('}');
}

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

// The socket under a PostgreSQL connection, from the libpq that the driver has loaded; -1
// when it cannot be had (the sync then ends at its statement time-out instead).
qintptr socketOf(const QSqlDatabase &db)
{
    using SocketOf = int (*)(const void *);
#ifdef Q_OS_WIN
    static const auto function = reinterpret_cast<SocketOf>(
            QLibrary::resolve(QStringLiteral("libpq"), "PQsocket"));
#else
    static const auto function = reinterpret_cast<SocketOf>(
            QLibrary::resolve(QStringLiteral("pq"), 5, "PQsocket"));
#endif
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!function || !handle.isValid() || qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    const void *connection = *static_cast<void *const *>(handle.constData());
    return connection ? function(connection) : -1;
}

// Lets a cancel reach the server connection for as long as it is open.
class CancelAttachment
{
public:
    CancelAttachment(ArchiveCancel *cancel, qintptr socket) : m_cancel(cancel)
    {
        if (m_cancel)
            m_cancel->attach(socket);
    }
    ~CancelAttachment()
    {
        if (m_cancel)
            m_cancel->attach(-1);
    }

private:
    ArchiveCancel *m_cancel;
};

void shutdownSocket(qintptr socket)
{
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket), SD_BOTH);
#else
    ::shutdown(int(socket), SHUT_RDWR);
#endif
}

// A row of headerColumns(): the packed column, then the free texts.
bool header(const QSqlQuery &query, LocalArchive::Incoming *row)
{
    row->name = query.value(1).toString();
    row->author = query.value(2).toString();
    row->login = query.value(3).toString();
    return ArchiveSync::readPackedRow(query.value(0).toString(), row);
}
} // namespace

bool ArchiveSync::readPackedRow(const QString &packed, LocalArchive::Incoming *row)
{
    if (packed.size() > PackedChars)
        return false;
    const QVector<QStringRef> f = packed.splitRef(QLatin1Char(' '));
    if (f.size() != PackedFields)
        return false;
    bool ok = true;
    const auto number = [&ok](const QStringRef &text, qint64 low, qint64 high) {
        bool parsed = text.size() <= 20;
        const qint64 value = parsed ? text.toLongLong(&parsed) : 0;
        // ASCII digits only (an optional minus): no blanks, no plus, no other script's digits,
        // no other form of the number.
        for (int i = 0; parsed && i < text.size(); ++i)
            parsed = (text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
                    || (i == 0 && text.at(i) == QLatin1Char('-'));
        ok = ok && parsed && value >= low && value <= high;
        return value;
    };
    const auto uuid = [&ok](const QStringRef &text, bool optional) {
        if (text.isEmpty() && optional)
            return QString();
        const QByteArray bytes = text.size() == 22 ? decode64(text, 16) : QByteArray();
        ok = ok && !bytes.isEmpty();
        return bytes.isEmpty() ? QString()
                               : QUuid::fromRfc4122(bytes).toString(QUuid::WithoutBraces);
    };
    // A time a client gave may lie outside what a date holds here: unknown, as a date that is
    // not finite.
    const auto time = [&](const QStringRef &text) {
        if (text.isEmpty())
            return QDateTime();
        constexpr qint64 Years = 400000LL * 366 * 86400;
        const qint64 seconds = number(text, -Years, Years);
        const QDateTime at = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        return at.isValid() && at.date().year() >= 1 && at.date().year() <= 9999 ? at
                                                                                 : QDateTime();
    };
    row->seq = number(f.at(0), 1, std::numeric_limits<qint64>::max());
    row->xid = number(f.at(1), 0, std::numeric_limits<qint64>::max());
    row->uuid = uuid(f.at(2), false);
    row->kind = f.at(3).toString();
    // A kind of a newer program is listed nowhere and skipped, but is still a word.
    ok = ok && !row->kind.isEmpty() && row->kind.size() <= 32
            && std::all_of(row->kind.cbegin(), row->kind.cend(), [](QChar c) {
                   return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                           || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                           || c == QLatin1Char('_');
               });
    row->created = time(f.at(4));
    row->parent = uuid(f.at(5), true);
    if (!f.at(6).isEmpty()) {
        const QByteArray hash = f.at(6).size() == 43 ? decode64(f.at(6), 32) : QByteArray();
        ok = ok && !hash.isEmpty();
        row->hash = QString::fromLatin1(hash.toHex());
    }
    row->size = number(f.at(7), 0, std::numeric_limits<int>::max());
    row->withdrawn = number(f.at(8), 0, 1) == 1;
    row->line = f.at(9) == QLatin1String("-") ? QString()
            : f.at(9).isEmpty()               ? row->uuid
                                              : uuid(f.at(9), false);
    row->site = uuid(f.at(10), true);
    row->unit = uuid(f.at(11), true);
    row->visited = time(f.at(12));
    if (!f.at(13).isEmpty()) {
        const qint64 days = number(f.at(13), -4000000000LL, 4000000000LL);
        const QDate due = QDate(1970, 1, 1).addDays(days);
        row->nextDue = due.year() >= 1 && due.year() <= 9999 ? due : QDate();
    }
    return ok;
}

void ArchiveCancel::cancel()
{
    m_cancelled = true;
    QMutexLocker lock(&m_mutex);
    if (m_socket >= 0)
        shutdownSocket(m_socket);
}

void ArchiveCancel::attach(qintptr socket)
{
    QMutexLocker lock(&m_mutex);
    m_socket = socket;
    // Cancelled while the connection was being opened: cut it now.
    if (m_socket >= 0 && m_cancelled)
        shutdownSocket(m_socket);
}

ArchiveSync::ArchiveSync(const ArchiveSettings &settings, const QString &storeFile)
    : m_settings(settings), m_storeFile(storeFile)
{
}

bool ArchiveSync::driverMissing(Result &result)
{
    if (ArchiveSettings::driverAvailable())
        return false;
    result.message = tr("Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest "
                        "niedostępne.");
    return true;
}

bool ArchiveSync::openStore(QSqlDatabase &local, Result &result) const
{
    local.setDatabaseName(m_storeFile);
    // The GUI thread writes the same file in short transactions; wait for them, but not so
    // long that closing the program would wait on it.
    local.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=4000"));
    if (local.open())
        return true;
    result.message = tr("Nie można otworzyć lokalnej bazy: %1").arg(local.lastError().text());
    return false;
}

QString ArchiveSync::serverFailure(const QSqlError &error) const
{
    const QString text = error.text().trimmed();
    qDebug() << "archive server:" << text;
    const auto has = [&text](const char *words) {
        return text.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    if (has("password authentication failed") || has("no password supplied"))
        return tr("Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł "
                  "PostgreSQL (pgpass).")
                .arg(m_settings.user);
    // None of the following is about the password, which was not sent.
    if (has("root certificate file") || has("root.crt"))
        return tr("Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go "
                  "w %1 (Ustawienia > Widok > Certyfikat CA…). Hasła nie wysłano.")
                .arg(ArchiveSettings::caFilePath());
    if (has("does not match host name"))
        return tr("Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer "
                  "archiwum firmy. Hasła nie wysłano. (%2)")
                .arg(m_settings.host, text);
    if (has("certificate"))
        return tr("Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum "
                  "firmy. Hasła nie wysłano. (%1)")
                .arg(text);
    if (has("channel binding"))
        return tr("Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może "
                  "nie być serwer archiwum firmy. Hasła nie wysłano. (%1)")
                .arg(text);
    if (has("SSL"))
        return tr("Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają "
                  "ustawienia: %1")
                .arg(text);
    return tr("Brak połączenia z archiwum %1:%2: %3")
            .arg(m_settings.host)
            .arg(m_settings.port)
            .arg(text);
}

QString ArchiveSync::malformedText()
{
    return tr("Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja "
              "przerwana, nic z niego nie zapisano.");
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
    // No statement waits for ever on a stalled server or on a colleague's lock.
    for (const char *limit : {"SET statement_timeout = '120s'", "SET lock_timeout = '5s'",
                              "SET idle_in_transaction_session_timeout = '60s'"}) {
        QSqlQuery set(server);
        if (!set.exec(QLatin1String(limit))) {
            result.message = serverFailure(set.lastError());
            return false;
        }
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

ArchiveSync::Result ArchiveSync::run(ArchiveCancel *cancel, const Progress &progress)
{
    Result result;
    if (driverMissing(result))
        return result;
    const auto cancelled = [cancel, &result] {
        if (!cancel || !cancel->isCancelled())
            return false;
        result.status = Status::Cancelled;
        result.message = tr("Synchronizacja przerwana.");
        return true;
    };
    Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
    QSqlDatabase &local = localConnection.db();
    if (!openStore(local, result))
        return result;
    LocalArchive archive(local);
    const auto localFailure = [&archive, &result] {
        result.message = tr("Błąd zapisu do lokalnej bazy: %1").arg(archive.lastError());
        result.status = Status::Failed;
        return result;
    };

    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    QSqlDatabase &server = serverConnection.db();
    if (cancelled())
        return result;
    if (!openServer(server, result))
        return result;
    const CancelAttachment attachment(cancel, socketOf(server));
    const auto lost = [&result, &cancelled](const QSqlError &error) {
        if (cancelled())
            return result;
        qDebug() << "archive server:" << error.text();
        result.message = tr("Połączenie z archiwum zostało przerwane; synchronizacja nie "
                            "dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. "
                            "(%1)")
                                 .arg(error.text().trimmed());
        result.status = Status::Failed;
        return result;
    };

    const auto malformed = [&result] {
        result.message = malformedText();
        result.status = Status::Failed;
        return result;
    };

    // Every local record gets its identity first, so that pulling recognises a record this
    // store already holds under another identity. Until the server names the author, a record
    // is provisionally signed by the technician named in the settings, else by the one of the
    // latest service visit, else by the login.
    QString author = m_settings.technician;
    if (author.isEmpty())
        author = VisitStore(local).rememberedTechnician().technician;
    if (author.isEmpty())
        author = m_settings.user;
    if (!archive.prepareOutgoing(author, nullptr, false))
        return localFailure();

    // A server restored from a backup, or another server under the same name, does not hold
    // what this store counted archived: compare, push again what it lacks, and pull from the
    // start (what is held here is skipped by identity).
    QString identity;
    QString epoch;
    qint64 newest = 0;
    {
        QSqlQuery about(server);
        if (!about.exec(QStringLiteral("SELECT CAST(identity AS text), CAST(epoch AS text),"
                                       " (SELECT coalesce(max(seq), 0) FROM archive_record)"
                                       " FROM archive_schema"))
            || !about.next())
            return lost(about.lastError());
        identity = about.value(0).toString();
        epoch = about.value(1).toString();
        newest = about.value(2).toLongLong();
    }
    const QString knownIdentity = archive.state(QStringLiteral("archive_identity"));
    const bool restored = !knownIdentity.isEmpty()
            && (knownIdentity != identity
                || archive.state(QStringLiteral("archive_epoch")) != epoch
                || newest < archive.state(QStringLiteral("last_seen")).toLongLong());
    if (restored) {
        QStringList uuids;
        QSqlQuery all(server);
        all.setForwardOnly(true);
        if (!all.exec(QStringLiteral("SELECT CAST(uuid AS text) FROM archive_record")))
            return lost(all.lastError());
        while (all.next())
            uuids << all.value(0).toString();
        if (all.lastError().isValid())
            return lost(all.lastError());
        if (!archive.reconcile(uuids, &result.again))
            return localFailure();
    }
    if (knownIdentity != identity || restored) {
        if (!archive.setState(QStringLiteral("archive_identity"), identity)
            || !archive.setState(QStringLiteral("archive_epoch"), epoch))
            return localFailure();
    }

    // Which records bring their bytes: all, or those of the scope's sites, those this login
    // archived, and new revisions of what this store holds.
    QStringList sites;
    bool everything = false;
    {
        QSqlError error;
        if (!scopeSites(server, &sites, &everything, &error))
            return lost(error);
    }
    const QSet<QString> scopeSet(sites.cbegin(), sites.cend());
    const auto inScope = [&](const LocalArchive::Incoming &row) {
        return everything || row.login == m_settings.user
                || (!row.site.isEmpty() && scopeSet.contains(row.site))
                || (!row.parent.isEmpty() && archive.holds(row.parent));
    };

    // Only rows of transactions older than every one still running are pulled: a row of a
    // transaction that has not committed yet may still appear below the position. A store
    // without the catalogue yet reads every header once, from the start.
    LocalArchive::Position position = archive.position();
    if (archive.state(QStringLiteral("catalogue")) != QString::number(SchemaVersion))
        position = LocalArchive::Position();
    QString horizon;
    int total = 0;
    {
        QSqlQuery snapshot(server);
        if (!snapshot.exec(QStringLiteral("SELECT CAST(pg_snapshot_xmin(pg_current_snapshot())"
                                          " AS text)"))
            || !snapshot.next())
            return lost(snapshot.lastError());
        horizon = snapshot.value(0).toString();
        QSqlQuery count(server);
        count.prepare(QStringLiteral("SELECT count(*) FROM archive_record WHERE (xid, seq) >"
                                     " (CAST(? AS xid8), ?) AND xid < CAST(? AS xid8)"));
        count.addBindValue(QString::number(position.xid));
        count.addBindValue(position.seq);
        count.addBindValue(horizon);
        if (!count.exec() || !count.next())
            return lost(count.lastError());
        total = count.value(0).toInt();
    }
    int done = 0;
    if (progress)
        progress(0, total);

    QSqlQuery pull(server);
    pull.setForwardOnly(true);
    pull.prepare(QStringLiteral("SELECT %1 FROM archive_record WHERE"
                                " (xid, seq) > (CAST(? AS xid8), ?) AND xid < CAST(? AS xid8)"
                                " ORDER BY archive_record.xid, archive_record.seq LIMIT %2")
                         .arg(headerColumns())
                         .arg(HeaderBatch));
    QSqlQuery fetch(server);
    fetch.setForwardOnly(true);
    fetch.prepare(QStringLiteral("SELECT CAST(uuid AS text), %1 FROM archive_record"
                                 " WHERE uuid = ANY (CAST(? AS uuid[]))")
                          .arg(QLatin1String(DataColumn)));
    for (;;) {
        if (cancelled())
            return result;
        pull.addBindValue(QString::number(position.xid));
        pull.addBindValue(position.seq);
        pull.addBindValue(horizon);
        if (!pull.exec())
            return lost(pull.lastError());
        QVector<LocalArchive::Incoming> headers;
        while (pull.next()) {
            headers.append(LocalArchive::Incoming());
            if (!header(pull, &headers.last()))
                return malformed();
        }
        if (pull.lastError().isValid())
            return lost(pull.lastError());
        pull.finish();
        if (headers.isEmpty())
            break;
        // Every row is listed (with the batch's first group); only those in scope bring
        // their bytes.
        QVector<LocalArchive::Incoming> listed = headers;
        const QSet<QString> known = archive.known(headers);
        int doneInBatch = 0;
        for (int next = 0; next < headers.size();) {
            if (cancelled())
                return result;
            QVector<LocalArchive::Incoming> group;
            QHash<QString, int> needed;
            qint64 bytes = 0;
            int taken = 0;
            while (next < headers.size() && taken < GroupRows) {
                const LocalArchive::Incoming &row = headers.at(next);
                const bool need = LocalArchive::needsData(row, known);
                if (need && !inScope(row)) {
                    ++result.listedOnly;
                    ++next;
                    continue;
                }
                if (need && !needed.isEmpty() && bytes + row.size > GroupBytes)
                    break;
                if (need) {
                    needed.insert(row.uuid, group.size());
                    bytes += row.size;
                }
                group.append(row);
                ++next;
                ++taken;
            }
            if (!needed.isEmpty()) {
                fetch.addBindValue(QLatin1Char('{') + needed.keys().join(QLatin1Char(','))
                                   + QLatin1Char('}'));
                if (!fetch.exec())
                    return lost(fetch.lastError());
                while (fetch.next()) {
                    const int at = needed.value(fetch.value(0).toString(), -1);
                    if (at >= 0) {
                        group[at].data = dataOf(fetch.value(1));
                        result.bytes += group[at].data.size();
                        ++result.fetched;
                    }
                }
                if (fetch.lastError().isValid())
                    return lost(fetch.lastError());
                fetch.finish();
            }
            position = {headers.at(next - 1).xid, headers.at(next - 1).seq};
            if (!archive.applyIncoming(group, position, &result.pulled, listed))
                return localFailure();
            listed.clear();
            done = qMin(total, done + next - doneInBatch);
            doneInBatch = next;
            if (progress)
                progress(done, total);
        }
    }
    // Everything older than the horizon is in: the next pull starts there.
    position = {horizon.toLongLong(), 0};
    if (!archive.applyIncoming({}, position, &result.pulled)
        || !archive.setState(QStringLiteral("catalogue"), QString::number(SchemaVersion))
        || !archive.retryWaiting(&result.pulled))
        return localFailure();

    // What records in scope wait for (a visit's unit or linked record placed elsewhere) comes
    // now; then, once after the scope changed, what the catalogue lists in scope without bytes.
    const auto step = [&](const QStringList &uuids) {
        QSqlError error;
        switch (fetchRecords(server, archive, uuids, cancel, {}, result, &error)) {
        case Step::Done:
            return true;
        case Step::Cancelled:
            cancelled();
            return false;
        case Step::ServerFailed:
            lost(error);
            return false;
        case Step::LocalFailed:
            localFailure();
            return false;
        case Step::Malformed:
            malformed();
            return false;
        }
        return false;
    };
    // A waiting record names one missing record at a time (a visit linking two lists placed at
    // other sites waits for the second once the first came), so ask again while something new
    // is waited for; bounded, and what could not be had is not asked for twice.
    {
        QSet<QString> tried;
        for (int round = 0; round < WaitRounds; ++round) {
            QStringList fresh;
            for (const QString &uuid : archive.waitedFor(GroupRows + tried.size())) {
                if (!tried.contains(uuid))
                    fresh << uuid;
            }
            if (fresh.isEmpty())
                break;
            fresh = fresh.mid(0, GroupRows);
            for (const QString &uuid : qAsConst(fresh))
                tried.insert(uuid);
            if (!step(fresh))
                return result;
        }
    }
    QStringList sorted = sites;
    sorted.sort();
    const QString signature = LocalArchive::hashOf(
            (everything ? QStringLiteral("*") : sorted.join(QLatin1Char(','))).toUtf8() + '|'
            + m_settings.user.toUtf8());
    if (archive.state(QStringLiteral("scope")) != signature) {
        QSet<QString> tried;
        bool complete = true;
        for (;;) {
            const QStringList missing =
                    archive.missingInScope(everything, sites, m_settings.user, GroupRows);
            bool fresh = false;
            for (const QString &uuid : missing)
                fresh = !tried.contains(uuid) || fresh;
            if (!fresh)
                break; // nothing, or only what could not be taken
            if (tried.size() >= CatchUpRows) {
                complete = false;
                break;
            }
            for (const QString &uuid : missing)
                tried.insert(uuid);
            if (!step(missing))
                return result;
        }
        if (complete && !archive.setState(QStringLiteral("scope"), signature))
            return localFailure();
    }
    result.refused = archive.refused();

    QVector<LocalArchive::Outgoing> outgoing;
    if (!archive.prepareOutgoing(author, &outgoing, true))
        return localFailure();
    total = done + outgoing.size();
    QSqlQuery insert(server);
    insert.prepare(QStringLiteral("SELECT CAST(o_uuid AS text), o_author, o_refusal FROM"
                                  " archive_insert(CAST(? AS uuid), ?, ?,"
                                  " CAST(? AS timestamptz), CAST(? AS uuid), ?)"));
    QVector<LocalArchive::Archived> archived;
    const auto note = [&archive, &archived] {
        const bool ok = archived.isEmpty() || archive.markArchived(archived);
        archived.clear();
        return ok;
    };
    QStringList serverRefusals;
    for (const LocalArchive::Outgoing &record : outgoing) {
        if (cancelled())
            return note() ? result : localFailure();
        const QByteArray data = archive.outgoingData(record);
        if (data.isNull())
            continue; // changed while the sync ran: the next sync sends it
        insert.addBindValue(record.uuid);
        insert.addBindValue(record.kind);
        insert.addBindValue(record.name);
        insert.addBindValue(record.created.toUTC().toString(Qt::ISODate));
        insert.addBindValue(record.parent.isEmpty() ? QVariant(QVariant::String)
                                                    : QVariant(record.parent));
        insert.addBindValue(data);
        if (!insert.exec() || !insert.next()) {
            const QSqlError error = insert.lastError();
            return note() ? lost(error) : localFailure();
        }
        const QString refusal = insert.value(2).toString();
        if (!refusal.isEmpty()) {
            if (refusal == QLatin1String("login not registered")) {
                result.message = tr("Archiwum nie zna loginu %1 jako technika: administrator "
                                    "dodaje go poleceniem scripts/archive-server "
                                    "add-technician. Nic nie wysłano.")
                                         .arg(m_settings.user);
                return note() ? result : localFailure();
            }
            serverRefusals << QStringLiteral("%1 (%2)").arg(record.name, refusal);
        } else {
            archived.append({record, insert.value(0).toString(), insert.value(1).toString(),
                             m_settings.user});
            ++result.pushed;
        }
        insert.finish();
        if (archived.size() >= MarkBatch && !note())
            return localFailure();
        if (progress)
            progress(++done, total);
    }
    if (!note())
        return localFailure();
    archive.setLastSync(QDateTime::currentDateTimeUtc());
    result.waiting = archive.waitingCount();
    result.status = Status::Done;
    result.message = tr("Synchronizacja zakończona: pobrano %1, wysłano %2.")
                             .arg(result.pulled)
                             .arg(result.pushed);
    if (restored)
        result.message += QLatin1Char(' ')
                + tr("Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano "
                     "ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego "
                     "brakowało tutaj.")
                          .arg(result.again);
    // Without this a colleague's records seem to have gone nowhere: they are listed, not here.
    if (result.listedOnly)
        result.message += QLatin1Char(' ')
                + tr("Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w "
                     "„Rekordy w archiwum”).")
                          .arg(result.listedOnly);
    if (result.refused)
        result.message += QLatin1Char(' ')
                + tr("Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).")
                          .arg(result.refused);
    if (const int waiting = archive.waitingForOthers())
        result.message += QLatin1Char(' ')
                + tr("Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.")
                          .arg(waiting);
    if (!serverRefusals.isEmpty())
        result.message += QLatin1Char(' ')
                + tr("Archiwum nie przyjęło: %1.").arg(serverRefusals.join(QStringLiteral(", ")));
    return result;
}

ArchiveSync::Result ArchiveSync::restore(const QString &uuid)
{
    Result result;
    Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
    QSqlDatabase &local = localConnection.db();
    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    if (!openStore(local, result))
        return result;
    if (!openServer(serverConnection.db(), result))
        return result;
    QSqlQuery query(serverConnection.db());
    query.prepare(QStringLiteral("SELECT %1, %2 FROM archive_record"
                                 " WHERE uuid = CAST(? AS uuid) AND octet_length(data) <= ?")
                          .arg(headerColumns(), QLatin1String(DataColumn)));
    query.addBindValue(uuid);
    query.addBindValue(LocalArchive::MaxRecordBytes);
    if (!query.exec()) {
        result.message = serverFailure(query.lastError());
        return result;
    }
    if (!query.next()) {
        result.message = tr("Archiwum nie ma tego rekordu.");
        return result;
    }
    LocalArchive::Incoming row;
    if (!header(query, &row)) {
        result.message = malformedText();
        return result;
    }
    row.data = dataOf(query.value(HeaderCount));
    LocalArchive archive(local);
    int restored = 0;
    if (!archive.restoreDeleted(row, &restored)) {
        result.message = tr("Nie przywrócono rekordu %1: %2").arg(row.name, archive.lastError());
        return result;
    }
    result.status = Status::Done;
    result.message = tr("Przywrócono z archiwum: %1.").arg(row.name);
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
    // The mark shows here at once; colleagues get it at their next pull.
    if (!m_storeFile.isEmpty()) {
        Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
        Result ignored;
        if (openStore(localConnection.db(), ignored))
            LocalArchive(localConnection.db()).setWithdrawn(uuid);
    }
    result.status = Status::Done;
    result.message = tr("Rekord wycofany; pozostaje w archiwum.");
    return result;
}

bool ArchiveSync::scopeSites(QSqlDatabase &server, QStringList *sites, bool *everything,
                             QSqlError *error) const
{
    sites->clear();
    *everything = m_settings.scope == ArchiveScope::Everything;
    if (m_settings.scope == ArchiveScope::ChosenSites)
        *sites = m_settings.sites;
    if (m_settings.scope != ArchiveScope::MySites)
        return true;
    QSqlQuery mine(server);
    mine.setForwardOnly(true);
    mine.prepare(QStringLiteral("SELECT CAST(s AS text) FROM archive_my_sites() AS s LIMIT ?"));
    mine.addBindValue(MySitesLimit);
    if (!mine.exec()) {
        *error = mine.lastError();
        return false;
    }
    while (mine.next())
        *sites << mine.value(0).toString();
    return true;
}

ArchiveSync::Step ArchiveSync::fetchRecords(QSqlDatabase &server, LocalArchive &archive,
                                            const QStringList &uuids, ArchiveCancel *cancel,
                                            const Progress &progress, Result &result,
                                            QSqlError *error)
{
    QSet<QString> seen;
    QStringList pending;
    const auto want = [&](const QString &text) {
        const QUuid uuid(text);
        const QString key = uuid.toString(QUuid::WithoutBraces);
        if (uuid.isNull() || seen.contains(key) || archive.holds(key))
            return;
        seen.insert(key);
        pending << key;
    };
    for (const QString &uuid : uuids)
        want(uuid);
    QSqlQuery headers(server);
    headers.setForwardOnly(true);
    headers.prepare(QStringLiteral("SELECT %1 FROM archive_record WHERE uuid = ANY"
                                   " (CAST(? AS uuid[])) AND coalesce(size, 0) <= ?")
                            .arg(headerColumns()));
    QSqlQuery whole(server);
    whole.setForwardOnly(true);
    whole.prepare(QStringLiteral("SELECT CAST(uuid AS text), %1 FROM archive_record"
                                 " WHERE uuid = ANY (CAST(? AS uuid[]))")
                          .arg(QLatin1String(DataColumn)));
    QSqlQuery piece(server);
    piece.setForwardOnly(true);
    piece.prepare(QStringLiteral("SELECT translate(encode(substring(data FROM CAST(? AS integer)"
                                 " FOR CAST(? AS integer)), 'base64'), E'\\n', '')"
                                 " FROM archive_record WHERE uuid = CAST(? AS uuid)"));
    const auto failed = [error, cancel](const QSqlQuery &query) {
        *error = query.lastError();
        return cancel && cancel->isCancelled() ? Step::Cancelled : Step::ServerFailed;
    };
    QVector<LocalArchive::Incoming> rows;
    qint64 total = 0;
    qint64 done = 0;
    qint64 bytes = 0;
    const auto report = [&] {
        if (progress)
            progress(int(qMin<qint64>(done, INT_MAX)), int(qMin<qint64>(total, INT_MAX)));
    };
    for (int round = 0; round < DependencyRounds && !pending.isEmpty(); ++round) {
        if (cancel && cancel->isCancelled())
            return Step::Cancelled;
        headers.addBindValue(uuidArray(pending));
        headers.addBindValue(LocalArchive::MaxRecordBytes);
        if (!headers.exec())
            return failed(headers);
        QVector<LocalArchive::Incoming> found;
        while (headers.next()) {
            LocalArchive::Incoming row;
            if (!header(headers, &row))
                return Step::Malformed;
            if (archiveKind(row.kind))
                found.append(row);
        }
        if (headers.lastError().isValid())
            return failed(headers);
        headers.finish();
        pending.clear();
        QHash<QString, int> small;
        for (int i = 0; i < found.size(); ++i) {
            total += found.at(i).size;
            if (found.at(i).size <= ChunkBytes)
                small.insert(found.at(i).uuid, i);
        }
        report();
        if (!small.isEmpty()) {
            whole.addBindValue(uuidArray(small.keys()));
            if (!whole.exec())
                return failed(whole);
            while (whole.next()) {
                const int at = small.value(whole.value(0).toString(), -1);
                if (at >= 0) {
                    found[at].data = dataOf(whole.value(1));
                    done += found.at(at).data.size();
                }
            }
            if (whole.lastError().isValid())
                return failed(whole);
            whole.finish();
            report();
        }
        for (LocalArchive::Incoming &row : found) {
            if (row.size <= ChunkBytes)
                continue;
            row.data.reserve(int(row.size));
            for (qint64 offset = 0; offset < row.size; offset += ChunkBytes) {
                if (cancel && cancel->isCancelled())
                    return Step::Cancelled;
                piece.addBindValue(int(offset + 1));
                piece.addBindValue(ChunkBytes);
                piece.addBindValue(row.uuid);
                if (!piece.exec() || !piece.next())
                    return failed(piece);
                const QByteArray part = dataOf(piece.value(0));
                piece.finish();
                if (part.isEmpty())
                    break; // shorter than its header said, or not base64: the hash check
                           // refuses it
                row.data.append(part);
                done += part.size();
                report();
            }
        }
        for (const LocalArchive::Incoming &row : found) {
            rows.append(row);
            bytes += row.data.size();
            if (round + 1 < DependencyRounds && rows.size() < ClosureRows
                && bytes < ClosureBytes) {
                for (const QString &named : RowCodec::references(row.kind, row.data, ClosureRows))
                    want(named);
            }
        }
        while (rows.size() + pending.size() > ClosureRows && !pending.isEmpty())
            pending.removeLast();
    }
    if (cancel && cancel->isCancelled())
        return Step::Cancelled;
    result.bytes += bytes;
    result.fetched += rows.size();
    if (!archive.noteCatalogue(rows) || !archive.applyFetched(rows, &result.pulled)
        || !archive.retryWaiting(&result.pulled))
        return Step::LocalFailed;
    return Step::Done;
}

ArchiveSync::Result ArchiveSync::fetch(const QString &uuid, ArchiveCancel *cancel,
                                       const Progress &progress)
{
    Result result;
    if (driverMissing(result))
        return result;
    Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
    QSqlDatabase &local = localConnection.db();
    if (!openStore(local, result))
        return result;
    LocalArchive archive(local);
    CatalogueEntry entry;
    entry.uuid = QUuid(uuid).toString(QUuid::WithoutBraces);
    archive.locate(entry);
    if (entry.local) {
        result.status = Status::Done;
        return result;
    }
    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    QSqlDatabase &server = serverConnection.db();
    if (cancel && cancel->isCancelled()) {
        result.status = Status::Cancelled;
        return result;
    }
    if (!openServer(server, result))
        return result;
    const CancelAttachment attachment(cancel, socketOf(server));
    QSqlError error;
    switch (fetchRecords(server, archive, {entry.uuid}, cancel, progress, result, &error)) {
    case Step::Done:
        break;
    case Step::Cancelled:
        result.status = Status::Cancelled;
        result.message = tr("Pobieranie przerwane; nic nie zapisano.");
        return result;
    case Step::ServerFailed:
        result.message = (cancel && cancel->isCancelled())
                ? tr("Pobieranie przerwane; nic nie zapisano.")
                : serverFailure(error);
        if (cancel && cancel->isCancelled())
            result.status = Status::Cancelled;
        return result;
    case Step::LocalFailed:
        result.message = tr("Błąd zapisu do lokalnej bazy: %1").arg(archive.lastError());
        return result;
    case Step::Malformed:
        result.message = malformedText();
        return result;
    }
    archive.locate(entry);
    if (entry.local) {
        result.status = Status::Done;
        result.message = tr("Pobrano z archiwum: %1 B.").arg(result.bytes);
        return result;
    }
    // Not taken: refused (its bytes do not give its hash, or it is no record this store can
    // hold), waiting for a record it names, or not in the archive.
    const QVector<LocalArchive::Rejected> refusedHere = archive.rejected();
    for (const LocalArchive::Rejected &r : refusedHere) {
        if (r.uuid == entry.uuid) {
            result.message = tr("Rekord z archiwum odrzucony: %1").arg(r.reason);
            return result;
        }
    }
    result.message = tr("Archiwum nie ma tego rekordu.");
    return result;
}

ArchiveSync::Result ArchiveSync::search(const CatalogueQuery &query, CataloguePage *page)
{
    *page = CataloguePage();
    Result result;
    const auto uuidOrNull = [](const QString &text, bool *bad) {
        if (text.isEmpty())
            return QVariant(QVariant::String);
        const QUuid uuid(text);
        *bad = *bad || uuid.isNull();
        return QVariant(uuid.toString(QUuid::WithoutBraces));
    };
    bool bad = false;
    const QVariant site = uuidOrNull(query.site, &bad);
    const QVariant unit = uuidOrNull(query.unit, &bad);
    if (bad) { // no site or unit has that name
        result.status = Status::Done;
        return result;
    }
    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    QSqlDatabase &server = serverConnection.db();
    if (!openServer(server, result))
        return result;
    const int limit = qBound(1, query.limit, CatalogueQuery::MaxPage);
    QSqlQuery rows(server);
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral(
            "SELECT seq, CAST(uuid AS text), kind, name, author, login,"
            " to_char(created AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"'),"
            " CAST(parent AS text), CAST(line AS text), CAST(site AS text), CAST(unit AS text),"
            " hash, size, withdrawn, site_name, unit_label,"
            " to_char(visited AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"')"
            " FROM archive_search(?, CAST(? AS uuid), CAST(? AS uuid), ?, ?, ?)"));
    rows.addBindValue(query.kind.isEmpty() ? QVariant(QVariant::String) : QVariant(query.kind));
    rows.addBindValue(site);
    rows.addBindValue(unit);
    rows.addBindValue(query.text.isEmpty() ? QVariant(QVariant::String) : QVariant(query.text));
    rows.addBindValue(query.beforeSeq > 0 ? QVariant(query.beforeSeq) : QVariant(QVariant::LongLong));
    rows.addBindValue(qMin(limit + 1, CatalogueQuery::MaxPage));
    if (!rows.exec()) {
        result.message = serverFailure(rows.lastError());
        return result;
    }
    LocalArchive::readPage(rows, limit, page);
    // A full page of the cap may have more behind it.
    page->more = page->more || (limit == CatalogueQuery::MaxPage && page->entries.size() == limit);
    rows.finish();
    if (!m_storeFile.isEmpty()) {
        Connection localConnection(QStringLiteral("QSQLITE"), QStringLiteral("archive-local-"));
        Result ignored;
        if (openStore(localConnection.db(), ignored)) {
            const LocalArchive archive(localConnection.db());
            for (CatalogueEntry &e : page->entries)
                archive.locate(e);
        }
    }
    result.status = Status::Done;
    return result;
}

ArchiveSync::Result ArchiveSync::units(const UnitQuery &query, QVector<UnitOverview> *page,
                                       bool *more)
{
    page->clear();
    *more = false;
    Result result;
    Connection serverConnection(QStringLiteral("QPSQL"), QStringLiteral("archive-server-"));
    QSqlDatabase &server = serverConnection.db();
    if (!openServer(server, result))
        return result;
    const int limit = qBound(1, query.limit, CatalogueQuery::MaxPage);
    const QUuid after(query.afterUnit);
    QSqlQuery rows(server);
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral(
            "SELECT CAST(unit AS text), label, CAST(site AS text), site_name,"
            " to_char(last_visit AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"'),"
            " CAST(next_due AS text), visits FROM archive_units(?, ?, CAST(? AS uuid), ?)"));
    rows.addBindValue(query.text.isEmpty() ? QVariant(QVariant::String) : QVariant(query.text));
    rows.addBindValue(query.afterLabel.isNull() && query.afterUnit.isEmpty()
                              ? QVariant(QVariant::String)
                              : QVariant(query.afterLabel));
    rows.addBindValue(after.isNull() ? QVariant(QVariant::String)
                                     : QVariant(after.toString(QUuid::WithoutBraces)));
    rows.addBindValue(qMin(limit + 1, CatalogueQuery::MaxPage));
    if (!rows.exec()) {
        result.message = serverFailure(rows.lastError());
        return result;
    }
    while (rows.next()) {
        if (page->size() == limit) {
            *more = true;
            break;
        }
        UnitOverview u;
        u.unit = rows.value(0).toString();
        u.label = rows.value(1).toString();
        u.site = rows.value(2).toString();
        u.siteName = rows.value(3).toString();
        u.lastVisit = QDateTime::fromString(rows.value(4).toString(), Qt::ISODate);
        u.nextDue = QDate::fromString(rows.value(5).toString(), Qt::ISODate);
        u.visits = rows.value(6).toInt();
        page->append(u);
    }
    *more = *more || (limit == CatalogueQuery::MaxPage && page->size() == limit);
    result.status = Status::Done;
    return result;
}
