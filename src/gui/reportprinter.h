#pragma once

#include "reportdialogs.h"

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

// Prints an HTML report through text documents (document margin 0) on a high-resolution
// printer or into a PDF file. The dialogs around it are in reportdialogs.h.
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

// The same with the footer on every page.
bool writePdf(const QString &html, const QString &fileName, const PageFooter &footer,
              QWidget *progressParent = nullptr);
bool print(const QString &html, QPrinter *printer, const PageFooter &footer,
           QWidget *progressParent = nullptr);

} // namespace ReportPrinter
