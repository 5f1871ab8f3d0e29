#pragma once

#include "reportdialogs.h"

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

// Prints an HTML report through text documents (document margin 0) on a high-resolution
// printer or into a PDF file. The dialogs around it are in reportdialogs.h.
//
// The work runs in a thread of its own while the calling thread keeps its event loop turning,
// so the windows repaint and the link keeps polling; a long report shows its progress over the
// given window, where Anuluj stops it.
namespace ReportPrinter {

// What a report may print at the foot of every page instead of the bare page number: its own
// line at the left and "strona X z Y" at the right.
struct PageFooter
{
    QString text;
    bool pageOfPages = true;
    // "strona %1 z %2" in the language a frozen document was issued in; empty: the current one.
    QString pageFormat = QString();

    bool isNull() const { return text.isEmpty() && !pageOfPages; }
};

// Writes the PDF to the given file without asking. True only when every row of the report is
// in the file; a cancelled or failed export leaves no file behind (an older file of that name
// stays as it was).
bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent = nullptr);
// Prints the report, or the printer's page range of it; true only when every page asked for
// was printed.
bool print(const QString &html, QPrinter *printer, QWidget *progressParent = nullptr);
// Why the last writePdf or print of this thread failed; empty after success or a cancel.
QString lastError();
// Fills a document with a report as it is printed: no document margin, lines broken between
// words only, and every table's header rows marked as such.
void setUpDocument(QTextDocument *document, const QString &html);
// About how many pages the report fills on the printer; quick even for the largest register.
int estimatedPages(const QString &html, QPrinter *printer);

// The same with the footer on every page.
bool writePdf(const QString &html, const QString &fileName, const PageFooter &footer,
              QWidget *progressParent = nullptr);
bool print(const QString &html, QPrinter *printer, const PageFooter &footer,
           QWidget *progressParent = nullptr);

} // namespace ReportPrinter
