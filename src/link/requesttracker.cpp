#include "requesttracker.h"

#include "usbmanager.h"

RequestTracker::RequestTracker(USBManager *link, QObject *parent) : QObject(parent), m_link(link)
{
    if (!link)
        return;
    connect(link, &USBManager::signalReceivedPacket, this,
            [this](Device::COMMAND command, const QByteArray &payload) {
                if (!m_busy || command != m_answer)
                    return;
                finish(Answered);
                emit signalAnswered(command, payload);
            });
    connect(link, &USBManager::signalRequestDropped, this, [this](Device::COMMAND command) {
        if (m_busy && command == m_request)
            finish(Dropped);
    });
    connect(link, &USBManager::signalUsbPortClosed, this, [this] {
        if (!m_busy)
            return;
        // Whatever is still queued of it must not go out, or complete, after a reconnect.
        m_link->cancelRequest(m_request);
        finish(PortLost, m_link->closeReason());
    });
    connect(link, &USBManager::signalTransferProgress, this, [this](int part, int count, int bytes) {
        if (m_busy && m_request == Device::ReadEventLog)
            emit signalProgress(part, count, bytes, remainingMs(elapsedMs(), part, count));
    });
}

bool RequestTracker::start(const QByteArray &frame, Device::COMMAND answer)
{
    if (m_busy || !m_link || frame.size() < 5 || !m_link->queueFrame(frame)) {
        describeNext(QString());
        return false;
    }
    m_request = Device::COMMAND(qint8(frame.at(4)));
    m_answer = answer;
    m_busy = true;
    m_started.start();
    emit signalBusyChanged(true);
    return true;
}

bool RequestTracker::start(Device::COMMAND command, const QByteArray &payload,
                           Device::COMMAND answer)
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return start(frame, answer);
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
    return m_started.isValid() ? m_started.elapsed() : 0;
}

void RequestTracker::cancel()
{
    if (!m_busy)
        return;
    if (m_link)
        m_link->cancelRequest(m_request);
    finish(Cancelled);
}

qint64 RequestTracker::remainingMs(qint64 elapsedMs, int done, int count)
{
    if (done <= 0 || count <= 0 || elapsedMs < 0)
        return -1;
    if (done >= count)
        return 0;
    return elapsedMs * (count - done) / done;
}

void RequestTracker::finish(Outcome outcome, const QString &reason)
{
    m_busy = false;
    emit signalFinished(outcome, reason);
    describeNext(QString());
    emit signalBusyChanged(false);
}
