#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPair>
#include <QVector>

#include <random>

namespace sim {

// The unit's event register: 8-byte records (date, time, event code, source byte), oldest first.
// It holds at most what one event-log transfer can carry; beyond that the oldest entry goes.
class EventRegister
{
public:
    static constexpr int RecordSize = 8;
    static constexpr int RecordsPerPart = 255;   // 2040 data bytes: a frame length of 2047
    static constexpr int MaxParts = 255;         // the part count is one byte
    static constexpr int Capacity = RecordsPerPart * MaxParts;

    // Unit events shared by every module type's table (the source byte 0x00 is the unit itself).
    enum Code : quint8 {
        SystemStart = 23,
        LogCleared = 24,
        ConfigWritten = 25,
        ClockWritten = 26,
        FaultRelayPU = 27,
        RelayPK = 28,
        SignalLineLS1 = 29,
        LogRead = 33,
        FaultsRead = 34,
    };

    struct Source
    {
        quint8 byte;                 // type bits 4-7, module number bits 0-3
        QVector<quint8> faults;      // fault indexes of its type's table
    };

    static QByteArray encode(const QDateTime &when, quint8 code, quint8 source);

    using Fault = QPair<quint8, quint8>;   // source byte, fault index

    // A plausible history of `count` entries ending at `end` with a system start: faults that
    // come and go, relay and line activations, resets, reads and writes. It leaves exactly the
    // `present` faults standing, so the log agrees with the unit's faults record.
    void generate(int count, const QDateTime &end, const QVector<Source> &sources,
                  const QVector<Fault> &present, bool signalLines, std::mt19937 &rng);
    void append(const QDateTime &when, quint8 code, quint8 source);
    void clear() { m_records.clear(); }

    int size() const { return m_records.size() / RecordSize; }
    const QByteArray &bytes() const { return m_records; }

private:
    QByteArray m_records;
};

} // namespace sim
