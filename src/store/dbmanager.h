#pragma once

#include "store/appsetting.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

// The local SQLite store: configurations, event logs, fault lists, software lists, application
// settings and interface languages, each record an opaque blob under a name.
class DbManager
{
public:
    // The process-wide store on Qt's default connection, created on first use.
    static DbManager *instance();

    // A store on a connection of its own name (for short-lived handles that must not disturb
    // the process-wide connection). The default is Qt's default connection.
    explicit DbManager(const QString &connectionName = QString());
    ~DbManager();
    DbManager(const DbManager &) = delete;
    DbManager &operator=(const DbManager &) = delete;

    bool openDatabase(QString dir);
    void close();
    bool isOpen() const;
    QSqlDatabase database() const { return m_db; }

    int initTables();
    void appendLanguages();
    QString getLanguageFileName();

    int writeConfig(QString name, QByteArray data);
    int updateConfig(uint id, QString name, QByteArray data); // 0 only when the update ran
    int renameConfig(uint id, QString name);
    int deleteConfig(uint id);
    QByteArray readConfig(int id);
    QString readConfigName(int id);
    int findConfigId(QString name);
    // The name itself when no configuration holds it yet, otherwise the name followed by the
    // first free "(2)", "(3)", ...
    QString freeConfigName(const QString &name);
    // The newest configuration whose name starts with `prefix`, when its bytes are `data`;
    // 0 otherwise. Keeps a repeated backup of an unchanged unit from being stored again.
    int newestConfigHolding(const QString &prefix, const QByteArray &data);

    int writeLog(QString name, QByteArray data);
    QString readLogName(int id);
    QByteArray readLog(int id);
    int deleteLog(uint id);
    // A stored event register with exactly these bytes; 0 when there is none.
    int findLog(const QByteArray &data);

    int writeFaults(QString name, QByteArray data);
    QString readFaultsName(int id);
    QByteArray readFaults(int id);
    int deleteFaults(uint id);

    int writeSoftwareVersions(QString name, QByteArray data);
    QString readSoftwareVersionsName(int id);
    QByteArray readSoftwareVersions(int id);
    int deleteSoftwareVersions(uint id);

    int setDefaultAppSettingIfNotExist(uint id, QString name, QByteArray data);
    int updateAppSetting(uint id, QString name, QByteArray data);
    QByteArray readAppSetting(int id);
    // The same for a setting of the registry, under its id and name.
    int updateAppSetting(AppSetting::Key key, const QByteArray &data);
    QByteArray readAppSetting(AppSetting::Key key);

private:
    QString m_connectionName;
    QSqlDatabase m_db;
};
