// ctest-labels: archive
// The company archive against a real PostgreSQL cluster: two technicians' stores exchange
// records through one server, a sync killed or cut off anywhere is finished by the next one,
// and the server enforces what a technician may change.
#include "archive/archiverunner.h"
#include "archive/archivesync.h"
#include "archive/localarchive.h"
#include "pgcluster.h"
#include "store/appsetting.h"
#include "store/dbmanager.h"
#include "teststore.h"
#include "store/wholelist.h"
#include "visits/visitstore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QElapsedTimer>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QSqlError>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

namespace {
QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

// One technician's laptop: a store of its own.
struct Client : TempStore
{
    explicit Client(const QString &user)
        : TempStore("client-" + user + QString::number(++serial)), user(user)
    {
    }
    ArchiveSync::Result sync(const PgCluster &server) const
    {
        return ArchiveSync(server.settings(user), file()).run();
    }
    QStringList rows(const QString &sql) const
    {
        QStringList out;
        QSqlQuery query(store.database());
        query.exec(sql);
        while (query.next())
            out << query.value(0).toString();
        return out;
    }
    int waiting() const { return LocalArchive(store.database()).waitingCount(); }
    ArchiveSync::Result sync(const PgCluster &server, ArchiveScope scope,
                             const QStringList &sites = {}) const
    {
        ArchiveSettings settings = server.settings(user);
        settings.scope = scope;
        settings.sites = sites;
        return ArchiveSync(settings, file()).run();
    }
    // A unit at a new site; its id.
    int newUnit(const QString &siteName)
    {
        VisitStore visits(store.database());
        Site site;
        site.name = siteName;
        Unit unit;
        unit.siteId = visits.saveSite(site);
        unit.label = "U_" + siteName;
        return visits.saveUnit(unit);
    }
    // A closed visit of the unit that links a faults list, as a technician leaves it.
    void closedVisit(int unitId, const QString &faultsName, const QByteArray &faults)
    {
        VisitStore visits(store.database());
        Visit visit;
        visit.unitId = unitId;
        const int id = visits.startVisit(visit);
        QVERIFY(visits.linkRecord(id, RecordRole::FaultsArrival,
                                  store.writeFaults(faultsName, faults)));
        QVERIFY2(visits.closeVisit(id, Verdict::Working, QStringLiteral("bez uwag"), QString(),
                                   QDate::currentDate().addMonths(6),
                                   QStringLiteral("brak odczytu")),
                 qPrintable(visits.lastError()));
    }
    static inline int serial = 0;
    QString user;
};

// Names unique to one test row, for a server that keeps what earlier rows archived.
QString tagged(const char *name)
{
    static const QString run = QString::number(QRandomGenerator::global()->generate(), 36);
    return QStringLiteral("%1_%2_%3")
            .arg(QLatin1String(name), QString::fromLatin1(QTest::currentDataTag()), run)
            .replace(QLatin1Char(' '), QLatin1Char('_'));
}
} // namespace

class TestArchive : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exchange();
    void conflictingEdits();
    void visitsTravel();
    void hostileRows_data();
    void hostileRows();
    void packedRows_data();
    void packedRows();
    void refused_data();
    void refused();
    void technicianRights();
    void backupRestored();
    void killedSyncs();
    void interrupted_data();
    void interrupted();
    void largeStores_data();
    void largeStores();
    void pullOrder();
    void scope_data();
    void scope();
    void fetchOnDemand_data();
    void fetchOnDemand();
    void serverQueries_data();
    void serverQueries();
    void claimsIgnored_data();
    void claimsIgnored();
    void upgradeInPlace();
    void scopeSettings_data();
    void scopeSettings();

private:
    qint64 serverCount(const QString &where = QStringLiteral("true"))
    {
        return m_server.value(QStringLiteral("SELECT count(*) FROM archive_record WHERE ")
                              + where)
                .toLongLong();
    }
    PgCluster m_server;
};

