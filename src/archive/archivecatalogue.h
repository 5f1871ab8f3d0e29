#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

// The archive's catalogue: what every record is (kind, name, place, author, hash, size),
// without its bytes. Every store holds the whole company's catalogue; the bytes only of the
// records in its scope and of those opened on it.
struct CatalogueEntry
{
    QString uuid, kind, name, author, login;
    QDateTime created;
    QDateTime visited; // a visit's own date, from its document
    QString parent, line, site, unit; // site/unit: lines, empty when unknown
    QString siteName, unitLabel;      // newest revision's, for display
    QString hash;
    qint64 size = 0;
    qint64 seq = 0;
    bool withdrawn = false;
    bool local = false; // the bytes are in this store
    QString table;      // where, when local
    int localId = 0;
};

struct CatalogueQuery
{
    QString kind, site, unit, text; // empty: any
    qint64 beforeSeq = 0;           // 0: from the newest; else continue below it
    int limit = 100;                // capped at MaxPage
    static constexpr int MaxPage = 500;
};

struct CataloguePage
{
    QVector<CatalogueEntry> entries;
    bool more = false;
};

// One unit of the company with its service state, as the server computes it.
struct UnitOverview
{
    QString unit, label, site, siteName;
    QDateTime lastVisit;
    QDate nextDue;
    int visits = 0;
};

struct UnitQuery
{
    QString text, afterLabel, afterUnit; // after*: the last row of the previous page
    int limit = 100;                     // capped at CatalogueQuery::MaxPage
};
