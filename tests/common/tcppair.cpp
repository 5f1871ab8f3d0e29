#include "tcppair.h"

#include <QCoreApplication>
#include <QElapsedTimer>

TcpPair::TcpPair()
{
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString TcpPair::portName() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

// The product's connect completes in the kernel's backlog; the test takes the connection when
// it first needs it.
bool TcpPair::accept(int waitMs)
{
    if (m_client || m_closed)
        return m_client;
    QElapsedTimer timer;
    timer.start();
    while (!(m_client = m_server.nextPendingConnection()) && timer.elapsed() < waitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        m_server.waitForNewConnection(5);
    }
    if (m_client)
        m_client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return m_client;
}

// Each write reaches the product as a segment of its own once the event loop turns.
bool TcpPair::write(const QByteArray &bytes)
{
    if (!accept(2000) || m_client->write(bytes) != bytes.size())
        return false;
    return m_client->waitForBytesWritten(1000) || m_client->bytesToWrite() == 0;
}

QByteArray TcpPair::drain(int waitMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!accept(0))
        return QByteArray();
    if (m_client->bytesAvailable() == 0)
        m_client->waitForReadyRead(waitMs);
    return m_client->readAll();
}

void TcpPair::closeMaster()
{
    m_closed = true;
    if (m_client)
        m_client->close();
    m_server.close();
}