void TestArchive::initTestCase()
{
    const QString error = m_server.setUp();
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestArchive::exchange()
{
    // A colleague holding the lock that once ordered every push holds up no one now.
    QSqlDatabase holder = QSqlDatabase::addDatabase("QPSQL", "lock-holder");
    const auto lockSettings = m_server.settings("tech_b");
    holder.setHostName(lockSettings.host);
    holder.setPort(lockSettings.port);
    holder.setDatabaseName(lockSettings.database);
    holder.setUserName(lockSettings.user);
    QVERIFY(holder.open());
    QVERIFY(QSqlQuery(holder).exec("SELECT pg_advisory_lock(727001)"));
    Client a("tech_a"), b("tech_b");
    const QByteArray config = randomBytes(700);
    const QByteArray largest = randomBytes(65025 * 8);
    const QByteArray faults = randomBytes(40);
    const int configId = a.store.writeConfig(QStringLiteral("C_hala"), config);
    a.store.writeLog(QStringLiteral("L_hala"), largest);
    a.store.writeFaults(QStringLiteral("S_hala"), faults);
    a.store.writeSoftwareVersions(QStringLiteral("S_wersje"), randomBytes(30));
    const int dropped = a.store.writeFaults(QStringLiteral("S_usuniete"), randomBytes(20));
    // B read the same faults from the unit itself, and another list A never saw.
    b.store.writeFaults(QStringLiteral("S_moje"), faults);
    b.store.writeFaults(QStringLiteral("S_inne"), randomBytes(24));
    QCOMPARE(a.waiting(), 5);

    ArchiveSync::Result result = a.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(result.pushed, 5);
    QCOMPARE(a.waiting(), 0);
    // Deleting locally never deletes from the archive.
    const QByteArray droppedBytes = a.store.readFaults(dropped);
    a.store.deleteFaults(uint(dropped));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    QCOMPARE(serverCount(), qint64(5));
    // ...and what was deleted here comes back from it, under its identity.
    const QString droppedUuid = LocalArchive(a.store.database()).uuidOf("USZKODZENIA", dropped);
    const ArchiveSync::Result restored =
            ArchiveSync(m_server.settings("tech_a"), a.file()).restore(droppedUuid);
    QVERIFY2(restored.status == ArchiveSync::Status::Done, qPrintable(restored.message));
    const int back = a.rows("SELECT id FROM USZKODZENIA WHERE nazwa = 'S_usuniete'").value(0).toInt();
    QCOMPARE(a.store.readFaults(back), droppedBytes);
    QCOMPARE(LocalArchive(a.store.database()).uuidOf("USZKODZENIA", back), droppedUuid);

    result = b.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(result.pushed, 1); // the identical faults list is A's record
    QCOMPARE(result.pulled, 4);
    QCOMPARE(serverCount(QStringLiteral("kind = 'faults'")), qint64(3));
    QCOMPARE(b.store.readConfig(b.store.findConfigId(QStringLiteral("C_hala"))), config);
    const QStringList log = b.rows("SELECT p.id || '|' || a.autor FROM PAMIETNIK p JOIN ARCHIWUM_ID"
                                   " a ON a.tabela = 'PAMIETNIK' AND a.lokalny_id = p.id");
    QCOMPARE(log.value(0).section('|', 1), QStringLiteral("Anna Nowak"));
    QCOMPARE(b.store.readLog(log.value(0).section('|', 0, 0).toInt()), largest);
    QCOMPARE(b.rows(QStringLiteral("SELECT nazwa FROM USZKODZENIA ORDER BY id")),
             QStringList({"S_moje", "S_inne", "S_usuniete"}));
    QCOMPARE(b.waiting(), 0);

    // Nothing new: a second round moves nothing and doubles nothing.
    QCOMPARE(a.sync(m_server).pushed, 0);
    QCOMPARE(b.sync(m_server).pushed, 0);
    QCOMPARE(serverCount(), qint64(6));
    QCOMPARE(b.rows(QStringLiteral("SELECT id FROM USZKODZENIA")).size(), 3);
    // A rename is a revision of its own, and reaches the colleague.
    a.store.renameConfig(uint(configId), QStringLiteral("C_hala_B"));
    QCOMPARE(a.sync(m_server).pushed, 1);
    QVERIFY(b.sync(m_server).status == ArchiveSync::Status::Done);
    QCOMPARE(b.rows("SELECT dane FROM KONFIGURACJA WHERE nazwa = 'C_hala_B'").size(), 1);
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("lock-holder");
}

void TestArchive::conflictingEdits()
{
    Client a("tech_a"), b("tech_b");
    const int aShared = a.store.writeConfig(QStringLiteral("C_wspolna"), randomBytes(300));
    const int aOwn = a.store.writeConfig(QStringLiteral("C_tylko_a"), randomBytes(300));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    QVERIFY(b.sync(m_server).status == ArchiveSync::Status::Done);
    const int bShared = b.store.findConfigId(QStringLiteral("C_wspolna"));
    const int bOwn = b.store.findConfigId(QStringLiteral("C_tylko_a"));
    QVERIFY(bShared > 0 && bOwn > 0);

    // Both edit the shared configuration offline; only A edits the other one.
    const QByteArray editA = randomBytes(300), editB = randomBytes(300), ownEdit = randomBytes(300);
    a.store.updateConfig(uint(aShared), QStringLiteral("C_wspolna"), editA);
    a.store.updateConfig(uint(aOwn), QStringLiteral("C_tylko_a"), ownEdit);
    b.store.updateConfig(uint(bShared), QStringLiteral("C_wspolna"), editB);
    QCOMPARE(a.waiting(), 2);
    for (const Client *client : {&a, &b, &a})
        QVERIFY(client->sync(m_server).status == ArchiveSync::Status::Done);

    // Both revisions are kept, with the same parent, and neither overwrote the other.
    QCOMPARE(m_server.value(QStringLiteral("SELECT count(DISTINCT parent) || '/' || count(*)"
                                           " FROM archive_record WHERE name = 'C_wspolna'"
                                           " AND parent IS NOT NULL"))
                     .toString(),
             QStringLiteral("1/2"));
    QCOMPARE(a.store.readConfig(aShared), editA);
    QCOMPARE(b.store.readConfig(bShared), editB);
    const QString conflictInB =
            b.rows(QStringLiteral("SELECT nazwa FROM KONFIGURACJA WHERE nazwa LIKE"
                                  " 'C_wspolna (konflikt: %'"))
                    .value(0);
    QVERIFY2(conflictInB.startsWith(QStringLiteral("C_wspolna (konflikt: Anna Nowak, ")),
             qPrintable(conflictInB));
    QCOMPARE(b.store.readConfig(b.store.findConfigId(conflictInB)), editA);
    const QString conflictInA =
            a.rows(QStringLiteral("SELECT nazwa FROM KONFIGURACJA WHERE nazwa LIKE"
                                  " 'C_wspolna (konflikt: Bartosz Wiśniewski, %'"))
                    .value(0);
    QCOMPARE(a.store.readConfig(a.store.findConfigId(conflictInA)), editB);
    // An edit without a rival simply reaches the colleague's copy.
    QCOMPARE(b.store.readConfig(bOwn), ownEdit);
    QCOMPARE(b.rows(QStringLiteral("SELECT id FROM KONFIGURACJA WHERE nazwa LIKE 'C_tylko_a%'")),
             QStringList{QString::number(bOwn)});
    QCOMPARE(a.waiting() + b.waiting(), 0);

    // A has the other configuration open while B changes it and both sync: A's save does not
    // become a plain child of B's revision (undoing it everywhere) but a revision beside it.
    LocalArchive archiveA(a.store.database());
    const LocalArchive::Opened opened = archiveA.opened(aOwn, a.store.readConfig(aOwn));
    const QByteArray fromB = randomBytes(300), fromEditor = randomBytes(300);
    b.store.updateConfig(uint(bOwn), QStringLiteral("C_tylko_a"), fromB);
    QVERIFY(b.sync(m_server).status == ArchiveSync::Status::Done);
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    QVERIFY(!archiveA.stillHolds(aOwn, opened));
    const int saved = archiveA.saveConflict(opened, "C_tylko_a", "Anna Nowak", fromEditor);
    QVERIFY(saved > 0);
    for (const Client *client : {&a, &b})
        QVERIFY(client->sync(m_server).status == ArchiveSync::Status::Done);
    QCOMPARE(m_server.value("SELECT count(*) FROM archive_record WHERE parent = '"
                            + opened.revision + "'")
                     .toInt(),
             2);
    QCOMPARE(a.store.readConfig(aOwn), fromB);
    QCOMPARE(b.store.readConfig(bOwn), fromB);
    QCOMPARE(b.rows("SELECT count(*) FROM KONFIGURACJA WHERE nazwa LIKE 'C_tylko_a (konflikt: %'"),
             QStringList{"1"});
}

// A colleague who connects to the unit next sees its site, the unit and its closed visits with
// their checks, batteries and linked records.
void TestArchive::visitsTravel()
{
    Client a(QStringLiteral("tech_a"));
    VisitStore visitsA(a.store.database());
    Site site;
    site.name = "Hala Północ";
    Unit unit;
    unit.siteId = visitsA.saveSite(site);
    unit.label = "Centrala oddymiania — klatka A";
    unit.serialNumber = "SN-1";
    Visit visit;
    visit.unitId = visitsA.saveUnit(unit);
    const int visitId = visitsA.startVisit(visit);
    QVERIFY2(visitId > 0, qPrintable(visitsA.lastError()));
    const QByteArray faults = randomBytes(40);
    QVERIFY(visitsA.linkRecord(visitId, RecordRole::FaultsArrival,
                               a.store.writeFaults(QStringLiteral("S_przyjazd"), faults)));
    CheckRow check;
    check.item = "Zasilanie sieciowe";
    // A shipped check as a German interface shows it: it travels as its key.
    CheckRow shipped;
    shipped.item = "Sicherungen";
    QVERIFY(visitsA.setChecks(visitId, {check, shipped}));
    BatteryRow battery;
    battery.visitId = visitId;
    battery.capacityAh = 7.2;
    battery.installed = QDate(2024, 3, 1);
    QVERIFY(visitsA.saveBattery(battery) > 0);
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    // Still open: it may change, so it waits.
    QCOMPARE(serverCount(QStringLiteral("kind = 'visit'")), qint64(0));
    QVERIFY2(visitsA.closeVisit(visitId, Verdict::Working, QStringLiteral("bez uwag"), QString(),
                                QDate(), QStringLiteral("brak odczytu")),
             qPrintable(visitsA.lastError()));
    QCOMPARE(a.waiting(), 1);
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);

    Client b(QStringLiteral("tech_b"));
    const ArchiveSync::Result result = b.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    VisitStore visitsB(b.store.database());
    QCOMPARE(visitsB.sites().size(), 1);
    QCOMPARE(visitsB.sites().at(0).name, QStringLiteral("Hala Północ"));
    const QList<Unit> units = visitsB.units(visitsB.sites().at(0).id);
    QCOMPARE(units.size(), 1);
    QCOMPARE(units.at(0).serialNumber, QStringLiteral("SN-1"));
    const QList<Visit> visits = visitsB.visits(units.at(0).id);
    QCOMPARE(visits.size(), 1);
    const Visit &pulled = visits.at(0);
    QVERIFY(pulled.closed);
    QCOMPARE(pulled.reportNumber(), visitsA.visit(visitId).reportNumber());
    QCOMPARE(visitsB.checks(pulled.id).value(0).item, QStringLiteral("Zasilanie sieciowe"));
    QSqlQuery key(b.store.database());
    QVERIFY(key.exec("SELECT item FROM WIZYTY_KONTROLE WHERE position = 2") && key.next());
    QCOMPARE(key.value(0).toString(), QStringLiteral("Bezpieczniki"));
    const BatteryRow pulledBattery = visitsB.batteries(pulled.id).value(0);
    QCOMPARE(pulledBattery.capacityAh, 7.2);
    QCOMPARE(pulledBattery.installed, QDate(2024, 3, 1));
    QCOMPARE(b.store.readFaults(visitsB.linkedRecord(pulled.id, RecordRole::FaultsArrival)),
             faults);
    // The protocol frozen at the close arrives as it was issued, digest and all.
    const FrozenProtocol issued = visitsA.frozenProtocol(visitId);
    QCOMPARE(visitsB.frozenProtocol(pulled.id).html, issued.html);
    QCOMPARE(visitsB.visitByDigest(issued.digest), pulled.id);
    QCOMPARE(b.waiting(), 0);
}

