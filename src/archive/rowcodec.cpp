#include "archive/rowcodec.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlError>
#include <QSet>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <cmath>
#include <limits>

namespace {
enum class Type {
    Text,      // up to `max` characters
    Int,       // a whole number within [min, max]
    Real,      // a finite number within [min, max]
    Date,      // "yyyy-MM-dd"
    Time,      // "yyyy-MM-ddTHH:mm:ss"
    Uid,       // the short id of a report number
    Modules,   // "type:number,type:number"
    Reference, // an archive UUID of a row of `target` (empty target: the table of the role)
};
enum Presence {
    Optional, // may be missing, empty or null (stored as NULL, or '' for texts)
    NotNull,  // may be missing (the column's default), never null
    Required, // must be there, never null or empty
};
struct Column
{
    const char *name;
    Type type;
    Presence presence;
    double min;
    double max;
    const char *target;
};

constexpr double Big = 1e12;
constexpr double Int32 = 2147483647.0;
constexpr double LongText = 20000;
constexpr double ShortText = 500;
// A frozen protocol without its register appendix, and what its figures came from.
constexpr double FrozenProtocol = 4 * 1024 * 1024;

Column text(const char *name, double max = ShortText, Presence presence = Optional)
{
    return {name, Type::Text, presence, 0, max, nullptr};
}
Column whole(const char *name, double min, double max, Presence presence = NotNull)
{
    return {name, Type::Int, presence, min, max, nullptr};
}
Column real(const char *name, double max)
{
    return {name, Type::Real, Optional, 0, max, nullptr};
}
Column of(const char *name, Type type, Presence presence = Optional)
{
    return {name, type, presence, 0, 0, nullptr};
}
Column reference(const char *name, const char *target, Presence presence = Required)
{
    return {name, Type::Reference, presence, 0, 0, target};
}

struct Table
{
    const char *table;
    const char *nameColumn; // replaced by the archive row's name, nullptr for none
    QVector<Column> columns;
};
struct Kind
{
    const char *kind;
    Table own;
    QVector<Table> children; // rows of one visit, each carrying its "visit" column
};

// Every column that travels, per table. A column added to a table travels once it is declared
// here; until then it is neither sent nor taken.
const QVector<Kind> &kinds()
{
    static const QVector<Kind> k = {
        {"site",
         {"OBIEKTY",
          "name",
          {text("name", ShortText, Required), text("address"), text("owner"), text("contact"),
           text("phone"), text("notes", LongText)}},
         {}},
        {"unit",
         {"CENTRALE",
          "label",
          {reference("site", "OBIEKTY"), text("label", ShortText, Required), text("place"),
           text("serial"), of("installed", Type::Date), text("notes", LongText),
           of("modules", Type::Modules, NotNull)}},
         {}},
        {"visit",
         {"WIZYTY",
          nullptr,
          {reference("unit", "CENTRALE"), whole("type", 0, 3, Required), text("technician"),
           text("certificate"), text("company"), of("started", Type::Time, Required),
           of("ended", Type::Time),
           // Only a closed visit travels: an open one would stay writable in every store.
           whole("closed", 1, 1, Required), whole("verdict", 0, 3),
           text("findings", LongText), text("recommendations", LongText),
           of("next_service", Type::Date), reference("corrects", "WIZYTY", Optional),
           whole("report_year", 1, 9999, Required), whole("report_seq", 1, Int32, Required),
           of("uid", Type::Uid, Required), whole("clock_read", 0, 1),
           whole("clock_drift", -Big, Big), whole("clock_set", 0, 1),
           text("departure_skipped", 2000), whole("battery_life", 1, 100)}},
         {{"WIZYTY_REKORDY",
           nullptr,
           {whole("role", 1, 6, Required), reference("record", nullptr), of("at", Type::Time)}},
          {"WIZYTY_KONTROLE",
           nullptr,
           {whole("position", 0, Int32, Required), whole("module_type", -2, 255, Required),
            whole("module_number", 0, 255, Required), text("item", 2000), text("method", 2000),
            text("limit_text", 2000), text("measured", 2000), whole("result", 0, 3),
            text("remark", 2000)}},
          {"WIZYTY_AKUMULATORY",
           nullptr,
           {whole("position", 0, Int32, Required), text("make"), real("capacity", 10000),
            text("date_code", 100), of("installed", Type::Date), real("voltage", 1000),
            real("resistance", 1e6), whole("result", 0, 3)}},
          {"WIZYTY_DIAGNOSTYKA",
           nullptr,
           {whole("kind", 1, 2, Required), whole("position", 0, Int32, Required), text("name"),
            text("limit_text"), {"raw", Type::Int, Optional, -Int32 - 1, Int32, nullptr},
            text("value_text"), text("result"), of("at", Type::Time)}},
          // The protocol frozen at the close (digest included), where the register reading
          // ended, why the visit corrects another or was abandoned, and the protocol's details:
          // a colleague reprints and checks the very same document.
          {"WIZYTY_PROTOKOLY",
           nullptr,
           {text("html", FrozenProtocol, Required), text("sha256", 64, Required),
            text("basis", FrozenProtocol, Required), text("page_format", ShortText),
            of("frozen_at", Type::Time)}},
          {"WIZYTY_REJESTR",
           nullptr,
           {whole("entries", 0, Int32, Required), whole("last_index", -1, Int32, Required),
            text("last_entry", 16), of("at", Type::Time)}},
          {"WIZYTY_KOREKTY", nullptr, {text("reason", LongText, Required)}},
          {"WIZYTY_ANULOWANE",
           nullptr,
           {text("reason", LongText, Required), of("at", Type::Time)}},
          {"WIZYTY_DANE", nullptr, {text("key", 100, Required), text("value", LongText)}},
          {"WIZYTY_PRZYRZADY",
           nullptr,
           {whole("position", 0, Int32, Required), text("name"), text("serial"),
            text("calibrated", 100)}},
          {"WIZYTY_AKUMULATORY_MODULY",
           nullptr,
           {whole("position", 0, Int32, Required), whole("module_type", 0, 255, Required),
            whole("module_number", 0, 255, Required), text("test", LongText)}}}},
    };
    return k;
}
constexpr int MaxChildRows = 10000;

const Kind *kindOf(const QString &kind)
{
    for (const Kind &k : kinds()) {
        if (kind == QLatin1String(k.kind))
            return &k;
    }
    return nullptr;
}

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

QString columnList(const Table &table)
{
    QStringList names;
    for (const Column &c : table.columns)
        names << QLatin1String(c.name);
    return names.join(QLatin1Char(','));
}

// A row as JSON; references become UUIDs. A reference of 0 (none) stays 0, as records
// archived so far carry it.
bool rowObject(const QSqlQuery &query, const Table &table, const RowCodec::UuidOf &uuidOf,
               QJsonObject *out)
{
    for (int i = 0; i < table.columns.size(); ++i) {
        const Column &column = table.columns.at(i);
        const QString name = QLatin1String(column.name);
        const QVariant value = query.value(i);
        if (column.type != Type::Reference || value.toInt() == 0) {
            out->insert(name, QJsonValue::fromVariant(value));
            continue;
        }
        const QString target = column.target
                ? QString::fromLatin1(column.target)
                : linkedTable(query.value(QStringLiteral("role")).toInt());
        const QString uuid = uuidOf(target, value.toInt());
        if (uuid.isEmpty())
            return false;
        out->insert(name, uuid);
    }
    return true;
}

// One row of a document, checked and with its references resolved, ready to be bound.
struct Row
{
    QStringList columns;
    QVariantList values;
};

class Reader
{
public:
    Reader(const RowCodec::LocalOf &localOf, RowCodec::Refusal *refusal)
        : m_localOf(localOf), m_refusal(refusal)
    {
    }

