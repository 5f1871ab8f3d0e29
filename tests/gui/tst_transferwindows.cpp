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
#include "gui/timemanagement.h"
#include "gui/transferprogress.h"
#include "config/modulefactory.h"
#include "fakedialogs.h"
#include "link/linkhealth.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "ptypair.h"
#include "simprocess.h"
#include "store/dbmanager.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
constexpr int EntriesPerPart = 255;

QAction *action(QWidget *window, const char *button)
{
    return window->findChild<QToolButton *>(QLatin1String(button))->defaultAction();
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

QStringList simArguments(int entries, const QStringList &more = {})
{
    return QStringList{QStringLiteral("--fast"), QStringLiteral("--log-entries"),
                       QString::number(entries)}
            + more;
}

std::unique_ptr<QWidget> makeReader(int kind, USBManager *link)
{
    if (kind == 0)
        return std::make_unique<FaultsManagement>(link, nullptr);
    if (kind == 1)
        return std::make_unique<SoftwareManagement>(link, nullptr);
    return std::make_unique<ConfigManagement>(link, nullptr);
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
    void busyWindowCancelsWhileUnitIsSilent_data();
    void busyWindowCancelsWhileUnitIsSilent();
    void cablePullSaysWhichTransferWasLost();
    void silentUnitIsReportedByTheWindow_data();
    void silentUnitIsReportedByTheWindow();
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
    SimProcess sim(ostrelSimPath(), simArguments(600));
    QVERIFY(sim.start());
    USBManager link;
    EventsManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(sim.portName()));
    auto *button = window.findChild<QToolButton *>(QStringLiteral("readButton"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->defaultAction()->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    window.slotRead();
    auto *mdi = window.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    QTRY_COMPARE_WITH_TIMEOUT(mdi->subWindowList().size(), 1, 20000);
    QVERIFY(!QTest::qWaitFor([&] { return mdi->subWindowList().size() > 1; }, 1500));
    const QByteArrayList registers = stored("PAMIETNIK");
    QCOMPARE(registers.size(), 1);
    QCOMPARE(registers.first().size(), 600 * 8);
    QVERIFY(button->defaultAction()->isEnabled());
}

void tst_TransferWindows::cancelMidReadStoresNothing()
{
    const int parts = 20;
    SimProcess sim(ostrelSimPath(), simArguments(parts * EntriesPerPart));
    QVERIFY(sim.start());
    USBManager link;
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    EventsManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(sim.portName()));
    TransferProgress *strip = window.transferProgress();
    auto *bar = strip->findChild<QProgressBar *>();
    auto *cancel = strip->findChild<QPushButton *>(QStringLiteral("transferCancel"));
    QString seen;
    QString detail;
    connect(window.readTracker(), &RequestTracker::signalProgress, &window, [&](int part) {
        if (part != 7)
            return;
        seen = bar->text();
        detail = strip->progressText();
        QVERIFY(strip->isVisible());
        cancel->click();
    });
    action(&window, "readButton")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
    QCOMPARE(seen, QStringLiteral("część 7 z 20"));
    QVERIFY2(detail.startsWith(QStringLiteral("wpisów: %1").arg(7 * EntriesPerPart)),
             qPrintable(detail));
    QVERIFY(!strip->isVisible());
    QVERIFY(action(&window, "readButton")->isEnabled());
    QVERIFY(messages.last().at(0).toString().startsWith(QStringLiteral("Anulowano")));
    QVERIFY(!QTest::qWaitFor([] { return !stored("PAMIETNIK").isEmpty(); }, 1500));

    // The next read runs through to the end.
    QVERIFY(disconnect(window.readTracker(), &RequestTracker::signalProgress, &window, nullptr));
    action(&window, "readButton")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(stored("PAMIETNIK").size(), 1, 30000);
    QCOMPARE(stored("PAMIETNIK").first().size(), parts * EntriesPerPart * 8);
}

void tst_TransferWindows::busyWindowCancelsWhileUnitIsSilent_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("faults") << 0;
    QTest::newRow("software") << 1;
    QTest::newRow("configuration") << 2;
}

