#pragma once

#include <QString>
#include <QVector>

// One kind of record that the company archive holds: which local table keeps it, which columns
// carry its name and bytes, and whether it changes (a configuration is edited and so becomes a
// chain of revisions) or never changes once read from the unit (registers, lists).
// A kind whose record spans several local rows adds its own row here with the columns that
// serialise it; the sync reads and writes records only through this table.
struct ArchiveKind
{
    QString kind;        // name on the server
    QString table;       // local table
    QString nameColumn;
    QString dataColumn;
    bool revisioned;
};

const QVector<ArchiveKind> &archiveKinds();
const ArchiveKind *archiveKind(const QString &kind);
