#include "store/appsetting.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// The statements are the store's own (DbManager::readAppSetting, updateAppSetting), so a row
// written here is the row the store has always written.
QByteArray AppSetting::read(const QSqlDatabase &db, Key key)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("Select dane from APLIKACJA where id = :id"));
    query.bindValue(QStringLiteral(":id"), of(key).id);
    if (!query.exec() || !query.next())
        return QByteArray();
    return query.value(0).toByteArray();
}

QString AppSetting::text(const QSqlDatabase &db, Key key)
{
    const QString value = QString::fromUtf8(read(db, key));
    return value.isEmpty() ? QString::fromUtf8(of(key).defaultText) : value;
}

int AppSetting::number(const QSqlDatabase &db, Key key)
{
    const AppSetting &setting = of(key);
    bool ok = false;
    const int value = read(db, key).trimmed().toInt(&ok);
    return ok && value >= setting.minimum && value <= setting.maximum ? value
                                                                      : setting.defaultNumber;
}

bool AppSetting::write(const QSqlDatabase &db, Key key, const QByteArray &value)
{
    const AppSetting &setting = of(key);
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO APLIKACJA (id,nazwa,dane) VALUES(:id,:name,:data)"));
    query.bindValue(QStringLiteral(":id"), setting.id);
    query.bindValue(QStringLiteral(":name"), QString::fromLatin1(setting.name));
    query.bindValue(QStringLiteral(":data"), value);
    return query.exec();
}

bool AppSetting::writeText(const QSqlDatabase &db, Key key, const QString &value)
{
    return write(db, key, value.toUtf8());
}

bool AppSetting::writeNumber(const QSqlDatabase &db, Key key, int value)
{
    return write(db, key, QByteArray::number(value));
}
