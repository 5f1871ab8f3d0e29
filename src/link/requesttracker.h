#pragma once

#include "device.h"
#include "linkreply.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class USBManager;

// A window's current request, as its progress strip and its buttons see it: busy from the
// moment the window asks until the reply ends, with the reply's progress and the way it ended
// (answered, cancelled, given up after the third write, port lost, refused). One request at a
// time per window. The answer itself is the reply's: the window connects to the reply that
// start() returns, and this tracker ends before the window's own handlers run, so that a handler
// may start the next request.
class RequestTracker : public QObject
{
    Q_OBJECT
public:
    RequestTracker(USBManager *link, QObject *parent);

    // Asks the link; null (and nothing asked) while this tracker is busy already, or when the
    // link refused the request at once (the port is closed, or the same reading runs).
    LinkReply *start(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer);
    // How the progress strip names the next request (in the middle of a sentence), what it
    // adds when the request is lost, and whether the user may cancel it. Empty texts keep the
    // strip's own; the description lasts until the request ends.
    void describeNext(const QString &description, const QString &lostNote = QString(),
                      bool cancellable = true);
    QString description() const { return m_description; }
    QString lostNote() const { return m_lostNote; }
    bool isCancellable() const { return m_cancellable; }

    USBManager *link() const { return m_link; }
    bool isBusy() const { return !m_reply.isNull(); }
    LinkReply *reply() const { return m_reply; }
    qint64 elapsedMs() const;
    // Withdraws the request; nothing it brings is delivered.
    void cancel();

    // Time left of a transfer of `count` parts of which `done` took `elapsedMs`; -1 unknown.
    static qint64 remainingMs(qint64 elapsedMs, int done, int count);

signals:
    void signalBusyChanged(bool busy);
    // Multi-part progress: parts done of count, data bytes so far, estimated time left or -1.
    void signalProgress(int part, int count, int bytes, qint64 remainingMs);
    // `outcome` is a LinkReply::Outcome; `reason` explains a lost port (empty after the user's
    // own disconnect).
    void signalFinished(int outcome, QString reason);

private:
    void finish(int outcome, const QString &reason);

    QPointer<USBManager> m_link;
    QPointer<LinkReply> m_reply;
    QString m_description;
    QString m_lostNote;
    bool m_cancellable = true;
};
