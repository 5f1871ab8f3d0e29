// ctest-labels: transfer
// Transfers over the real link: one event-log read at a time, progress, cancel, requests given
// up or lost with the port, the health counters and the traffic log. Against ostrel-sim or a
// silent pseudo-terminal.
#include "ptypair.h"
#include "simprocess.h"

#include "link/linkhealth.h"
#include "link/requesttracker.h"
#include "link/trafficlog.h"
#include "link/usbmanager.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
constexpr int EntriesPerPart = 255;
constexpr int RecordSize = 8;

QByteArray frameOf(Device::COMMAND command, const QByteArray &payload = QByteArray())
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}

const QByteArray ReadFromStart = frameOf(Device::ReadEventLog, QByteArray(2, '\0'));

// A simulator with the link open on it; every delivered event log is kept.
struct Unit
{
    explicit Unit(QStringList arguments) : sim(ostrelSimPath(), arguments)
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

QStringList withEntries(int entries, QStringList more = {})
{
    return QStringList{QStringLiteral("--fast"), QStringLiteral("--log-entries"),
                       QString::number(entries)}
            + more;
}
} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void secondReadIsRefused();
    void progressArrivesInOrder();
    void cancelMidTransferDeliversNothing();
    void silentUnitIsNotAnsweringAndDropsTheRequest();
    void corruptedAnswerIsCounted();
    void trafficLogKeepsTheNewest_data();
    void trafficLogKeepsTheNewest();
    void remainingTime_data();
    void remainingTime();
};

// The double click: the second [0, 0] would interleave its parts with the first.
void TestTransfer::secondReadIsRefused()
{
    Unit unit(withEntries(600));
    QVERIFY(unit.open());
    QVERIFY(unit.link.queueFrame(ReadFromStart));
    QVERIFY(unit.link.transferInProgress());
    QVERIFY(!unit.link.queueFrame(ReadFromStart));
    QTRY_COMPARE_WITH_TIMEOUT(unit.logs.size(), 1, 20000);
    QCOMPARE(unit.logs.first().size(), 600 * RecordSize);
    QVERIFY(!unit.link.transferInProgress());
    // Once it has ended, a new read is taken.
    QVERIFY(unit.link.queueFrame(ReadFromStart));
    QTRY_COMPARE_WITH_TIMEOUT(unit.logs.size(), 2, 20000);
    QVERIFY(!QTest::qWaitFor([&] { return unit.logs.size() > 2; }, 1000));
}

void TestTransfer::progressArrivesInOrder()
{
    const int parts = 6;
    const int entries = parts * EntriesPerPart - 100;
    Unit unit(withEntries(entries));
    QVERIFY(unit.open());
    RequestTracker tracker(&unit.link, nullptr);
    QSignalSpy progress(&tracker, &RequestTracker::signalProgress);
    QSignalSpy finished(&tracker, &RequestTracker::signalFinished);
    QVERIFY(tracker.start(ReadFromStart, Device::EventLogPart));
    QVERIFY(!tracker.start(ReadFromStart, Device::EventLogPart));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().at(0).toInt(), int(RequestTracker::Answered));
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
    QCOMPARE(unit.logs.size(), 1);
}

void TestTransfer::cancelMidTransferDeliversNothing()
{
    const int entries = 20 * EntriesPerPart;
    Unit unit(withEntries(entries));
    QVERIFY(unit.open());
    RequestTracker tracker(&unit.link, nullptr);
    QSignalSpy finished(&tracker, &RequestTracker::signalFinished);
    bool cancelled = false;
    QObject::connect(&tracker, &RequestTracker::signalProgress, &tracker, [&](int part) {
        if (part == 7 && !cancelled) {
            cancelled = true;
            tracker.cancel();
        }
    });
    QVERIFY(tracker.start(ReadFromStart, Device::EventLogPart));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().at(0).toInt(), int(RequestTracker::Cancelled));
    QVERIFY(!unit.link.transferInProgress());
    QTRY_VERIFY_WITH_TIMEOUT(!unit.link.isOutstanding(Device::ReadEventLog), 5000);
    // No further part is asked for and nothing is delivered, even when the unit's last answer
    // comes in after the cancel.
    QVERIFY(!QTest::qWaitFor([&] { return !unit.logs.isEmpty(); }, 1500));

    QVERIFY(tracker.start(ReadFromStart, Device::EventLogPart));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 30000);
    QCOMPARE(finished.last().at(0).toInt(), int(RequestTracker::Answered));
    QCOMPARE(unit.logs.size(), 1);
    QCOMPARE(unit.logs.first().size(), entries * RecordSize);
}

