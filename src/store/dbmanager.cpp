#include "store/dbmanager.h"

#include "store/appsetting.h"
#include "store/storelog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

Q_LOGGING_CATEGORY(lcStore, "ostrel.store")
Q_LOGGING_CATEGORY(lcStoreReads, "ostrel.store.reads", QtInfoMsg)

namespace {
const char *const kDriver = "QSQLITE";
const char *const kFileName = "ostrel.db3";
// The SQLite driver ignores these, but the connection has always carried them.
const char *const kUserName = "user";
const char *const kPassword = "pass";

const char *const kLanguageRows[] = {
    "INSERT OR REPLACE INTO sl_Jezyki values(1,'ENGLISH', 'angielski','konfigurator_en')",
    "INSERT OR REPLACE INTO sl_Jezyki values(2,'POLSKI', 'polski','konfigurator_pl')",
    "INSERT OR REPLACE INTO sl_Jezyki values(3,'РОССИЯ', 'rosyjski','konfigurator_ro')",
    "INSERT OR REPLACE INTO sl_Jezyki values(4,'УКРАЇНСЬКИЙ', 'ukraiński','konfigurator_uk')",
    "INSERT OR REPLACE INTO sl_Jezyki values(5,'Deutch', 'niemiecki','konfigurator_de')",
};

// Binds only the placeholders the statement has, always in the order :name, :data, :id.
struct Binding
{
    const QString *name = nullptr;
    const QByteArray *data = nullptr;
    const uint *id = nullptr;
};

void bindAll(QSqlQuery &query, const Binding &b)
{
    if (b.name)
        query.bindValue(QStringLiteral(":name"), *b.name);
    if (b.data)
        query.bindValue(QStringLiteral(":data"), *b.data);
    if (b.id)
        query.bindValue(QStringLiteral(":id"), *b.id);
}

// Runs a writing statement; false (with the error logged) when prepare or exec failed.
bool execWrite(QSqlQuery &query, const char *statement, const Binding &b)
{
    if (!query.prepare(QString::fromUtf8(statement))) {
        qCDebug(lcStore) << query.lastError();
        return false;
    }
    bindAll(query, b);
    if (!query.exec()) {
        qCDebug(lcStore) << query.lastError();
        return false;
    }
    return true;
}

// The first row's column of that name, or a null variant when there is no row.
QVariant readFirst(QSqlQuery &query, const char *statement, int id, const char *column,
                   bool logValue)
{
    query.prepare(QString::fromUtf8(statement));
    query.bindValue(QStringLiteral(":id"), id);
    query.exec();
    const QSqlRecord record = query.record();
    if (logValue)
        qCDebug(lcStoreReads) << "Number of columns: " << record.count();
    const int index = record.indexOf(QString::fromLatin1(column));
    if (index < 0 || !query.next())
        return QVariant();
    const QVariant value = query.value(index);
    if (logValue)
        qCDebug(lcStoreReads) << value.toByteArray().toHex();
    return value;
}

int insertRecord(const QSqlDatabase &db, const char *statement, const QString &name,
                 const QByteArray &data)
{
    QSqlQuery query(db);
    if (!execWrite(query, statement, {&name, &data, nullptr}))
        return 0;
    return query.lastInsertId().toInt();
}

QByteArray readData(const QSqlDatabase &db, const char *statement, int id)
{
    QSqlQuery query(db);
    return readFirst(query, statement, id, "dane", true).toByteArray();
}

QString readName(const QSqlDatabase &db, const char *statement, int id)
{
    QSqlQuery query(db);
    return readFirst(query, statement, id, "nazwa", true).toString();
}

int deleteRecord(const QSqlDatabase &db, const char *statement, uint id)
{
    QSqlQuery query(db);
    execWrite(query, statement, {nullptr, nullptr, &id});
    return int(query.lastError().type());
}
} // namespace

DbManager *DbManager::instance()
{
    static DbManager store;
    return &store;
}

DbManager::DbManager(const QString &connectionName)
    : m_connectionName(connectionName.isEmpty()
                           ? QString::fromLatin1(QSqlDatabase::defaultConnection)
                           : connectionName)
{
}

DbManager::~DbManager()
{
    // The default connection is shared with the windows' list models and outlives any one
    // handle; a named connection belongs to this handle alone.
    if (m_connectionName == QLatin1String(QSqlDatabase::defaultConnection))
        return;
    m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool DbManager::openDatabase(QString dir)
{
    const QString fileName = dir + QLatin1Char('/') + QLatin1String(kFileName);

    // Reopening reuses the connection, so that models already bound to it stay valid.
    if (QSqlDatabase::contains(m_connectionName)) {
        m_db = QSqlDatabase::database(m_connectionName, false);
        m_db.close();
    } else {
        m_db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), m_connectionName);
    }
    m_db.setDatabaseName(fileName);
    m_db.setUserName(QString::fromLatin1(kUserName));
    m_db.setPassword(QString::fromLatin1(kPassword));
    m_db.setHostName(QString());

    // SQLite falls back to read-only on a directory and only notices a foreign file on the
    // first read, so a plain open() would call such a store good.
    if (!QFileInfo(dir).isDir() || QFileInfo(fileName).isDir()) {
        qCDebug(lcStore) << "No store directory or store file is a directory:" << fileName;
        return false;
    }
    if (!m_db.open()) {
        qCDebug(lcStore) << m_db.lastError();
        return false;
    }
    bool readable = false;
    {
        QSqlQuery probe(m_db);
        readable = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (!readable)
            qCDebug(lcStore) << probe.lastError();
    }
    if (!readable) {
        m_db.close();
        return false;
    }
    return true;
}

