#pragma once

#include "device.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class USBManager;

// A request to the unit, from queueing to its end: answered, cancelled by the user, given up by
// the link after its third write, or lost with the port. Every request of a window goes
// through one: its reads, the safe send's steps and the comparison with the unit. The window
// disables its actions while it is busy and its progress strip shows the request and its end.
// Answers reach the owner only through signalAnswered, so one that comes after a cancel or a
// drop is never taken for the request.
class RequestTracker : public QObject
{
    Q_OBJECT
public:
    enum Outcome { Answered, Cancelled, Dropped, PortLost };

    RequestTracker(USBManager *link, QObject *parent);

    // Queues the request and waits for `answer`. False (and nothing queued) while this tracker
    // is busy already or when the link refuses the request.
    bool start(const QByteArray &frame, Device::COMMAND answer);
    bool start(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer);
    // How the progress strip names the next request (in the middle of a sentence), what it
    // adds when the request is lost, and whether the user may cancel it. Empty texts keep the
    // strip's own; the description lasts until the request ends.
    void describeNext(const QString &description, const QString &lostNote = QString(),
                      bool cancellable = true);
    QString description() const { return m_description; }
    QString lostNote() const { return m_lostNote; }
    bool isCancellable() const { return m_cancellable; }

    USBManager *link() const { return m_link; }
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
    // The answer, after the request has ended (so that a handler may start the next one).
    void signalAnswered(Device::COMMAND answer, QByteArray payload);

private:
    void finish(Outcome outcome, const QString &reason = QString());

    QPointer<USBManager> m_link;
    Device::COMMAND m_request = Device::ReadClock;
    Device::COMMAND m_answer = Device::ClockData;
    bool m_busy = false;
    QElapsedTimer m_started;
    QString m_description;
    QString m_lostNote;
    bool m_cancellable = true;
};
