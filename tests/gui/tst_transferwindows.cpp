// ctest-labels: transfer
// What the technician sees of a transfer: one read per window at a time, the progress strip
// and its cancel, the messages when the unit falls silent or the cable is pulled, the health
// widget, the stale live view and the status bar's rule for raw traffic.
#include "gui/configmanagement.h"
#include "gui/detailsmanagement.h"
#include "gui/eventsmanagement.h"
#include "gui/faultsmanagement.h"
#include "gui/linkhealthwidget.h"
#include "gui/mainwindow.h"
#include "gui/servicemanagement.h"
#include "gui/softwaremanagement.h"
#include "gui/transferprogress.h"
#include "config/modulefactory.h"
#include "fakedialogs.h"
#include "link/linkhealth.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "ptypair.h"
#include "simprocess.h"
#include "store/dbmanager.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr int EntriesPerPart = 255;

QAbstractButton *button(QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(QLatin1String(name));
}

// The stored blobs of one table, oldest first.
QByteArrayList stored(const char *table)
{
    QByteArrayList blobs;
    QSqlQuery query(QStringLiteral("SELECT dane FROM %1 ORDER BY id").arg(table));
    while (query.next())
        blobs << query.value(0).toByteArray();
    return blobs;
}

// The event log window on a link to the simulator with that many log entries.
struct EventsBench
{
    explicit EventsBench(int entries, const QStringList &more = {})
        : sim(ostrelSimPath(), QStringList{QStringLiteral("--fast"), QStringLiteral("--log-entries"),
                                           QString::number(entries)} + more),
          window(&link, nullptr)
    {
        window.show();
    }
    bool open() { return sim.start() && link.openPort(sim.portName()); }

    SimProcess sim;
    USBManager link;
    EventsManagement window;
};

enum Kind { Faults, Software, Config, Service };

std::unique_ptr<QWidget> makeWindow(int kind, USBManager *link)
{
    switch (kind) {
    case Faults: return std::make_unique<FaultsManagement>(link, nullptr);
    case Software: return std::make_unique<SoftwareManagement>(link, nullptr);
    case Config: return std::make_unique<ConfigManagement>(link, nullptr);
    default: return std::make_unique<ServiceManagement>(link, nullptr);
    }
}
} // namespace

class tst_TransferWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void doubleClickStoresOneRegister();
    void cancelMidReadStoresNothing();
    void cablePullSaysWhichTransferWasLost();
    void silentUnit_data();
    void silentUnit();
    void healthWidgetSaysNotAnswering();
    void liveViewIsStaleAfterPortCloses();
    void rawTrafficKeepsTimedMessage();

private:
    QTemporaryDir m_dir;
};

void tst_TransferWindows::initTestCase()
{
    QVERIFY(m_dir.isValid() && DbManager::instance()->openDatabase(m_dir.path()));
    DbManager::instance()->initTables();
    initFaultTextTables();
}

void tst_TransferWindows::init()
{
    for (const char *table : {"PAMIETNIK", "USZKODZENIA", "OPROGRAMOWANIE", "KONFIGURACJA"})
        QSqlQuery().exec(QLatin1String("DELETE FROM ") + QLatin1String(table));
}

void tst_TransferWindows::doubleClickStoresOneRegister()
{
    EventsBench bench(600);
    QVERIFY(bench.open());
    QAbstractButton *read = button(&bench.window, "readButton");
    QTest::mouseClick(read, Qt::LeftButton);
    QTest::mouseClick(read, Qt::LeftButton);
    bench.window.slotRead();
    QTRY_COMPARE_WITH_TIMEOUT(stored("PAMIETNIK").size(), 1, 20000);
    QVERIFY(!QTest::qWaitFor([] { return stored("PAMIETNIK").size() > 1; }, 1500));
    QCOMPARE(stored("PAMIETNIK").first().size(), 600 * 8);
    QVERIFY(read->isEnabled());
}

