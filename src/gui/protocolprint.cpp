#include "protocolprint.h"

#include "dialogs.h"
#include "reportdialogs.h"
#include "visits/protocolfile.h"
#include "visits/visitstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>

namespace ProtocolPrint {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProtocolPrint", text);
}

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    if (file.size() > ProtocolFile::MaxSize || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

ReportPrinter::PageFooter footer(const VisitReport::Document &document)
{
    return {document.footer, true, document.pageFormat};
}

void preview(QWidget *parent, const VisitReport::Document &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(document.title);
    const ReportPrinter::PageFooter foot = footer(document);
    // The preview draws every page first: a long appendix goes to a PDF file instead.
    const int pages = ReportPrinter::estimatedPages(document.html, &printer);
    if (pages > ReportPrinter::PreviewPageLimit) {
        if (Dialogs::instance()->question(
                    parent, tr("Podgląd protokołu"),
                    tr("Protokół ma około %1 stron: podgląd zablokowałby program na długo.\n\n"
                       "Zapisać go do pliku PDF?")
                            .arg(pages),
                    QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes)
            == QMessageBox::Yes)
            exportPdf(parent, document, document.title);
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document, &dialog, &foot](QPrinter *target) {
                         ReportPrinter::print(document.html, target, foot, &dialog);
                     });
    Dialogs::instance()->exec(&dialog);
}

QString exportPdf(QWidget *parent, const VisitReport::Document &document,
                  const QString &proposedName)
{
    const QString fileName = ReportPrinter::pdfFileName(parent, proposedName);
    if (fileName.isEmpty())
        return QString();
    if (!writePdf(document, fileName, parent)) {
        Dialogs::instance()->warning(parent, tr("Eksport PDF"),
                                     tr("Nie udało się zapisać pliku %1.").arg(fileName));
        return QString();
    }
    return fileName;
}

bool writePdf(const VisitReport::Document &document, const QString &fileName,
              QWidget *progressParent)
{
    bool written = false;
    // Qt writes a PDF's fonts in the order of a hash: with a fixed seed while the file is
    // written, the same document gives the same file.
    qSetGlobalQHashSeed(0);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(fileName);
        printer.setDocName(document.title);
        printer.setCreator(QStringLiteral("Konfigurator Ostrel"));
        written = ReportPrinter::print(document.html, &printer, footer(document), progressParent)
                && printer.printerState() != QPrinter::Error;
    }
    qSetGlobalQHashSeed(-1);
    // A cancelled or failed export leaves no file behind that could pass for the protocol.
    if (!written) {
        QFile::remove(fileName);
        return false;
    }
    return QFileInfo::exists(fileName);
}

CheckResult checkDigest(const VisitStore &store, const QString &typed)
{
    CheckResult result;
    const QString digest = ProtocolFile::normalizedDigest(typed);
    if (digest.isEmpty()) {
        result.outcome = CheckResult::NoDigest;
        result.message = tr("To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w "
                            "stopce protokołu.");
        return result;
    }
    result.visitId = store.visitByDigest(digest);
    if (result.visitId == 0) {
        result.outcome = CheckResult::UnknownDigest;
        result.message = tr("Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym "
                            "skrócie.");
        return result;
    }
    result.outcome = CheckResult::Match;
    result.message = QLatin1String("<b>") + tr("Skrót zgodny.") + QLatin1String("</b> ")
            + tr("To %1.").arg(ProtocolFile::visitDescription(store, result.visitId))
            + ProtocolFile::supersededNote(store, result.visitId) + QLatin1String("<br>")
            + tr("Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem "
                 "protokołu albo sprawdź plik PDF.");
    return result;
}

CheckResult checkPdf(const VisitStore &store, const QString &fileName, QWidget *progressParent)
{
    CheckResult result;
    const QByteArray pdf = readFile(fileName);
    if (pdf.isEmpty() || !pdf.startsWith("%PDF-")) {
        result.message = tr("Nie udało się odczytać pliku PDF %1.").arg(fileName.toHtmlEscaped());
        return result;
    }
    const QString digest = VisitReport::digestInTitle(ProtocolFile::pdfTitle(pdf));
    if (digest.isEmpty()) {
        result.outcome = CheckResult::NoDigest;
        result.message = tr("Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego "
                            "przeglądu wydany przez program (projekt otwartego przeglądu nie ma "
                            "skrótu).");
        return result;
    }
    result.visitId = store.visitByDigest(digest);
    if (result.visitId == 0) {
        result.outcome = CheckResult::UnknownDigest;
        result.message = tr("Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w "
                            "tej bazie.")
                                 .arg(digest);
        return result;
    }
    // The stored protocol written again, with and without the register appendix, must give
    // the same file.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("protokol.pdf"));
    bool same = false;
    for (const bool withRegister : {false, true}) {
        if (withRegister
            && store.linkedRecord(result.visitId, RecordRole::EventLog) == 0)
            break;
        const VisitReport::Document document =
                VisitReport::document(store, result.visitId, withRegister);
        if (dir.isValid() && writePdf(document, copy, progressParent))
            same = ProtocolFile::samePdf(pdf, readFile(copy));
        if (same)
            break;
    }
    const QString visit = ProtocolFile::visitDescription(store, result.visitId);
    if (same) {
        result.outcome = CheckResult::Match;
        result.message = QLatin1String("<b>") + tr("Plik zgodny.") + QLatin1String("</b> ")
                + tr("To %1, taki jak zapisany przy zamknięciu przeglądu.").arg(visit)
                + ProtocolFile::supersededNote(store, result.visitId);
    } else {
        result.outcome = CheckResult::Mismatch;
        result.message = QLatin1String("<b>") + tr("Plik NIEZGODNY.") + QLatin1String("</b> ")
                + tr("Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy "
                     "zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). "
                     "Nie jest to wiarygodna kopia.")
                          .arg(visit)
                + ProtocolFile::supersededNote(store, result.visitId);
    }
    return result;
}

} // namespace ProtocolPrint
