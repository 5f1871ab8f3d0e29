#pragma once

#include "reportprinter.h"
#include "visits/visitreport.h"

#include <QString>

class QWidget;
class VisitStore;

// A visit's protocol on paper and in PDF files: the footer on every page, the digest in the
// file's title, and the check of a file against the protocol stored at the close.
namespace ProtocolPrint {

ReportPrinter::PageFooter footer(const VisitReport::Document &document);
void preview(QWidget *parent, const VisitReport::Document &document);
// Asks for the file and writes it: the file written, or an empty string.
QString exportPdf(QWidget *parent, const VisitReport::Document &document,
                  const QString &proposedName);
// A4 with the title in the file's properties. The same document gives the same bytes but for
// the file's creation date, so that a copy can be checked by writing it again.
bool writePdf(const VisitReport::Document &document, const QString &fileName,
              QWidget *progressParent = nullptr);

// What the check of a PDF file found.
struct CheckResult
{
    enum Outcome { Match, Mismatch, UnknownDigest, NoDigest, Unreadable };
    Outcome outcome = Unreadable;
    int visitId = 0;
    QString message; // rich text for the technician
};
CheckResult checkPdf(const VisitStore &store, const QString &fileName,
                     QWidget *progressParent = nullptr);
CheckResult checkDigest(const VisitStore &store, const QString &typed);

} // namespace ProtocolPrint