// Every request that takes longer than one answer shows the busy strip and can be cancelled.
void tst_TransferWindows::busyWindowCancelsWhileUnitIsSilent()
{
    QFETCH(int, kind);
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    const auto window = makeReader(kind, &link);
    window->show();
    QVERIFY(link.openPort(pty.slavePath()));
    QAction *read = action(window.get(), "readButton");
    read->trigger();
    QVERIFY(!read->isEnabled());
    if (kind == 2)
        QVERIFY(!action(window.get(), "sendButton")->isEnabled());
    QPushButton *cancel = nullptr;
    for (auto *button : window->findChildren<QPushButton *>(QStringLiteral("transferCancel"))) {
        if (button->isVisible())
            cancel = button;
    }
    QVERIFY(cancel);
    QVERIFY(!pty.readFrame(3000).isEmpty());
    cancel->click();
    QVERIFY(read->isEnabled());
    // Withdrawn: not written again after the answer time-out.
    const QByteArray later = pty.read(2600, 200);
    QVERIFY2(!later.contains(char(kind == 0   ? Device::ReadFaults
                                  : kind == 1 ? Device::ReadSoftware
                                              : Device::ReadConfig)),
             later.toHex().constData());
}

void tst_TransferWindows::cablePullSaysWhichTransferWasLost()
{
    FakeDialogs dialogs;
    SimProcess sim(ostrelSimPath(), simArguments(8 * EntriesPerPart, {"--hangup-after", "3"}));
    QVERIFY(sim.start());
    USBManager link;
    EventsManagement window(&link, nullptr);
    window.show();
    QVERIFY(link.openPort(sim.portName()));
    action(&window, "readButton")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind("warning").size(), 1, 20000);
    const QString text = dialogs.ofKind("warning").first().text;
    QVERIFY2(text.startsWith(QStringLiteral(
                     "Połączenie z urządzeniem zostało przerwane (odczyt rejestru zdarzeń)\n"
                     "Przyczyna: ")),
             qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("Error)")), qPrintable(text));
    QVERIFY(!window.transferProgress()->isVisible());
    QVERIFY(!QTest::qWaitFor([] { return !stored("PAMIETNIK").isEmpty(); }, 1000));
}

void tst_TransferWindows::silentUnitIsReportedByTheWindow_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("faults read") << 0;
    QTest::newRow("event log clear") << 1;
    QTest::newRow("clock read") << 2;
}

void tst_TransferWindows::silentUnitIsReportedByTheWindow()
{
    QFETCH(int, kind);
    FakeDialogs dialogs;
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    std::unique_ptr<QWidget> window;
    QAbstractButton *button = nullptr;
    if (kind == 0) {
        window = std::make_unique<FaultsManagement>(&link, nullptr);
        button = window->findChild<QToolButton *>(QStringLiteral("readButton"));
    } else {
        if (kind == 1)
            window = std::make_unique<ServiceManagement>(&link, nullptr);
        else
            window = std::make_unique<TimeManagement>(&link, nullptr);
        button = window->findChild<QPushButton *>(
                QLatin1String(kind == 1 ? "sendAckButton" : "readTimeButton"));
    }
    window->show();
    QVERIFY(link.openPort(pty.slavePath()));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.ofKind("warning").size(), 1, 14000);
    QVERIFY(dialogs.ofKind("warning").first().text.startsWith(
            QStringLiteral("Urządzenie nie odpowiada\n")));
    QVERIFY(button->isEnabled());
}

void tst_TransferWindows::healthWidgetSaysNotAnswering()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    LinkHealthWidget widget(&link);
    QVERIFY(widget.text().contains(QStringLiteral("Brak portu")));
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
    QVERIFY(mark->isVisible());
    QVERIFY(link.openPort(sim.portName()));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isLiveStale(), 10000);
    QVERIFY(!mark->isVisible());
    QVERIFY(table->isEnabled());
    link.closePort();
    QVERIFY(window.isLiveStale());
    QVERIFY(mark->isVisible());
    QCOMPARE(mark->text(), QStringLiteral("brak danych"));
    QVERIFY(!table->isEnabled());
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
    // A timed message replaces a timed one.
    window.slotWriteMessage(QStringLiteral("Port"), 300);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Port"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->currentMessage().isEmpty(), 3000);
    window.slotWriteMessage(QStringLiteral("0201"), 0);
    QCOMPARE(bar->currentMessage(), QStringLiteral("0201"));
}

QTEST_MAIN(tst_TransferWindows)
#include "tst_transferwindows.moc"
