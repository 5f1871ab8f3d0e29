#include "servicemanagement.h"
#include "ui_servicemanagement.h"

#include "dialogs.h"
#include "link/usbmanager.h"

#include <QSignalMapper>

ServiceManagement::ServiceManagement(QWidget *parent) : ServiceManagement(nullptr, parent) { }

ServiceManagement::ServiceManagement(USBManager *link, QWidget *parent)
    : QFrame(parent), ui(new Ui::ServiceManagement), m_link(link), m_mapper(new QSignalMapper(this))
{
    ui->setupUi(this);
    if (m_link) {
        connect(m_link, &USBManager::signalReceivedPacket, this,
                &ServiceManagement::slotReceivedPacket);
        connect(m_link, &USBManager::signalUsbPortClosed, this,
                &ServiceManagement::slotUsbPortClosed);
        connect(m_link, &USBManager::signalUsbPortOpened, this,
                &ServiceManagement::slotUsbPortOpened, Qt::UniqueConnection);
    }
    connect(ui->sendAckButton, &QPushButton::clicked, m_mapper,
            qOverload<>(&QSignalMapper::map));
    m_mapper->setMapping(ui->sendAckButton, int(Device::ClearEventLog));
    connect(m_mapper, &QSignalMapper::mappedInt, this, &ServiceManagement::signalSendCommand);
    connect(this, &ServiceManagement::signalSendCommand, this,
            &ServiceManagement::slotSendCommand);
    ui->sendAckButton->setEnabled(m_link && m_link->isOpen());
}

ServiceManagement::~ServiceManagement()
{
    delete ui;
}

void ServiceManagement::slotReceivedPacket(Device::COMMAND command, QByteArray packet)
{
    Q_UNUSED(packet)
    if (expectedAnswer == 0 || command != expectedAnswer)
        return;
    // Cleared before the modal box: its event loop may deliver a second acknowledge.
    expectedAnswer = 0;
    Dialogs::instance()->information(this, tr("Info"), tr("Dane wysłane poprawnie."));
}

void ServiceManagement::slotSendCommand(int command)
{
    expectedAnswer = Device::Acknowledge;
    sentCommand = command;
    if (!m_link)
        return;
    QByteArray frame;
    Device::buildFrame(Device::COMMAND(command), QByteArray(), frame);
    m_link->queueFrame(frame);
}

void ServiceManagement::slotUsbPortOpened()
{
    ui->sendAckButton->setEnabled(true);
}

void ServiceManagement::slotUsbPortClosed()
{
    ui->sendAckButton->setEnabled(false);
    // An acknowledge after reconnecting answers somebody else's request, not ours.
    expectedAnswer = 0;
}
