#pragma once

#include "device.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

// The single serial link to the unit: queues request frames, writes one at a time, repeats an
// unanswered one after 2000 ms and drops it after the third write, polls an idle port with clock
// reads, drives the multi-part event-log read, and hands every complete answer to the windows.
class USBManager : public QObject, public Device
{
    Q_OBJECT
public:
    static constexpr int AnswerTimeoutMs = 2000;
    static constexpr int KeepAliveMs = 2000;
    static constexpr int CommandTickMs = 100;
    static constexpr int MaxAttempts = 3;

    explicit USBManager(QObject *parent = nullptr);
    ~USBManager() override;

    bool openPort(const QString &portName);
    void closePort();
    bool isOpen() const;
    void queueFrame(const QByteArray &frame);
    int queuedCount();
    void write();
    int decodeFrame(Device::COMMAND &command, const QByteArray &frame, QByteArray &payload);

    static QStringList availablePortNames();
    static QString errorName(int error);

signals:
    void signalUsbPortOpened();
    void signalUsbPortClosed();
    void signalReceivedPacket(Device::COMMAND command, QByteArray dane);
    void signalWriteMessage(QString text, int timeMs);

public slots:
    void slotUsbError(QSerialPort::SerialPortError error);
    void slotUsbPortOpened();
    void slotUsbPortClosed();
    void slotDataTimerTimeout();
    void slotConnectionTimerTimeout();
    int slotReceivedFrame(Device::COMMAND command, QByteArray payload);
    void slotReadReady();
    void slotCommandTimeout();

private:
    QTimer m_commandTimer;
    QTimer m_answerTimer;
    QTimer m_keepAliveTimer;
    quint8 m_attemptCount = 0;
    QList<QByteArray> m_queue;
    QByteArray m_singleAnswer;
    QByteArray m_multiPartAnswer;
    QSerialPort *m_port = nullptr;
    QMutex m_queueMutex;
    bool m_noAnswerFlag = false;
};
