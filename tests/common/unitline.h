#pragma once

#include <QByteArray>
#include <QString>

// The unit's end of a real line that a test plays by hand, while the product opens portName():
// a pseudo-terminal (PtyPair) or a TCP connection (TcpPair).
class UnitLine
{
public:
    virtual ~UnitLine();

    virtual bool isValid() const = 0;
    // What the product opens: a device path or a host:port address.
    virtual QString portName() const = 0;
    virtual bool write(const QByteArray &bytes) = 0;
    // Looks to the product like a pulled cable (or a device server closing the connection).
    virtual void closeMaster() = 0;

    // Collects what the product wrote within timeoutMs, returning early once bytes arrived and
    // the line has been quiet for quietMs. Keeps the event loop running meanwhile.
    QByteArray read(int timeoutMs, int quietMs = 30);
    // Reads exactly one complete frame (by its length field), or an empty array on timeout.
    QByteArray readFrame(int timeoutMs);

protected:
    // Whatever the product wrote within waitMs, after letting the event loop turn once: the
    // product under test runs on this thread.
    virtual QByteArray drain(int waitMs) = 0;

private:
    QByteArray m_pending;
};
