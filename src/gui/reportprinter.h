#pragma once

#include "pdfexport.h"

#include <QString>

class QPrinter;
class QWidget;

// Prints an HTML report through a text document (document margin 0) on a high-resolution
// printer: through a print preview, or into a PDF file.
namespace ReportPrinter {

// Shows the print preview (through the dialog seam).
void printPreview(QWidget *parent, const QString &html);
// Writes the PDF to the given file without asking. A long report shows its progress over the
// given window and can be cancelled there; a cancelled or failed export removes the file and
// returns false.
bool writePdf(const QString &html, const QString &fileName, QWidget *progressParent = nullptr);
// Lays the report out on the given printer. A long report shows its progress over the given
// window and can be cancelled there; false when it was cancelled.
bool print(const QString &html, QPrinter *printer, QWidget *progressParent = nullptr);

} // namespace ReportPrinter
