#include "link/usbmanager.h"

#include "ptypair.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QString noAnswerText = QStringLiteral("Brak odpowiedzi na ramkę. Ponowna próba połączenia...");

QByteArray frameFor(Device::COMMAND command, const QByteArray &payload = QByteArray())
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}

int commandOf(const QByteArray &frame)
{
    return frame.size() > 4 ? quint8(frame.at(4)) : -1;
}

QByteArray payloadOf(const QByteArray &frame)
{
    return frame.size() > 6 ? frame.mid(5, frame.size() - 6) : QByteArray();
}

// Writes the bytes as the unit and waits until the link reports having read exactly them, so
// that the next write reaches it as a read of its own.
bool writeAndWaitForRead(PtyPair &pty, QSignalSpy &messages, const QByteArray &bytes)
{
    messages.clear();
    if (!pty.write(bytes))
        return false;
    const QString hex = QString::fromLatin1(bytes.toHex());
    QElapsedTimer timer;
    timer.start();
    int seen = 0;
    while (timer.elapsed() < 2000) {
        for (; seen < messages.size(); ++seen) {
            if (messages.at(seen).at(0).toString() == hex && messages.at(seen).at(1).toInt() == 0)
                return true;
        }
        messages.wait(20);
    }
    return false;
}

int countText(const QSignalSpy &messages, const QString &text)
{
    int count = 0;
    for (const QList<QVariant> &args : messages)
        count += args.at(0).toString() == text ? 1 : 0;
    return count;
}
} // namespace

class TestUsbManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void openFailureEmitsNothing();
    void unansweredRequestIsWrittenThreeTimes();
    void keepAliveReadsTheClock();
    void eventLogInThreeParts();
    void splitAnswerIsDeliveredOnce_data();
    void splitAnswerIsDeliveredOnce();
    void badInputDeliversNothing_data();
    void badInputDeliversNothing();
    void cablePullClosesThePort();
};

void TestUsbManager::initTestCase()
{
    qRegisterMetaType<Device::COMMAND>("Device::COMMAND");
    PtyPair probe;
    if (!probe.isValid())
        QSKIP("no pseudo-terminals on this machine");
}

void TestUsbManager::openFailureEmitsNothing()
{
    USBManager link;
    QSignalSpy opened(&link, &USBManager::signalUsbPortOpened);
    QSignalSpy closed(&link, &USBManager::signalUsbPortClosed);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);

    QVERIFY(!link.openPort(QStringLiteral("/dev/ostrel-no-such-port")));
    QVERIFY(!link.openPort(QStringLiteral("/dev/ostrel-no-such-port")));
    QCoreApplication::processEvents();
    QVERIFY(!link.isOpen());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(packets.count(), 0);

    // The object kept for the next attempt opens a real port.
    PtyPair pty;
    QVERIFY(link.openPort(pty.slavePath()));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).toString(),
             QStringLiteral("Port został otwarty. Próba komunikacji z urządzeniem na porcie ")
                     + pty.slavePath());
    QCOMPARE(messages.at(0).at(1).toInt(), 5000);
    link.closePort();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!link.isOpen());
}

void TestUsbManager::unansweredRequestIsWrittenThreeTimes()
{
    PtyPair pty;
    USBManager link;
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QVERIFY(link.openPort(pty.slavePath()));
    const QByteArray first = frameFor(Device::ReadConfig);
    const QByteArray second = frameFor(Device::ReadFaults, QByteArray(2, '\0'));
    link.queueFrame(first);
    link.queueFrame(second);

    QElapsedTimer clock;
    clock.start();
    QList<qint64> writtenAt;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QByteArray frame = pty.readFrame(3000);
        QCOMPARE(frame.toHex(' '), first.toHex(' '));
        writtenAt << clock.elapsed();
    }
    QCOMPARE(countText(messages, noAnswerText), 2);

    const QByteArray next = pty.readFrame(3000);
    QCOMPARE(next.toHex(' '), second.toHex(' '));
    writtenAt << clock.elapsed();
    QCOMPARE(countText(messages, noAnswerText), 3);
    QCOMPARE(link.queuedCount(), 1);

    for (int i = 1; i < writtenAt.size(); ++i) {
        const qint64 gap = writtenAt.at(i) - writtenAt.at(i - 1);
        QVERIFY2(gap >= 1800 && gap <= 2600, qPrintable(QString::number(gap)));
    }
    QCOMPARE(packets.count(), 0);
}

