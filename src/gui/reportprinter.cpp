#include "reportprinter.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace ReportPrinter {

bool print(const QString &html, QPrinter *printer, QWidget *progressParent)
{
    Q_UNUSED(progressParent)
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(printer);
    return true;
}

void printPreview(QWidget *parent, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html](QPrinter *target) { print(html, target); });
    Dialogs::instance()->exec(&preview);
}

bool writePdf(const QString &html, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    print(html, &printer);
    return QFileInfo::exists(fileName);
}

QString pdfFileName(QWidget *parent, const QString &proposedName)
{
    QString fileName = Dialogs::instance()->getSaveFileName(
            parent, QCoreApplication::translate("ReportPrinter", "Eksport PDF"), proposedName,
            QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName.append(QStringLiteral(".pdf"));
    return fileName;
}

QString exportPdf(QWidget *parent, const QString &html)
{
    const QString fileName = pdfFileName(parent);
    if (fileName.isEmpty())
        return QString();
    return writePdf(html, fileName) ? fileName : QString();
}

} // namespace ReportPrinter
