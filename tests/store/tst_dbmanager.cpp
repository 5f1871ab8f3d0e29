#include "store/dbmanager.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Rows of a table as "col|col|..." strings, in primary key order.
QStringList rows(const QSqlDatabase &db, const QString &sql)
{
    QStringList result;
    QSqlQuery query(db);
    if (!query.exec(sql))
        return {QStringLiteral("<query failed>")};
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

// A store on a connection of its own, as a process start would open it.
struct Start
{
    explicit Start(const QString &dir, const QString &connection = QStringLiteral("tst"))
        : store(connection)
    {
        opened = store.openDatabase(dir);
        if (opened)
            store.initTables();
    }
    DbManager store;
    bool opened = false;
};
} // namespace

class TestDbManager : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesEverything();
    void restartKeepsSettingsAndRestoresLanguages();
    void recordsRoundTripInEveryTable();
    void idsAreNotReused();
    void missingIdReadsEmpty();
    void languageFileName();
    void configLookupAndRename();
    void updateConfigReportsFailure();
    void appSettings();
    void unopenableStores_data();
    void unopenableStores();
    void instanceUsesDefaultConnection();
};

void TestDbManager::firstStartCreatesEverything()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Start start(dir.path());
    QVERIFY(start.opened);
    QVERIFY(QFileInfo::exists(dir.path() + QStringLiteral("/ostrel.db3")));

    const QSqlDatabase db = start.store.database();
    QCOMPARE(rows(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND "
                                     "name NOT LIKE 'sqlite_%' ORDER BY rowid")),
             QStringList({"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE",
                          "APLIKACJA", "sl_Jezyki"}));
    QCOMPARE(rows(db, QStringLiteral("SELECT * FROM sl_Jezyki ORDER BY slj_Id")),
             QStringList({QStringLiteral("1|ENGLISH|angielski|konfigurator_en"),
                          QStringLiteral("2|POLSKI|polski|konfigurator_pl"),
                          QStringLiteral("3|РОССИЯ|rosyjski|konfigurator_ro"),
                          QStringLiteral("4|УКРАЇНСЬКИЙ|ukraiński|konfigurator_uk"),
                          QStringLiteral("5|Deutch|niemiecki|konfigurator_de")}));
    QCOMPARE(rows(db, QStringLiteral("SELECT id,nazwa,CAST(dane AS TEXT) FROM APLIKACJA "
                                     "ORDER BY id")),
             QStringList({"1|S_LANGUAGE|2", "2|S_FONT_SIZE|12", "3|S_FONT_TYPE|Arial"}));
    QCOMPARE(start.store.getLanguageFileName(), QStringLiteral("konfigurator_pl"));
}

void TestDbManager::restartKeepsSettingsAndRestoresLanguages()
{
    QTemporaryDir dir;
    {
        Start first(dir.path());
        QVERIFY(first.opened);
        first.store.updateAppSetting(DbManager::FontSizeSetting, "S_FONT_SIZE", "16");
        first.store.updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", "1");
        QVERIFY(first.store.writeConfig("kept", QByteArray::fromHex("0102")) > 0);
        QSqlQuery tamper(first.store.database());
        QVERIFY(tamper.exec("UPDATE sl_Jezyki SET slj_NazwaPliku='broken' WHERE slj_Id=1"));
        QVERIFY(tamper.exec("DELETE FROM sl_Jezyki WHERE slj_Id=5"));
    }
    Start second(dir.path());
    QVERIFY(second.opened);
    QCOMPARE(second.store.readAppSetting(DbManager::FontSizeSetting), QByteArray("16"));
    QCOMPARE(second.store.readAppSetting(DbManager::FontTypeSetting), QByteArray("Arial"));
    QCOMPARE(second.store.getLanguageFileName(), QStringLiteral("konfigurator_en"));
    QCOMPARE(rows(second.store.database(), "SELECT slj_NazwaPliku FROM sl_Jezyki ORDER BY slj_Id"),
             QStringList({"konfigurator_en", "konfigurator_pl", "konfigurator_ro",
                          "konfigurator_uk", "konfigurator_de"}));
    QCOMPARE(second.store.readConfig(second.store.findConfigId("kept")),
             QByteArray::fromHex("0102"));
}

