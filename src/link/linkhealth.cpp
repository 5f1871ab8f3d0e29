#include "linkhealth.h"

#include "usbmanager.h"

LinkHealth::LinkHealth(USBManager *link, QObject *parent) : QObject(parent), m_link(link)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &LinkHealth::update);
    if (link)
        connect(link, &USBManager::signalHealthChanged, this, &LinkHealth::update);
    update();
}

QString LinkHealth::portName() const
{
    return m_link && m_link->isOpen() ? m_link->portName() : QString();
}

qint64 LinkHealth::lastAnswerAgeMs() const
{
    return m_link ? m_link->lastAnswerAgeMs() : -1;
}

int LinkHealth::repeats() const
{
    return m_link ? m_link->repeatCount() : 0;
}

int LinkHealth::dropped() const
{
    return m_link ? m_link->droppedCount() : 0;
}

int LinkHealth::rejected() const
{
    return m_link ? m_link->rejectedCount() : 0;
}

void LinkHealth::update()
{
    const qint64 limit = m_link ? m_link->answerTimeoutMs() : USBManager::AnswerTimeoutMs;
    State state = NoPort;
    qint64 wait = -1;
    if (m_link && m_link->isOpen()) {
        const qint64 age = m_link->lastAnswerAgeMs();
        const qint64 openAge = m_link->openAgeMs();
        if (age >= 0 && age <= limit) {
            state = Answering;
            wait = limit - age + 1;
        } else if (age < 0 && openAge >= 0 && openAge <= limit) {
            state = Waiting;
            wait = limit - openAge + 1;
        } else {
            state = NotAnswering;
        }
    }
    if (wait >= 0)
        m_deadline.start(int(wait));
    else
        m_deadline.stop();
    m_state = state;
    emit signalChanged();
}
