#pragma once

#include "unitline.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A loopback TCP server standing in for a serial device server: the product connects to
// portName() while the test plays the unit on the accepted connection.
class TcpPair : public UnitLine
{
public:
    TcpPair();

    bool isValid() const override { return m_server.isListening(); }
    QString portName() const override;
    bool write(const QByteArray &bytes) override;
    void closeMaster() override;

protected:
    QByteArray drain(int waitMs) override;

private:
    bool accept(int waitMs);

    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    bool m_closed = false;
};
