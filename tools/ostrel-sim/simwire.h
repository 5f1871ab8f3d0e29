#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

// The unit's end of the line, whatever carries it: assembles request frames from the bytes the
// PC sends, writes answers at the real byte rate of 19200 baud 8N1 (or at once when not paced),
// and tells when the PC comes and goes. Answers sent while nobody listens are lost, as on an
// unplugged cable, and nothing stale waits for the next connection.
class SimWire : public QObject
{
    Q_OBJECT
public:
    static constexpr int BytesPerSecond = 1920;
    static constexpr int MaxFrameLength = 2048;

    explicit SimWire(bool paced, QObject *parent = nullptr);

    // What the PC opens: a device path or a host:port address.
    virtual QString address() const = 0;
    // Ends the line for good, like a pulled cable.
    virtual void hangUp();

    bool isConnected() const { return m_connected; }
    bool isPaced() const { return m_paced; }
    // Time the wire needs for `bytes` bytes, in nanoseconds (0 when not paced).
    qint64 wireTimeNs(int bytes) const;
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

    // Queues bytes behind whatever is still going out, after `gapMs` of idle line. A non-zero
    // tag is reported by chunkWritten once the last byte has left.
    void send(const QByteArray &bytes, int gapMs = 0, int tag = 0);

signals:
    void frameReceived(const QByteArray &frame);
    void garbageReceived(const QString &what, const QByteArray &bytes);
    void chunkWritten(int tag);
    void connectedChanged(bool connected);

protected:
    // Hands bytes to the carrier: the count taken (0 when it would block), -1 when the PC is gone.
    virtual qint64 writeBytes(const char *data, qint64 size) = 0;
    // Whether `send` may queue anything at all (the carrier exists).
    virtual bool isUp() const = 0;
    void received(const QByteArray &bytes);
    void setConnected(bool connected);
    void stopWire();

private:
    struct Chunk
    {
        QByteArray bytes;
        qint64 startNs = 0;
        int written = 0;
        int tag = 0;
    };

    void assemble();
    void dropIncomplete();
    void pump();

    bool m_paced;
    bool m_connected = false;
    QTimer m_pumpTimer;
    QTimer m_interByteTimer;
    QElapsedTimer m_clock;
    QByteArray m_rx;
    QList<Chunk> m_tx;
    qint64 m_wireFreeNs = 0;
};
