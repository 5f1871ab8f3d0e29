#pragma once

#include "device.h"

#include <QByteArray>
#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

#include <functional>

class LinkReply;
class QEventLoop;
class QIODevice;

// The single link to the unit, over a serial port or a TCP connection to a serial device
// server: queues request frames, writes one at a time, repeats an unanswered one after 2000 ms
// and drops it after the third write, polls an idle port with clock reads, drives the multi-part
// event-log read, and hands every complete answer to the one who asked for it, through the
// request's own reply.
class USBManager : public QObject, public Device
{
    Q_OBJECT
public:
    static constexpr int AnswerTimeoutMs = 2000;
    static constexpr int KeepAliveMs = 2000;
    static constexpr int CommandTickMs = 100;
    static constexpr int MaxAttempts = 3;
    // How long a TCP connection may take before the host counts as not answering.
    static constexpr int ConnectTimeoutMs = 5000;

    explicit USBManager(QObject *parent = nullptr);
    ~USBManager() override;

    // The unit's silence is waited out in real time: 6 s per unanswered request. Tests shorten
    // both waits; the program never changes them.
    void setTimeouts(int answerTimeoutMs, int keepAliveMs);
    int answerTimeoutMs() const { return m_answerTimeoutMs; }

    // A port name of the form host:port, tcp://host:port or [v6-address]:port opens a TCP
    // connection (waiting at most ConnectTimeoutMs, with the event loop running, until
    // cancelOpen); anything else names a serial port.
    bool openPort(const QString &portName);
    // Gives up a TCP connection that openPort is still waiting for.
    void cancelOpen();
    void closePort();
    bool isOpen() const;
    // The name the open (or last opened) port was given.
    QString portName() const { return m_portName; }
    // Why the last openPort failed, when the reason is known (TCP); empty otherwise.
    QString openError() const { return m_openError; }
    // The way every window asks the unit: queues the request and returns its reply, which
    // carries the answer (the command `answer`) or why there is none. The reply belongs to the
    // link and deletes itself when it has ended. One reading of a record (configuration,
    // register, faults, software) runs at a time: a second one of the same kind is refused, as
    // is any request while the port is closed; both fail from the event loop. An idle link
    // writes the request at once rather than at its next tick.
    LinkReply *request(Device::COMMAND command, const QByteArray &payload,
                       Device::COMMAND answer);
    // A bare frame with nobody waiting for its answer (the keep-alive, tests, tools). False when
    // the frame is refused: a new event-log read ([0, 0]) while one is in progress.
    bool queueFrame(const QByteArray &frame);
    int queuedCount();
    // Whether a request with this command is queued or being answered.
    bool isOutstanding(Device::COMMAND request);
    // Whether somebody's reading of a record (configuration, register, faults, software) is
    // queued or under way.
    bool readingInProgress();
    // Whether a multi-part event-log read has been queued and has not ended yet.
    bool transferInProgress() const { return m_transferActive; }
    // Withdraws every queued request with this command. One already on the wire stays at the
    // head until its answer (which is swallowed) or its time-out, so that no late answer is
    // taken for the next request; it is not repeated. Cancelling the event-log read also stops
    // the link asking for further parts and throws away the parts collected. Replies of those
    // requests fail as cancelled.
    void cancelRequest(Device::COMMAND request);

    // Why the port closed last: the error's explanation, or empty after a user's disconnect.
    QString closeReason() const { return m_closeReason; }
    // Status texts of the windows take the same route to the status bar as the link's own.
    void writeMessage(const QString &text, int timeMs);

    // Link health since the port was last opened.
    int repeatCount() const { return m_repeats; }
    int droppedCount() const { return m_dropped; }
    int rejectedCount() const { return rejectedFrames() - m_rejectedAtOpen + m_decodeFailures; }
    // Milliseconds since the last decoded answer; -1 when none came since the port opened.
    qint64 lastAnswerAgeMs() const;
    // Milliseconds since the port was opened; -1 while it is closed.
    qint64 openAgeMs() const;
    void write();
    int decodeFrame(Device::COMMAND &command, const QByteArray &frame, QByteArray &payload);

