#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// The simulated unit `ostrel-sim` as a child process: started with the given arguments, it
// reports its pseudo-terminal (or, over TCP, its host:port address), which the product opens as
// its port. Stopped (SIGTERM) on destruction. Tests pass `--fast` unless they need the real byte
// rate. In a test with transport rows (addTransportRows) the "tcp" row serves it over TCP.
class SimProcess
{
public:
    SimProcess(const QString &program, const QStringList &arguments);
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // Starts the simulator and waits for the device path; false if it did not come up.
    bool start(int timeoutMs = 10000);
    QString portName() const { return m_portName; }
    // Everything the simulator wrote to standard error so far (its log).
    QString log();

private:
    QString m_program;
    QStringList m_arguments;
    QProcess m_process;
    QString m_portName;
    QByteArray m_log;
};

// The transports end-to-end tests run over, as global data rows of initTestCase_data():
// "pty" (a pseudo-terminal opened as a serial port) and "tcp" (a loopback TCP connection).
// The test's init() calls useTransportRow(); until then (initTestCase) the row is "pty".
void addTransportRows();
void useTransportRow();
bool isTcpRow();

#ifdef OSTREL_SIM_PATH
inline QString ostrelSimPath()
{
    return QStringLiteral(OSTREL_SIM_PATH);
}
#endif
