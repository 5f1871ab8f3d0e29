#include "tcpwire.h"

#include <QDebug>
#include <QTcpSocket>

TcpWire::TcpWire(bool paced, QObject *parent) : SimWire(paced, parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpWire::onNewConnection);
}

TcpWire::~TcpWire()
{
    hangUp();
}

bool TcpWire::listen(const QHostAddress &host, quint16 port, QString *error)
{
    if (m_server.listen(host, port))
        return true;
    *error = m_server.errorString();
    return false;
}

QString TcpWire::address() const
{
    const QHostAddress host = m_server.serverAddress();
    const QString name = host.protocol() == QAbstractSocket::IPv6Protocol
            ? QStringLiteral("[%1]").arg(host.toString())
            : host.toString();
    return QStringLiteral("%1:%2").arg(name).arg(m_server.serverPort());
}

void TcpWire::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        const QString peer = QStringLiteral("%1:%2").arg(socket->peerAddress().toString())
                                     .arg(socket->peerPort());
        if (m_client) {
            qWarning().noquote() << "second client refused:" << peer;
            socket->abort();
            socket->deleteLater();
            continue;
        }
        qInfo().noquote() << "client connected:" << peer;
        m_client = socket;
        // Answers go out a few bytes at a time at the line's pace; Nagle would hold them back.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket == m_client)
                received(socket->readAll());
        });
        connect(socket, &QTcpSocket::disconnected, this, &TcpWire::onDisconnected);
        setConnected(true);
    }
}

void TcpWire::onDisconnected()
{
    if (m_client && m_client->state() == QAbstractSocket::UnconnectedState) {
        m_client->deleteLater();
        m_client = nullptr;
        setConnected(false);
    }
}

qint64 TcpWire::writeBytes(const char *data, qint64 size)
{
    if (!m_client || m_client->state() != QAbstractSocket::ConnectedState)
        return -1;
    // The socket buffers what the kernel does not take at once.
    return m_client->write(data, size);
}

void TcpWire::hangUp()
{
    SimWire::hangUp();
    m_server.close();
    if (m_client) {
        m_client->flush();
        m_client->disconnectFromHost();
        m_client = nullptr;
    }
}
