#include "pdfexport.h"

#include "dialogs.h"
#include "reportprinter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ReportPrinter {

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
