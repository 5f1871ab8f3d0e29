#pragma once

#include "reportdialogs.h"

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

// Prints an HTML report through text documents (document margin 0) on a high-resolution
// printer or into a PDF file. The dialogs around it are in reportdialogs.h.
namespace ReportPrinter {

// Writes the PDF to the given file without asking. A long report shows its progress over the
// given window and can be cancelled there; a cancelled or failed export removes the file and
// returns false.
bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent = nullptr);
// Lays the report out on the given printer. A long report shows its progress over the given
// window and can be cancelled there; false when it was cancelled.
bool print(const QString &html, QPrinter *printer, QWidget *progressParent = nullptr);
// Fills a document with a report as it is printed: no document margin, lines broken between
// words only, and every table's header rows repeated at the top of each page.
void setUpDocument(QTextDocument *document, const QString &html);
// About how many pages the report fills on the printer; quick even for the largest register.
int estimatedPages(const QString &html, QPrinter *printer);

} // namespace ReportPrinter