    bool read(const Table &table, const QJsonObject &object, Row *row,
              const QStringList &skipped = {})
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!skipped.contains(it.key()) && !find(table, it.key()))
                return refuse("key", it.key());
        }
        for (const Column &column : table.columns) {
            const QString name = QLatin1String(column.name);
            if (!object.contains(name)) {
                if (column.presence == Required)
                    return refuse("missing", name);
                continue;
            }
            QVariant value;
            if (!field(column, object, &value))
                return false;
            row->columns << name;
            row->values << value;
        }
        return true;
    }

    bool refuse(const char *reason, const QString &detail, bool waiting = false)
    {
        m_refusal->reason = QLatin1String(reason);
        m_refusal->detail = detail;
        m_refusal->waiting = waiting;
        return false;
    }

private:
    static const Column *find(const Table &table, const QString &key)
    {
        for (const Column &c : table.columns) {
            if (key == QLatin1String(c.name))
                return &c;
        }
        return nullptr;
    }

    bool field(const Column &column, const QJsonObject &object, QVariant *out)
    {
        const QString name = QLatin1String(column.name);
        const QJsonValue value = object.value(name);
        // Empty cells went out as "" whatever their type, and "no reference" as 0.
        const bool empty = value.isNull() || (value.isString() && value.toString().isEmpty())
                || (column.type == Type::Reference && column.presence != Required
                    && value.isDouble() && value.toDouble() == 0);
        if (empty && column.type == Type::Reference && column.presence != Required) {
            *out = 0;
            return true;
        }
        if (empty) {
            if (column.presence == Required
                || (column.presence == NotNull && column.type != Type::Text
                    && column.type != Type::Modules))
                return refuse("missing", name);
            *out = column.type == Type::Text || column.type == Type::Modules
                    ? QVariant(QLatin1String(""))
                    : QVariant(QVariant::String);
            return true;
        }
        switch (column.type) {
        case Type::Text: {
            if (!value.isString() || value.toString().size() > column.max
                || !RowCodec::isCleanText(value.toString()))
                return refuse("value", name);
            *out = value.toString();
            return true;
        }
        case Type::Int:
        case Type::Real: {
            const double number = value.toDouble();
            if (!value.isDouble() || !std::isfinite(number) || number < column.min
                || number > column.max
                || (column.type == Type::Int && number != std::floor(number)))
                return refuse("value", name);
            *out = column.type == Type::Int ? QVariant(qint64(number)) : QVariant(number);
            return true;
        }
        case Type::Date:
        case Type::Time: {
            const QString format = column.type == Type::Date ? QStringLiteral("yyyy-MM-dd")
                                                             : QStringLiteral("yyyy-MM-ddTHH:mm:ss");
            const QString textValue = value.toString();
            const bool valid = column.type == Type::Date
                    ? QDate::fromString(textValue, format).isValid()
                    : QDateTime::fromString(textValue, format).isValid();
            if (!value.isString() || !valid)
                return refuse("value", name);
            *out = textValue;
            return true;
        }
        case Type::Uid:
        case Type::Modules: {
            static const QRegularExpression uid(QStringLiteral("^[0-9A-Za-z]{1,32}$"));
            static const QRegularExpression modules(
                    QStringLiteral("^[0-9]{1,3}:[0-9]{1,3}(,[0-9]{1,3}:[0-9]{1,3}){0,255}$"));
            const QRegularExpression &pattern = column.type == Type::Uid ? uid : modules;
            if (!value.isString() || !pattern.match(value.toString()).hasMatch())
                return refuse("value", name);
            *out = value.toString();
            return true;
        }
        case Type::Reference: {
            // Only an archive identity names a row: a number would name whatever row this
            // store happens to have under it.
            static const QRegularExpression uuid(QStringLiteral(
                    "^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
            const QString text = value.toString();
            if (!value.isString() || !uuid.match(text).hasMatch())
                return refuse("reference", name);
            QString target = column.target ? QString::fromLatin1(column.target) : QString();
            if (target.isEmpty()) {
                const QJsonValue role = object.value(QStringLiteral("role"));
                target = role.isDouble() ? linkedTable(role.toInt()) : QString();
            }
            if (target.isEmpty())
                return refuse("value", QStringLiteral("role"));
            const int local = m_localOf(target, text);
            if (local < 0)
                return refuse("reference", name);
            if (local == 0)
                return refuse("waiting", text, true);
            *out = local;
            return true;
        }
        }
        return false;
    }

    RowCodec::LocalOf m_localOf;
    RowCodec::Refusal *m_refusal;
};

// Column names come from the declarations only; values are bound.
int writeRow(const QSqlDatabase &db, const char *table, const Row &row, int id, QString *error)
{
    QSqlQuery query(db);
    if (id == 0) {
        QStringList marks;
        for (int i = 0; i < row.columns.size(); ++i)
            marks << QStringLiteral("?");
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(QLatin1String(table), row.columns.join(QLatin1Char(',')),
                                   marks.join(QLatin1Char(','))));
    } else {
        query.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?")
                              .arg(QLatin1String(table),
                                   row.columns.join(QStringLiteral(" = ?, "))));
    }
    for (const QVariant &value : row.values)
        query.addBindValue(value);
    if (id)
        query.addBindValue(id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return 0;
    }
    return id ? id : query.lastInsertId().toInt();
}
} // namespace

