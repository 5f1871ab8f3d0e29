#pragma once

#include <QByteArray>
#include <QMetaType>

// Frame codec shared by the PC and the unit: 02, length (BE16), sequence, command, payload, CRC-8.
// The link inherits it so that it owns exactly one receive assembler.
class Device
{
public:
    enum COMMAND : qint8 {
        Calibrate = 48,
        CalibrationState = 49,
        RunTest = 50,
        TestState = 51,
        ReadConfig = 64,
        ConfigData = 65,
        ReadFaults = 66,
        FaultsData = 67,
        ReadEventLog = 68,
        EventLogPart = 69,
        ReadClock = 70,
        ClockData = 71,
        ClearEventLog = 80,
        ReadSoftware = 101,
        SoftwareData = 102,
        ReadLiveState = 103,
        LiveStateData = 104,
        Acknowledge = 112
    };

    static constexpr char StartByte = 0x02;
    static constexpr int MaxLength = 2048;

    Device();
    virtual ~Device();

    static quint8 buildFrame(COMMAND command, const QByteArray &payload, QByteArray &frame);
    QByteArray checkData(const QByteArray &data);
    void reset();

    static quint8 crc8(const char *frame, int count);
    static bool checkCrc(const char *frame, int length);

    static const quint8 crcTable[256];

    // Frames thrown away for a bad CRC or an oversize length since construction, and the
    // bytes of the last one, for the link's health counters and its traffic monitor.
    int rejectedFrames() const { return m_rejectedFrames; }
    QByteArray lastRejectedFrame() const { return m_lastRejected; }

private:
    enum State { Hunting = 0, Collecting = 1, Delivered = 2 };

    int m_state = Hunting;
    quint16 m_expectedLength = 0;
    QByteArray m_buffer;
    int m_rejectedFrames = 0;
    QByteArray m_lastRejected;
};

Q_DECLARE_METATYPE(Device::COMMAND)