    // Splits a TCP port name into host and port; false for a serial port name.
    static bool parseNetworkAddress(const QString &portName, QString *host = nullptr,
                                    quint16 *port = nullptr);
    static QStringList availablePortNames();
    // The error's enum name, for the log only.
    static QString errorName(int error);
    // What a port error means to a technician, in words.
    static QString errorExplanation(int error);

signals:
    void signalUsbPortOpened();
    void signalUsbPortClosed();
    // Every complete answer, for the link's own watchers (monitor, host); a window gets its
    // answers from its replies.
    void signalReceivedPacket(Device::COMMAND command, QByteArray dane);
    // The unit's clock, whenever it tells it: to a window's read or set, or to the idle reads.
    void signalUnitClock(QByteArray payload);
    void signalWriteMessage(QString text, int timeMs);
    // A part of the event-log read has arrived: its number (1 to count) and the data bytes
    // collected so far.
    void signalTransferProgress(int part, int count, int bytes);
    // A request was given up after its third unanswered write.
    void signalRequestDropped(Device::COMMAND request);
    // A frame crossed the wire: written, assembled and valid, or rejected for its CRC.
    void signalTraffic(bool outgoing, QByteArray frame, bool valid);
    // The health counters or the time of the last answer changed, or the port opened/closed.
    void signalHealthChanged();

public slots:
    void slotUsbError(QSerialPort::SerialPortError error);
    void slotSocketError(QAbstractSocket::SocketError error);
    void slotUsbPortOpened();
    void slotUsbPortClosed();
    void slotDataTimerTimeout();
    void slotConnectionTimerTimeout();
    int slotReceivedFrame(Device::COMMAND command, QByteArray payload);
    void slotReadReady();
    void slotCommandTimeout();

private:
    friend class LinkReply;
    // A queued request: its frame and, when somebody waits for its answer, the reply.
    struct Entry
    {
        QByteArray frame;
        QPointer<LinkReply> reply;
    };
    bool enqueue(const QByteArray &frame, LinkReply *reply);
    // Takes the requests matching `matches` out of the queue (the head stays while on the wire,
    // marked cancelled) and returns their replies, which the caller ends.
    QList<QPointer<LinkReply>> withdrawWhere(const std::function<bool(const Entry &)> &matches);
    void withdraw(LinkReply *reply);
    void endLater(LinkReply *reply, int outcome, const QString &reason);
    void abandonTransfer();
    void deliver(std::function<void()> emission);
    void portLost(const QString &reason);
    bool openSerial(const QString &portName);
    bool openSocket(const QString &host, quint16 port);
    void portFailed(const QString &name, const QString &explanation);
    static QString socketErrorText(QAbstractSocket::SocketError error, const QString &address);

    int m_answerTimeoutMs = AnswerTimeoutMs;
    QTimer m_commandTimer;
    QTimer m_answerTimer;
    QTimer m_keepAliveTimer;
    quint8 m_attemptCount = 0;
    QList<Entry> m_queue;
    QByteArray m_singleAnswer;
    QByteArray m_multiPartAnswer;
    // A QSerialPort or a QTcpSocket: above the byte stream the link does not care which.
    QIODevice *m_port = nullptr;
    QString m_portName;
    QString m_openError;
    // The wait for a TCP connection, while openPort is in it.
    QEventLoop *m_connecting = nullptr;
    bool m_connectCancelled = false;
    QMutex m_queueMutex;
    bool m_noAnswerFlag = false;

    bool m_transferActive = false;
    // The head was cancelled while on the wire: its answer is not delivered, nor is it repeated.
    bool m_headCancelled = false;
    bool m_progressPending = false;
    int m_progressPart = 0;
    int m_progressCount = 0;
    QString m_closeReason;
    int m_repeats = 0;
    int m_dropped = 0;
    int m_rejectedAtOpen = 0;
    int m_decodeFailures = 0;
    QElapsedTimer m_lastAnswer;
    QElapsedTimer m_openedAt;
};
