#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// The dialogs around a report's printout: the print preview and the "Eksport PDF" question.
// The pages themselves come from ReportPrinter::print.
namespace ReportPrinter {

struct PageFooter;

// Above this many pages the preview is not shown; the PDF export is offered instead.
constexpr int PreviewPageLimit = 300;

// Shows the print preview (through the dialog seam).
void printPreview(QWidget *parent, const QString &html);
// The "Eksport PDF" question alone, proposing proposedName (without ".pdf") in the export
// folder: the chosen file with ".pdf" appended when it has no suffix, or an empty string when
// cancelled.
QString pdfFileName(QWidget *parent, const QString &proposedName = QStringLiteral("nazwa"));
// Asks for a file name and writes the PDF, showing its progress over the parent.
// Returns the file written, or an empty string when cancelled or failed.
QString exportPdf(QWidget *parent, const QString &html);
// After a failed writePdf or print: tells the user why (nothing when it was cancelled).
void showFailure(QWidget *parent, const QString &fileName = QString());
// The same for a report with a footer on every page.
void printPreview(QWidget *parent, const QString &html, const PageFooter &footer);
QString exportPdf(QWidget *parent, const QString &html, const PageFooter &footer,
                  const QString &proposedName = QStringLiteral("nazwa"));

// "Eksport CSV": asks for a file name (proposedName, in the export folder; ".csv" appended when
// the chosen name has no suffix), then writes what `csv` makes, whole or not at all, and says
// why when it could not. Returns the file written, or an empty string when cancelled or failed.
QString exportCsv(QWidget *parent, const QString &proposedName,
                  const std::function<QByteArray()> &csv);

} // namespace ReportPrinter
