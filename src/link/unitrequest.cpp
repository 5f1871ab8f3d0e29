#include "unitrequest.h"

UnitRequest::UnitRequest(USBManager *usb, QObject *parent) : QObject(parent), m_usb(usb)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(TimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &UnitRequest::fail);
    if (m_usb) {
        connect(m_usb, &USBManager::signalReceivedPacket, this, &UnitRequest::onPacket);
        connect(m_usb, &USBManager::signalUsbPortClosed, this, [this] {
            if (m_running)
                fail();
        });
    }
}

bool UnitRequest::start(Device::COMMAND command, const QByteArray &payload,
                        Device::COMMAND answer)
{
    if (m_running || !m_usb || !m_usb->isOpen())
        return false;
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    m_answer = answer;
    m_running = true;
    m_timer.start();
    m_usb->queueFrame(frame);
    return true;
}

void UnitRequest::cancel()
{
    m_running = false;
    m_timer.stop();
}

void UnitRequest::onPacket(Device::COMMAND command, const QByteArray &payload)
{
    if (!m_running || command != m_answer)
        return;
    cancel();
    emit answered(payload);
}

void UnitRequest::fail()
{
    cancel();
    emit failed();
}
