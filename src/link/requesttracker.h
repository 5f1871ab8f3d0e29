#pragma once

#include "device.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class USBManager;

// One window's request to the unit, from queueing to its end: answered, cancelled by the user,
// given up by the link after its third write, or lost with the port. A window keeps one per
// kind of request, disables the action while it is busy, and shows the progress and the end.
class RequestTracker : public QObject
{
    Q_OBJECT
public:
    enum Outcome { Answered, Cancelled, Dropped, PortLost };

    RequestTracker(USBManager *link, QObject *parent);

    // Queues the request and waits for `answer`. False (and nothing queued) while this tracker
    // is busy already or when the link refuses the request.
    bool start(const QByteArray &frame, Device::COMMAND answer);
    bool isBusy() const { return m_busy; }
    Device::COMMAND request() const { return m_request; }
    qint64 elapsedMs() const;
    // Withdraws the request from the link; nothing it brings is delivered.
    void cancel();

    // Time left of a transfer of `count` parts of which `done` took `elapsedMs`; -1 unknown.
    static qint64 remainingMs(qint64 elapsedMs, int done, int count);

signals:
    void signalBusyChanged(bool busy);
    // Multi-part progress: parts done of count, data bytes so far, estimated time left or -1.
    void signalProgress(int part, int count, int bytes, qint64 remainingMs);
    // `reason` explains a lost port (empty after the user's own disconnect).
    void signalFinished(int outcome, QString reason);

private:
    void finish(Outcome outcome, const QString &reason = QString());

    QPointer<USBManager> m_link;
    Device::COMMAND m_request = Device::ReadClock;
    Device::COMMAND m_answer = Device::ClockData;
    bool m_busy = false;
    QElapsedTimer m_started;
};
