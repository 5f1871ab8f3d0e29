#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <functional>

// Records that span rows of their own tables (sites, units, visits with their checks,
// batteries, diagnostics and record links) travel as one JSON document. Row ids are local, so
// every reference to another row goes out as that row's archive UUID and comes back as the id
// the receiving store gave it.
namespace RowCodec {

// The archive UUID of a local row, empty when it has none yet.
using UuidOf = std::function<QString(const QString &table, int id)>;
// The local row of an archive UUID, 0 when this store does not hold it.
using LocalOf = std::function<int(const QString &uuid)>;

// The record's bytes; empty when a row it refers to has no archive identity yet.
QByteArray encode(const QSqlDatabase &db, const QString &kind, int id, const UuidOf &uuidOf);
// Writes the record into row `id` (a newer revision) or, with id 0, into a new row, under
// `name` when that is not empty. The row's id, or 0 with *error set.
int decode(const QSqlDatabase &db, const QString &kind, const QByteArray &data, int id,
           const QString &name, const LocalOf &localOf, QString *error);

} // namespace RowCodec
