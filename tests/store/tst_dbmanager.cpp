#include "store/dbmanager.h"
#include "store/recentaddresses.h"

#include <QDir>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>


namespace {
// The first column of a query's rows.
QStringList rows(const QSqlDatabase &db, const QString &sql)
{
    QStringList result;
    QSqlQuery query(db);
    query.exec(sql);
    while (query.next())
        result << query.value(0).toString();
    return result;
}

// A store on a connection of its own, opened as a process start opens it.
struct Start
{
    explicit Start(const QString &dir) { store.openDatabase(dir); store.initTables(); }
    DbManager store{QStringLiteral("tst")};
};
} // namespace

class TestDbManager : public QObject
{
    Q_OBJECT
private slots:
    void firstStartAndRestart();
    void records();
    void unopenableStores();
    void settingsRegistry();
    void recentAddresses();
};

void TestDbManager::firstStartAndRestart()
{
    QTemporaryDir dir;
    {
        Start first(dir.path());
        QVERIFY(first.store.isOpen());
        const QSqlDatabase db = first.store.database();
        // The described tables come first, in their order; newer features add theirs after.
        QCOMPARE(rows(db, "SELECT name FROM sqlite_master WHERE type='table' AND "
                          "name NOT LIKE 'sqlite_%' ORDER BY rowid")
                         .mid(0, 6),
                 QStringList({"KONFIGURACJA", "PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE",
                              "APLIKACJA", "sl_Jezyki"}));
        QCOMPARE(rows(db, "SELECT slj_Id||'|'||slj_NazwaOrg||'|'||slj_NazwaPl||'|'||slj_NazwaPliku "
                          "FROM sl_Jezyki ORDER BY slj_Id"),
                 QStringList({QStringLiteral("1|ENGLISH|angielski|konfigurator_en"),
                              QStringLiteral("2|POLSKI|polski|konfigurator_pl"),
                              QStringLiteral("3|РОССИЯ|rosyjski|konfigurator_ro"),
                              QStringLiteral("4|УКРАЇНСЬКИЙ|ukraiński|konfigurator_uk"),
                              QStringLiteral("5|Deutch|niemiecki|konfigurator_de")}));
        QCOMPARE(rows(db, "SELECT id||'|'||nazwa||'|'||CAST(dane AS TEXT) FROM APLIKACJA"),
                 QStringList({"1|S_LANGUAGE|2", "2|S_FONT_SIZE|12", "3|S_FONT_TYPE|Arial"}));
        QCOMPARE(first.store.getLanguageFileName(), QStringLiteral("konfigurator_pl"));
        // The user's choices, and language rows damaged meanwhile.
        first.store.updateAppSetting(AppSetting::Language, "7");
        QCOMPARE(first.store.getLanguageFileName(), QString());
        first.store.updateAppSetting(AppSetting::FontSize, "16");
        QSqlQuery tamper(db);
        QVERIFY(tamper.exec("UPDATE sl_Jezyki SET slj_NazwaPliku='broken' WHERE slj_Id=1"));
        QVERIFY(tamper.exec("DELETE FROM sl_Jezyki WHERE slj_Id=5"));
    }
    Start second(dir.path());
    const QSqlDatabase db = second.store.database();
    QCOMPARE(rows(db, "SELECT CAST(dane AS TEXT) FROM APLIKACJA ORDER BY id"),
             QStringList({"7", "16", "Arial"}));
    QCOMPARE(rows(db, "SELECT slj_NazwaPliku FROM sl_Jezyki ORDER BY slj_Id"),
             QStringList({"konfigurator_en", "konfigurator_pl", "konfigurator_ro",
                          "konfigurator_uk", "konfigurator_de"}));
}

// Round trip, ids never reused (not even after a restart), missing ids; updating a configuration.
void TestDbManager::records()
{
    struct Table
    {
        int (DbManager::*write)(QString, QByteArray);
        QByteArray (DbManager::*read)(int);
        QString (DbManager::*readName)(int);
        int (DbManager::*remove)(uint);
    };
    const Table tables[] = {
        {&DbManager::writeConfig, &DbManager::readConfig, &DbManager::readConfigName,
         &DbManager::deleteConfig},
        {&DbManager::writeLog, &DbManager::readLog, &DbManager::readLogName, &DbManager::deleteLog},
        {&DbManager::writeFaults, &DbManager::readFaults, &DbManager::readFaultsName,
         &DbManager::deleteFaults},
        {&DbManager::writeSoftwareVersions, &DbManager::readSoftwareVersions,
         &DbManager::readSoftwareVersionsName, &DbManager::deleteSoftwareVersions},
    };
    // Bytes that text handling would damage: NUL, high bytes, no terminator.
    const QByteArray blob = QByteArray::fromHex("00ff0280000d0a00");
    const QString name = QStringLiteral("Zapis łódź");
    QTemporaryDir dir;
    {
        Start start(dir.path());
        for (const Table &t : tables) {
            QCOMPARE((start.store.*t.write)(name, blob), 1);
            QCOMPARE((start.store.*t.write)("b", "2"), 2);
            QCOMPARE((start.store.*t.remove)(2), 0);
        }
    }
    Start again(dir.path());
    DbManager &s = again.store;
    for (const Table &t : tables) {
        QCOMPARE((s.*t.write)("c", "3"), 3);
        QCOMPARE((s.*t.read)(1), blob);
        QCOMPARE((s.*t.readName)(1), name);
        QVERIFY((s.*t.read)(2).isNull() && (s.*t.readName)(2).isEmpty());
    }
    QCOMPARE(s.findConfigId("nothing"), 0);

    // updateConfig reports success only for a save that happened.
    QCOMPARE(s.updateConfig(1, "c2", "new"), 0);
    QCOMPARE(s.readConfig(1) + s.readConfigName(1).toUtf8(), QByteArray("newc2"));
    QVERIFY(s.updateConfig(2, "deleted meanwhile", "data") != 0);
    QCOMPARE(s.findConfigId("deleted meanwhile"), 0);
    QVERIFY(QSqlQuery(s.database()).exec("CREATE TRIGGER refuse BEFORE UPDATE ON KONFIGURACJA "
                                         "BEGIN SELECT RAISE(ABORT, 'read only'); END"));
    QVERIFY(s.updateConfig(1, "c3", "newer") != 0);
    QCOMPARE(s.readConfig(1), QByteArray("new"));
}