bool RowCodec::isCleanText(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull())
            return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return false;
    }
    return true;
}

QStringList RowCodec::tablesOf(const QString &kind)
{
    QStringList out;
    if (const Kind *k = kindOf(kind)) {
        out << QLatin1String(k->own.table);
        for (const Table &child : k->children)
            out << QLatin1String(child.table);
    }
    return out;
}

QString RowCodec::changedCondition(const QString &kind)
{
    const Kind *k = kindOf(kind);
    if (!k)
        return QString();
    QStringList changed;
    for (const Column &c : k->own.columns)
        changed << QStringLiteral("OLD.%1 IS NOT NEW.%1").arg(QLatin1String(c.name));
    return changed.join(QStringLiteral(" OR "));
}

QByteArray RowCodec::encode(const QSqlDatabase &db, const QString &kind, int id,
                            const UuidOf &uuidOf)
{
    const Kind *k = kindOf(kind);
    if (!k)
        return QByteArray();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE id = ?")
                          .arg(columnList(k->own), QLatin1String(k->own.table)));
    query.addBindValue(id);
    QJsonObject object;
    if (!query.exec() || !query.next() || !rowObject(query, k->own, uuidOf, &object))
        return QByteArray();
    for (const Table &child : k->children) {
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        rows.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE visit = ? ORDER BY id")
                             .arg(columnList(child), QLatin1String(child.table)));
        rows.addBindValue(id);
        rows.exec();
        QJsonArray array;
        while (rows.next()) {
            QJsonObject row;
            if (!rowObject(rows, child, uuidOf, &row))
                return QByteArray();
            array.append(row);
        }
        object.insert(QLatin1String(child.table), array);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

