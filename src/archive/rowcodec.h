#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

// Records that span rows of their own tables (sites, units, visits with their checks,
// batteries, diagnostics and record links) travel as one JSON document. Row ids are local, so
// every reference to another row goes out as that row's archive UUID and comes back as the id
// the receiving store gave it.
//
// A document comes from a colleague's store and is read as hostile: only the columns each
// table declares below are taken, each checked for its type and range, and a reference must be
// an archive UUID of a row of the right table. Column names in SQL come from those
// declarations only; every value is bound.
namespace RowCodec {

// The archive UUID of a local row, empty when it has none yet.
using UuidOf = std::function<QString(const QString &table, int id)>;
// The local row of an archive UUID in `table`: 0 when this store does not hold it, -1 when it
// holds it as a row of another table.
using LocalOf = std::function<int(const QString &table, const QString &uuid)>;

// Why a document was not taken. An empty reason with id 0 means the store itself failed.
struct Refusal
{
    QString reason;  // one of the codes LocalArchive::refusalText knows
    QString detail;  // the field, or the UUID waited for
    bool waiting = false; // names a record this store does not hold yet: try again later
};

// The record's bytes; empty when a row it refers to has no archive identity yet.
QByteArray encode(const QSqlDatabase &db, const QString &kind, int id, const UuidOf &uuidOf);
// Writes the record into row `id` (a newer revision) or, with id 0, into a new row, under
// `name` when that is not empty. The row's id; 0 with *refusal set when the document is
// refused (nothing is written then), 0 with an empty refusal and *error set when the store
// failed.
int decode(const QSqlDatabase &db, const QString &kind, const QByteArray &data, int id,
           const QString &name, const LocalOf &localOf, Refusal *refusal, QString *error);

// The archive UUIDs a document names (a unit its site, a visit its unit, the visit it corrects
// and its linked records), each once, at most `limit`; empty for a kind of one blob or bytes
// that are no document. Only a hint of what to fetch: decode() checks every reference again.
QStringList references(const QString &kind, const QByteArray &data, int limit = 10000);
// The tables a kind's records live in, its own first.
QStringList tablesOf(const QString &kind);
// An SQL condition over a row "OLD"/"NEW" of a kind's own table that is true when a column
// that travels changed; empty for a kind this codec does not encode.
QString changedCondition(const QString &kind);
// A text a colleague's store may hold: no lone UTF-16 surrogate, no NUL character.
bool isCleanText(const QString &text);

} // namespace RowCodec