void TestUsbManager::keepAliveReadsTheClock()
{
    PtyPair pty;
    USBManager link;
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(link.openPort(pty.slavePath()));

    const QByteArray clockData = QByteArray::fromHex("18030f0c1e00");
    QList<qint64> writtenAt;
    QList<quint8> sequences;
    for (int i = 0; i < 2; ++i) {
        const QByteArray frame = pty.readFrame(3000);
        writtenAt << clock.elapsed();
        QCOMPARE(commandOf(frame), int(Device::ReadClock));
        QCOMPARE(payloadOf(frame), QByteArray::fromHex("01"));
        sequences << quint8(frame.at(3));
        QVERIFY(pty.write(frameFor(Device::ClockData, clockData)));
        QTRY_COMPARE(packets.count(), i + 1);
        QCOMPARE(packets.last().at(0).value<Device::COMMAND>(), Device::ClockData);
        QCOMPARE(packets.last().at(1).toByteArray(), clockData);
        QCOMPARE(link.queuedCount(), 0);
    }
    // Idle for one period first, then one fresh request per period.
    QVERIFY2(writtenAt.at(0) >= 1800 && writtenAt.at(0) <= 2600,
             qPrintable(QString::number(writtenAt.at(0))));
    const qint64 gap = writtenAt.at(1) - writtenAt.at(0);
    QVERIFY2(gap >= 1600 && gap <= 2600, qPrintable(QString::number(gap)));
    QVERIFY(sequences.at(0) != sequences.at(1));

    // No keep-alive once the port is closed.
    link.closePort();
    QVERIFY(pty.readFrame(2500).isEmpty());
}

void TestUsbManager::eventLogInThreeParts()
{
    PtyPair pty;
    USBManager link;
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QVERIFY(link.openPort(pty.slavePath()));
    link.queueFrame(frameFor(Device::ReadEventLog, QByteArray(2, '\0')));

    const QByteArray parts[] = {QByteArray::fromHex("a1a2a3"), QByteArray::fromHex("b1"),
                                QByteArray::fromHex("c1c2")};
    const QByteArray requests[] = {QByteArray::fromHex("0000"), QByteArray::fromHex("0301"),
                                   QByteArray::fromHex("0302")};
    for (int index = 0; index < 3; ++index) {
        const QByteArray request = pty.readFrame(1500);
        QCOMPARE(commandOf(request), int(Device::ReadEventLog));
        QCOMPARE(payloadOf(request).toHex(), requests[index].toHex());
        QCOMPARE(packets.count(), 0);
        QByteArray answer;
        answer.append(char(3)).append(char(index)).append(parts[index]);
        QVERIFY(pty.write(frameFor(Device::EventLogPart, answer)));
    }
    QTRY_COMPARE(packets.count(), 1);
    QCOMPARE(packets.at(0).at(0).value<Device::COMMAND>(), Device::EventLogPart);
    QCOMPARE(packets.at(0).at(1).toByteArray().toHex(), QByteArray("a1a2a3b1c1c2"));

    // The transfer is closed by a request for part index == count.
    const QByteArray closing = pty.readFrame(1500);
    QCOMPARE(commandOf(closing), int(Device::ReadEventLog));
    QCOMPARE(payloadOf(closing).toHex(), QByteArray("0303"));
    QCOMPARE(packets.count(), 1);
}

void TestUsbManager::splitAnswerIsDeliveredOnce_data()
{
    QTest::addColumn<int>("chunk");
    QTest::newRow("one byte per read") << 1;
    QTest::newRow("header split") << 2;
    QTest::newRow("odd chunks") << 7;
}