void DbManager::close()
{
    m_db.close();
}

bool DbManager::isOpen() const
{
    return m_db.isOpen();
}

int DbManager::initTables()
{
    struct Create
    {
        const char *statement;
        const char *failure;
    };
    static const Create creates[] = {
        {"CREATE TABLE IF NOT EXISTS KONFIGURACJA (id INTEGER PRIMARY KEY AUTOINCREMENT,"
         "nazwa TEXT,dane BLOB)",
         "błąd CREATE KONFIGURACJA"},
        {"CREATE TABLE IF NOT EXISTS PAMIETNIK (id INTEGER PRIMARY KEY AUTOINCREMENT,"
         "nazwa TEXT,dane BLOB)",
         "błąd CREATE PAMIETNIK"},
        {"CREATE TABLE IF NOT EXISTS USZKODZENIA (id INTEGER PRIMARY KEY AUTOINCREMENT,"
         "nazwa TEXT,dane BLOB)",
         "błąd CREATE USZKODZENIA"},
        {"CREATE TABLE IF NOT EXISTS OPROGRAMOWANIE (id INTEGER PRIMARY KEY AUTOINCREMENT,"
         "nazwa TEXT,dane BLOB)",
         "błąd CREATE OPROGRAMOWANIE"},
        {"CREATE TABLE IF NOT EXISTS APLIKACJA (id INTEGER PRIMARY KEY,nazwa TEXT,dane BLOB)",
         "błąd CREATE APLIKACJA"},
    };
    // A failed CREATE does not stop the sequence.
    for (const Create &create : creates) {
        QSqlQuery query(m_db);
        if (!query.exec(QString::fromUtf8(create.statement)))
            qCDebug(lcStore) << create.failure << query.lastError();
    }

    appendLanguages();

    // INSERT OR IGNORE: what the user changed survives every later start. The visits and the
    // archive create their own tables after these, at start-up.
    for (const AppSetting &setting : appSettings) {
        if (!setting.seeded)
            continue;
        const QByteArray value = setting.type == AppSetting::Number
                ? QByteArray::number(setting.defaultNumber)
                : QByteArray(setting.defaultText);
        setDefaultAppSettingIfNotExist(setting.id, QString::fromLatin1(setting.name), value);
    }
    return 0;
}

void DbManager::appendLanguages()
{
    {
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral(
                "CREATE TABLE IF NOT EXISTS sl_Jezyki (slj_Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                "slj_NazwaOrg TEXT,slj_NazwaPl TEXT,slj_NazwaPliku TEXT)")))
            qCDebug(lcStore) << "błąd CREATE sl_Jezyki" << query.lastError();
    }
    for (const char *row : kLanguageRows) {
        QSqlQuery query(m_db);
        if (!query.prepare(QObject::tr(row)) || !query.exec())
            qCDebug(lcStore) << "błąd poczas zapisu języka do bazy danych" << query.lastError();
    }
}

QString DbManager::getLanguageFileName()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral(
            "select slj_NazwaPliku from APLIKACJA inner join sl_Jezyki on slj_Id = "
            "CAST(dane AS int) where nazwa = 'S_LANGUAGE'"))) {
        qCDebug(lcStore) << query.lastError();
        return QString();
    }
    if (!query.next())
        return QString();
    return query.value(0).toString();
}

int DbManager::writeConfig(QString name, QByteArray data)
{
    return insertRecord(m_db, "INSERT INTO KONFIGURACJA VALUES (NULL,:name, :data)", name, data);
}

int DbManager::updateConfig(uint id, QString name, QByteArray data)
{
    // The editor reports the save from this result, so a failed statement, or one that found
    // no row to update (the record was deleted meanwhile), must not read as success.
    QSqlQuery query(m_db);
    if (!execWrite(query, "UPDATE KONFIGURACJA SET dane=:data,nazwa=:name where id=:id;",
                   {&name, &data, &id})) {
        const int type = int(query.lastError().type());
        return type != QSqlError::NoError ? type : -1;
    }
    if (query.numRowsAffected() < 1) {
        qCDebug(lcStore) << "No configuration with id" << id;
        return -1;
    }
    return 0;
}

int DbManager::renameConfig(uint id, QString name)
{
    QSqlQuery query(m_db);
    execWrite(query, "UPDATE KONFIGURACJA SET nazwa=:name where id=:id;", {&name, nullptr, &id});
    return 0;
}

int DbManager::deleteConfig(uint id)
{
    deleteRecord(m_db, "DELETE FROM KONFIGURACJA WHERE id=:id;", id);
    return 0;
}

