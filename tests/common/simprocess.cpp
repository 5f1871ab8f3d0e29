#include "simprocess.h"

#include <QElapsedTimer>
#include <QtTest>

void addTransportRows()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("pty") << false;
    QTest::newRow("tcp") << true;
}

namespace {
bool s_tcpRow = false;
}

void useTransportRow()
{
    QFETCH_GLOBAL(bool, tcp);
    s_tcpRow = tcp;
}

bool isTcpRow()
{
    return s_tcpRow;
}

SimProcess::SimProcess(const QString &program, const QStringList &arguments)
    : m_program(program), m_arguments(arguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

SimProcess::~SimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
}

bool SimProcess::start(int timeoutMs)
{
    QStringList arguments = m_arguments;
    if (isTcpRow())
        arguments << QStringLiteral("--tcp") << QStringLiteral("0");
    m_process.start(m_program, arguments);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!m_process.canReadLine()) {
        if (m_process.state() == QProcess::NotRunning || timer.elapsed() > timeoutMs)
            return false;
        m_process.waitForReadyRead(100);
    }
    m_portName = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_portName.isEmpty();
}

QString SimProcess::log()
{
    m_log.append(m_process.readAllStandardError());
    return QString::fromUtf8(m_log);
}
