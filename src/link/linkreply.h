#pragma once

#include "device.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class USBManager;

// One request to the unit, from the moment USBManager::request queued it to its end. Whoever
// asked listens to its own reply and to nothing else: finished() carries the answer to this
// request only, never one that came for somebody else, after a cancel or after the request was
// given up. Exactly one of finished() and failed() is emitted, always from the event loop
// (never from inside the caller's request() nor from the link's receive handling), and the
// reply deletes itself afterwards; keep it in a QPointer to cancel it later.
class LinkReply : public QObject
{
    Q_OBJECT
public:
    enum Outcome {
        Pending = -1,
        Answered = 0,
        Cancelled,  // cancel() by the one who asked
        Dropped,    // no answer after the third write
        PortLost,   // the port closed, or was not open
        Refused,    // the link would not queue it (another reading of the kind runs)
        Unexpected, // the unit answered with another command
    };
    Q_ENUM(Outcome)

    Device::COMMAND request() const { return m_request; }
    Device::COMMAND expectedAnswer() const { return m_expected; }
    bool isFinished() const { return m_outcome != Pending; }
    Outcome outcome() const { return m_outcome; }
    // Why a request failed, in the technician's words; empty when nothing more is known.
    QString reason() const { return m_reason; }
    QByteArray answer() const { return m_answer; }
    qint64 elapsedMs() const { return m_started.elapsed(); }

    // Withdraws the request: nothing it brings is delivered; failed(Cancelled) follows at once.
    void cancel();

signals:
    // Multi-part reads: part done of count, and the data bytes collected so far.
    void progress(int part, int count, int bytes);
    void finished(QByteArray answer);
    void failed(int outcome, QString reason);

private:
    friend class USBManager;
    LinkReply(USBManager *link, Device::COMMAND request, Device::COMMAND expected);
    void end(Outcome outcome, const QByteArray &answer = QByteArray(),
             const QString &reason = QString());

    USBManager *m_link;
    Device::COMMAND m_request;
    Device::COMMAND m_expected;
    Outcome m_outcome = Pending;
    QString m_reason;
    QByteArray m_answer;
    QElapsedTimer m_started;
};
