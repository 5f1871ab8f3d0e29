// ctest-labels: archive
// Two laptops exchange records through one archive that speaks TLS only to a verified host
// name (tests/common/pgserver.sh starts it as a host command). The same test plays each laptop,
// as OSTREL_ARCHIVE_ROLE says: "first" (the Linux program) stores and sends a fault list;
// "second" (in the Windows build, the Windows program under Wine) sends its own and must
// receive the first's; "check" (the Linux program again) must receive the second's.
#include "archive/archivesync.h"
#include "archive/libpqfiles.h"
#include "store/dbmanager.h"
#include "teststore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QtTest>

namespace {
struct Laptop
{
    const char *role;
    const char *login;
    const char *technician;
    const char *record;
};
const Laptop kFirst{"first", "tech_a", "Anna Nowak", "S_linux"};
const Laptop kSecond{"second", "tech_b", "Bartosz Wiśniewski", "S_windows"};

// The same bytes on every laptop, so that each knows exactly what the other sent.
QByteArray recordBytes(const char *name)
{
    QByteArray bytes;
    for (char round = 0; round < 4; ++round)
        bytes += QCryptographicHash::hash(QByteArray(name) + round, QCryptographicHash::Sha256);
    return bytes;
}
} // namespace

class TestArchivePeer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void exchange();
    void verifiedHostName_data();
    void verifiedHostName();

private:
    ArchiveSettings settings(const Laptop &laptop, const QString &host) const;
    QString m_state;
    QString m_role;
    QStringList m_placed;
};

void TestArchivePeer::initTestCase()
{
    m_state = qEnvironmentVariable("OSTREL_ARCHIVE_STATE");
    m_role = qEnvironmentVariable("OSTREL_ARCHIVE_ROLE", QStringLiteral("second"));
    if (m_state.isEmpty())
        QSKIP("needs the archive that pgserver.sh starts (ctest runs it)");
    // A server that cannot prove the client saw its certificate is refused.
    qputenv("PGCHANNELBINDING", "require");
    const QString pass = m_state + QStringLiteral("/pgpass");
    const QString ca = m_state + QStringLiteral("/root.crt");
#ifdef Q_OS_WIN
    // Where a technician's files go: %APPDATA%\postgresql, found by libpq itself. A
    // machine's own files are left alone; the test then names its files instead.
    qunsetenv("PGPASSFILE");
    qunsetenv("PGSSLROOTCERT");
    if (!QFile::exists(LibpqFiles::passwordFile())
        && !QFile::exists(LibpqFiles::rootCertificate())) {
        QVERIFY(QDir().mkpath(QFileInfo(LibpqFiles::passwordFile()).path()));
        QVERIFY(QFile::copy(pass, LibpqFiles::passwordFile()));
        QVERIFY(QFile::copy(ca, LibpqFiles::rootCertificate()));
        m_placed << LibpqFiles::passwordFile() << LibpqFiles::rootCertificate();
        QVERIFY(LibpqFiles::passwordFile().endsWith(QLatin1String("/postgresql/pgpass.conf")));
        return;
    }
#endif
    qputenv("PGPASSFILE", QFile::encodeName(pass));
    qputenv("PGSSLROOTCERT", QFile::encodeName(ca));
}

void TestArchivePeer::cleanupTestCase()
{
    for (const QString &file : qAsConst(m_placed))
        QFile::remove(file);
}

ArchiveSettings TestArchivePeer::settings(const Laptop &laptop, const QString &host) const
{
    QFile portFile(m_state + QStringLiteral("/port"));
    portFile.open(QIODevice::ReadOnly);
    ArchiveSettings s;
    s.host = host;
    s.port = portFile.readAll().trimmed().toInt();
    s.user = QString::fromLatin1(laptop.login);
    s.sslMode = QStringLiteral("verify-full");
    s.technician = QString::fromUtf8(laptop.technician);
    s.scope = ArchiveScope::Everything; // the colleague's record has no site
    return s;
}

void TestArchivePeer::exchange()
{
    const bool second = m_role == QLatin1String(kSecond.role);
    const Laptop &me = second ? kSecond : kFirst;
    const Laptop &colleague = second ? kFirst : kSecond;
    // A folder with Polish letters, as a technician's profile may have.
    const QString folder =
            m_state + QStringLiteral("/laptop %1 Łódź").arg(QLatin1String(me.role));
    QVERIFY(QDir().mkpath(folder));
    DbManager store(QStringLiteral("peer"));
    QVERIFY(store.openDatabase(folder));
    initStoreTables(store);
    if (m_role != QLatin1String("check"))
        QVERIFY(store.writeFaults(QString::fromLatin1(me.record), recordBytes(me.record)) > 0);

    const ArchiveSync::Result result =
            ArchiveSync(settings(me, QStringLiteral("localhost")),
                        QDir(folder).filePath(QStringLiteral("ostrel.db3")))
                    .run();
    QVERIFY2(result.status == ArchiveSync::Status::Done, qPrintable(result.message));
    if (m_role == QLatin1String(kFirst.role)) {
        QCOMPARE(result.pushed, 1);
        return;
    }
    // The colleague's record, exact, under the name the archive registered for the colleague's
    // login (the trial server registers each login under its own name), never one a laptop
    // claims for itself.
    QSqlQuery query(store.database());
    QVERIFY(query.prepare(QStringLiteral(
            "SELECT u.id, a.autor FROM USZKODZENIA u JOIN ARCHIWUM_ID a ON a.tabela = "
            "'USZKODZENIA' AND a.lokalny_id = u.id WHERE u.nazwa = ?")));
    query.addBindValue(QString::fromLatin1(colleague.record));
    QVERIFY(query.exec() && query.next());
    QCOMPARE(query.value(1).toString(), QString::fromUtf8(colleague.login));
    QCOMPARE(store.readFaults(query.value(0).toInt()), recordBytes(colleague.record));
}

// verify-full holds the server to the name in its certificate (only "localhost").
void TestArchivePeer::verifiedHostName_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the certificate's name") << "localhost" << true;
    QTest::newRow("another name of the same server") << "127.0.0.1" << false;
}

void TestArchivePeer::verifiedHostName()
{
    QFETCH(QString, host);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    DbManager store(QStringLiteral("hostname"));
    QVERIFY(store.openDatabase(dir.path()));
    initStoreTables(store);
    const ArchiveSync::Result result =
            ArchiveSync(settings(kFirst, host), dir.filePath(QStringLiteral("ostrel.db3"))).run();
    QCOMPARE(result.status == ArchiveSync::Status::Done, accepted);
    if (!accepted)
        QVERIFY2(!result.message.isEmpty(), "a refused server must be named");
}

QTEST_MAIN(TestArchivePeer)
#include "tst_archivepeer.moc"
