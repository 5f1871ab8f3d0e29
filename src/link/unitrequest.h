#pragma once

#include "device.h"
#include "usbmanager.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

// One request to the unit that waits for its answer against a deadline of its own: the link
// repeats and finally drops an unanswered request without telling anyone, so a flow that must
// not hang keeps its own clock. The deadline covers every write the link makes, plus a margin
// for requests queued ahead.
class UnitRequest : public QObject
{
    Q_OBJECT
public:
    static constexpr int TimeoutMs = USBManager::AnswerTimeoutMs * USBManager::MaxAttempts + 2000;

    explicit UnitRequest(USBManager *usb, QObject *parent = nullptr);

    // Queues the request; false (and nothing queued) without an open port or while one runs.
    bool start(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer);
    void cancel();
    bool isRunning() const { return m_running; }
    void setTimeout(int ms) { m_timer.setInterval(ms); }

signals:
    void answered(QByteArray payload);
    // No answer in time, or the port closed meanwhile.
    void failed();

private:
    void onPacket(Device::COMMAND command, const QByteArray &payload);
    void fail();

    USBManager *m_usb;
    QTimer m_timer;
    Device::COMMAND m_answer = Device::Acknowledge;
    bool m_running = false;
};
