#pragma once

#include <QByteArray>
#include <QString>

class VisitStore;

// The service report "Protokół serwisowy" of a visit as one HTML document for the report
// engine, and the visit's checks as CSV rows.
namespace VisitReport {

// The report; with the appendix the whole event register follows as its last table.
QString toHtml(const VisitStore &store, int visitId, bool withRegister = false);
// The footer line printed on every page: "SHA-256: " and the hex digest of the report's HTML
// as UTF-8, so that a printed copy can be checked against the stored visit.
QString footerText(const QString &html);
// One row per check, after a header row.
QByteArray checksCsv(const VisitStore &store, int visitId);
// A file name proposal: "Protokol_2026-7_<uid>".
QString fileBaseName(const VisitStore &store, int visitId);

} // namespace VisitReport