int RowCodec::decode(const QSqlDatabase &db, const QString &kind, const QByteArray &data, int id,
                     const QString &name, const LocalOf &localOf, Refusal *refusal,
                     QString *error)
{
    *refusal = Refusal();
    const Kind *k = kindOf(kind);
    Reader reader(localOf, refusal);
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parsed);
    if (!k || parsed.error != QJsonParseError::NoError || !document.isObject()) {
        reader.refuse("document", parsed.errorString());
        return 0;
    }
    QJsonObject object = document.object();
    if (k->own.nameColumn && !name.isEmpty())
        object.insert(QLatin1String(k->own.nameColumn), name);

    // Everything is read and checked before anything is written.
    QStringList childKeys;
    for (const Table &child : k->children)
        childKeys << QLatin1String(child.table);
    Row own;
    if (!reader.read(k->own, object, &own, childKeys))
        return 0;
    QVector<QVector<Row>> children;
    for (const Table &child : k->children) {
        const QJsonValue value = object.value(QLatin1String(child.table));
        if (!value.isUndefined() && !value.isArray()) {
            reader.refuse("value", QLatin1String(child.table));
            return 0;
        }
        const QJsonArray array = value.toArray();
        if (array.size() > MaxChildRows) {
            reader.refuse("value", QLatin1String(child.table));
            return 0;
        }
        QVector<Row> rows;
        for (const QJsonValue &element : array) {
            Row row;
            if (!element.isObject()) {
                reader.refuse("value", QLatin1String(child.table));
                return 0;
            }
            if (!reader.read(child, element.toObject(), &row))
                return 0;
            rows.append(row);
        }
        children.append(rows);
    }

    if (k->children.isEmpty())
        return writeRow(db, k->own.table, own, id, error);

    // A closed visit refuses new rows: it is written open, with its rows, then closed.
    const int closedAt = own.columns.indexOf(QStringLiteral("closed"));
    const QVariant closed = own.values.value(closedAt);
    own.values[closedAt] = 0;
    const int visitId = writeRow(db, k->own.table, own, 0, error);
    if (visitId == 0)
        return 0;
    for (int i = 0; i < k->children.size(); ++i) {
        for (Row row : children.at(i)) {
            row.columns << QStringLiteral("visit");
            row.values << visitId;
            if (writeRow(db, k->children.at(i).table, row, 0, error) == 0)
                return 0;
        }
    }
    Row close;
    close.columns << QStringLiteral("closed");
    close.values << closed;
    return writeRow(db, k->own.table, close, visitId, error);
}

QStringList RowCodec::references(const QString &kind, const QByteArray &data, int limit)
{
    QStringList out;
    QSet<QString> seen;
    const Kind *k = kindOf(kind);
    if (!k)
        return out;
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return out;
    const auto take = [&out, &seen, limit](const Table &table, const QJsonObject &object) {
        for (const Column &column : table.columns) {
            if (column.type != Type::Reference || out.size() >= limit)
                continue;
            const QUuid uuid(object.value(QLatin1String(column.name)).toString());
            const QString text = uuid.toString(QUuid::WithoutBraces);
            if (!uuid.isNull() && !seen.contains(text)) {
                seen.insert(text);
                out << text;
            }
        }
    };
    const QJsonObject own = document.object();
    take(k->own, own);
    for (const Table &child : k->children) {
        const QJsonArray rows = own.value(QLatin1String(child.table)).toArray();
        for (int i = 0; i < rows.size() && i < MaxChildRows; ++i)
            take(child, rows.at(i).toObject());
    }
    return out;
}