namespace {
// Every row of the tables a pulled record could reach, byte for byte.
QString tableBytes(const QSqlDatabase &db)
{
    QString out;
    for (const char *table : {"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE",
                              "OBIEKTY", "CENTRALE", "WIZYTY", "WIZYTY_REKORDY",
                              "WIZYTY_KONTROLE", "WIZYTY_AKUMULATORY", "WIZYTY_DIAGNOSTYKA"}) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        while (query.next()) {
            out += table;
            for (int i = 0; i < query.record().count(); ++i)
                out += '|' + query.value(i).toByteArray().toHex();
            out += '\n';
        }
    }
    return out;
}

QString hexOf(const QByteArray &bytes)
{
    return QStringLiteral("decode('%1', 'hex')").arg(QString::fromLatin1(bytes.toHex()));
}

const QString Closed = QStringLiteral(
        R"("type":0,"started":"2025-01-01T10:00:00","closed":1,"verdict":3,"report_year":2025,)"
        R"("report_seq":1,"uid":"ABCD1234","WIZYTY_REKORDY":[],"WIZYTY_KONTROLE":[],)"
        R"("WIZYTY_AKUMULATORY":[],"WIZYTY_DIAGNOSTYKA":[])");
} // namespace

// A colleague's login, or a stolen one, against another technician's store. Each row is
// written the way an attacker could: through the archive's insert function, as a direct INSERT
// of the technician role, or (standing for anything that got past the server) by the
// administrator. Each is refused by the server or kept aside by the victim's store, whose
// tables stay byte for byte as they were; the victim's own push goes through.
void TestArchive::hostileRows_data()
{
    QTest::addColumn<QString>("how");  // function, insert (as tech_b), forged (superuser)
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("data"); // SQL; $site, $unit, $self, $victim stand for UUIDs/hash
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("expected"); // server, accepted, or the local refusal
    const QString sqlKey = QStringLiteral(
            "name = 'PRZEJETY: ' || name, notes = (SELECT group_concat(nazwa || '=' || hex(dane),"
            " ';') FROM KONFIGURACJA) WHERE ?1 IS NOT NULL OR ?2 IS NOT NULL --");
    const QString html = QStringLiteral("… <span style=\"font-size:30pt;color:green\">BRAK "
                                        "USZKODZEŃ – CENTRALA SPRAWNA</span><!--");
    const auto json = [](const QString &text) { return hexOf(text.toUtf8()); };
    QTest::newRow("SQL in a key") << "function" << "site" << "Hala"
                                  << json(QStringLiteral(R"({"name":"Hala","%1":"x"})")
                                                  .arg(QString(sqlKey).replace('\'', "\\u0027")))
                                  << "$site" << "key";
    QTest::newRow("unknown key") << "function" << "unit" << "U"
                                 << json(R"({"site":"$site","label":"U","modules":"","pin":"1"})")
                                 << "$unit" << "key";
    QTest::newRow("numeric reference") << "function" << "visit" << "2025/1"
                                       << json(R"({"unit":1,)" + Closed + "}") << "" << "reference";
    QTest::newRow("reference of another kind")
            << "function" << "visit" << "2025/1" << json(R"({"unit":"$site",)" + Closed + "}")
            << "" << "reference";
    QTest::newRow("HTML in a name") << "function" << "faults" << html
                                    << hexOf(randomBytes(40)) << "" << "accepted";
    QTest::newRow("hash that does not match") << "forged" << "faults" << "S_x"
                                              << hexOf(randomBytes(40)) << "" << "hash";
    QTest::newRow("squatted hash") << "insert" << "faults" << "S_x" << hexOf("five!") << ""
                                   << "server";
    QTest::newRow("oversized") << "function" << "eventlog" << "L_x"
                               << "convert_to(repeat('x', 9 * 1024 * 1024), 'UTF8')" << ""
                               << "server";
    QTest::newRow("oversized past the server")
            << "forged" << "eventlog" << "L_x"
            << "convert_to(repeat('x', 9 * 1024 * 1024), 'UTF8')" << "" << "size";
    QTest::newRow("cycle") << "function" << "config" << "C_x" << hexOf("abc") << "$self"
                           << "server";
    QTest::newRow("invalid UTF-8") << "function" << "site" << "Hala"
                                   << hexOf("{\"name\":\"\xff\xfe\"}") << "" << "server";
    QTest::newRow("lone surrogate past the server")
            << "forged" << "site" << "Hala" << json(R"({"name":"Hala","notes":"a\ud800b"})") << "" << "value";
    QTest::newRow("forged author") << "insert" << "faults" << "S_x" << hexOf("bytes") << ""
                                   << "server";
    QTest::newRow("endless date") << "function" << "faults" << "S_x" << hexOf("endless") << ""
                                  << "accepted";
}

// The catalogue row as it travels, read strictly: what the server could not have packed is
// refused, whatever a hostile or broken server sends in its place.
void TestArchive::packedRows_data()
{
    QTest::addColumn<QString>("packed");
    QTest::addColumn<bool>("taken");
    const QUuid uuid("{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}");
    const QString u64 = QString::fromLatin1(uuid.toRfc4122().toBase64()).chopped(2);
    const QString h64 = QString::fromLatin1(QByteArray(32, '\x5a').toBase64()).chopped(1);
    const QStringList valid{"5", "7", u64, "faults", "1700000000", "", h64, "40", "0", "", "", "", "", ""};
    const auto with = [&valid](int field, const QString &value) {
        QStringList fields = valid;
        fields[field] = value;
        return fields.join(' ');
    };
    QTest::newRow("as the server packs it") << valid.join(' ') << true;
    QTest::newRow("a field short") << valid.mid(1).join(' ') << false;
    QTest::newRow("a field more") << (valid + QStringList{"1"}).join(' ') << false;
    QTest::newRow("UUID a character short") << with(2, u64.left(21)) << false;
    QTest::newRow("UUID not base64") << with(2, u64.left(21) + '*') << false;
    QTest::newRow("sequence zero") << with(0, "0") << false;
    QTest::newRow("number with a plus") << with(7, "+40") << false;
    QTest::newRow("number in other digits") << with(7, QString::fromUtf8("\u0664\u0660")) << false;
    QTest::newRow("kind not a word") << with(3, "faults'--") << false;
    QTest::newRow("kind in capitals") << with(3, "FAULTS") << false;
    QTest::newRow("hash a byte short") << with(6, h64.left(42)) << false;
    QTest::newRow("withdrawn neither 0 nor 1") << with(8, "2") << false;
    QTest::newRow("negative size") << with(7, "-1") << false;
    QTest::newRow("longer than any row") << with(3, QString(400, 'a')) << false;
    QTest::newRow("next due out of bounds") << with(13, "9999999999") << false;
    QTest::newRow("time past year 9999: unknown") << with(4, "999999999999") << true;
}

void TestArchive::packedRows()
{
    QFETCH(QString, packed);
    QFETCH(bool, taken);
    LocalArchive::Incoming row;
    QCOMPARE(ArchiveSync::readPackedRow(packed, &row), taken);
    if (taken) {
        QCOMPARE(row.uuid, QStringLiteral("0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0"));
        QCOMPARE(row.line, row.uuid);
        QCOMPARE(row.hash, QStringLiteral("5a").repeated(32));
        QCOMPARE(row.size, qint64(40));
    }
}