void TestDbManager::unopenableStores()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("directory/ostrel.db3") && QDir(dir.path()).mkdir("garbage"));
    QFile garbage(dir.filePath("garbage/ostrel.db3"));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(4096, 'g')) > 0);
    garbage.close();
    for (const char *path : {"missing/deeper", "directory", "garbage"}) {
        DbManager store(QStringLiteral("bad"));
        QVERIFY2(!store.openDatabase(dir.filePath(path)), path);
        QVERIFY(!store.isOpen());
        // Nothing throws, and nothing is found or written.
        QVERIFY(store.updateConfig(1, "x", "y") != 0);
        QVERIFY(store.getLanguageFileName().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
}

// Ids and names are in the users' stores: a setting moved to another row would be lost there,
// and two settings on one row would overwrite each other. Written through the registry, each row
// is the one the store has always written; what cannot be used reads as the default.
void TestDbManager::settingsRegistry()
{
    QTemporaryDir dir;
    Start start(dir.path());
    const QSqlDatabase db = start.store.database();
    QStringList registry;
    QSet<uint> ids;
    for (int k = 0; k < AppSetting::KeyCount; ++k) {
        const auto key = AppSetting::Key(k);
        const AppSetting &setting = AppSetting::of(key);
        registry << QStringLiteral("%1 %2").arg(setting.id).arg(setting.name);
        ids << setting.id;
        const QString row = QStringLiteral("%1|%2|%3|blob").arg(setting.id).arg(setting.name);
        const QString stored = QStringLiteral("SELECT id||'|'||nazwa||'|'||CAST(dane AS TEXT)||"
                                              "'|'||typeof(dane) FROM APLIKACJA WHERE id=%1")
                                       .arg(setting.id);
        if (setting.type == AppSetting::Number) {
            QVERIFY(AppSetting::writeNumber(db, key, setting.maximum));
            QCOMPARE(rows(db, stored).value(0), row.arg(setting.maximum));
            QCOMPARE(AppSetting::number(db, key), setting.maximum);
            QVERIFY(AppSetting::writeNumber(db, key, setting.maximum + 1));
            QCOMPARE(AppSetting::number(db, key), setting.defaultNumber);
        } else {
            QVERIFY(AppSetting::writeText(db, key, QStringLiteral("Łódź")));
            QCOMPARE(rows(db, stored).value(0), row.arg(QStringLiteral("Łódź")));
            QCOMPARE(AppSetting::text(db, key), QStringLiteral("Łódź"));
            QVERIFY(AppSetting::writeText(db, key, QString()));
            QCOMPARE(AppSetting::text(db, key), QString::fromUtf8(setting.defaultText));
        }
    }
    QCOMPARE(registry.join(", "),
             QStringLiteral("1 S_LANGUAGE, 2 S_FONT_SIZE, 3 S_FONT_TYPE, 20 S_BATTERY_LIFE, "
                            "21 S_TCP_ADDRESS_1, 22 S_TCP_ADDRESS_2, 23 S_TCP_ADDRESS_3, "
                            "24 S_TCP_ADDRESS_4, 25 S_TCP_ADDRESS_5, 30 S_ARCHIVE_HOST, "
                            "31 S_ARCHIVE_PORT, 32 S_ARCHIVE_DATABASE, 33 S_ARCHIVE_USER, "
                            "34 S_ARCHIVE_SSLMODE, 35 S_ARCHIVE_TECHNICIAN, 36 S_ARCHIVE_SCOPE, "
                            "37 S_ARCHIVE_SITES, 50 S_EXPORT_FOLDER"));
    QCOMPARE(ids.size(), int(AppSetting::KeyCount));
}

// Newest first, each once, five at most, kept across starts; the described rows stay.
void TestDbManager::recentAddresses()
{
    QTemporaryDir dir;
    for (int start = 0; start < 2; ++start) {
        Start store(dir.path());
        if (start == 0) {
            for (const char *address : {"a:1", "b:2", "c:3", "a:1", "d:4", "e:5", "f:6"})
                RecentAddresses::remember(&store.store, QString::fromLatin1(address));
            continue;
        }
        QCOMPARE(RecentAddresses::load(&store.store),
                 QStringList({"f:6", "e:5", "d:4", "a:1", "c:3"}));
        QCOMPARE(store.store.readAppSetting(AppSetting::FontType), QByteArray("Arial"));
    }
}

QTEST_GUILESS_MAIN(TestDbManager)
#include "tst_dbmanager.moc"
