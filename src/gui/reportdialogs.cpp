#include "reportdialogs.h"

#include "dialogs.h"
#include "reportprinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ReportPrinter {

void printPreview(QWidget *parent, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html, &preview](QPrinter *target) { print(html, target, &preview); });
    Dialogs::instance()->exec(&preview);
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
    return writePdf(html, fileName, parent) ? fileName : QString();
}

} // namespace ReportPrinter
