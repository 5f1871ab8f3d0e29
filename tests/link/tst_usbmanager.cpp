// ctest-labels: transfer
#include "link/usbmanager.h"

#include "link/linkhealth.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/trafficlog.h"

#include "frames.h"
#include "ptypair.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Command and payload of a request the link wrote, as "44 0301".
QByteArray request(const QByteArray &frame)
{
    return frame.mid(4, 1).toHex() + ' ' + frame.mid(5, frame.size() - 6).toHex();
}

// The test plays the unit on the master side of a pseudo-terminal; the link opens the slave.
struct Fixture
{
    Fixture() { QVERIFY(link.openPort(pty.slavePath())); }

    // Command and payload of the i-th delivered answer, as "47 18030f0c1e00".
    QByteArray packet(int i) const
    {
        return QByteArray::number(packets.at(i).at(0).value<Device::COMMAND>(), 16) + ' '
               + packets.at(i).at(1).toByteArray().toHex();
    }

    PtyPair pty;
    USBManager link;
    QSignalSpy packets{&link, &USBManager::signalReceivedPacket};
    QSignalSpy messages{&link, &USBManager::signalWriteMessage};
};
} // namespace

class TestUsbManager : public QObject
{
    Q_OBJECT
private slots:
    void repeatsKeepAliveAndCablePull();
    void eventLogInThreeParts();
    void replyEnds_data();
    void replyEnds();
    void silentUnitDropsTheRequest();
    void trafficLogKeepsTheNewest_data();
    void trafficLogKeepsTheNewest();
    void remainingTime();
};

// An unanswered request is written three times one answer time-out apart and then dropped for
// the next one; once the queue is empty the link polls the clock every keep-alive period, until a
// cable pull. (The product's periods are 2000 ms; the test runs the same code on 500 ms.)
void TestUsbManager::repeatsKeepAliveAndCablePull()
{
    constexpr int Period = 500;
    Fixture f;
    f.link.setTimeouts(Period, Period);
    QSignalSpy closed(&f.link, &USBManager::signalUsbPortClosed);
    QCOMPARE(f.messages.at(0), QVariantList({"Port został otwarty. Próba komunikacji z "
                                             "urządzeniem na porcie " + f.pty.slavePath(), 5000}));
    // The notice is emitted with the queue unlocked: a slot may use the link right away.
    QList<int> queuedAtNotice;
    QObject::connect(&f.link, &USBManager::signalWriteMessage, &f.link, [&](const QString &text) {
        if (text == QStringLiteral("Brak odpowiedzi na ramkę. Ponowna próba połączenia..."))
            queuedAtNotice << f.link.queuedCount();
    });
    f.link.queueFrame(frameOf(Device::ReadConfig));
    f.link.queueFrame(frameOf(Device::ReadFaults, QByteArray(2, '\0')));
    const QByteArray clockData = QByteArray::fromHex("18030f0c1e00");
    QElapsedTimer clock;
    clock.start();
    QList<qint64> writtenAt;
    QByteArrayList frames;
    for (const char *expected : {"40 01", "40 01", "40 01", "42 0000", "46 01", "46 01"}) {
        frames << f.pty.readFrame(3000);
        writtenAt << clock.elapsed();
        QCOMPARE(request(frames.last()), QByteArray(expected));
        if (frames.size() > 3) {
            QVERIFY(f.pty.write(frameOf(Device::ClockData, clockData)));
            QTRY_COMPARE(f.packets.count(), frames.size() - 3);
            QCOMPARE(f.packet(frames.size() - 4), "47 " + clockData.toHex());
            QCOMPARE(f.link.queuedCount(), 0);
        }
    }
    QCOMPARE(queuedAtNotice, QList<int>({2, 2, 1}));
    // A repeat is the same frame; every poll is a fresh one.
    QVERIFY(frames[0] == frames[2] && frames[4] != frames[5]);
    for (int i = 1; i < writtenAt.size(); ++i) {
        // The first poll comes within one period of the queue running empty.
        const qint64 gap = writtenAt.at(i) - writtenAt.at(i - 1);
        QVERIFY2(gap >= (i == 4 ? 0 : Period * 4 / 5) && gap <= Period * 2,
                 qPrintable(QString::number(gap)));
    }

    f.pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 5000);
    QVERIFY(!f.link.isOpen());
    const QString error = f.messages.last().at(0).toString();
    // In words: the error's enum name is for the log.
    QVERIFY2(error.startsWith("Port zamknięty: ") && !error.contains("Error")
                     && f.messages.last().at(1) == 5000,
             qPrintable(error));
    QVERIFY(!QTest::qWaitFor([&] { return f.link.queuedCount() > 0; }, 2 * Period)); // no polls
    f.link.closePort(); // again: harmless, nothing new
    QCOMPARE(closed.count(), 1);
}