void TestTransfer::silentUnitIsNotAnsweringAndDropsTheRequest()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    USBManager link;
    LinkHealth health(&link);
    QCOMPARE(health.state(), LinkHealth::NoPort);
    QElapsedTimer clock;
    qint64 silentAt = -1;
    connect(&health, &LinkHealth::signalChanged, this, [&] {
        if (silentAt < 0 && health.state() == LinkHealth::NotAnswering)
            silentAt = clock.elapsed();
    });
    QVERIFY(link.openPort(pty.slavePath()));
    clock.start();
    QCOMPARE(health.state(), LinkHealth::Waiting);
    QTRY_VERIFY_WITH_TIMEOUT(silentAt >= 0, 5000);
    QVERIFY2(silentAt <= USBManager::AnswerTimeoutMs + 100, qPrintable(QString::number(silentAt)));

    RequestTracker tracker(&link, nullptr);
    QSignalSpy finished(&tracker, &RequestTracker::signalFinished);
    QVERIFY(tracker.start(frameOf(Device::ReadConfig), Device::ConfigData));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 12000);
    QCOMPARE(finished.first().at(0).toInt(), int(RequestTracker::Dropped));
    QVERIFY(health.dropped() >= 1);
    QVERIFY(health.repeats() >= 2);

    // Counters start again with the next connection.
    link.closePort();
    QCOMPARE(health.state(), LinkHealth::NoPort);
    QVERIFY(link.openPort(pty.slavePath()));
    QCOMPARE(health.dropped(), 0);
    QCOMPARE(health.repeats(), 0);
}

void TestTransfer::corruptedAnswerIsCounted()
{
    Unit unit({QStringLiteral("--fast"), QStringLiteral("--corrupt-every"), QStringLiteral("2")});
    TrafficLog traffic;
    traffic.watch(&unit.link);
    LinkHealth health(&unit.link);
    QVERIFY(unit.open());
    for (int i = 0; i < 4; ++i)
        unit.link.queueFrame(frameOf(Device::ReadClock));
    QTRY_VERIFY_WITH_TIMEOUT(health.rejected() >= 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(health.state(), LinkHealth::Answering, 5000);
    bool rejectedRow = false;
    for (int row = 0; row < traffic.rowCount(); ++row) {
        const QString command = traffic.index(row, TrafficLog::CommandColumn).data().toString();
        rejectedRow = rejectedRow || command.startsWith(QLatin1String("ClockData ("));
    }
    QVERIFY(rejectedRow);
}

void TestTransfer::trafficLogKeepsTheNewest_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("frames");
    QTest::newRow("not full") << 5 << 3;
    QTest::newRow("exactly full") << 5 << 5;
    QTest::newRow("wrapped once") << 5 << 7;
    QTest::newRow("wrapped many times") << 4 << 23;
    QTest::newRow("default capacity") << int(TrafficLog::DefaultCapacity) << 2100;
}

void TestTransfer::trafficLogKeepsTheNewest()
{
    QFETCH(int, capacity);
    QFETCH(int, frames);
    TrafficLog log(nullptr, capacity);
    // The tester checks the whole model on every change: only for the small rings.
    std::unique_ptr<QAbstractItemModelTester> tester;
    if (capacity < 100)
        tester = std::make_unique<QAbstractItemModelTester>(&log);
    const QDateTime start(QDate(2024, 6, 1), QTime(10, 0));
    for (int i = 0; i < frames; ++i)
        log.addFrame(i % 2 == 0, frameOf(Device::ReadClock, QByteArray(1, char(i))), true,
                     start.addMSecs(i));
    const int kept = qMin(capacity, frames);
    QCOMPARE(log.rowCount(), kept);
    for (int row : {0, kept - 1}) {
        const int frame = frames - kept + row;
        QCOMPARE(log.index(row, TrafficLog::TimeColumn).data().toString(),
                 start.addMSecs(frame).toString(QStringLiteral("HH:mm:ss.zzz")));
        QCOMPARE(log.index(row, TrafficLog::CommandColumn).data().toString(),
                 QStringLiteral("ReadClock"));
        QVERIFY(log.index(row, TrafficLog::FrameColumn)
                        .data()
                        .toString()
                        .contains(QString::fromLatin1(QByteArray(1, char(frame)).toHex())));
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
    QTest::newRow("one left") << qint64(9000) << 9 << 10 << qint64(1000);
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