void TestArchive::hostileRows()
{
    QFETCH(QString, how);
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, data);
    QFETCH(QString, parent);
    QFETCH(QString, expected);
    Client victim(QStringLiteral("tech_a"));
    VisitStore visits(victim.store.database());
    Site site;
    site.name = "Hala";
    const int siteId = visits.saveSite(site);
    Unit unit;
    unit.siteId = siteId;
    unit.label = "U";
    const int unitId = visits.saveUnit(unit);
    victim.store.writeConfig(QStringLiteral("C_ofiary"), randomBytes(100));
    QVERIFY(victim.sync(m_server).status == ArchiveSync::Status::Done);
    const QByteArray own = randomBytes(60);
    victim.store.writeFaults(QStringLiteral("S_ofiary"), own);
    const LocalArchive archive(victim.store.database());
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString victimHash = LocalArchive::hashOf(own);
    const auto fill = [&](QString text) {
        return text.replace("$site", archive.uuidOf("OBIEKTY", siteId))
                .replace("$unit", archive.uuidOf("CENTRALE", unitId))
                .replace("$self", uuid);
    };
    data = fill(data);
    const QString parentSql = parent.isEmpty() ? "NULL" : "'" + fill(parent) + "'";
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString hash = tag == "squatted hash" ? "'" + victimHash + "'"
            : tag == "hash that does not match" ? "encode(sha256('other'::bytea), 'hex')"
                                                : "encode(sha256(" + data + "), 'hex')";
    const QString author = tag == "forged author" ? "'Anna Nowak'" : "'Bartosz Wiśniewski'";
    const QString before = tableBytes(victim.store.database());

    QVariant refusal;
    const QString error =
            how == "function"
            ? m_server.sql(QStringLiteral("SELECT coalesce(o_refusal, '') FROM archive_insert("
                                          "'%1', '%2', $q$%3$q$, %6, %4, %5)")
                                   .arg(uuid, kind, name, parentSql, data,
                                        QString(tag == "endless date" ? "'infinity'" : "now()")),
                           "tech_b", "ostrel", &refusal)
            : m_server.sql(QStringLiteral("INSERT INTO archive_record (uuid, kind, name, author,"
                                          " created, hash, data, login) VALUES ('%1', '%2',"
                                          " $q$%3$q$, %4, now(), %5, %6, 'tech_b')")
                                   .arg(uuid, kind, name, author, hash, data),
                           how == "insert" ? "tech_b" : "ostrel_super");
    const bool onServer = serverCount("uuid = '" + uuid + "'") == 1;
    QCOMPARE(onServer, expected != "server");
    if (expected == "server")
        QVERIFY2(!error.isEmpty() || !refusal.toString().isEmpty(), qPrintable(error));

    const ArchiveSync::Result result = victim.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    const QStringList reason =
            victim.rows("SELECT powod FROM ARCHIWUM_ODRZUCONE WHERE uuid = '" + uuid + "'");
    if (expected == "accepted") {
        // A name is text: it arrives exactly as written, signed by the login that sent it.
        QCOMPARE(victim.rows("SELECT nazwa FROM USZKODZENIA WHERE id = (SELECT lokalny_id FROM"
                             " ARCHIWUM_ID WHERE uuid = '" + uuid + "')"),
                 QStringList{name});
        QCOMPARE(victim.rows("SELECT autor FROM ARCHIWUM_ID WHERE uuid = '" + uuid + "'"),
                 QStringList{"Bartosz Wiśniewski"});
        QCOMPARE(reason, QStringList());
    } else {
        QCOMPARE(tableBytes(victim.store.database()), before);
        QCOMPARE(reason, expected == "server" ? QStringList() : QStringList{expected});
    }
    // The victim's own list reached the archive under the victim's login, with its bytes.
    QCOMPARE(serverCount("login = 'tech_a' AND hash = '" + victimHash + "' AND data = "
                         + hexOf(own)),
             qint64(1));
}

// A sync that cannot or must not talk to the server changes nothing and says which of these it
// was: none but the first blames the password, which none but the first has sent.
void TestArchive::refused_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("host"); // "fake": a server that declines TLS and asks for the
                                       // password in clear text
    QTest::addColumn<QString>("rootCert");
    QTest::addColumn<QString>("serverChange");
    QTest::addColumn<QString>("expected");
    QTest::newRow("wrong password") << "tech_wrong" << "127.0.0.1" << "" << "" << "pgpass";
    QTest::newRow("no company CA") << "tech_a" << "127.0.0.1" << "/nonexistent/root.crt" << ""
                                   << "Brak certyfikatu CA firmy";
    QTest::newRow("certificate of another CA") << "tech_a" << "127.0.0.1" << "foreign" << ""
                                               << "nie pochodzi od CA firmy";
    QTest::newRow("host name mismatch") << "tech_a" << "localhost" << "" << ""
                                        << "nie jest wystawiony na nazwę localhost";
    QTest::newRow("fake server") << "tech_a" << "fake" << "" << "" << "SSL";
    QTest::newRow("schema mismatch") << "tech_a" << "127.0.0.1" << ""
                                     << "UPDATE archive_schema SET version = 7"
                                     << "w wersji 7";
}

void TestArchive::refused()
{
    QFETCH(QString, user);
    QFETCH(QString, host);
    QFETCH(QString, rootCert);
    QFETCH(QString, serverChange);
    QFETCH(QString, expected);
    if (!serverChange.isEmpty())
        QCOMPARE(m_server.sql(serverChange), QString());
    QTcpServer fake;
    QByteArray heard;
    QVERIFY(fake.listen(QHostAddress::LocalHost));
    connect(&fake, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *socket = fake.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [socket, &heard] {
            const QByteArray bytes = socket->readAll();
            heard += bytes;
            socket->write(bytes.startsWith(QByteArray::fromHex("0000000804d2"))
                                  ? QByteArray("N")
                                  : QByteArray::fromHex("520000000800000003"));
        });
    });
    Client client(user);
    client.store.writeConfig(QStringLiteral("C_x"), randomBytes(50));
    const qint64 before = serverCount();
    ArchiveSettings settings = m_server.settings(user);
    settings.host = host == "fake" ? "127.0.0.1" : host;
    if (host == "fake")
        settings.port = fake.serverPort();
    qputenv("PGSSLROOTCERT", QFile::encodeName(rootCert.isEmpty() ? m_server.caFile()
                                               : rootCert == "foreign" ? m_server.foreignCaFile()
                                                                       : rootCert));
    ArchiveRunner runner;
    QSignalSpy finished(&runner, &ArchiveRunner::finished);
    QVERIFY(runner.start(settings, client.file()));
    QVERIFY(finished.wait(20000));
    qputenv("PGSSLROOTCERT", QFile::encodeName(m_server.caFile()));
    m_server.sql(QStringLiteral("UPDATE archive_schema SET version = %1")
                         .arg(ArchiveSync::SchemaVersion));
    const QString message = finished.at(0).at(1).toString();
    QCOMPARE(finished.at(0).at(0).value<ArchiveSync::Status>(), ArchiveSync::Status::Failed);
    QVERIFY2(message.contains(expected), qPrintable(message));
    QCOMPARE(message.contains("pgpass"), user == "tech_wrong");
    QCOMPARE(serverCount(), before);
    QCOMPARE(client.rows(QStringLiteral("SELECT count(*) FROM ARCHIWUM_ID")),
             QStringList{"0"});
    // The fake heard at most a request for TLS, never a password.
    QVERIFY2(heard.size() <= 8, heard.toHex().constData());
}

void TestArchive::technicianRights()
{
    Client a(QStringLiteral("tech_a"));
    const int id = a.store.writeLog(QStringLiteral("L_a"), randomBytes(80));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    const QString uuid = LocalArchive(a.store.database()).uuidOf(QStringLiteral("PAMIETNIK"), id);
    const QString where = QStringLiteral(" WHERE uuid = '%1'").arg(uuid);
    for (const QString &change : {QStringLiteral("UPDATE archive_record SET name = 'x'") + where,
                                  QStringLiteral("UPDATE archive_record SET withdrawn = true")
                                          + where,
                                  QStringLiteral("DELETE FROM archive_record") + where,
                                  QStringLiteral("UPDATE archive_schema SET version = 2")}) {
        const QString error = m_server.sql(change, QStringLiteral("tech_a"));
        QVERIFY2(error.contains(QLatin1String("permission denied")), qPrintable(change));
    }
    // Only the author withdraws, and the record stays, marked, for everyone.
    const ArchiveSettings settingsB = m_server.settings(QStringLiteral("tech_b"));
    QVERIFY(ArchiveSync(settingsB, QString()).withdraw(uuid).status
            == ArchiveSync::Status::Failed);
    const ArchiveSync::Result withdrawn =
            ArchiveSync(m_server.settings(QStringLiteral("tech_a")), a.file()).withdraw(uuid);
    QVERIFY2(withdrawn.status == ArchiveSync::Status::Done, qPrintable(withdrawn.message));
    QCOMPARE(m_server.value(QStringLiteral("SELECT withdrawn FROM archive_record") + where)
                     .toBool(),
             true);
    Client b(QStringLiteral("tech_b"));
    QVERIFY(b.sync(m_server).status == ArchiveSync::Status::Done);
    const QString bId = b.rows(QStringLiteral("SELECT lokalny_id FROM ARCHIWUM_ID WHERE uuid = '%1'")
                                       .arg(uuid))
                                .value(0);
    QVERIFY(LocalArchive(b.store.database()).isWithdrawn(QStringLiteral("PAMIETNIK"), bId.toInt()));

    // A login the administrator adds signs with the name registered for it, until revoked.
    bool ok = false;
    const QString added =
            m_server.admin({"add-technician", "tech_c", "Celina Zając"}, &ok).trimmed();
    QVERIFY2(ok, qPrintable(added));
    QFile pass(QString::fromLocal8Bit(qgetenv("PGPASSFILE")));
    QVERIFY(pass.open(QIODevice::Append));
    pass.write(QString("127.0.0.1:%1:*:tech_c:%2\n")
                       .arg(m_server.port())
                       .arg(added.section(' ', -1))
                       .toUtf8());
    pass.close();
    Client c(QStringLiteral("tech_c"));
    c.store.writeFaults(QStringLiteral("S_c"), randomBytes(20));
    QVERIFY(c.sync(m_server).status == ArchiveSync::Status::Done);
    QCOMPARE(m_server.value("SELECT author FROM archive_record WHERE login = 'tech_c'").toString(),
             QStringLiteral("Celina Zając"));
    QVERIFY(m_server.admin({"revoke", "tech_c"}, &ok).contains("Revoked") && ok);
    c.store.writeFaults(QStringLiteral("S_c2"), randomBytes(20));
    QVERIFY(c.sync(m_server).status == ArchiveSync::Status::Failed);
    const QString audit = m_server.admin({"audit"}, &ok);
    QVERIFY2(ok && audit.contains("tech_c") && audit.contains("withdrew"), qPrintable(audit));
}