QByteArray DbManager::readConfig(int id)
{
    return readData(m_db, "Select dane from KONFIGURACJA where id = :id", id);
}

QString DbManager::readConfigName(int id)
{
    return readName(m_db, "Select nazwa from KONFIGURACJA where id = :id", id);
}

int DbManager::findConfigId(QString name)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("Select id from KONFIGURACJA where nazwa = :name"));
    query.bindValue(QStringLiteral(":name"), name);
    if (!query.exec())
        return 0;
    const int index = query.record().indexOf(QStringLiteral("id"));
    if (index < 0 || !query.next())
        return 0;
    return query.value(index).toInt();
}

QString DbManager::freeConfigName(const QString &name)
{
    QString candidate = name;
    for (int n = 2; findConfigId(candidate) != 0; ++n)
        candidate = name + QStringLiteral("(%1)").arg(n);
    return candidate;
}

int DbManager::newestConfigHolding(const QString &prefix, const QByteArray &data)
{
    QSqlQuery query(m_db);
    // substr, not LIKE: generated prefixes end in "_", which LIKE takes for any character.
    query.prepare(QStringLiteral("SELECT id, dane FROM KONFIGURACJA WHERE "
                                 "substr(nazwa, 1, :length) = :prefix ORDER BY id DESC LIMIT 1"));
    query.bindValue(QStringLiteral(":length"), prefix.size());
    query.bindValue(QStringLiteral(":prefix"), prefix);
    if (!query.exec() || !query.next())
        return 0;
    return query.value(1).toByteArray() == data ? query.value(0).toInt() : 0;
}

int DbManager::findLog(const QByteArray &data)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT id FROM PAMIETNIK WHERE dane = :data "
                                 "ORDER BY id DESC LIMIT 1"));
    query.bindValue(QStringLiteral(":data"), data);
    if (!query.exec() || !query.next())
        return 0;
    return query.value(0).toInt();
}

int DbManager::writeLog(QString name, QByteArray data)
{
    return insertRecord(m_db, "INSERT INTO PAMIETNIK VALUES (NULL,:name, :data)", name, data);
}

QString DbManager::readLogName(int id)
{
    return readName(m_db, "Select nazwa from PAMIETNIK where id = :id", id);
}

QByteArray DbManager::readLog(int id)
{
    return readData(m_db, "Select dane from PAMIETNIK where id = :id", id);
}

int DbManager::deleteLog(uint id)
{
    deleteRecord(m_db, "DELETE FROM PAMIETNIK WHERE id=:id;", id);
    return 0;
}

int DbManager::writeFaults(QString name, QByteArray data)
{
    return insertRecord(m_db, "INSERT INTO USZKODZENIA VALUES (NULL,:name, :data)", name, data);
}

QString DbManager::readFaultsName(int id)
{
    return readName(m_db, "Select nazwa from USZKODZENIA where id = :id", id);
}

QByteArray DbManager::readFaults(int id)
{
    return readData(m_db, "Select dane from USZKODZENIA where id = :id", id);
}

int DbManager::deleteFaults(uint id)
{
    return deleteRecord(m_db, "DELETE FROM USZKODZENIA WHERE id=:id;", id);
}

int DbManager::writeSoftwareVersions(QString name, QByteArray data)
{
    return insertRecord(m_db, "INSERT INTO OPROGRAMOWANIE VALUES (NULL,:name, :data)", name,
                        data);
}

QString DbManager::readSoftwareVersionsName(int id)
{
    return readName(m_db, "Select nazwa from OPROGRAMOWANIE where id = :id", id);
}

QByteArray DbManager::readSoftwareVersions(int id)
{
    return readData(m_db, "Select dane from OPROGRAMOWANIE where id = :id", id);
}

int DbManager::deleteSoftwareVersions(uint id)
{
    return deleteRecord(m_db, "DELETE FROM OPROGRAMOWANIE WHERE id=:id;", id);
}

int DbManager::setDefaultAppSettingIfNotExist(uint id, QString name, QByteArray data)
{
    QSqlQuery query(m_db);
    execWrite(query,
              "INSERT OR IGNORE INTO APLIKACJA (id,nazwa,dane) VALUES (:id,:name,:data);",
              {&name, &data, &id});
    return 0;
}

int DbManager::updateAppSetting(uint id, QString name, QByteArray data)
{
    QSqlQuery query(m_db);
    execWrite(query, "INSERT OR REPLACE INTO APLIKACJA (id,nazwa,dane) VALUES(:id,:name,:data)",
              {&name, &data, &id});
    return 0;
}

QByteArray DbManager::readAppSetting(int id)
{
    return readData(m_db, "Select dane from APLIKACJA where id = :id", id);
}

int DbManager::updateAppSetting(AppSetting::Key key, const QByteArray &data)
{
    const AppSetting &setting = AppSetting::of(key);
    return updateAppSetting(setting.id, QString::fromLatin1(setting.name), data);
}

QByteArray DbManager::readAppSetting(AppSetting::Key key)
{
    return readAppSetting(int(AppSetting::of(key).id));
}