void TestDbManager::recordsRoundTripInEveryTable()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    DbManager &s = start.store;
    // Bytes that text handling would damage: NUL, high bytes, no trailing terminator.
    const QByteArray blob = QByteArray::fromHex("00ff0280000d0a00");

    struct Table
    {
        std::function<int(QString, QByteArray)> write;
        std::function<QByteArray(int)> read;
        std::function<QString(int)> readName;
        std::function<int(uint)> remove;
    };
    const QVector<Table> tables = {
        {[&](QString n, QByteArray d) { return s.writeConfig(n, d); },
         [&](int id) { return s.readConfig(id); }, [&](int id) { return s.readConfigName(id); },
         [&](uint id) { return s.deleteConfig(id); }},
        {[&](QString n, QByteArray d) { return s.writeLog(n, d); },
         [&](int id) { return s.readLog(id); }, [&](int id) { return s.readLogName(id); },
         [&](uint id) { return s.deleteLog(id); }},
        {[&](QString n, QByteArray d) { return s.writeFaults(n, d); },
         [&](int id) { return s.readFaults(id); }, [&](int id) { return s.readFaultsName(id); },
         [&](uint id) { return s.deleteFaults(id); }},
        {[&](QString n, QByteArray d) { return s.writeSoftwareVersions(n, d); },
         [&](int id) { return s.readSoftwareVersions(id); },
         [&](int id) { return s.readSoftwareVersionsName(id); },
         [&](uint id) { return s.deleteSoftwareVersions(id); }},
    };
    for (int t = 0; t < tables.size(); ++t) {
        const Table &table = tables.at(t);
        const QString name = QStringLiteral("Zapis łódź %1").arg(t);
        const int id = table.write(name, blob);
        QCOMPARE(id, 1);
        QCOMPARE(table.write(QStringLiteral("other"), "x"), 2);
        QCOMPARE(table.read(id), blob);
        QCOMPARE(table.readName(id), name);
        QCOMPARE(table.remove(uint(id)), 0);
        QVERIFY(table.read(id).isNull());
        QCOMPARE(table.readName(2), QStringLiteral("other"));
    }
}

void TestDbManager::idsAreNotReused()
{
    QTemporaryDir dir;
    {
        Start start(dir.path());
        QVERIFY(start.opened);
        QCOMPARE(start.store.writeConfig("a", "1"), 1);
        QCOMPARE(start.store.writeConfig("b", "2"), 2);
        start.store.deleteConfig(2);
        QCOMPARE(start.store.writeConfig("c", "3"), 3);
        start.store.deleteConfig(3);
        QCOMPARE(start.store.writeLog("l", "1"), 1);
        start.store.deleteLog(1);
    }
    // Not even after a restart.
    Start again(dir.path());
    QVERIFY(again.opened);
    QCOMPARE(again.store.writeConfig("d", "4"), 4);
    QCOMPARE(again.store.writeLog("l", "2"), 2);
}

void TestDbManager::missingIdReadsEmpty()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    DbManager &s = start.store;
    QVERIFY(s.readConfig(7).isNull());
    QVERIFY(s.readConfigName(7).isEmpty());
    QVERIFY(s.readLog(0).isNull());
    QVERIFY(s.readLogName(-1).isEmpty());
    QVERIFY(s.readFaults(7).isNull());
    QVERIFY(s.readFaultsName(7).isEmpty());
    QVERIFY(s.readSoftwareVersions(7).isNull());
    QVERIFY(s.readSoftwareVersionsName(7).isEmpty());
    QVERIFY(s.readAppSetting(99).isNull());
    QCOMPARE(s.findConfigId("nothing"), 0);
    // Deleting or renaming what is not there changes nothing.
    QCOMPARE(s.writeConfig("x", "y"), 1);
    QCOMPARE(s.deleteConfig(5), 0);
    QCOMPARE(s.renameConfig(5, "z"), 0);
    QCOMPARE(s.readConfigName(1), QStringLiteral("x"));
}

void TestDbManager::languageFileName()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    QCOMPARE(start.store.getLanguageFileName(), QStringLiteral("konfigurator_pl"));
    start.store.updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", "4");
    QCOMPARE(start.store.getLanguageFileName(), QStringLiteral("konfigurator_uk"));
    start.store.updateAppSetting(DbManager::LanguageSetting, "S_LANGUAGE", "7");
    QCOMPARE(start.store.getLanguageFileName(), QString());
}

void TestDbManager::configLookupAndRename()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    DbManager &s = start.store;
    QCOMPARE(s.writeConfig("twin", "a"), 1);
    QCOMPARE(s.writeConfig("twin", "b"), 2);
    QCOMPARE(s.findConfigId("twin"), 1);
    QCOMPARE(s.renameConfig(1, "solo"), 0);
    QCOMPARE(s.findConfigId("twin"), 2);
    QCOMPARE(s.findConfigId("solo"), 1);
    QCOMPARE(s.readConfig(1), QByteArray("a"));
}