// Going back to a backup loses nothing: each colleague pushes again what the backup lacks,
// pulls what it lacks itself, and is told so.
void TestArchive::backupRestored()
{
    Client a(QStringLiteral("tech_a")), b(QStringLiteral("tech_b"));
    a.store.writeFaults(QStringLiteral("S_przed_kopia"), randomBytes(30));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    QVERIFY(b.sync(m_server).status == ArchiveSync::Status::Done);
    QTemporaryDir dir;
    bool ok = false;
    QString out = m_server.admin({"backup", dir.filePath("archive.dump")}, &ok);
    QVERIFY2(ok, qPrintable(out));
    for (int i = 0; i < 5; ++i)
        a.store.writeFaults(QStringLiteral("S_po_kopii_%1").arg(i), randomBytes(30));
    const int config = a.store.writeConfig(QStringLiteral("C_po_kopii"), randomBytes(50));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    a.store.updateConfig(uint(config), QStringLiteral("C_po_kopii"), randomBytes(50));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    // Archived after the backup by a third login, outside b's scope and never seen by a:
    // listed, never held, and gone from the catalogue with the restore.
    const QString onlyThere = "SELECT count(*) FROM ARCHIWUM_KATALOG WHERE name = 'S_tylko_tam'";
    QVERIFY(m_server.sql("INSERT INTO archive_record (uuid, kind, name, author, created, hash,"
                         " data) SELECT gen_random_uuid(), 'faults', 'S_tylko_tam', 'x', now(),"
                         " encode(sha256(b), 'hex'), b FROM convert_to('tylko tam', 'UTF8') b")
                    .isEmpty());
    QVERIFY(b.sync(m_server, ArchiveScope::MySites).status == ArchiveSync::Status::Done);
    QCOMPARE(b.rows(onlyThere), QStringList{"1"});
    out = m_server.admin({"restore", dir.filePath("archive.dump")}, &ok);
    QVERIFY2(ok, qPrintable(out));

    b.store.writeFaults(QStringLiteral("S_b_po_odtworzeniu"), randomBytes(30));
    a.store.writeFaults(QStringLiteral("S_a_po_odtworzeniu"), randomBytes(30));
    const ArchiveSync::Result told = b.sync(m_server);
    QVERIFY2(told.message.contains(QLatin1String("odtworzone")), qPrintable(told.message));
    for (const Client *client : {&a, &b, &a})
        QVERIFY(client->sync(m_server).status == ArchiveSync::Status::Done);
    const QString names = "name ~ '^S_(po_kopii_|[ab]_po_odtw)' OR name = 'C_po_kopii'";
    QCOMPARE(serverCount("(" + names + ") AND kind = 'faults'"), qint64(7));
    QCOMPARE(m_server.value("SELECT count(*) FROM archive_record WHERE name = 'C_po_kopii'"
                            " AND parent IS NULL")
                     .toInt(),
             1);
    for (const Client *client : {&a, &b}) {
        QCOMPARE(client->rows("SELECT count(*) FROM USZKODZENIA WHERE nazwa GLOB 'S_po_kopii_*'"
                              " OR nazwa GLOB 'S_[ab]_po_odtw*'"),
                 QStringList{"7"});
        QCOMPARE(client->rows("SELECT count(*) FROM KONFIGURACJA WHERE nazwa = 'C_po_kopii'"),
                 QStringList{"1"});
        QCOMPARE(client->waiting(), 0);
        QCOMPARE(client->rows(onlyThere), QStringList{"0"});
    }
}

void TestArchive::killedSyncs()
{
    Client c(QStringLiteral("tech_b"));
    // A helper killed just as it exits would be killed inside the leak checker, which then
    // reports the process it lost instead of a leak; the helpers are not checked for leaks.
    QProcessEnvironment helperEnvironment = QProcessEnvironment::systemEnvironment();
    const QString asan = helperEnvironment.value(QStringLiteral("ASAN_OPTIONS"));
    helperEnvironment.insert(QStringLiteral("ASAN_OPTIONS"),
                             asan + (asan.isEmpty() ? "" : ":") + "detect_leaks=0");
    int config = c.store.writeConfig(QStringLiteral("C_przerywana"), randomBytes(200));
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 15; ++i)
            c.store.writeLog(QStringLiteral("L_%1_%2").arg(round).arg(i), randomBytes(4000));
        c.store.updateConfig(uint(config), QStringLiteral("C_przerywana"), randomBytes(200));
        QProcess helper;
        helper.setProcessEnvironment(helperEnvironment);
        helper.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--sync-helper"), c.file(), QString::number(m_server.port())});
        QVERIFY(helper.waitForStarted());
        QTest::qWait(int(QRandomGenerator::global()->bounded(30, 400)));
        helper.kill();
        helper.waitForFinished();
    }
    const ArchiveSync::Result result = c.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(c.waiting(), 0);
    // Every record once, and the local marks are exactly what the server holds.
    QCOMPARE(serverCount(QStringLiteral("name ~ '^L_[0-9]+_' AND login = 'tech_b'")),
             qint64(20 * 15));
    // The configuration's revisions form one line: a lost mark would fork it.
    QCOMPARE(m_server.value(QStringLiteral("SELECT count(*) - count(DISTINCT parent) FROM"
                                           " archive_record WHERE name = 'C_przerywana'"))
                     .toInt(),
             1);
    QCOMPARE(c.rows(QStringLiteral("SELECT count(*) FROM ARCHIWUM_ID WHERE uuid IS NULL OR"
                                   " oczekujacy_uuid IS NOT NULL")),
             QStringList{"0"});
    // The last edit, made after a push whose mark a kill lost, reached the archive too.
    const QString head = LocalArchive(c.store.database()).uuidOf("KONFIGURACJA", config);
    QCOMPARE(m_server.value("SELECT encode(data, 'hex') FROM archive_record WHERE uuid = '"
                            + head + "'")
                     .toString(),
             QString::fromLatin1(c.store.readConfig(config).toHex()));
    QCOMPARE(m_server.value(QStringLiteral("SELECT string_agg(CAST(uuid AS text), ',' ORDER BY"
                                           " CAST(uuid AS text) COLLATE \"C\") FROM"
                                           " archive_record WHERE"
                                           " login = 'tech_b' AND (name ~ '^L_[0-9]+_' OR"
                                           " name = 'C_przerywana')"))
                     .toString(),
             c.rows(QStringLiteral("SELECT uuid FROM ARCHIWUM_REWIZJE WHERE (tabela ="
                                   " 'PAMIETNIK' AND lokalny_id IN (SELECT id FROM PAMIETNIK"
                                   " WHERE nazwa GLOB 'L_[0-9]*_*')) OR (tabela = 'KONFIGURACJA'"
                                   " AND lokalny_id = %1) ORDER BY uuid")
                            .arg(config))
                     .join(QLatin1Char(',')));
}