void tst_TransferWindows::cancelMidReadStoresNothing()
{
    const int parts = 20;
    EventsBench bench(parts * EntriesPerPart);
    USBManager &link = bench.link;
    EventsManagement &window = bench.window;
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QVERIFY(bench.open());
    TransferProgress *strip = window.transferProgress();
    QString seen;
    QString detail;
    const auto cancelAt7 = connect(window.readTracker(), &RequestTracker::signalProgress, &window,
                                   [&](int part) {
                                       if (part != 7)
                                           return;
                                       seen = strip->findChild<QProgressBar *>()->text();
                                       detail = strip->progressText();
                                       button(strip, "transferCancel")->click();
                                   });
    button(&window, "readButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
    QCOMPARE(seen, QStringLiteral("część 7 z 20"));
    QVERIFY2(detail.startsWith(QStringLiteral("wpisów: %1").arg(7 * EntriesPerPart)),
             qPrintable(detail));
    QVERIFY(!strip->isVisible());
    QVERIFY(messages.last().at(0).toString().startsWith(QStringLiteral("Anulowano")));
    // No further part is asked for and nothing is stored, even from a late answer.
    QTRY_VERIFY_WITH_TIMEOUT(!link.isOutstanding(Device::ReadEventLog), 5000);
    QVERIFY(!QTest::qWaitFor([] { return !stored("PAMIETNIK").isEmpty(); }, 1500));

    // The next read runs through to the end.
    disconnect(cancelAt7);
    button(&window, "readButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(stored("PAMIETNIK").size(), 1, 30000);
    QCOMPARE(stored("PAMIETNIK").first().size(), parts * EntriesPerPart * 8);
}

void tst_TransferWindows::cablePullSaysWhichTransferWasLost()
{
    FakeDialogs dialogs;
    EventsBench bench(8 * EntriesPerPart, {"--hangup-after", "3"});
    QVERIFY(bench.open());
    button(&bench.window, "readButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind("warning").size(), 1, 20000);
    const QString text = dialogs.ofKind("warning").first().text;
    QVERIFY2(text.startsWith(QStringLiteral(
                     "Połączenie z urządzeniem zostało przerwane (odczyt rejestru zdarzeń)\n"
                     "Przyczyna: ")) && !text.contains(QLatin1String("Error")),
             qPrintable(text));
    QVERIFY(!bench.window.transferProgress()->isVisible());
    QVERIFY(!QTest::qWaitFor([] { return !stored("PAMIETNIK").isEmpty(); }, 1000));
}

void tst_TransferWindows::silentUnit_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<char>("cancelled"); // the command withdrawn by cancel; 0: left to give up
    QTest::newRow("faults cancelled") << int(Faults) << "readButton" << char(Device::ReadFaults);
    QTest::newRow("software cancelled") << int(Software) << "readButton"
                                        << char(Device::ReadSoftware);
    QTest::newRow("configuration cancelled") << int(Config) << "readButton"
                                             << char(Device::ReadConfig);
    QTest::newRow("event log clear dropped") << int(Service) << "sendAckButton" << char(0);
}

// A request to a silent unit either is cancelled from the busy strip and never written again,
// or is given up with a message; either way the window can be used again. (The reads that are
// given up are covered with the whole program in tst_unitreads.)
void tst_TransferWindows::silentUnit()
{
    QFETCH(int, kind);
    QFETCH(QString, buttonName);
    QFETCH(char, cancelled);
    FakeDialogs dialogs;
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    const auto window = makeWindow(kind, &link);
    window->show();
    QVERIFY(link.openPort(pty.slavePath()));
    QAbstractButton *send = button(window.get(), qPrintable(buttonName));
    QTest::mouseClick(send, Qt::LeftButton);
    QVERIFY(!send->isEnabled());
    if (kind == Config)
        QVERIFY(!button(window.get(), "sendButton")->isEnabled());
    if (!cancelled) {
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind("warning").size(), 1, 14000);
        QVERIFY(dialogs.ofKind("warning").first().text.startsWith(
                QStringLiteral("Urządzenie nie odpowiada\n")));
        QVERIFY(send->isEnabled());
        return;
    }
    QAbstractButton *cancel = nullptr;
    for (auto *candidate : window->findChildren<QPushButton *>(QStringLiteral("transferCancel")))
        cancel = candidate->isVisible() ? candidate : cancel;
    QVERIFY(cancel);
    QVERIFY(!pty.readFrame(3000).isEmpty());
    cancel->click();
    QVERIFY(send->isEnabled());
    const QByteArray later = pty.read(2600, 200);
    QVERIFY2(!later.contains(cancelled), later.toHex().constData());
    QVERIFY(dialogs.ofKind("warning").isEmpty());
}

void tst_TransferWindows::healthWidgetSaysNotAnswering()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    LinkHealthWidget widget(&link);
    QElapsedTimer clock;
    qint64 silentAt = -1;
    // After the widget's own refresh: the text it shows at that moment.
    connect(widget.health(), &LinkHealth::signalChanged, this, [&] {
        if (silentAt < 0 && widget.text().contains(QStringLiteral("Centrala nie odpowiada")))
            silentAt = clock.elapsed();
    });
    QVERIFY(link.openPort(pty.slavePath()));
    clock.start();
    QVERIFY(!widget.text().contains(QStringLiteral("nie odpowiada")));
    QTRY_VERIFY_WITH_TIMEOUT(silentAt >= 0, 5000);
    QVERIFY2(silentAt <= USBManager::AnswerTimeoutMs + 100, qPrintable(QString::number(silentAt)));
    link.closePort();
    QVERIFY(widget.text().contains(QStringLiteral("Brak portu")));
}

void tst_TransferWindows::liveViewIsStaleAfterPortCloses()
{
    SimProcess sim(ostrelSimPath(), {QStringLiteral("--fast")});
    QVERIFY(sim.start());
    USBManager link;
    DetailsManagement window(&link, nullptr);
    window.show();
    auto *mark = window.findChild<QLabel *>(QStringLiteral("labelStale"));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    QVERIFY(link.openPort(sim.portName()));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isLiveStale(), 10000);
    QVERIFY(!mark->isVisible() && table->isEnabled());
    link.closePort();
    QVERIFY(window.isLiveStale());
    QVERIFY(mark->isVisible() && !table->isEnabled());
    QCOMPARE(mark->text(), QStringLiteral("brak danych"));
}

void tst_TransferWindows::rawTrafficKeepsTimedMessage()
{
    MainWindow window;
    QStatusBar *bar = window.statusBar();
    window.slotWriteMessage(QStringLiteral("0200"), 0);
    QCOMPARE(bar->currentMessage(), QStringLiteral("0200"));
    window.slotWriteMessage(QStringLiteral("Anulowano"), 300);
    window.slotWriteMessage(QStringLiteral("02000c"), 0);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Anulowano"));
    // A timed message replaces a timed one; hex shows again once it has expired.
    window.slotWriteMessage(QStringLiteral("Port"), 300);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Port"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->currentMessage().isEmpty(), 3000);
    window.slotWriteMessage(QStringLiteral("0201"), 0);
    QCOMPARE(bar->currentMessage(), QStringLiteral("0201"));
}

QTEST_MAIN(tst_TransferWindows)
#include "tst_transferwindows.moc"
