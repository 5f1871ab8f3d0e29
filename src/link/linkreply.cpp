#include "linkreply.h"

#include "usbmanager.h"

LinkReply::LinkReply(USBManager *link, Device::COMMAND request, Device::COMMAND expected)
    : QObject(link), m_link(link), m_request(request), m_expected(expected)
{
    m_started.start();
}

void LinkReply::cancel()
{
    if (isFinished())
        return;
    m_link->withdraw(this);
    end(Cancelled);
}

void LinkReply::end(Outcome outcome, const QByteArray &answer, const QString &reason)
{
    if (isFinished())
        return;
    m_outcome = outcome;
    m_answer = answer;
    m_reason = reason;
    if (outcome == Answered)
        emit finished(answer);
    else
        emit failed(outcome, reason);
    deleteLater();
}
