#include "reportdialogs.h"

#include "dialogs.h"
#include "reportprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <functional>

namespace ReportPrinter {

namespace {
// The preview draws every page before it shows one, and its all-pages view draws them all
// again: with the largest registers the window would hang for long seconds. The PDF export
// writes them with progress and a cancel, and the PDF prints whole or in part. True when the
// preview may be shown; otherwise the user was offered the export, which `exportInstead` runs.
bool previewFits(QWidget *parent, const QString &html, QPrinter *printer,
                 const std::function<void()> &exportInstead)
{
    const int pages = estimatedPages(html, printer);
    if (pages <= PreviewPageLimit)
        return true;
    const QMessageBox::StandardButton answer = Dialogs::instance()->question(
            parent, QCoreApplication::translate("ReportPrinter", "Podgląd wydruku"),
            QCoreApplication::translate("ReportPrinter",
                                        "Raport ma około %1 stron: podgląd tak długiego "
                                        "raportu zablokowałby program na długo.\n\n"
                                        "Zapisać raport do pliku PDF? Plik można potem "
                                        "wydrukować w całości lub w części.")
                    .arg(pages),
            QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        exportInstead();
    return false;
}
} // namespace

void printPreview(QWidget *parent, const QString &html)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!previewFits(parent, html, &printer, [&] { exportPdf(parent, html); }))
        return;
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html, &preview](QPrinter *target) {
                         if (!print(html, target, &preview))
                             showFailure(&preview);
                     });
    Dialogs::instance()->exec(&preview);
}

QString pdfFileName(QWidget *parent, const QString &proposedName)
{
    QString fileName = Dialogs::saveFileName(
            parent, QCoreApplication::translate("ReportPrinter", "Eksport PDF"),
            proposedName + QStringLiteral(".pdf"), QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName.append(QStringLiteral(".pdf"));
    return fileName;
}

QString exportPdf(QWidget *parent, const QString &html)
{
    return exportPdf(parent, html, PageFooter{QString(), false});
}

void showFailure(QWidget *parent, const QString &fileName)
{
    const QString why = lastError();
    if (why.isEmpty())
        return;
    if (fileName.isEmpty())
        Dialogs::instance()->warning(
                parent, QCoreApplication::translate("ReportPrinter", "Wydruk"),
                QCoreApplication::translate("ReportPrinter",
                                            "Nie udało się wydrukować raportu:\n%1")
                        .arg(why));
    else
        Dialogs::instance()->warning(
                parent, QCoreApplication::translate("ReportPrinter", "Eksport PDF"),
                QCoreApplication::translate("ReportPrinter",
                                            "Nie udało się zapisać pliku PDF %1:\n%2")
                        .arg(QDir::toNativeSeparators(fileName), why));
}

void printPreview(QWidget *parent, const QString &html, const PageFooter &footer)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!previewFits(parent, html, &printer, [&] { exportPdf(parent, html, footer); }))
        return;
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&html, &preview, &footer](QPrinter *target) {
                         if (!print(html, target, footer, &preview))
                             showFailure(&preview);
                     });
    Dialogs::instance()->exec(&preview);
}

QString exportPdf(QWidget *parent, const QString &html, const PageFooter &footer,
                  const QString &proposedName)
{
    const QString fileName = pdfFileName(parent, proposedName);
    if (fileName.isEmpty())
        return QString();
    if (writePdf(html, fileName, footer, parent))
        return fileName;
    showFailure(parent, fileName);
    return QString();
}

QString exportCsv(QWidget *parent, const QString &proposedName,
                  const std::function<QByteArray()> &csv)
{
    const QString caption = QCoreApplication::translate("ReportPrinter", "Eksport CSV");
    QString fileName =
            Dialogs::saveFileName(parent, caption, proposedName, QStringLiteral("*.csv"));
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1String(".csv");
    const QByteArray bytes = csv();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Dialogs::instance()->warning(
                parent, caption,
                QCoreApplication::translate("ReportPrinter", "Nie udało się zapisać pliku %1:\n%2")
                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return QString();
    }
    return fileName;
}

} // namespace ReportPrinter