void TestUsbManager::eventLogInThreeParts()
{
    Fixture f;
    f.link.queueFrame(frameOf(Device::ReadEventLog, QByteArray(2, '\0')));
    const char *parts[] = {"a1a2a3", "b1", "c1c2"};
    const char *requests[] = {"44 0000", "44 0301", "44 0302"};
    for (int index = 0; index < 3; ++index) {
        QCOMPARE(request(f.pty.readFrame(1500)), QByteArray(requests[index]));
        QCOMPARE(f.packets.count(), 0);
        const QByteArray part = QByteArray(1, 3) + char(index) + QByteArray::fromHex(parts[index]);
        QVERIFY(f.pty.write(frameOf(Device::EventLogPart, part)));
    }
    QTRY_COMPARE(f.packets.count(), 1);
    QCOMPARE(f.packet(0), QByteArray("45 a1a2a3b1c1c2"));
    // The transfer is closed by a request for part index == count, which delivers nothing.
    QCOMPARE(request(f.pty.readFrame(1500)), QByteArray("44 0303"));
    QCOMPARE(f.packets.count(), 1);
}

// Every request ends exactly once, and only the one who asked gets the answer.
void TestUsbManager::replyEnds_data()
{
    QTest::addColumn<QString>("unit"); // what the unit (or the technician) does
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("published"); // answers on the link's own signal
    QTest::newRow("answers") << "answer" << int(LinkReply::Answered) << 1;
    QTest::newRow("answers another command") << "wrong" << int(LinkReply::Unexpected) << 1;
    QTest::newRow("stays silent") << "silent" << int(LinkReply::Dropped) << 0;
    QTest::newRow("answers after the request was given up") << "late" << int(LinkReply::Dropped)
                                                            << 1;
    QTest::newRow("cancelled while on the wire") << "cancel" << int(LinkReply::Cancelled) << 0;
    QTest::newRow("cable pulled") << "pull" << int(LinkReply::PortLost) << 0;
    QTest::newRow("second reading of the kind") << "twice" << int(LinkReply::Refused) << 1;
    QTest::newRow("port closed before") << "closed" << int(LinkReply::PortLost) << 0;
}

void TestUsbManager::replyEnds()
{
    QFETCH(QString, unit);
    QFETCH(int, outcome);
    QFETCH(int, published);
    Fixture f;
    f.link.setTimeouts(300, 600000);
    if (unit == "closed")
        f.link.closePort();
    const QByteArray image = QByteArray::fromHex("0102030405");
    QPointer<LinkReply> first = f.link.request(Device::ReadConfig, QByteArray(), Device::ConfigData);
    QPointer<LinkReply> reply = first;
    if (unit == "twice")
        reply = f.link.request(Device::ReadConfig, QByteArray(), Device::ConfigData);
    QSignalSpy finished(reply.data(), &LinkReply::finished);
    QSignalSpy failed(reply.data(), &LinkReply::failed);
    if (unit != "closed")
        QCOMPARE(request(f.pty.readFrame(1500)), QByteArray("40 01"));
    if (unit == "answer" || unit == "twice")
        QVERIFY(f.pty.write(frameOf(Device::ConfigData, image)));
    else if (unit == "wrong")
        QVERIFY(f.pty.write(frameOf(Device::FaultsData, image)));
    else if (unit == "cancel")
        reply->cancel();
    else if (unit == "pull")
        f.pty.closeMaster();
    if (unit == "cancel")
        QVERIFY(f.pty.write(frameOf(Device::ConfigData, image)));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count() + failed.count(), 1, 3000);
    if (unit == "late")
        QVERIFY(f.pty.write(frameOf(Device::ConfigData, image)));
    QTest::qWait(400); // nothing more comes
    QCOMPARE(finished.count() + failed.count(), 1);
    QCOMPARE(finished.isEmpty() ? failed.at(0).at(0).toInt() : int(LinkReply::Answered),
             outcome);
    if (outcome == LinkReply::Answered)
        QCOMPARE(finished.at(0).at(0).toByteArray(), image);
    QCOMPARE(f.packets.count(), published);
    QTRY_VERIFY(reply.isNull()); // a reply cleans up after itself
}

void TestUsbManager::silentUnitDropsTheRequest()
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

void TestUsbManager::trafficLogKeepsTheNewest_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("frames");
    QTest::newRow("not full") << 5 << 3;
    QTest::newRow("exactly full") << 5 << 5;
    QTest::newRow("wrapped once") << 5 << 7;
    QTest::newRow("wrapped many times") << 4 << 23;
}

void TestUsbManager::trafficLogKeepsTheNewest()
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

// Time left of a transfer from the parts done so far; unknown before the first.
void TestUsbManager::remainingTime()
{
    QCOMPARE(RequestTracker::remainingMs(500, 0, 10), qint64(-1));
    QCOMPARE(RequestTracker::remainingMs(4000, 16, 64), qint64(12000));
    QCOMPARE(RequestTracker::remainingMs(9000, 10, 10), qint64(0));
}

QTEST_GUILESS_MAIN(TestUsbManager)
#include "tst_usbmanager.moc"
