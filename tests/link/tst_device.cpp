#include "link/device.h"

#include <QtTest>

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray frameFor(Device::COMMAND command, const QByteArray &payload)
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}
} // namespace

class TestDevice : public QObject
{
    Q_OBJECT
private slots:
    void crcCheckValue();
    void buildFrame_data();
    void buildFrame();
    void workedExample();
    void sequenceWraps();
    void checkCrcShortLengths();
    void assemble_data();
    void assemble();
    void corruptedByteAnywhereIsRejected();
    void resetDropsPartialFrame();
};

void TestDevice::crcCheckValue()
{
    // crc8 skips the start byte, so put a dummy in front of the check string.
    const QByteArray data = QByteArray("x123456789");
    QCOMPARE(Device::crc8(data.constData(), 9), quint8(0xA1));
    QCOMPARE(Device::crc8(data.constData(), 0), quint8(0));
}

void TestDevice::buildFrame_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("frameSize");
    QTest::addColumn<QByteArray>("payloadOnWire");

    QTest::newRow("empty payload carries 01") << QByteArray() << 7 << hex("01");
    QTest::newRow("three bytes") << hex("0a0b0c") << 9 << hex("0a0b0c");
    QTest::newRow("2043 bytes: largest accepted length")
            << QByteArray(2043, 'x') << 2049 << QByteArray(2043, 'x');
}

void TestDevice::buildFrame()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, frameSize);
    QFETCH(QByteArray, payloadOnWire);

    QByteArray frame;
    const quint8 sequence = Device::buildFrame(Device::ConfigData, payload, frame);
    QCOMPARE(frame.size(), frameSize);
    QCOMPARE(frame.at(0), char(0x02));
    const int length = (quint8(frame.at(1)) << 8) | quint8(frame.at(2));
    QCOMPARE(length, frameSize - 1);
    QCOMPARE(quint8(frame.at(3)), sequence);
    QCOMPARE(frame.at(4), char(Device::ConfigData));
    QCOMPARE(frame.mid(5, length - 5), payloadOnWire);
    QVERIFY(Device::checkCrc(frame.constData(), length));
}

void TestDevice::workedExample()
{
    // Bring the process-wide counter to 0 so that the next frame carries 1.
    QByteArray frame;
    while (Device::buildFrame(Device::ReadClock, QByteArray(), frame) != 0)
        frame.clear();
    frame.clear();
    QCOMPARE(Device::buildFrame(Device::ReadClock, QByteArray(), frame), quint8(1));
    QCOMPARE(frame, hex("02000601460" "1cd"));
}

void TestDevice::sequenceWraps()
{
    QByteArray frame;
    quint8 previous = Device::buildFrame(Device::ReadClock, QByteArray(), frame);
    QSet<int> seen;
    for (int i = 0; i < 256; ++i) {
        frame.clear();
        const quint8 next = Device::buildFrame(Device::ReadClock, QByteArray(), frame);
        QCOMPARE(next, quint8(previous + 1));
        seen.insert(next);
        previous = next;
    }
    QCOMPARE(seen.size(), 256);
}

void TestDevice::checkCrcShortLengths()
{
    const QByteArray zero = hex("020000");
    QVERIFY(Device::checkCrc(zero.constData(), 1));
    const QByteArray nonZero = hex("020500");
    QVERIFY(!Device::checkCrc(nonZero.constData(), 1));
}

void TestDevice::assemble_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("deliveredOnChunk");

    const QByteArray frame = frameFor(Device::ClockData, hex("180a0c0d0e0f01"));

    QList<QByteArray> bytewise;
    for (char c : frame)
        bytewise.append(QByteArray(1, c));
    QTest::newRow("one byte per call") << bytewise << frame << frame.size() - 1;
    QTest::newRow("garbage before the frame") << QList<QByteArray>{hex("ff0013") + frame} << frame
                                              << 0;
    const QByteArray ack = frameFor(Device::Acknowledge, {});
    QTest::newRow("two frames in one read: the second is lost")
            << QList<QByteArray>{frame + ack, QByteArray()} << frame + ack << 0;
    QTest::newRow("bytes behind the frame are kept in the copy")
            << QList<QByteArray>{frame + hex("aabb")} << frame + hex("aabb") << 0;

    QByteArray oversize = hex("020801");
    QTest::newRow("length 2049 clears the buffer")
            << QList<QByteArray>{oversize, frame.mid(1)} << QByteArray() << -1;

    // Length 2048 is accepted and waits for all 2049 bytes.
    QByteArray big;
    Device::buildFrame(Device::EventLogPart, QByteArray(2042, '\x11'), big);
    QCOMPARE(big.size(), 2048);
    QByteArray largest;
    Device::buildFrame(Device::EventLogPart, QByteArray(2043, '\x11'), largest);
    QTest::newRow("length 2048 waits for 2049 bytes")
            << QList<QByteArray>{largest.left(2048), largest.mid(2048)} << largest << 1;
}

void TestDevice::assemble()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QByteArray, expected);
    QFETCH(int, deliveredOnChunk);

    Device device;
    int deliveredAt = -1;
    QByteArray delivered;
    for (int i = 0; i < chunks.size(); ++i) {
        const QByteArray result = device.checkData(chunks.at(i));
        if (!result.isEmpty()) {
            QCOMPARE(deliveredAt, -1);
            deliveredAt = i;
            delivered = result;
        }
    }
    QCOMPARE(deliveredAt, deliveredOnChunk);
    QCOMPARE(delivered, expected);
}

void TestDevice::corruptedByteAnywhereIsRejected()
{
    const QByteArray frame = frameFor(Device::ClockData, hex("180a0c0d0e0f01"));
    for (int offset = 3; offset < frame.size(); ++offset) {
        QByteArray damaged = frame;
        damaged[offset] = char(damaged.at(offset) ^ 0x40);
        Device device;
        QVERIFY2(device.checkData(damaged).isEmpty(), qPrintable(QString::number(offset)));
        // The buffer was emptied: a good frame right after is delivered on its own.
        QCOMPARE(device.checkData(frame), frame);
    }
    // A damaged length field makes the frame wait for bytes that belong to later frames; the
    // CRC over that wrong span then fails and the assembler starts over.
    for (int offset = 1; offset <= 2; ++offset) {
        QByteArray damaged = frame;
        damaged[offset] = char(damaged.at(offset) ^ 0x01);
        Device device;
        QByteArray result = device.checkData(damaged);
        for (int i = 0; i < 4 && result.isEmpty(); ++i)
            result = device.checkData(QByteArray(16, '\0'));
        QVERIFY(result.isEmpty() || result.left(frame.size()) != frame);
    }
}

void TestDevice::resetDropsPartialFrame()
{
    const QByteArray frame = frameFor(Device::ClockData, hex("180a0c0d0e0f"));
    Device device;
    QVERIFY(device.checkData(frame.left(5)).isEmpty());
    device.reset();
    QVERIFY(device.checkData(frame.mid(5)).isEmpty());
    QCOMPARE(device.checkData(frame), frame);
}

QTEST_GUILESS_MAIN(TestDevice)
#include "tst_device.moc"
