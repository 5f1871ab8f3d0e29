#include "requesttracker.h"

#include "usbmanager.h"

RequestTracker::RequestTracker(USBManager *link, QObject *parent) : QObject(parent), m_link(link)
{
}

LinkReply *RequestTracker::start(Device::COMMAND command, const QByteArray &payload,
                                 Device::COMMAND answer)
{
    if (isBusy() || !m_link) {
        describeNext(QString());
        return nullptr;
    }
    LinkReply *reply = m_link->request(command, payload, answer);
    if (reply->isFinished()) {
        describeNext(QString());
        return nullptr;
    }
    m_reply = reply;
    // Connected before the caller's own handlers: the tracker is idle again when they run.
    connect(reply, &LinkReply::finished, this,
            [this] { finish(LinkReply::Answered, QString()); });
    connect(reply, &LinkReply::failed, this, &RequestTracker::finish);
    connect(reply, &LinkReply::progress, this, [this, reply](int part, int count, int bytes) {
        emit signalProgress(part, count, bytes, remainingMs(reply->elapsedMs(), part, count));
    });
    emit signalBusyChanged(true);
    return reply;
}

void RequestTracker::describeNext(const QString &description, const QString &lostNote,
                                  bool cancellable)
{
    m_description = description;
    m_lostNote = lostNote;
    m_cancellable = cancellable;
}

qint64 RequestTracker::elapsedMs() const
{
    return m_reply ? m_reply->elapsedMs() : 0;
}

void RequestTracker::cancel()
{
    if (m_reply)
        m_reply->cancel();
}

qint64 RequestTracker::remainingMs(qint64 elapsedMs, int done, int count)
{
    if (done <= 0 || count <= 0 || elapsedMs < 0)
        return -1;
    if (done >= count)
        return 0;
    return elapsedMs * (count - done) / done;
}

void RequestTracker::finish(int outcome, const QString &reason)
{
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply = nullptr;
    emit signalFinished(outcome, reason);
    describeNext(QString());
    emit signalBusyChanged(false);
}