void TestDbManager::updateConfigReportsFailure()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    DbManager &s = start.store;
    const int id = s.writeConfig("c", "old");
    QCOMPARE(s.updateConfig(uint(id), "c2", "new"), 0);
    QCOMPARE(s.readConfig(id), QByteArray("new"));
    QCOMPARE(s.readConfigName(id), QStringLiteral("c2"));

    // A record deleted meanwhile: nothing was saved.
    QVERIFY(s.updateConfig(99, "lost", "data") != 0);
    QCOMPARE(s.findConfigId("lost"), 0);

    // A statement the database refuses.
    QSqlQuery lock(s.database());
    QVERIFY(lock.exec("CREATE TRIGGER refuse BEFORE UPDATE ON KONFIGURACJA "
                      "BEGIN SELECT RAISE(ABORT, 'read only'); END"));
    QVERIFY(s.updateConfig(uint(id), "c3", "newer") != 0);
    QCOMPARE(s.readConfig(id), QByteArray("new"));

    // A closed store.
    s.close();
    QVERIFY(s.updateConfig(uint(id), "c4", "x") != 0);
}

void TestDbManager::appSettings()
{
    QTemporaryDir dir;
    Start start(dir.path());
    QVERIFY(start.opened);
    DbManager &s = start.store;
    QCOMPARE(s.setDefaultAppSettingIfNotExist(DbManager::FontTypeSetting, "OTHER", "Courier"), 0);
    QCOMPARE(rows(s.database(), "SELECT nazwa,CAST(dane AS TEXT) FROM APLIKACJA WHERE id=3"),
             QStringList{"S_FONT_TYPE|Arial"});
    QCOMPARE(s.updateAppSetting(9, "S_NEW", "v"), 0);
    QCOMPARE(s.readAppSetting(9), QByteArray("v"));
    QCOMPARE(s.updateAppSetting(DbManager::FontTypeSetting, "S_FONT_TYPE", "Courier"), 0);
    QCOMPARE(s.readAppSetting(DbManager::FontTypeSetting), QByteArray("Courier"));
}

void TestDbManager::unopenableStores_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("fileIsDirectory");
    QTest::addColumn<bool>("fileIsGarbage");
    QTest::newRow("missing directory") << "missing/deeper" << false << false;
    QTest::newRow("store file is a directory") << "" << true << false;
    QTest::newRow("store file is not a database") << "" << false << true;
}

void TestDbManager::unopenableStores()
{
    QFETCH(QString, relative);
    QFETCH(bool, fileIsDirectory);
    QFETCH(bool, fileIsGarbage);
    QTemporaryDir dir;
    const QString path = relative.isEmpty() ? dir.path() : dir.filePath(relative);
    if (fileIsDirectory)
        QVERIFY(QDir(dir.path()).mkdir("ostrel.db3"));
    if (fileIsGarbage) {
        QFile file(dir.filePath("ostrel.db3"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'g'));
    }
    DbManager store(QStringLiteral("bad"));
    QVERIFY(!store.openDatabase(path));
    QVERIFY(!store.isOpen());
    // Nothing throws and nothing is found on a store that is not there.
    QCOMPARE(store.initTables(), 0);
    QCOMPARE(store.writeConfig("x", "y"), 0);
    QVERIFY(store.readConfig(1).isNull());
    QVERIFY(store.getLanguageFileName().isEmpty());
    QVERIFY(store.updateConfig(1, "x", "y") != 0);
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
}

void TestDbManager::instanceUsesDefaultConnection()
{
    QTemporaryDir dir;
    QTemporaryDir other;
    DbManager *store = DbManager::instance();
    QCOMPARE(DbManager::instance(), store);
    QVERIFY(store->openDatabase(dir.path()));
    store->initTables();
    QCOMPARE(store->writeConfig("default", "d"), 1);
    // Unnamed queries, as the windows' list models run them, see the same store.
    QCOMPARE(rows(QSqlDatabase::database(), "SELECT nazwa,id from KONFIGURACJA"),
             QStringList{"default|1"});

    // A short-lived handle on its own connection leaves the default one alone.
    {
        DbManager handle(QStringLiteral("short"));
        QVERIFY(handle.openDatabase(other.path()));
        handle.initTables();
        QCOMPARE(handle.findConfigId("default"), 0);
        handle.close();
    }
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("short")));
    QVERIFY(store->isOpen());
    QCOMPARE(store->findConfigId("default"), 1);

    // Reopening elsewhere moves the default connection.
    QVERIFY(store->openDatabase(other.path()));
    QCOMPARE(store->findConfigId("default"), 0);
    store->close();
}

QTEST_GUILESS_MAIN(TestDbManager)
#include "tst_dbmanager.moc"