// A sync cut off mid-way: the server stopped, or its process stalled (no answer, no error),
// with the technician pressing "Przerwij" or closing the program. The sync ends at once with
// what it did kept, and the next one finishes the rest.
void TestArchive::interrupted_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("reaction");
    QTest::newRow("server stopped") << "stop" << "";
    QTest::newRow("stalled, cancelled") << "stall" << "cancel";
    QTest::newRow("stalled, program closed") << "stall" << "close";
}

void TestArchive::interrupted()
{
    QFETCH(QString, trouble);
    QFETCH(QString, reaction);
    Client c(QStringLiteral("tech_a"));
    const QString prefix = QStringLiteral("S_%1_").arg(QTest::currentDataTag()).replace(' ', '_');
    for (int i = 0; i < 400; ++i)
        c.store.writeFaults(prefix + QString::number(i), randomBytes(3000));
    auto runner = std::make_unique<ArchiveRunner>();
    QSignalSpy finished(runner.get(), &ArchiveRunner::finished);
    qint64 stalled = 0;
    QElapsedTimer clock;
    connect(runner.get(), &ArchiveRunner::progress, this, [&](int done, int) {
        if (done < 20 || clock.isValid())
            return;
        clock.start();
        if (trouble == "stop") {
            m_server.stop();
            return;
        }
        stalled = m_server.value("SELECT pid FROM pg_stat_activity WHERE usename = 'tech_a'"
                                 " AND application_name = 'ostrel-konfigurator'")
                          .toLongLong();
        QVERIFY(stalled > 0);
        PgCluster::freeze(stalled, true);
        QTest::qWait(300);
        clock.restart();
        if (reaction == "cancel")
            runner->cancel();
        else
            runner.reset();
    });
    QVERIFY(runner->start(m_server.settings(c.user), c.file()));
    QTRY_VERIFY_WITH_TIMEOUT(clock.isValid() && (!runner || !finished.isEmpty()), 60000);
    // The promise is 5 s; cutting the connection takes milliseconds, and the runner's last
    // resort (leaving the thread to the process exit after 4.5 s) must not be what passes.
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    if (stalled)
        PgCluster::freeze(stalled, false);
    if (runner) {
        const QString message = finished.at(0).at(1).toString();
        QCOMPARE(finished.at(0).at(0).value<ArchiveSync::Status>(),
                 reaction == "cancel" ? ArchiveSync::Status::Cancelled
                                      : ArchiveSync::Status::Failed);
        if (trouble == "stop")
            QVERIFY2(message.contains(QLatin1String("przerwane")), qPrintable(message));
    }
    QVERIFY(c.waiting() > 0);

    if (trouble == "stop")
        QVERIFY(m_server.start());
    const ArchiveSync::Result result = c.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(c.waiting(), 0);
    QCOMPARE(serverCount(QStringLiteral("kind = 'faults' AND starts_with(name, '%1') AND"
                                        " login = 'tech_a' AND length(data) = 3000")
                                 .arg(prefix)),
             qint64(400));
}

// A sync works whatever the store holds while the lists show it: 257 new fault lists (one past
// what a list model reads at once), and a store of 10,000 records of every kind.
void TestArchive::largeStores_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("archived");
    QTest::newRow("257 new lists") << 257 << false;
    QTest::newRow("10,000 of each kind") << 10000 << true;
}

void TestArchive::largeStores()
{
    QFETCH(int, count);
    QFETCH(bool, archived);
    Client c(QStringLiteral("tech_b"));
    const QSqlDatabase db = c.store.database();
    const QString numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT"
                                           " i + 1 FROM n WHERE i < %1) ")
                                    .arg(count);
    QStringList fill;
    for (const char *table : {"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE"})
        fill << QStringLiteral("INSERT INTO %1 (nazwa, dane) %2 SELECT 'R_' || i || '_' ||"
                               " hex(randomblob(4)), randomblob(64) FROM n")
                        .arg(table, numbers);
    if (archived) {
        fill << "INSERT INTO OBIEKTY (name) " + numbers + "SELECT 'Obiekt ' || i FROM n"
             << "INSERT INTO CENTRALE (site, label) " + numbers + "SELECT i, 'U' || i FROM n"
             << "INSERT INTO WIZYTY (unit, type, started, closed, report_year, report_seq, uid) "
                        + numbers + "SELECT i, 0, '2025-01-01T10:00:00', 1, 2025, i, 'X' FROM n";
        // As a store that archived all this long ago: identities, no change marks.
        for (const char *table : {"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE",
                                  "OBIEKTY", "CENTRALE", "WIZYTY"})
            fill << QStringLiteral("INSERT INTO ARCHIWUM_ID (tabela, lokalny_id, uuid, skrot)"
                                   " SELECT '%1', id, lower(hex(randomblob(16))), '' FROM %1")
                            .arg(table);
        fill << "DELETE FROM ARCHIWUM_ZMIANY";
    }
    for (const QString &statement : fill) {
        QSqlQuery query(db);
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    }
    // The lists as the windows show them.
    std::vector<std::unique_ptr<QSqlQueryModel>> lists;
    for (const char *table : {"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE"}) {
        lists.push_back(std::make_unique<QSqlQueryModel>());
        loadWholeList(lists.back().get(), QStringLiteral("SELECT nazwa, id FROM %1").arg(table),
                      db);
        QCOMPARE(lists.back()->rowCount(), count);
    }
    c.store.writeFaults(QStringLiteral("S_nowa"), randomBytes(30));
    const ArchiveSync::Result result = c.sync(m_server);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(result.pushed, archived ? 1 : 4 * count + 1);
    QCOMPARE(c.waiting(), 0);
}

// Pulled in pages of (transaction, number): a page must follow the transactions' order, not
// their text ("1000" before "999"), or a first pull over many transactions skips rows for good.
void TestArchive::pullOrder()
{
    const int count = 2100; // more than one page of headers
    QCOMPARE(m_server.sql(QStringLiteral("SELECT archive_insert(gen_random_uuid(), 'faults',"
                                         " 'order_' || i, now(), NULL, convert_to('order ' || i,"
                                         " 'UTF8')) FROM generate_series(1, %1) i")
                                  .arg(count),
                          QStringLiteral("tech_a")),
             QString());
    // As if each had been archived in a transaction of its own, long ago, across 99 -> 100
    // and 999 -> 1000.
    QCOMPARE(m_server.sql(QStringLiteral("UPDATE archive_record r SET xid = CAST(CAST(50 + n.i"
                                         " AS text) AS xid8) FROM (SELECT uuid, row_number()"
                                         " OVER (ORDER BY seq) AS i FROM archive_record WHERE"
                                         " name LIKE 'order\\_%') n WHERE r.uuid = n.uuid")),
             QString());
    Client c(QStringLiteral("tech_b"));
    const ArchiveSync::Result result = c.sync(m_server, ArchiveScope::MySites);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QCOMPARE(c.rows(QStringLiteral("SELECT count(*) FROM ARCHIWUM_KATALOG WHERE name LIKE"
                                   " 'order\\_%' ESCAPE '\\'"))
                     .value(0)
                     .toInt(),
             count);
}

// A new laptop's first sync lists the whole archive and brings the bytes of its scope: all,
// the sites its login works on, the chosen sites; always what the login archived itself. A
// visit in scope arrives whole. Widening the scope brings the rest at the next sync.
void TestArchive::scope_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<bool>("chooseP");
    QTest::addColumn<QStringList>("local"); // of the faults lists and configurations
    QTest::addColumn<QStringList>("sites");
    QTest::addColumn<int>("visits");
    const QStringList all = {"C_A", "C_B", "F_P", "F_R", "F_R2"};
    QTest::newRow("everything") << 0 << false << all << QStringList{"P", "R"} << 3;
    QTest::newRow("my sites") << 1 << false << QStringList{"C_B", "F_R", "F_R2"}
                              << QStringList{"R"} << 2;
    QTest::newRow("chosen sites") << 2 << true << QStringList{"C_B", "F_P", "F_R"}
                                  << QStringList{"P", "R"} << 2;
    QTest::newRow("own records") << 2 << false << QStringList{"C_B", "F_R"} << QStringList{"R"}
                                 << 1;
}

