// ctest-labels: transfer tcp
// Transfers over the real link (ostrel-sim, over a pseudo-terminal and over TCP, or a silent
// pseudo-terminal): progress, one event-log read at a time, requests given up, the health
// counters and the traffic log.
#include "frames.h"
#include "ptypair.h"
#include "simprocess.h"

#include "link/linkhealth.h"
#include "link/requesttracker.h"
#include "link/trafficlog.h"
#include "link/usbmanager.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr int EntriesPerPart = 255;
constexpr int RecordSize = 8;

// A simulator with the link open on it; every delivered event log is kept.
struct Unit
{
    explicit Unit(const QStringList &arguments)
        : sim(ostrelSimPath(), QStringList{QStringLiteral("--fast")} + arguments)
    {
        QObject::connect(&link, &USBManager::signalReceivedPacket, &link,
                         [this](Device::COMMAND command, const QByteArray &payload) {
                             if (command == Device::EventLogPart)
                                 logs << payload;
                         });
    }
    bool open() { return sim.start() && link.openPort(sim.portName()); }

    SimProcess sim;
    USBManager link;
    QByteArrayList logs;
};
} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { addTransportRows(); }
    void init();
    void progressArrivesInOrder();
    void silentUnitDropsTheRequest();
    void corruptedAnswerIsCounted();
    void trafficLogKeepsTheNewest_data();
    void trafficLogKeepsTheNewest();
    void remainingTime_data();
    void remainingTime();
};

void TestTransfer::init()
{
    useTransportRow();
    // Only the simulator's transfers depend on the transport.
    static const QByteArrayList lineAlone{"silentUnitDropsTheRequest", "trafficLogKeepsTheNewest",
                                          "remainingTime"};
    if (isTcpRow() && lineAlone.contains(QTest::currentTestFunction()))
        QSKIP("runs over the pseudo-terminal only");
}

void TestTransfer::progressArrivesInOrder()
{
    const int parts = 6;
    const int entries = parts * EntriesPerPart - 100;
    Unit unit({QStringLiteral("--log-entries"), QString::number(entries)});
    QVERIFY(unit.open());
    RequestTracker tracker(&unit.link, nullptr);
    QSignalSpy progress(&tracker, &RequestTracker::signalProgress);
    QSignalSpy finished(&tracker, &RequestTracker::signalFinished);
    QVERIFY(tracker.start(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart));
    QVERIFY(!tracker.start(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart));
    // The queue itself takes one register read at a time, whoever asks.
    QVERIFY(unit.link.request(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart)
                    ->outcome()
            == LinkReply::Refused);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().at(0).toInt(), int(LinkReply::Answered));
    QCOMPARE(progress.count(), parts);
    int bytes = 0;
    for (int i = 0; i < parts; ++i) {
        QCOMPARE(progress.at(i).at(0).toInt(), i + 1);
        QCOMPARE(progress.at(i).at(1).toInt(), parts);
        QVERIFY(progress.at(i).at(2).toInt() > bytes);
        bytes = progress.at(i).at(2).toInt();
    }
    QCOMPARE(bytes, entries * RecordSize);
    QCOMPARE(progress.last().at(3).toLongLong(), 0);
    // The refused reads never run late.
    QVERIFY(!QTest::qWaitFor([&] { return unit.logs.size() > 1; }, 1000));
}

void TestTransfer::silentUnitDropsTheRequest()
{
    PtyPair pty;
    USBManager link;
    LinkHealth health(&link);
    link.setTimeouts(300, 600000);
    QVERIFY(pty.isValid() && link.openPort(pty.slavePath()));
    QSignalSpy failed(link.request(Device::ReadConfig, QByteArray(), Device::ConfigData),
                      &LinkReply::failed);
    QVERIFY(failed.wait(5000));
    QCOMPARE(health.state(), LinkHealth::NotAnswering);
    QCOMPARE(health.dropped(), 1);
    QCOMPARE(health.repeats(), 2);

    // Counters start again with the next connection.
    link.closePort();
    QVERIFY(link.openPort(pty.slavePath()));
    QCOMPARE(health.dropped(), 0);
    QCOMPARE(health.repeats(), 0);
}

void TestTransfer::corruptedAnswerIsCounted()
{
    Unit unit({QStringLiteral("--corrupt-every"), QStringLiteral("2")});
    TrafficLog traffic;
    traffic.watch(&unit.link);
    LinkHealth health(&unit.link);
    QVERIFY(unit.open());
    for (int i = 0; i < 4; ++i)
        unit.link.queueFrame(frameOf(Device::ReadClock));
    QTRY_VERIFY_WITH_TIMEOUT(health.rejected() >= 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(health.state(), LinkHealth::Answering, 5000);
    // The rejected frame is in the traffic log with the reason after its name.
    QVERIFY(!traffic.match(traffic.index(0, TrafficLog::CommandColumn), Qt::DisplayRole,
                           QStringLiteral("ClockData ("), 1, Qt::MatchStartsWith).isEmpty());
}

void TestTransfer::trafficLogKeepsTheNewest_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("frames");
    QTest::newRow("not full") << 5 << 3;
    QTest::newRow("exactly full") << 5 << 5;
    QTest::newRow("wrapped once") << 5 << 7;
    QTest::newRow("wrapped many times") << 4 << 23;
}

void TestTransfer::trafficLogKeepsTheNewest()
{
    QFETCH(int, capacity);
    QFETCH(int, frames);
    TrafficLog log(nullptr, capacity);
    QAbstractItemModelTester tester(&log);
    const QDateTime start(QDate(2024, 6, 1), QTime(10, 0));
    for (int i = 0; i < frames; ++i)
        log.addFrame(i % 2 == 0, frameOf(Device::ReadClock, QByteArray(1, char(i))), true,
                     start.addMSecs(i));
    const int kept = qMin(capacity, frames);
    QCOMPARE(log.rowCount(), kept);
    for (int row : {0, kept - 1}) {
        const int frame = frames - kept + row;
        QVERIFY(log.index(row, TrafficLog::FrameColumn).data().toString().contains(
                QString::fromLatin1(QByteArray(1, char(frame)).toHex())));
    }
    log.clear();
    QCOMPARE(log.rowCount(), 0);
}

void TestTransfer::remainingTime_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("remaining");
    QTest::newRow("nothing yet") << qint64(500) << 0 << 10 << qint64(-1);
    QTest::newRow("a quarter") << qint64(4000) << 16 << 64 << qint64(12000);
    QTest::newRow("done") << qint64(9000) << 10 << 10 << qint64(0);
}

void TestTransfer::remainingTime()
{
    QFETCH(qint64, elapsed);
    QFETCH(int, done);
    QFETCH(int, count);
    QFETCH(qint64, remaining);
    QCOMPARE(RequestTracker::remainingMs(elapsed, done, count), remaining);
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
