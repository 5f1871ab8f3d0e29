#pragma once

#include "simwire.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// The unit behind a serial device server in raw TCP mode: one client at a time, like the
// device server's single serial line; a second client is turned away at once.
class TcpWire : public SimWire
{
    Q_OBJECT
public:
    explicit TcpWire(bool paced, QObject *parent = nullptr);
    ~TcpWire() override;

    // Listens on host:port; port 0 takes a free port, which address() then names.
    bool listen(const QHostAddress &host, quint16 port, QString *error);
    QString address() const override;
    void hangUp() override;

protected:
    qint64 writeBytes(const char *data, qint64 size) override;
    bool isUp() const override { return m_server.isListening(); }

private:
    void onNewConnection();
    void onDisconnected();

    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};
