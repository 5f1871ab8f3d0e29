#include "frames.h"

#include <QtTest>

class TestDevice : public QObject
{
    Q_OBJECT
private slots:
    void crcSequenceAndWorkedExample();
    void assemble_data();
    void assemble();
};

void TestDevice::crcSequenceAndWorkedExample()
{
    // crc8 skips the start byte, so put a dummy in front of the check string.
    QCOMPARE(Device::crc8("x123456789", 9), quint8(0xA1));

    // The process-wide counter goes up by one per frame and wraps from 255 to 0; the frame
    // that gets sequence 1 after the wrap is the worked example.
    QByteArray frame;
    quint8 sequence = Device::buildFrame(Device::ReadClock, {}, frame);
    for (bool wrapped = false; !(wrapped && sequence == 1); wrapped = wrapped || sequence == 0) {
        frame.clear();
        const quint8 next = Device::buildFrame(Device::ReadClock, {}, frame);
        QCOMPARE(next, quint8(sequence + 1));
        sequence = next;
    }
    QCOMPARE(frame.toHex(' '), QByteArray("02 00 06 01 46 01 cd"));
}

void TestDevice::assemble_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("resetBefore");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("deliveredOnChunk");
    using Chunks = QList<QByteArray>;

    const QByteArray frame = frameOf(Device::ClockData, QByteArray::fromHex("180a0c0d0e0f01"));
    const QByteArray ack = frameOf(Device::Acknowledge, {});
    const QByteArray largest = frameOf(Device::EventLogPart, QByteArray(2043, '\x11'));
    QCOMPARE(largest.left(3).toHex(), QByteArray("020800"));
    Chunks bytewise;
    for (char c : frame)
        bytewise.append(QByteArray(1, c));

    QTest::newRow("one byte per call") << bytewise << -1 << frame << frame.size() - 1;
    QTest::newRow("garbage first") << Chunks{"\xff\x13" + frame} << -1 << frame << 0;
    QTest::newRow("a large read of noise is dropped whole")
            << Chunks{QByteArray(1 << 20, '\x55'), frame} << -1 << frame << 1;
    QTest::newRow("noise, then a frame split after its start byte")
            << Chunks{QByteArray(5000, '\xaa') + frame.left(1), frame.mid(1)} << -1 << frame << 1;
    // One frame per read, by design: the unit answers one request at a time, so a second frame
    // in the same read can only be a duplicate answer to a repeated request. Were it needed,
    // the link would simply write the request again after its time-out.
    QTest::newRow("two frames in one read: the second is dropped")
            << Chunks{frame + ack, {}} << -1 << frame + ack << 0;
    QTest::newRow("length 2049 dropped") << Chunks{"\x02\x08\x01", frame} << -1 << frame << 1;
    QTest::newRow("length 2048 waits for 2049 bytes")
            << Chunks{largest.left(2048), largest.mid(2048)} << -1 << largest << 1;
    QTest::newRow("reset drops a partial frame")
            << Chunks{frame.left(5), frame.mid(5), frame} << 1 << frame << 2;
    // A damaged length makes the frame wait for later bytes; the CRC over that span fails. Either
    // way the buffer is emptied, so a good frame right after is delivered on its own.
    for (int offset = 1; offset < frame.size(); ++offset) {
        QByteArray damaged = frame;
        damaged[offset] = char(damaged.at(offset) ^ 0x01);
        QTest::addRow("byte %d corrupted", offset)
                << Chunks{damaged + QByteArray(300, '\0'), frame} << -1 << frame << 1;
    }
}

void TestDevice::assemble()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, resetBefore);
    QFETCH(QByteArray, expected);
    QFETCH(int, deliveredOnChunk);

    Device device;
    QByteArrayList delivered;
    for (int i = 0; i < chunks.size(); ++i) {
        if (i == resetBefore)
            device.reset();
        const QByteArray result = device.checkData(chunks.at(i));
        if (!result.isEmpty())
            delivered << QByteArray::number(i) + ": " + result.toHex();
    }
    const QByteArray wanted = QByteArray::number(deliveredOnChunk) + ": " + expected.toHex();
    QCOMPARE(delivered, QByteArrayList{wanted});
}

QTEST_GUILESS_MAIN(TestDevice)
#include "tst_device.moc"
