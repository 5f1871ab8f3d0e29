#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// The unit's end of the cable: a pseudo-terminal whose other end the PC opens as a serial port.
// It assembles request frames, writes answers at the real byte rate of 19200 baud 8N1 (or at once
// when not paced) and notices when the PC opens and closes the port: answers sent while nobody
// listens are lost, as on an unplugged cable, and nothing stale waits for the next opener.
class PtyWire : public QObject
{
    Q_OBJECT
public:
    static constexpr int BytesPerSecond = 1920;
    static constexpr int MaxFrameLength = 2048;

    explicit PtyWire(bool paced, QObject *parent = nullptr);
    ~PtyWire() override;

    bool open(QString *error);
    QString devicePath() const { return m_devicePath; }
    bool isConnected() const { return m_connected; }
    bool isPaced() const { return m_paced; }

    // Time the wire needs for `bytes` bytes, in nanoseconds (0 when not paced).
    qint64 wireTimeNs(int bytes) const;
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

    // Queues bytes behind whatever is still going out, after `gapMs` of idle line. A non-zero
    // tag is reported by chunkWritten once the last byte has left.
    void send(const QByteArray &bytes, int gapMs = 0, int tag = 0);
    // Closes the pseudo-terminal for good, like a pulled cable.
    void hangUp();

signals:
    void frameReceived(const QByteArray &frame);
    void garbageReceived(const QString &what, const QByteArray &bytes);
    void chunkWritten(int tag);
    void connectedChanged(bool connected);

private:
    struct Chunk
    {
        QByteArray bytes;
        qint64 startNs = 0;
        int written = 0;
        int tag = 0;
    };

    void onReadable();
    void assemble();
    void dropIncomplete();
    void checkConnection();
    void setConnected(bool connected);
    void flushStaleInput();
    void pump();

    bool m_paced;
    int m_master = -1;
    QString m_devicePath;
    bool m_connected = false;
    QSocketNotifier *m_readNotifier = nullptr;
    QTimer m_connectionPoll;
    QTimer m_pumpTimer;
    QTimer m_interByteTimer;
    QElapsedTimer m_clock;
    QByteArray m_rx;
    QList<Chunk> m_tx;
    qint64 m_wireFreeNs = 0;
};
