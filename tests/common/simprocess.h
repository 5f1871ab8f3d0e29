#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// The simulated unit `ostrel-sim` as a child process: started with the given arguments, it
// reports its pseudo-terminal, which the product opens as its serial port. Stopped (SIGTERM) on
// destruction. Tests pass `--fast` unless they need the real byte rate.
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
    int countInLog(const QString &text);
    bool waitForExit(int timeoutMs);
    QProcess &process() { return m_process; }

private:
    QString m_program;
    QStringList m_arguments;
    QProcess m_process;
    QString m_portName;
    QByteArray m_log;
};

#ifdef OSTREL_SIM_PATH
inline QString ostrelSimPath()
{
    return QStringLiteral(OSTREL_SIM_PATH);
}
#endif
