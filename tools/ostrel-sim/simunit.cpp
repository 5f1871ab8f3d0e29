#include "simunit.h"

#include <QtMath>

#include <algorithm>

namespace {

// Raw live values around which the unit's readings wander. Rows follow the unit's live table:
// supply voltages, battery, charging current, battery resistance, temperature, switch states,
// offsets, event counters, LS1-LS4 output states, LK1-LK2 line measurements.
struct LiveRow
{
    double base;
    double amplitude;
    double periodS;
    int noise;
};

const LiveRow liveRows[SimUnit::LiveValueCount] = {
    {3154, 4, 90, 1},       // 28.05 V before the ideal diode
    {3132, 4, 90, 1},       // 27.85 V behind it
    {3070, 3, 240, 1},      // battery 27.30 V
    {14, 3, 60, 1},         // charging current 0.12 A
    {850, 10, 600, 2},      // battery resistance 0.085 ohm
    {926, 6, 900, 1},       // 24.6 degrees C
    {1, 0, 1, 0},           // ideal diode on
    {1, 0, 1, 0},           // battery switch on
    {0, 0, 1, 0},           // battery and mains
    {1, 0, 1, 0},           // voltage mode: battery full
    {12, 0, 1, 0},          // temperature offset
    {1830, 25, 120, 3},     // converter PWM
    {3, 0, 1, 0},           // offsets: +3, -2, +1, -1
    {-2, 0, 1, 0},
    {1, 0, 1, 0},
    {-1, 0, 1, 0},
    {2, 0, 1, 0},           // CC from CV transitions
    {0, 0, 1, 0},           // battery overloads
    {14, 0, 1, 0},          // resistance measurements, counted up below
    {3, 0, 1, 0},
    {2, 0, 1, 0},
    {0, 0, 1, 0},
    {1, 0, 1, 0},
    {1, 0, 1, 0},
    {0, 0, 1, 0},
    {0, 0, 1, 0},
    {0, 0, 1, 0},
    {0, 0, 1, 0},
    {0, 0, 1, 0},
    {4, 0, 1, 0},           // LS1 supervised
    {3, 0, 1, 0},           // LS2 open circuit (the PSL reports it as a fault)
    {5, 0, 1, 0},           // LS3 inactive
    {4, 0, 1, 0},           // LS4 supervised
    {2650, 15, 300, 3},     // LK1 in its supervision window
    {4095, 0, 1, 0},        // LK2 open (the PSB reports it as a fault)
};

constexpr int ResistanceMeasurementRow = 18;

} // namespace

SimUnit::SimUnit(const SimOptions &options)
    : m_options(options), m_rng(options.seed), m_hardware(sim::presetContents(options.preset))
{
    m_uptime.start();
    if (options.clockStart.isValid())
        m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(options.clockStart);

    QList<sim::ModuleRecord> records;
    QVector<sim::EventRegister::Source> sources;
    QVector<sim::EventRegister::Fault> present;
    for (const sim::FittedModule &m : m_hardware.modules) {
        records.append(m.record);
        const sim::ModuleKind *kind = sim::moduleKind(m.record.type);
        if (!kind || kind->eventFaults.isEmpty())
            continue;
        const quint8 source = quint8((m.record.type & 0xF0) | (m.record.number & 0x0F));
        sources.append({source, kind->eventFaults});
        for (int index : m.activeFaults) {
            if (kind->eventFaults.contains(quint8(index)))
                present.append({source, quint8(index)});
        }
    }
    m_image = sim::buildImage(records);

    QDateTime end = options.clockStart.isValid() ? options.clockStart : unitNow();
    end = end.addMSecs(-end.time().msec());
    m_log.generate(options.logEntries, end, sources, present, m_hardware.hasSignalLines,
                   m_rng);
}

