#pragma once

// Shared by the clock, service and diagnostics window tests: a link opened on a
// pseudo-terminal, and the simulated unit as a child process.

#include "link/device.h"
#include "link/usbmanager.h"
#include "ptypair.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace servicetest {

inline QByteArray frameFor(Device::COMMAND command, const QByteArray &payload)
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}

inline Device::COMMAND commandOf(const QByteArray &frame)
{
    return Device::COMMAND(qint8(frame.at(4)));
}

inline QByteArray payloadOf(const QByteArray &frame)
{
    const int length = (quint8(frame.at(1)) << 8) | quint8(frame.at(2));
    return frame.mid(5, length - 5);
}

// The link opened on a pseudo-terminal whose master side the test plays as the unit.
struct PtyUnit
{
    PtyPair pty;
    USBManager link;

    bool open() { return pty.isValid() && link.openPort(pty.slavePath()); }

    // The next request with the given command; the link's idle clock reads on the way are
    // answered so that the queue keeps moving.
    QByteArray request(Device::COMMAND command, int timeoutMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            const QByteArray frame = pty.readFrame(int(timeoutMs - timer.elapsed()));
            if (frame.size() < 7)
                break;
            if (commandOf(frame) == command)
                return frame;
            if (commandOf(frame) == Device::ReadClock)
                answer(Device::ClockData, QByteArray::fromHex("180101000000"));
        }
        return QByteArray();
    }

    void answer(Device::COMMAND command, const QByteArray &payload)
    {
        pty.write(frameFor(command, payload));
    }
};

// The simulated unit on its own pseudo-terminal, reached through a stable link path.
class SimUnit
{
public:
    explicit SimUnit(const QStringList &extraArguments = {})
    {
#ifdef OSTREL_SIM_PATH
        if (!m_dir.isValid())
            return;
        m_path = m_dir.filePath(QStringLiteral("ostrel"));
        m_process.setProgram(QStringLiteral(OSTREL_SIM_PATH));
        m_process.setArguments(QStringList{QStringLiteral("--fast"), QStringLiteral("--link"),
                                           m_path}
                               + extraArguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(m_path) && timer.elapsed() < 5000)
            QTest::qWait(20);
        m_ready = QFileInfo::exists(m_path);
#else
        Q_UNUSED(extraArguments)
#endif
    }
    ~SimUnit()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
    SimUnit(const SimUnit &) = delete;
    SimUnit &operator=(const SimUnit &) = delete;

    bool isReady() const { return m_ready; }
    QString devicePath() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_path;
    bool m_ready = false;
};

#ifdef OSTREL_SIM_PATH
#define REQUIRE_SIM(sim)                                                                          \
    QVERIFY2((sim).isReady(), "ostrel-sim did not start")
#else
#define REQUIRE_SIM(sim) QSKIP("ostrel-sim is not built")
#endif

} // namespace servicetest