void TestUsbManager::splitAnswerIsDeliveredOnce()
{
    QFETCH(int, chunk);
    PtyPair pty;
    USBManager link;
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QVERIFY(link.openPort(pty.slavePath()));
    link.queueFrame(frameFor(Device::ReadConfig));
    QCOMPARE(commandOf(pty.readFrame(1500)), int(Device::ReadConfig));

    QByteArray image;
    for (int i = 0; i < 40; ++i)
        image.append(char(0xF0 - i));
    const QByteArray answer = frameFor(Device::ConfigData, image);
    for (int at = 0; at < answer.size(); at += chunk) {
        QCOMPARE(packets.count(), 0);
        const QByteArray piece = answer.mid(at, chunk);
        QVERIFY(writeAndWaitForRead(pty, messages, piece));
    }
    QCOMPARE(packets.count(), 1);
    QCOMPARE(packets.at(0).at(0).value<Device::COMMAND>(), Device::ConfigData);
    QCOMPARE(packets.at(0).at(1).toByteArray(), image);
    QCOMPARE(link.queuedCount(), 0);
}

void TestUsbManager::badInputDeliversNothing_data()
{
    QTest::addColumn<QByteArray>("bad");

    const QByteArray clockData = QByteArray::fromHex("18030f0c1e00");
    QByteArray badCrc = frameFor(Device::ClockData, clockData);
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x01);
    QByteArray badPayload = frameFor(Device::ClockData, clockData);
    badPayload[6] = char(badPayload.at(6) ^ 0x40);
    QByteArray oversize = QByteArray::fromHex("020801");
    oversize.append(QByteArray(40, char(0x55)));

    QTest::newRow("garbage") << QByteArray("hello\xff\x00\x7f", 8);
    QTest::newRow("bad CRC") << badCrc;
    QTest::newRow("corrupted payload byte") << badPayload;
    QTest::newRow("oversize length") << oversize;
}

void TestUsbManager::badInputDeliversNothing()
{
    QFETCH(QByteArray, bad);
    PtyPair pty;
    USBManager link;
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QVERIFY(link.openPort(pty.slavePath()));
    link.queueFrame(frameFor(Device::ReadClock));
    QCOMPARE(commandOf(pty.readFrame(1500)), int(Device::ReadClock));

    QVERIFY(writeAndWaitForRead(pty, messages, bad));
    QCOMPARE(packets.count(), 0);
    // Still awaiting its answer: the bad bytes did not count as one.
    QCOMPARE(link.queuedCount(), 1);

    // The link recovers at once: the next good answer is delivered, exactly once.
    const QByteArray clockData = QByteArray::fromHex("18030f0c1e01");
    QVERIFY(pty.write(frameFor(Device::ClockData, clockData)));
    QTRY_COMPARE(packets.count(), 1);
    QCOMPARE(packets.at(0).at(1).toByteArray(), clockData);
    QCOMPARE(link.queuedCount(), 0);
}

void TestUsbManager::cablePullClosesThePort()
{
    PtyPair pty;
    USBManager link;
    QSignalSpy closed(&link, &USBManager::signalUsbPortClosed);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QVERIFY(link.openPort(pty.slavePath()));
    link.queueFrame(frameFor(Device::ReadClock));
    QVERIFY(!pty.readFrame(1500).isEmpty());

    pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 5000);
    QVERIFY(!link.isOpen());
    QVERIFY(!messages.isEmpty());
    const QList<QVariant> last = messages.last();
    QCOMPARE(last.at(1).toInt(), 5000);
    const QString name = last.at(0).toString();
    bool known = false;
    for (int code = 1; code <= 13; ++code)
        known = known || name == USBManager::errorName(code);
    QVERIFY2(known, qPrintable(name));

    // Closing again is harmless and reports nothing new.
    link.closePort();
    QCOMPARE(closed.count(), 1);
}

QTEST_GUILESS_MAIN(TestUsbManager)
#include "tst_usbmanager.moc"
