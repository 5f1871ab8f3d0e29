#pragma once

#include <QString>
#include <QVector>

// One kind of record that the company archive holds: which local table keeps it, which columns
// carry its name and bytes, and whether it changes (a configuration is edited and so becomes a
// chain of revisions) or never changes once read from the unit (registers, lists).
// A record kept in one blob column travels as those bytes; one that spans rows of its own tables
// (sites, units, visits) travels as the document RowCodec makes of it. The sync reads and
// writes records only through this table, in its order, so a record goes after those it names.
struct ArchiveKind
{
    QString kind;        // name on the server
    QString table;       // local table
    QString nameColumn;  // an SQL expression over the table's row "t"
    QString dataColumn;  // empty: the record is encoded by RowCodec
    bool revisioned;
    QString condition;   // which rows are records of the archive, empty for all
};

const QVector<ArchiveKind> &archiveKinds();
const ArchiveKind *archiveKind(const QString &kind);