bool SimUnit::keepIgnoredByte(QList<sim::ModuleRecord> &records) const
{
    if (m_options.ignoreType < 0)
        return false;
    QList<sim::ModuleRecord> held;
    QString problem;
    if (!sim::splitImage(m_image, &held, &problem))
        return false;
    auto ofType = [this](const sim::ModuleRecord &r) { return r.type == m_options.ignoreType; };
    const auto before = std::find_if(held.cbegin(), held.cend(), ofType);
    const auto after = std::find_if(records.begin(), records.end(), ofType);
    const int offset = m_options.ignoreOffset;
    if (before == held.cend() || after == records.end() || offset >= before->payload.size()
        || offset >= after->payload.size())
        return false;
    after->payload[offset] = before->payload.at(offset);
    return true;
}

QDateTime SimUnit::unitNow() const
{
    return QDateTime::currentDateTime().addMSecs(m_clockOffsetMs);
}

QString SimUnit::commandName(quint8 command)
{
    switch (command) {
    case Device::Calibrate: return QStringLiteral("Calibrate");
    case Device::CalibrationState: return QStringLiteral("CalibrationState");
    case Device::RunTest: return QStringLiteral("RunTest");
    case Device::TestState: return QStringLiteral("TestState");
    case Device::ReadConfig: return QStringLiteral("ReadConfig");
    case Device::ConfigData: return QStringLiteral("ConfigData");
    case Device::ReadFaults: return QStringLiteral("ReadFaults");
    case Device::FaultsData: return QStringLiteral("FaultsData");
    case Device::ReadEventLog: return QStringLiteral("ReadEventLog");
    case Device::EventLogPart: return QStringLiteral("EventLogPart");
    case Device::ReadClock: return QStringLiteral("ReadClock");
    case Device::ClockData: return QStringLiteral("ClockData");
    case Device::ClearEventLog: return QStringLiteral("ClearEventLog");
    case Device::ReadSoftware: return QStringLiteral("ReadSoftware");
    case Device::SoftwareData: return QStringLiteral("SoftwareData");
    case Device::ReadLiveState: return QStringLiteral("ReadLiveState");
    case Device::LiveStateData: return QStringLiteral("LiveStateData");
    case Device::Acknowledge: return QStringLiteral("Acknowledge");
    }
    return QStringLiteral("0x%1").arg(command, 2, 16, QLatin1Char('0'));
}

bool SimUnit::handle(quint8 command, const QByteArray &payload, Answer &answer, QString &note)
{
    note.clear();
    answer.payload.clear();
    switch (command) {
    case Device::ReadConfig:
        answer.command = Device::ConfigData;
        answer.payload = m_image;
        return true;

    case Device::ConfigData: {
        QList<sim::ModuleRecord> records;
        QString problem;
        if (!sim::splitImage(payload, &records, &problem)) {
            note = QStringLiteral("configuration refused: %1").arg(problem);
            return false;
        }
        m_image = keepIgnoredByte(records) ? sim::buildImage(records) : payload;
        logUnitEvent(sim::EventRegister::ConfigWritten);
        note = QStringLiteral("configuration stored: %1 modules, %2 bytes")
                       .arg(records.size())
                       .arg(payload.size());
        answer.command = Device::Acknowledge;
        return true;
    }

    case Device::ReadFaults:
        answer.command = Device::FaultsData;
        answer.payload = faultsPayload();
        logUnitEvent(sim::EventRegister::FaultsRead);
        return true;

    case Device::ReadEventLog:
        if (payload.size() < 2) {
            note = QStringLiteral("event-log request without [count, index]");
            return false;
        }
        answer.command = Device::EventLogPart;
        answer.payload = eventLogPart(quint8(payload.at(1)), note);
        return true;

    case Device::ClearEventLog:
        m_log.clear();
        m_snapshotOpen = false;
        logUnitEvent(sim::EventRegister::LogCleared);
        note = QStringLiteral("event log cleared");
        answer.command = Device::Acknowledge;
        return true;

    case Device::ReadClock:
        answer.command = Device::ClockData;
        answer.payload = clockPayload();
        return true;

    case Device::ClockData:
        if (payload.size() < 6) {
            note = QStringLiteral("clock write with %1 bytes").arg(payload.size());
            return false;
        }
        setClock(payload, note);
        answer.command = Device::ClockData;
        answer.payload = clockPayload();
        return true;

    case Device::ReadSoftware:
        answer.command = Device::SoftwareData;
        answer.payload = softwarePayload();
        return true;

    case Device::ReadLiveState:
        answer.command = Device::LiveStateData;
        answer.payload = livePayload();
        return true;

    case Device::RunTest:
        answer.command = Device::TestState;
        answer.payload = testStatePayload(note);
        return true;

    case Device::Calibrate:
        answer.command = Device::CalibrationState;
        answer.payload = calibrationPayload(note);
        return true;

    default:
        note = QStringLiteral("unknown command %1").arg(commandName(command));
        return false;
    }
}

