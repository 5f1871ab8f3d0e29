// The longest the GUI event loop stalls while the technician works: a 5 ms timer on the GUI
// thread records how late it fires during (a) a 64-part event-log read from the simulator,
// paced at 19200 baud, with the window's progress strip showing it, (b) opening the largest
// register the protocol carries (65,025 entries) in its tab, (c) exporting that register as
// PDF, from the click until the file is written, and how soon Anuluj stops a second export,
// and (d) a sync with the company archive. With STALL_TRACE set, every
// stall over 20 ms is listed with its time.
#include "../common/syntheticregister.h"
#include "archive/archiverunner.h"
#include "config/modulefactory.h"
#include "gui/archivestatus.h"
#include "gui/eventsmanagement.h"
#include "gui/reportprinter.h"
#include "gui/startup.h"
#include "gui/transferprogress.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "modules/moduletypes.h"
#include "records/pamietnik.h"
#include "pgcluster.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

constexpr int TickMs = 5;
constexpr int Parts = 64;
constexpr int EntriesPerPart = 255;

// Lateness of a periodic timer: how much longer than its interval the loop took to fire it.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(TickMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const qint64 late = now - m_last - qint64(TickMs) * 1000000;
            if (qEnvironmentVariableIsSet("STALL_TRACE") && late > 20000000)
                fprintf(stdout, "late %.1f ms at %.3f s\n", late / 1e6, now / 1e9);
            m_maxLateNs = qMax(m_maxLateNs, late);
            m_last = now;
        });
    }
    void start()
    {
        m_maxLateNs = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return m_maxLateNs / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_maxLateNs = 0;
};

QByteArray generatedRegister(int entries)
{
    return syntheticRegister(entries, 11, QDateTime(QDate(2019, 1, 1), QTime(6, 0)), 4000);
}

// Runs the loop until `done` holds or the time is up.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Keeps the loop turning for a while, so that what a step left to do (painting) is measured.
void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString simPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                     : QStringLiteral(OSTREL_SIM_PATH);
    registerModules();
    initFaultTextTables();
    QTemporaryDir dir;
    if (!DbManager::instance()->openDatabase(dir.path()))
        return 1;
    createStoreTables(*DbManager::instance());

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(simPath, {"--log-entries", QString::number(Parts * EntriesPerPart)});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        fprintf(stderr, "cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();

    USBManager link;
    EventsManagement window(&link, nullptr);
    window.resize(1100, 700);
    window.show();
    if (!link.openPort(port)) {
        fprintf(stderr, "cannot open %s\n", qPrintable(port));
        return 1;
    }
    settle(500);
    StallMeter meter;

    // What the machine itself costs: the same timer while the port is open and idle.
    meter.start();
    settle(10000);
    printf("idle with the port open: the GUI stalled at most %.1f ms\n", meter.stop());

    // (a) The read, from the click to the last part on screen; storing it is not part of it.
    bool lastPart = false;
    int partsSeen = 0;
    QObject::connect(window.readTracker(), &RequestTracker::signalProgress, &window,
                     [&](int part, int count) {
                         ++partsSeen;
                         lastPart = part == count;
                     });
    meter.start();
    window.findChild<QToolButton *>(QStringLiteral("readButton"))->defaultAction()->trigger();
    if (!waitFor([&] { return lastPart; }, Parts * 4000)) {
        fprintf(stderr, "the read did not complete (%d parts seen)\n", partsSeen);
        return 1;
    }
    const double transferMs = meter.stop();
    auto *mdi = window.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    waitFor([&] { return mdi->subWindowList().size() == 1; }, 30000);
    printf("read %d parts; the GUI stalled at most %.1f ms\n", partsSeen, transferMs);
    mdi->closeAllSubWindows();
    link.closePort();
    sim.terminate();
    sim.waitForFinished(3000);
    settle(200);

    // (b) Opening the largest register in its tab, until it has been painted.
    const int largest = DbManager::instance()->writeLog(QStringLiteral("L_largest"),
                                                        generatedRegister(255 * 255));
    meter.start();
    QTimer::singleShot(20, &window, [&] { window.showLog(uint(largest), "L_largest"); });
    settle(500);
    const double openMs = meter.stop();
    printf("opened 65025 entries; the GUI stalled at most %.1f ms\n", openMs);
    mdi->closeAllSubWindows();
    settle(200);

    // (c) The largest register as PDF, with the window as the parent of the progress shown;
    // then the same export cancelled through its Anuluj after two seconds.
    const QString html = window.reportHtml(largest);
    const QString pdf = dir.filePath(QStringLiteral("largest.pdf"));
    QElapsedTimer pdfClock;
    bool pdfDone = false;
    bool pdfWritten = false;
    meter.start();
    QTimer::singleShot(20, &window, [&] {
        pdfClock.start();
        pdfWritten = ReportPrinter::writePdf(html, pdf, &window);
        pdfDone = true;
        printf("PDF of 65025 entries written in %.2f s: %s, %lld bytes\n",
               pdfClock.nsecsElapsed() / 1e9, pdfWritten ? "whole" : "FAILED",
               static_cast<long long>(QFileInfo(pdf).size()));
    });
    waitFor([&] { return pdfDone; }, 1800000);
    settle(300);
    const double pdfMs = meter.stop();
    if (!pdfWritten) {
        fprintf(stderr, "the PDF export failed: %s\n", qPrintable(ReportPrinter::lastError()));
        return 1;
    }

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    QElapsedTimer cancelClock;
    double cancelMs = -1;
    QTimer::singleShot(2000, &window, [&] {
        if (auto *progress = window.findChild<QProgressDialog *>()) {
            cancelClock.start();
            progress->cancel();
        }
    });
    pdfDone = false;
    QTimer::singleShot(20, &window, [&] {
        ReportPrinter::writePdf(html, cancelled, &window);
        if (cancelClock.isValid())
            cancelMs = cancelClock.nsecsElapsed() / 1e6;
        pdfDone = true;
    });
    waitFor([&] { return pdfDone; }, 1800000);
    printf("Anuluj stopped the export after %.0f ms; file left: %s\n", cancelMs,
           QFileInfo::exists(cancelled) ? "YES" : "no");

    // (d) A sync with the company archive (a throwaway cluster) pushing every record above and
    // 2,000 fault lists, started from the main window's action.
    double syncMs = -1;
    PgCluster server;
    const QString serverError = server.setUp();
    if (serverError.isEmpty()) {
        server.settings(QStringLiteral("tech_a")).save(DbManager::instance());
        for (int i = 0; i < 2000; ++i)
            DbManager::instance()->writeFaults(QStringLiteral("S_%1").arg(i),
                                               generatedRegister(5).append(char(i)));
        ArchiveStatus status;
        bool synced = false;
        QObject::connect(status.runner(), &ArchiveRunner::finished, &status,
                         [&](ArchiveSync::Status, const QString &text, int) {
                             synced = true;
                             printf("%s\n", qPrintable(text));
                         });
        meter.start();
        QTimer::singleShot(20, &status, [&] { status.syncAction()->trigger(); });
        waitFor([&] { return synced; }, 120000);
        settle(200);
        syncMs = meter.stop();
    } else {
        fprintf(stderr, "no archive cluster: %s\n", qPrintable(serverError));
    }

    printf("stall: transfer_max_ms=%.0f open_max_ms=%.0f pdf_max_ms=%.0f sync_max_ms=%.0f "
           "pdf_cancel_ms=%.0f\n",
           transferMs, openMs, pdfMs, syncMs, cancelMs);
    return 0;
}