void TestArchive::scope()
{
    QFETCH(int, scope);
    QFETCH(bool, chooseP);
    QFETCH(QStringList, local);
    QFETCH(QStringList, sites);
    QFETCH(int, visits);
    // B works on site R (from another laptop); A visits R too, and works on P.
    Client b1("tech_b"), a("tech_a");
    b1.closedVisit(b1.newUnit(tagged("R")), tagged("F_R"), randomBytes(50));
    b1.store.writeConfig(tagged("C_B"), randomBytes(60));
    QVERIFY(b1.sync(m_server).status == ArchiveSync::Status::Done);
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    const int unitR = a.rows("SELECT c.id FROM CENTRALE c JOIN OBIEKTY o ON o.id = c.site WHERE"
                             " o.name = '" + tagged("R") + "'").value(0).toInt();
    QVERIFY(unitR > 0);
    a.closedVisit(unitR, tagged("F_R2"), randomBytes(50));
    a.closedVisit(a.newUnit(tagged("P")), tagged("F_P"), randomBytes(50));
    a.store.writeConfig(tagged("C_A"), randomBytes(60));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);

    Client b2("tech_b");
    const QString lineP = m_server.value("SELECT CAST(line AS text) FROM archive_record WHERE"
                                         " kind = 'site' AND name = '" + tagged("P") + "'")
                                  .toString();
    const auto check = [&](const QStringList &expected, const QStringList &expectedSites,
                           int expectedVisits) {
        const QString suffix = tagged("");
        CatalogueQuery query;
        query.text = suffix;
        query.limit = 500;
        QStringList listed, here;
        for (const CatalogueEntry &e : LocalArchive(b2.store.database()).catalogue(query).entries) {
            if (e.kind != "faults" && e.kind != "config")
                continue;
            listed << e.name.chopped(suffix.size());
            if (e.local)
                here << e.name.chopped(suffix.size());
        }
        listed.sort();
        here.sort();
        QCOMPARE(listed, QStringList({"C_A", "C_B", "F_P", "F_R", "F_R2"}));
        QCOMPARE(here, expected);
        VisitStore store(b2.store.database());
        QStringList siteNames;
        int complete = 0;
        for (const Site &site : store.sites()) {
            if (!site.name.endsWith(suffix))
                continue;
            siteNames << site.name.chopped(suffix.size());
            for (const Unit &unit : store.units(site.id)) {
                for (const Visit &visit : store.visits(unit.id)) {
                    const int faults = store.linkedRecord(visit.id, RecordRole::FaultsArrival);
                    complete += faults > 0 && b2.store.readFaults(faults).size() == 50
                            && !store.frozenProtocol(visit.id).html.isEmpty();
                }
            }
        }
        QCOMPARE(siteNames, expectedSites);
        QCOMPARE(complete, expectedVisits);
    };
    ArchiveSync::Result result = b2.sync(m_server, ArchiveScope(scope),
                                         chooseP ? QStringList{lineP} : QStringList{});
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    check(local, sites, visits);
    if (QTest::currentTestFailed())
        return;
    result = b2.sync(m_server, ArchiveScope::Everything);
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    check({"C_A", "C_B", "F_P", "F_R", "F_R2"}, {"P", "R"}, 3);
}

// Opening a record that is not on the laptop: its exact bytes (a register in pieces), or,
// for a visit, with the site, unit and records it names; never a changed byte, never half.
void TestArchive::fetchOnDemand_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::newRow("register") << "";
    QTest::newRow("visit with what it names") << "visit";
    QTest::newRow("changed byte") << "forged";
    QTest::newRow("cancelled") << "cancel";
}

void TestArchive::fetchOnDemand()
{
    QFETCH(QString, trouble);
    Client a("tech_a");
    const QByteArray log = randomBytes(65025 * 8);
    const QByteArray faults = randomBytes(50);
    a.store.writeLog(tagged("L"), log);
    a.closedVisit(a.newUnit(tagged("P")), tagged("F_P"), faults);
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    Client b("tech_b");
    QVERIFY(b.sync(m_server, ArchiveScope::ChosenSites).status == ArchiveSync::Status::Done);
    const QString uuid = m_server.value(
            trouble == "visit"
                    ? "SELECT CAST(v.uuid AS text) FROM archive_record v JOIN archive_record s ON"
                      " s.line = v.site_line WHERE v.kind = 'visit' AND s.name = '"
                            + tagged("P") + "'"
                    : "SELECT CAST(uuid AS text) FROM archive_record WHERE name = '"
                            + tagged("L") + "'").toString();
    QVERIFY(!uuid.isEmpty());
    if (trouble == "forged")
        QVERIFY(m_server.sql("UPDATE archive_record SET data = set_byte(data, 300000,"
                             " (get_byte(data, 300000) + 1) % 256) WHERE uuid = '" + uuid + "'")
                        .isEmpty());
    const QString before = tableBytes(b.store.database());
    ArchiveCancel cancel;
    int steps = 0;
    ArchiveSettings settings = m_server.settings("tech_b");
    settings.scope = ArchiveScope::ChosenSites;
    const ArchiveSync::Result result =
            ArchiveSync(settings, b.file()).fetch(uuid, &cancel, [&](int, int) {
                if (++steps == 2 && trouble == "cancel")
                    cancel.cancel();
            });
    CatalogueEntry entry;
    entry.uuid = uuid;
    LocalArchive(b.store.database()).locate(entry);
    if (trouble == "forged" || trouble == "cancel") {
        QVERIFY(result.status != ArchiveSync::Status::Done);
        QVERIFY(!entry.local);
        QCOMPARE(tableBytes(b.store.database()), before);
        return;
    }
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    QVERIFY(entry.local);
    if (trouble == "visit") {
        VisitStore visits(b.store.database());
        QCOMPARE(b.rows("SELECT count(*) FROM OBIEKTY WHERE name = '" + tagged("P") + "'"),
                 QStringList{"1"});
        QCOMPARE(b.store.readFaults(visits.linkedRecord(entry.localId, RecordRole::FaultsArrival)),
                 faults);
    } else {
        QCOMPARE(b.store.readLog(entry.localId), log);
        QVERIFY(steps >= 3); // in pieces, each reported
    }
}

// The company-wide questions run on the server, paged by key: a page continues exactly where
// the last one ended, a text is matched literally, no page exceeds the cap.
void TestArchive::serverQueries_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("expected");
    QTest::newRow("records of a site, page by page") << "site" << 7;
    QTest::newRow("text is literal") << "wildcard" << 0;
    QTest::newRow("units, page by page") << "units" << 3;
    QTest::newRow("page capped") << "cap" << 500;
}

void TestArchive::serverQueries()
{
    QFETCH(QString, what);
    QFETCH(int, expected);
    // A site with three units, each visited once, archived by tech_a.
    const QString site = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const auto insert = [this](const QString &uuid, const char *kind, const QString &name,
                               const QString &json) {
        QVariant refusal;
        QVERIFY(m_server.sql(QStringLiteral("SELECT coalesce(o_refusal, '') FROM archive_insert("
                                            "'%1', '%2', $q$%3$q$, now(), NULL,"
                                            " convert_to($q$%4$q$, 'UTF8'))")
                                     .arg(uuid, kind, name, json),
                             "tech_a", "ostrel", &refusal)
                        .isEmpty());
        QCOMPARE(refusal.toString(), QString());
    };
    insert(site, "site", tagged("S"), R"({"name":"x"})");
    for (int i = 1; i <= 3; ++i) {
        const QString unit = QUuid::createUuid().toString(QUuid::WithoutBraces);
        insert(unit, "unit", tagged("U") + QString::number(i),
               QStringLiteral(R"({"site":"%1","label":"x"})").arg(site));
        insert(QUuid::createUuid().toString(QUuid::WithoutBraces), "visit", "v",
               QStringLiteral(R"({"unit":"%1","started":"2026-0%2-01T08:00:00",)"
                              R"("next_service":"2027-0%2-01"})")
                       .arg(unit)
                       .arg(i));
    }
    ArchiveSync sync(m_server.settings("tech_b"), QString());
    QStringList seen;
    if (what == "units") {
        UnitQuery query;
        query.text = tagged("U");
        query.limit = 2;
        bool more = true;
        for (int page = 0; more && page < 5; ++page) {
            QVector<UnitOverview> units;
            QVERIFY(sync.units(query, &units, &more).status == ArchiveSync::Status::Done);
            QVERIFY(units.size() <= 2);
            for (const UnitOverview &u : units) {
                seen << u.label;
                QCOMPARE(u.site, site);
                QCOMPARE(u.visits, 1);
                QCOMPARE(u.nextDue.month(), u.lastVisit.date().month());
                query.afterLabel = u.label;
                query.afterUnit = u.unit;
            }
        }
        QCOMPARE(seen, QStringList({tagged("U") + "1", tagged("U") + "2", tagged("U") + "3"}));
    } else {
        if (what == "cap")
            QVERIFY(m_server.sql("INSERT INTO archive_record (uuid, kind, name, author, created,"
                                 " hash, data) SELECT gen_random_uuid(), 'config', '"
                                 + tagged("C") + "', 'x', now(), encode(sha256(b), 'hex'), b"
                                 " FROM (SELECT int4send(i) AS b FROM generate_series(1, 501)"
                                 " AS i) AS bytes")
                            .isEmpty());
        CatalogueQuery query;
        query.site = what == "site" ? site : QString();
        query.text = what == "wildcard" ? tagged("S").replace('_', '%')
                : what == "cap"         ? tagged("C")
                                        : QString();
        query.limit = what == "cap" ? 100000 : 2;
        CataloguePage page;
        qint64 last = std::numeric_limits<qint64>::max();
        do {
            QVERIFY(sync.search(query, &page).status == ArchiveSync::Status::Done);
            QVERIFY(page.entries.size() <= qMin(query.limit, 500));
            for (const CatalogueEntry &e : page.entries) {
                QVERIFY(e.seq < last); // newest first, nothing twice
                last = e.seq;
                seen << e.uuid;
                QCOMPARE(e.siteName, what == "site" ? tagged("S") : e.siteName);
                // A visit is dated by its document (January to March), not by its archiving.
                QCOMPARE(e.visited.isValid(), e.kind == "visit");
                QVERIFY(!e.visited.isValid() || e.visited.date().month() <= 3);
            }
            query.beforeSeq = last;
        } while (page.more && what != "cap");
        QCOMPARE(page.more, what == "cap");
    }
    QCOMPARE(seen.size(), expected);
}