QByteArray SimUnit::clockPayload() const
{
    const QDateTime now = unitNow();
    QByteArray p;
    p.append(char(now.date().year() - 2000));
    p.append(char(now.date().month()));
    p.append(char(now.date().day()));
    p.append(char(now.time().hour()));
    p.append(char(now.time().minute()));
    p.append(char(now.time().second()));
    p.append(char(m_autoSummerTime ? 1 : 0));
    return p;
}

// An impossible date leaves the clock alone; the answer then shows the technician the clock
// the unit kept.
void SimUnit::setClock(const QByteArray &payload, QString &note)
{
    const QDate date(2000 + quint8(payload.at(0)), quint8(payload.at(1)), quint8(payload.at(2)));
    const QTime time(quint8(payload.at(3)), quint8(payload.at(4)), quint8(payload.at(5)));
    if (payload.size() >= 7)
        m_autoSummerTime = payload.at(6) != 0;
    if (!date.isValid() || !time.isValid()) {
        note = QStringLiteral("clock write refused: %1 is not a date and time")
                       .arg(QString::fromLatin1(payload.left(6).toHex(' ')));
        return;
    }
    const QDateTime target(date, time);
    m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(target);
    logUnitEvent(sim::EventRegister::ClockWritten);
    note = QStringLiteral("clock set to %1, summer/winter switching %2")
                   .arg(target.toString(Qt::ISODate), m_autoSummerTime ? "on" : "off");
}

void SimUnit::logUnitEvent(quint8 code)
{
    m_log.append(unitNow(), code, 0x00);
}

// A transfer starts at part 0 with a fresh snapshot. The request for part index == count that
// the link sends after the last part is answered with an empty part [count, index]: the link
// takes that as "more to come", delivers nothing and simply retires the request. Any other
// answer would either be delivered to the windows (a different command) or restart the
// transfer (index 0). An empty register still goes out as one empty part, since a count of 0
// would never be reported complete.
QByteArray SimUnit::eventLogPart(quint8 index, QString &note)
{
    using sim::EventRegister;
    const int partBytes = EventRegister::RecordsPerPart * EventRegister::RecordSize;
    if (index == 0 || m_snapshotParts == 0) {
        m_snapshot = m_log.bytes();
        m_snapshotParts = std::max(1, int((m_snapshot.size() + partBytes - 1) / partBytes));
        m_snapshotOpen = true;
    }
    QByteArray p;
    p.append(char(m_snapshotParts));
    p.append(char(index));
    if (index < m_snapshotParts) {
        p.append(m_snapshot.mid(index * partBytes, partBytes));
        note = QStringLiteral("part %1 of %2, %3 events")
                       .arg(index + 1)
                       .arg(m_snapshotParts)
                       .arg((p.size() - 2) / EventRegister::RecordSize);
    } else {
        note = QStringLiteral("closing request, answered with an empty part");
        if (m_snapshotOpen) {
            m_snapshotOpen = false;
            logUnitEvent(EventRegister::LogRead);
        }
    }
    return p;
}

