#pragma once

#include "eventregister.h"
#include "modulecatalog.h"
#include "simoptions.h"

#include "link/device.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <random>

// The unit's behaviour and state, free of any wire: one request in, at most one answer out.
// Configuration, event register, faults, software list, clock, live values, self-test and
// calibration all live here.
class SimUnit
{
public:
    struct Answer
    {
        Device::COMMAND command = Device::Acknowledge;
        QByteArray payload;
    };

    static constexpr int LiveValueCount = 35;
    static constexpr int TestResultCount = 9;
    static constexpr int TestDurationMs = 3500;
    static constexpr int CalibrationPolls = 3;

    explicit SimUnit(const SimOptions &options);

    // False when the unit does not take the request (unknown command, malformed payload); the
    // reason then goes to `note`. `note` may also describe an accepted request.
    bool handle(quint8 command, const QByteArray &payload, Answer &answer, QString &note);

    QDateTime unitNow() const;
    QByteArray configuration() const { return m_image; }
    int eventCount() const { return m_log.size(); }

    static QString commandName(quint8 command);

private:
    QByteArray clockPayload() const;
    QByteArray eventLogPart(quint8 index, QString &note);
    QByteArray faultsPayload() const;
    QByteArray softwarePayload() const;
    QByteArray livePayload();
    QByteArray testStatePayload(QString &note);
    QByteArray calibrationPayload(QString &note);
    void setClock(const QByteArray &payload, QString &note);
    void logUnitEvent(quint8 code);
    // Applies --ignore-setting to a configuration being written; true when it changed a byte.
    bool keepIgnoredByte(QList<sim::ModuleRecord> &records) const;

    SimOptions m_options;
    std::mt19937 m_rng;
    sim::PresetContents m_hardware;
    QByteArray m_image;
    sim::EventRegister m_log;

    // The register as it stood at the first part of the running transfer, so a transfer reads
    // one consistent register even if events arrive meanwhile.
    QByteArray m_snapshot;
    int m_snapshotParts = 0;
    bool m_snapshotOpen = false;

    qint64 m_clockOffsetMs = 0;
    bool m_autoSummerTime = true;

    QElapsedTimer m_uptime;
    bool m_testRunning = false;
    qint64 m_testStartedMs = 0;
    qint64 m_lastTestPollMs = 0;
    int m_calibrationPollCount = 0;
};
