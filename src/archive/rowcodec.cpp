#include "archive/rowcodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace {
struct Reference
{
    const char *column;
    const char *table; // empty: the table follows from the row's record role
};
struct Table
{
    const char *kind;
    const char *table;
    const char *nameColumn;
    QVector<Reference> references;
};
const QVector<Table> &tables()
{
    static const QVector<Table> t = {
        {"site", "OBIEKTY", "name", {}},
        {"unit", "CENTRALE", "label", {{"site", "OBIEKTY"}}},
        {"visit", "WIZYTY", nullptr, {{"unit", "CENTRALE"}, {"corrects", "WIZYTY"}}},
    };
    return t;
}
// The rows that belong to one visit and travel inside it.
// A closed visit's frozen protocol (digest included), its register anchor and its correction or
// abandon reason travel with it, so that a colleague reprints and checks the same document.
const char *const kVisitChildren[] = {"WIZYTY_REKORDY", "WIZYTY_KONTROLE", "WIZYTY_AKUMULATORY",
                                      "WIZYTY_DIAGNOSTYKA", "WIZYTY_PROTOKOLY", "WIZYTY_REJESTR",
                                      "WIZYTY_KOREKTY", "WIZYTY_ANULOWANE"};

QString linkedTable(int role)
{
    switch (role) {
    case 1:
    case 2:
        return QStringLiteral("KONFIGURACJA");
    case 3:
    case 4:
        return QStringLiteral("USZKODZENIA");
    case 5:
        return QStringLiteral("OPROGRAMOWANIE");
    case 6:
        return QStringLiteral("PAMIETNIK");
    }
    return QString();
}

const Table *tableOf(const QString &kind)
{
    for (const Table &t : tables()) {
        if (kind == QLatin1String(t.kind))
            return &t;
    }
    return nullptr;
}

// A row as JSON without its id and the given parent column; references become UUIDs.
bool rowObject(const QSqlQuery &query, const QVector<Reference> &references, const char *skip,
               const RowCodec::UuidOf &uuidOf, QJsonObject *out)
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString column = record.fieldName(i);
        if (column == QLatin1String("id") || (skip && column == QLatin1String(skip)))
            continue;
        out->insert(column, QJsonValue::fromVariant(query.value(i)));
    }
    for (const Reference &ref : references) {
        const int target = query.value(QString::fromLatin1(ref.column)).toInt();
        if (target == 0)
            continue;
        const QString table = ref.table ? QString::fromLatin1(ref.table)
                                        : linkedTable(query.value(QStringLiteral("role")).toInt());
        const QString uuid = uuidOf(table, target);
        if (uuid.isEmpty())
            return false;
        out->insert(QString::fromLatin1(ref.column), uuid);
    }
    return true;
}

int insertRow(const QSqlDatabase &db, const QString &table, const QJsonObject &row,
              QString *error)
{
    QStringList columns;
    QStringList marks;
    for (auto it = row.begin(); it != row.end(); ++it) {
        columns << it.key();
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    for (auto it = row.begin(); it != row.end(); ++it)
        query.addBindValue(it.value().toVariant());
    if (!query.exec()) {
        *error = query.lastError().text();
        return 0;
    }
    return query.lastInsertId().toInt();
}

// References back to local ids; false when a referenced row is not held here.
bool localReferences(QJsonObject *row, const QVector<Reference> &references,
                     const RowCodec::LocalOf &localOf, QString *error)
{
    for (const Reference &ref : references) {
        const QString column = QString::fromLatin1(ref.column);
        if (!row->contains(column) || !row->value(column).isString())
            continue;
        const int local = localOf(row->value(column).toString());
        if (local == 0) {
            *error = QStringLiteral("reference %1 not held").arg(column);
            return false;
        }
        row->insert(column, local);
    }
    return true;
}
} // namespace

QByteArray RowCodec::encode(const QSqlDatabase &db, const QString &kind, int id,
                            const UuidOf &uuidOf)
{
    const Table *table = tableOf(kind);
    if (!table)
        return QByteArray();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE id = ?").arg(QLatin1String(table->table)));
    query.addBindValue(id);
    QJsonObject object;
    if (!query.exec() || !query.next()
        || !rowObject(query, table->references, nullptr, uuidOf, &object))
        return QByteArray();
    if (kind == QLatin1String("visit")) {
        for (const char *child : kVisitChildren) {
            QSqlQuery rows(db);
            rows.prepare(QStringLiteral("SELECT * FROM %1 WHERE visit = ? ORDER BY id")
                                 .arg(QLatin1String(child)));
            rows.addBindValue(id);
            rows.exec();
            QJsonArray array;
            const QVector<Reference> links = {{"record", nullptr}};
            const bool isLinks = qstrcmp(child, "WIZYTY_REKORDY") == 0;
            while (rows.next()) {
                QJsonObject row;
                if (!rowObject(rows, isLinks ? links : QVector<Reference>(), "visit", uuidOf,
                               &row))
                    return QByteArray();
                array.append(row);
            }
            object.insert(QString::fromLatin1(child), array);
        }
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

int RowCodec::decode(const QSqlDatabase &db, const QString &kind, const QByteArray &data, int id,
                     const QString &name, const LocalOf &localOf, QString *error)
{
    const Table *table = tableOf(kind);
    QJsonObject object = QJsonDocument::fromJson(data).object();
    if (!table || object.isEmpty()) {
        *error = QStringLiteral("not a %1 record").arg(kind);
        return 0;
    }
    if (!localReferences(&object, table->references, localOf, error))
        return 0;
    if (!name.isEmpty() && table->nameColumn)
        object.insert(QString::fromLatin1(table->nameColumn), name);
    const QString tableName = QString::fromLatin1(table->table);
    if (kind != QLatin1String("visit")) {
        if (id == 0)
            return insertRow(db, tableName, object, error);
        QStringList sets;
        for (auto it = object.begin(); it != object.end(); ++it)
            sets << it.key() + QStringLiteral(" = ?");
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                               .arg(tableName, sets.join(QLatin1Char(','))));
        for (auto it = object.begin(); it != object.end(); ++it)
            update.addBindValue(it.value().toVariant());
        update.addBindValue(id);
        if (!update.exec()) {
            *error = update.lastError().text();
            return 0;
        }
        return id;
    }

    // A closed visit refuses new rows: it is written open, with its rows, then closed.
    QJsonObject visit = object;
    for (const char *child : kVisitChildren)
        visit.remove(QString::fromLatin1(child));
    const QJsonValue closed = visit.value(QStringLiteral("closed"));
    visit.insert(QStringLiteral("closed"), 0);
    const int visitId = insertRow(db, tableName, visit, error);
    if (visitId == 0)
        return 0;
    for (const char *child : kVisitChildren) {
        const QJsonArray rows = object.value(QString::fromLatin1(child)).toArray();
        for (const QJsonValue &value : rows) {
            QJsonObject row = value.toObject();
            row.insert(QStringLiteral("visit"), visitId);
            if (qstrcmp(child, "WIZYTY_REKORDY") == 0
                && !localReferences(&row, {{"record", nullptr}}, localOf, error))
                return 0;
            if (insertRow(db, QString::fromLatin1(child), row, error) == 0)
                return 0;
        }
    }
    QSqlQuery close(db);
    close.prepare(QStringLiteral("UPDATE WIZYTY SET closed = ? WHERE id = ?"));
    close.addBindValue(closed.toVariant());
    close.addBindValue(visitId);
    if (!close.exec()) {
        *error = close.lastError().text();
        return 0;
    }
    return visitId;
}