// One block per fitted module: type, number, flag count, then one flag per entry of the
// type's fault table and a closing byte.
QByteArray SimUnit::faultsPayload() const
{
    QByteArray p;
    p.append(char(m_hardware.modules.size()));
    for (const sim::FittedModule &m : m_hardware.modules) {
        const sim::ModuleKind *kind = sim::moduleKind(m.record.type);
        QByteArray flags(kind->faultEntries + 1, '\0');
        for (int index : m.activeFaults)
            flags[index] = 1;
        p.append(char(m.record.type));
        p.append(char(m.record.number));
        p.append(char(flags.size()));
        p.append(flags);
    }
    return p;
}

// Five bytes per slot: type, number, version, checksum. The empty slot reads all zero.
QByteArray SimUnit::softwarePayload() const
{
    QByteArray p;
    for (int i = 0; i < m_hardware.modules.size(); ++i) {
        if (i == m_hardware.emptySlot)
            p.append(QByteArray(5, '\0'));
        const sim::FittedModule &m = m_hardware.modules.at(i);
        const quint16 checksum = quint16(m.record.type * 0x9E37 ^ m.record.number * 0x3C1
                                         ^ m.softwareVersion * 0x101);
        p.append(char(m.record.type));
        p.append(char(m.record.number));
        p.append(char(m.softwareVersion));
        p.append(char(checksum >> 8));
        p.append(char(checksum & 0xFF));
    }
    return p;
}

QByteArray SimUnit::livePayload()
{
    const double t = m_uptime.elapsed() / 1000.0;
    QByteArray p;
    p.append(char(LiveValueCount * 2));
    for (int row = 0; row < LiveValueCount; ++row) {
        const LiveRow &r = liveRows[row];
        double value = r.base + r.amplitude * qSin(2 * M_PI * t / r.periodS + row);
        if (r.noise > 0)
            value += std::uniform_int_distribution<int>(-r.noise, r.noise)(m_rng);
        if (row == ResistanceMeasurementRow)
            value += int(t / 60);
        const quint16 raw = quint16(qRound(value) & 0xFFFF);
        p.append(char(raw >> 8));
        p.append(char(raw & 0xFF));
    }
    return p;
}

// The test starts with the first poll and runs on the unit's own time, so however often the
// PC polls it passes steps 0 to 7 in a few seconds. A poll after a long pause starts afresh.
QByteArray SimUnit::testStatePayload(QString &note)
{
    QByteArray p;
    if (m_options.calibrationMode) {
        note = QStringLiteral("self-test refused: calibration mode");
        p.append(char(0)).append(char(0)).append(char(0));
        return p;
    }
    const qint64 now = m_uptime.elapsed();
    if (!m_testRunning || now - m_lastTestPollMs > 10000) {
        m_testRunning = true;
        m_testStartedMs = now;
        note = QStringLiteral("self-test started");
    }
    m_lastTestPollMs = now;
    const qint64 elapsed = now - m_testStartedMs;
    p.append(char(1));
    if (elapsed < TestDurationMs) {
        p.append(char(0));
        p.append(char(std::min<qint64>(7, elapsed * 8 / TestDurationMs)));
        return p;
    }
    m_testRunning = false;
    p.append(char(1));
    p.append(char(7));
    auto around = [this](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_rng);
    };
    const int results[TestResultCount] = {
        1,                          // RAM
        1,                          // FLASH
        around(-4, 4),              // current sensor without load
        around(800, 950),           // battery path resistance
        around(3060, 3080),         // battery voltage without load
        around(2990, 3020),         // battery voltage under load
        around(380, 420),           // battery current under load
        around(2100, 2200),         // supply at its minimum
        around(3420, 3460),         // supply at its maximum
    };
    for (int value : results) {
        p.append(char((value >> 8) & 0xFF));
        p.append(char(value & 0xFF));
    }
    note = QStringLiteral("self-test finished");
    return p;
}

QByteArray SimUnit::calibrationPayload(QString &note)
{
    ++m_calibrationPollCount;
    if (m_calibrationPollCount < CalibrationPolls) {
        note = QStringLiteral("calibrating, poll %1").arg(m_calibrationPollCount);
        return QByteArray(1, char(0));
    }
    m_calibrationPollCount = 0;
    note = QStringLiteral("calibration finished");
    return QByteArray(1, char(1));
}
