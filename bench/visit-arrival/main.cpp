// The arrival reading of a service visit without the event register (clock, configuration,
// faults, software versions), from the simulated unit paced at the real 19200 baud 8N1 byte
// rate, through the whole main window — its tabs, their timers and the link's idle polls
// included — as the technician's click on "arrival" starts it, stored in a real SQLite file. The
// wire time is what every byte of its requests and answers needs at 1920 bytes/s; the figure is
// the reading's time from the click to the stored records over that wire time.
#include "gui/mainwindow.h"
#include "gui/startup.h"
#include "gui/visitsmanagement.h"
#include "gui/visitwindow.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"
#include "visits/visitsession.h"
#include "visits/visitstore.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double BytesPerSecond = 1920.0;
bool s_counting = false;
qint64 s_bytes = 0;

// The link logs every frame it writes ("OUT:") and every frame it assembles ("IN: ").
void countFrames(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!s_counting)
        return;
    if (message.startsWith(QLatin1String("OUT:")) || message.startsWith(QLatin1String("IN: ")))
        s_bytes += QByteArray::fromHex(message.mid(4).toLatin1()).size();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString preset =
            argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("smoke-vent");
    const QString simPath = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                     : QStringLiteral(OSTREL_SIM_PATH);
    QTemporaryDir dir;
    if (!dir.isValid() || !openLocalStore(dir.path())) {
        fprintf(stderr, "cannot open a store\n");
        return 1;
    }

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(simPath, {"--preset", preset});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        fprintf(stderr, "cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    qInstallMessageHandler(countFrames);
    MainWindow window;
    window.show();
    USBManager &link = *window.usbManager();
    if (!link.openPort(port)) {
        fprintf(stderr, "cannot open %s\n", qPrintable(port));
        return 1;
    }
    // A visit of its own, open on the visits tab as the technician sees it.
    VisitsManagement *visits = window.visitsManagement();
    VisitStore *store = visits->store();
    Site site;
    site.name = QStringLiteral("Bench");
    Unit unit;
    unit.siteId = store->saveSite(site);
    unit.label = QStringLiteral("Bench");
    unit.id = store->saveUnit(unit);
    Visit visit;
    visit.unitId = unit.id;
    visit.started = QDateTime::currentDateTime();
    visits->openVisit(store->startVisit(visit));
    window.findChild<QTabWidget *>()->setCurrentWidget(visits);
    VisitSession &session = *visits->visitWindow()->session();
    auto *arrival = visits->visitWindow()->findChild<QPushButton *>(QStringLiteral("arrivalButton"));
    QElapsedTimer clock;
    qint64 elapsedNs = 0;
    int result = 0;
    QObject::connect(&session, &VisitSession::signalReadingDone, &app, [&] {
        elapsedNs = clock.nsecsElapsed();
        s_counting = false;
        QCoreApplication::quit();
    });
    QObject::connect(&session, &VisitSession::signalReadingFailed, &app, [&](const QString &why) {
        fprintf(stderr, "reading failed: %s\n", qPrintable(why));
        result = 1;
        QCoreApplication::quit();
    });
    // Starts right after an answer to the idle clock poll, as a technician's click would land on
    // an idle link.
    QObject::connect(&link, &USBManager::signalUnitClock, &app, [&] {
        if (clock.isValid())
            return;
        clock.start();
        s_counting = true;
        arrival->click();
        if (!session.isRunning()) {
            fprintf(stderr, "the arrival reading did not start\n");
            result = 1;
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(60000, &app, [&] {
        fprintf(stderr, "timed out\n");
        result = 1;
        QCoreApplication::quit();
    });
    app.exec();
    link.closePort();
    sim.terminate();
    sim.waitForFinished(3000);
    if (result != 0)
        return result;
    const double achieved = elapsedNs / 1e9;
    const double wire = s_bytes / BytesPerSecond;
    printf("visit arrival (%s): bytes=%lld achieved_s=%.3f wire_s=%.3f ratio=%.3f\n",
           qPrintable(preset), s_bytes, achieved, wire, achieved / wire);
    return 0;
}