// Where a record belongs is the server's finding from documents it checks, never a client's
// word: a reference to a record of the wrong kind places nothing, and a linked record keeps
// the place it has.
void TestArchive::claimsIgnored_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("placed"); // which record's place is looked at
    QTest::addColumn<bool>("site");      // whether it has a site afterwards
    QTest::addColumn<bool>("unit");
    QTest::newRow("unit naming a configuration as site")
            << "unit" << R"({"site":"$config","label":"x"})" << "self" << false << true;
    QTest::newRow("visit naming a site as unit")
            << "visit" << R"({"unit":"$site","started":"2026-01-01T08:00:00"})" << "self"
            << false << false;
    QTest::newRow("visit of a real unit")
            << "visit" << R"({"unit":"$unit","started":"2026-01-01T08:00:00"})" << "self"
            << true << true;
    QTest::newRow("visit linking a record placed elsewhere")
            << "visit" << R"({"unit":"$other","WIZYTY_REKORDY":[{"record":"$faults"}]})"
            << "faults" << true << true;
}

void TestArchive::claimsIgnored()
{
    QFETCH(QString, kind);
    QFETCH(QString, document);
    QFETCH(QString, placed);
    QFETCH(bool, site);
    QFETCH(bool, unit);
    // A site with a unit, and a faults list linked by a visit of that unit; another unit with
    // no site.
    Client a("tech_a");
    a.closedVisit(a.newUnit(tagged("P")), tagged("F"), randomBytes(40));
    QVERIFY(a.sync(m_server).status == ArchiveSync::Status::Done);
    const auto uuidOf = [this](const QString &where) {
        return m_server.value("SELECT CAST(uuid AS text) FROM archive_record WHERE " + where)
                .toString();
    };
    const QString other = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QVERIFY(m_server.sql("SELECT archive_insert('" + other + "', 'unit', 'u', now(), NULL,"
                         " convert_to('{\"label\":\"u\"}', 'UTF8'))", "tech_b").isEmpty());
    const QString self = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString faults = uuidOf("name = '" + tagged("F") + "'");
    document.replace("$site", uuidOf("kind = 'site' AND name = '" + tagged("P") + "'"))
            .replace("$unit", uuidOf("kind = 'unit' AND name = 'U_" + tagged("P") + "'"))
            .replace("$config", faults)
            .replace("$faults", faults)
            .replace("$other", other);
    QVERIFY(m_server.sql("SELECT archive_insert('" + self + "', '" + kind + "', 'x', now(), NULL,"
                         " convert_to($q$" + document + "$q$, 'UTF8'))", "tech_b").isEmpty());
    const QString target = placed == "self" ? self : faults;
    QCOMPARE(m_server.value("SELECT site_line IS NOT NULL FROM archive_record WHERE uuid = '"
                            + target + "'").toBool(), site);
    QCOMPARE(m_server.value("SELECT unit_line IS NOT NULL FROM archive_record WHERE uuid = '"
                            + target + "'").toBool(), unit);
    // Nor can a technician write a place directly.
    QVERIFY(!m_server.sql("UPDATE archive_record SET site_line = NULL WHERE uuid = '" + target
                          + "'", "tech_b").isEmpty());
}

// An archive of schema 2 (nothing placed) brought to 3 by applying the schema again: every
// record the archive holds so far is placed as if it had arrived under 3. Runs last: it works
// on everything the other tests archived.
void TestArchive::upgradeInPlace()
{
    const QString placed = QStringLiteral(
            "SELECT md5(string_agg(concat_ws('|', uuid, line, site_line, unit_line, size,"
            " visited, next_due), ',' ORDER BY uuid)) FROM archive_record");
    const QString before = m_server.value(placed).toString();
    QVERIFY(m_server.value("SELECT count(*) FROM archive_record WHERE site_line IS NOT NULL")
                    .toInt() > 20);
    QVERIFY(m_server.sql("UPDATE archive_record SET line = NULL, site_line = NULL, unit_line ="
                         " NULL, size = NULL, visited = NULL, next_due = NULL;"
                         " UPDATE archive_schema SET version = 2")
                    .isEmpty());
    QFile schema(PgCluster::schemaFile());
    QVERIFY(schema.open(QIODevice::ReadOnly));
    const QString sql = QString::fromUtf8(schema.readAll());
    for (int round = 0; round < 2; ++round) { // and again: nothing changes
        QVERIFY(m_server.sql(sql).isEmpty());
        QCOMPARE(m_server.value(placed).toString(), before);
    }
    QCOMPARE(m_server.value("SELECT version FROM archive_schema").toInt(),
             ArchiveSync::SchemaVersion);
}

// The scope as stored: a site list that is not a list of UUIDs keeps only the UUIDs, each
// once, and a scope number out of range reads as "moje obiekty".
void TestArchive::scopeSettings_data()
{
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QString>("sites");
    QTest::addColumn<int>("loadedScope");
    QTest::addColumn<QStringList>("loadedSites");
    const QString a = QStringLiteral("6f1d0c8e-2f4b-4c39-9a57-0d6f6b0c1a11");
    const QString b = QStringLiteral("0b7a3c2e-91d4-4e0f-8c3b-5a2d7e9f4c22");
    QTest::newRow("chosen sites and garbage")
            << "2" << a + ",x' OR 1=1,{" + b + "}, " + a + ",," << 2 << QStringList{a, b};
    QTest::newRow("scope out of range") << "7" << QString() << 1 << QStringList();
    QTest::newRow("everything") << "0" << b << 0 << QStringList{b};
}

void TestArchive::scopeSettings()
{
    QFETCH(QString, scope);
    QFETCH(QString, sites);
    QFETCH(int, loadedScope);
    QFETCH(QStringList, loadedSites);
    Client c("tech_a");
    QVERIFY(AppSetting::writeText(c.store.database(), AppSetting::ArchiveScope, scope));
    QVERIFY(AppSetting::writeText(c.store.database(), AppSetting::ArchiveScopeSites, sites));
    const ArchiveSettings loaded = ArchiveSettings::load(&c.store);
    QCOMPARE(int(loaded.scope), loadedScope);
    QCOMPARE(loaded.sites, loadedSites);
    loaded.save(&c.store);
    QCOMPARE(ArchiveSettings::load(&c.store).sites, loadedSites);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The helper process that the kill test kills: one sync of the given store as tech_b.
    if (argc == 4 && qstrcmp(argv[1], "--sync-helper") == 0)
        return ArchiveSync(PgCluster::settings(atoi(argv[3]), "tech_b"), argv[2]).run().status
                != ArchiveSync::Status::Done;
    TestArchive test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archive.moc"
