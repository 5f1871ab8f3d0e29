// The largest event register the protocol carries: decoding, opening its tab, and its PDF,
// next to the PDF printed through one QTextDocument holding the whole table.

#include "../common/syntheticregister.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "gui/eventsmanagement.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "modules/moduletypes.h"
#include "records/pamietnik.h"
#include "records/recordcsv.h"
#include "store/dbmanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>

#include <sys/resource.h>

namespace {

QByteArray largestRegister(int entries)
{
    return syntheticRegister(entries, 7, QDateTime(QDate(2019, 1, 1), QTime(6, 0)), 4000);
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

// Processor seconds of this process, every thread: unlike the clock, not stretched by other
// work on a shared machine.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages as pdfinfo reads them; 0 for a missing or unreadable file.
int pdfPages(const QString &fileName)
{
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                                  .match(runTool(QStringLiteral("pdfinfo"),
                                                                 {fileName}));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

// Whether the register's rows with these numbers are printed, each with its date.
QStringList missingRows(const QString &fileName, const QList<int> &ids)
{
    const QString text = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    QStringList missing;
    for (int id : ids) {
        if (!text.contains(QRegularExpression(QStringLiteral("^ *%1 +\\d{4}-\\d\\d-\\d\\d "
                                                             "\\d\\d:\\d\\d:\\d\\d ")
                                                      .arg(id),
                                              QRegularExpression::MultilineOption)))
            missing << QString::number(id);
    }
    return missing;
}

// Processor seconds per page of the one-document print of a small register, the pace at which
// Qt prints a report it lays out without trouble.
double singleDocumentSecondsPerPage(const QString &dir, int entries)
{
    Pamietnik small;
    small.parse(largestRegister(entries));
    small.name = QStringLiteral("L_maly");
    const QString html = small.toHtml();
    const QString fileName = dir + QStringLiteral("/small-whole.pdf");
    QElapsedTimer timer;
    timer.start();
    const double cpu = cpuSeconds();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.print(&printer);
    const double s = cpuSeconds() - cpu;
    const int pages = pdfPages(fileName);
    printf("single-document PDF of %d entries: %.2f s (%.2f s of processor), %d pages\n",
           entries, seconds(timer), s, pages);
    return pages > 0 ? s / pages : 0;
}

// A text filter typed into the open tab, until the table shows its result.
double filterMs(QWidget *tab, QTableView *table)
{
    auto *filter = tab->findChild<QLineEdit *>(QStringLiteral("filterEdit"));
    QElapsedTimer timer;
    timer.start();
    filter->setText(QStringLiteral("psb"));
    table->viewport()->repaint();
    const double ms = seconds(timer) * 1000;
    const auto *proxy = qobject_cast<QSortFilterProxyModel *>(table->model());
    printf("text filter: %d of %d rows in %.0f ms\n", proxy->rowCount(),
           proxy->sourceModel()->rowCount(), ms);
    filter->clear();
    return ms;
}

// The whole register as a CSV file, from the stored bytes.
double csvSeconds(const QByteArray &data, const QString &fileName)
{
    QElapsedTimer timer;
    timer.start();
    Pamietnik events;
    events.parse(data);
    const QByteArray csv = RecordCsv::events(events.events());
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
        return -1;
    file.close();
    const double s = seconds(timer);
    printf("CSV: %.2f s, %lld bytes\n", s, static_cast<long long>(csv.size()));
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int entries = argc > 1 ? atoi(argv[1]) : 255 * 255;
    const bool baseline = !(argc > 2 && QByteArray(argv[2]) == "--no-baseline");
    registerModules();
    initFaultTextTables();
    for (int type : {0xF0, 0x50, 0x57})
        delete createModule(type, 1);

    QTemporaryDir dir;
    if (!DbManager::instance()->openDatabase(dir.path()))
        return 1;
    createStoreTables(*DbManager::instance());
    const QByteArray data = largestRegister(entries);

    QElapsedTimer timer;
    timer.start();
    Pamietnik decoded;
    decoded.parse(data);
    const double decodeS = seconds(timer);
    printf("decoded %d entries in %.3f s\n", decoded.getEvents().size(), decodeS);

    const int id = DbManager::instance()->writeLog(QStringLiteral("L_najwiekszy"), data);
    EventsManagement window;
    window.resize(1000, 700);
    window.show();
    app.processEvents();
    timer.restart();
    window.showLog(uint(id), QStringLiteral("L_najwiekszy"));
    auto *mdi = window.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    QWidget *view = mdi->activeSubWindow()->widget();
    view->repaint();
    app.processEvents();
    const double openMs = seconds(timer) * 1000;
    auto *table = view->findChild<QTableView *>();
    printf("opened the tab with %d rows in %.0f ms\n", table->model()->rowCount(), openMs);
    // Scrolling: jump through the table as a dragged scroll bar does.
    timer.restart();
    for (int step = 0; step <= 50; ++step) {
        table->scrollTo(table->model()->index(step * (entries - 1) / 50, 0));
        table->viewport()->repaint();
    }
    printf("scrolled through 50 screens in %.0f ms\n", seconds(timer) * 1000);
    const double filterTime = filterMs(view, table);
    const double csvTime = csvSeconds(data, dir.filePath(QStringLiteral("register.csv")));

    const QString html = window.reportHtml(id);
    const QString fast = dir.filePath(QStringLiteral("fast.pdf"));
    timer.restart();
    const double pdfCpu = cpuSeconds();
    const bool written = ReportPrinter::writePdf(html, fast);
    const double pdfS = seconds(timer);
    const double pdfCpuS = cpuSeconds() - pdfCpu;
    const int pdfPageCount = pdfPages(fast);
    printf("PDF: %.2f s (%.2f s of processor), %d pages, %lld bytes\n", pdfS, pdfCpuS,
           pdfPageCount,
           static_cast<long long>(QFileInfo(fast).size()));
    // A missing, empty or partial PDF must never pass for a fast one.
    const QStringList missing = missingRows(fast, {1, (entries + 1) / 2, entries});
    if (!written || pdfPageCount == 0 || !missing.isEmpty()) {
        fprintf(stderr, "the PDF is not whole (written %d, %d pages; rows missing: %s): %s\n",
                written, pdfPageCount, qPrintable(missing.join(QLatin1Char(' '))),
                qPrintable(ReportPrinter::lastError()));
        return 1;
    }
    printf("rows 1, %d and %d found in the PDF\n", (entries + 1) / 2, entries);
    const double smallPerPage = singleDocumentSecondsPerPage(dir.path(), 1000);
    if (smallPerPage <= 0) {
        fprintf(stderr, "the single-document PDF of the baseline has no pages\n");
        return 1;
    }
    const double pageRatio = pdfCpuS / pdfPageCount / smallPerPage;

    double baselineS = 0;
    if (baseline) {
        const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
        timer.restart();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(whole);
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setHtml(html);
        document.print(&printer);
        baselineS = seconds(timer);
        printf("single-document PDF: %.2f s, %d pages\n", baselineS, pdfPages(whole));
    }
    if (argc > 3) {
        QFile::copy(fast, QString::fromLocal8Bit(argv[3]) + QStringLiteral("-fast.pdf"));
        if (baseline)
            QFile::copy(dir.filePath(QStringLiteral("whole.pdf")),
                        QString::fromLocal8Bit(argv[3]) + QStringLiteral("-whole.pdf"));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    printf("records: entries=%d decode_per_s=%.0f open_ms=%.0f pdf_s=%.2f baseline_pdf_s=%.2f "
           "speedup=%.1f peak_mb=%.0f filter_ms=%.0f csv_s=%.2f pdf_page_ratio=%.2f\n",
           entries, entries / decodeS, openMs, pdfS, baselineS,
           pdfS > 0 ? baselineS / pdfS : 0.0, usage.ru_maxrss / 1024.0, filterTime, csvTime,
           pageRatio);
    return 0;
}
