#pragma once

#include "visits/visitdata.h"

#include <QByteArray>
#include <QList>
#include <QString>

class VisitStore;

// The service report "Protokół serwisowy" of a visit as one HTML document for the report
// engine, and the visits as CSV rows.
namespace VisitReport {

// A visit's protocol as it goes to the printer.
struct Document
{
    QString html;
    // At the foot of every page: "SHA-256: " and the digest of a closed visit's protocol, or
    // what the paper is when it has none (a draft, an abandoned visit).
    QString footer;
    QString pageFormat; // "strona %1 z %2" as frozen; empty for the current language's
    QString title;      // the PDF's title: the number and, when closed, the digest
    QString digest;     // empty unless the protocol is frozen
};

// The visit's protocol: a closed visit's as it was frozen at the close, an open visit's as a
// draft built now. With the appendix the whole event register follows on a page of its own,
// outside the digest.
Document document(const VisitStore &store, int visitId, bool withRegister = false);
// The HTML of document().
QString toHtml(const VisitStore &store, int visitId, bool withRegister = false);
// The protocol of a visit as it closes (`closing` holds its final fields), with its digest and
// what its figures came from.
FrozenProtocol freeze(const VisitStore &store, const Visit &closing);
// SHA-256 of the HTML as UTF-8, lower-case hex: what the footer prints.
QString digestOf(const QString &html);
// The digest named in a PDF title of document(), empty when there is none.
QString digestInTitle(const QString &title);
// One row per check, after a header row.
QByteArray checksCsv(const VisitStore &store, int visitId);
// One row per visit for a spreadsheet or planner, after a header row.
QByteArray visitsCsv(const VisitStore &store, const QList<int> &visitIds);
// A file name proposal: "Protokol_2026-7_<uid>", safe whatever the uid holds.
QString fileBaseName(const VisitStore &store, int visitId);

} // namespace VisitReport
