#include "servicemanagement.h"
#include "ui_servicemanagement.h"

#include "dialogs.h"
#include "transferprogress.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"

#include <QLayout>

#include <QSignalMapper>

ServiceManagement::ServiceManagement(QWidget *parent) : ServiceManagement(nullptr, parent) { }

ServiceManagement::ServiceManagement(USBManager *link, QWidget *parent)
    : QFrame(parent), ui(new Ui::ServiceManagement), m_link(link), m_mapper(new QSignalMapper(this))
{
    ui->setupUi(this);
    if (m_link) {
        m_tracker = new RequestTracker(m_link, this);
        connect(m_tracker, &RequestTracker::signalBusyChanged, this,
                &ServiceManagement::updateButton);
        auto *strip = new TransferProgress(m_tracker, m_link, tr("czyszczenie rejestru zdarzeń"),
                                           this);
        // A clear the unit has received cannot be taken back.
        strip->setCancellable(false);
        strip->setLostNote(tr("Nie wiadomo, czy centrala wykonała polecenie."));
        layout()->addWidget(strip);
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
    m_portOpen = m_link && m_link->isOpen();
    updateButton();
}

void ServiceManagement::updateButton()
{
    ui->sendAckButton->setEnabled(m_portOpen && !(m_tracker && m_tracker->isBusy()));
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
    if (!m_link || m_tracker->isBusy())
        return;
    expectedAnswer = Device::Acknowledge;
    sentCommand = command;
    QByteArray frame;
    Device::buildFrame(Device::COMMAND(command), QByteArray(), frame);
    m_tracker->start(frame, Device::Acknowledge);
}

void ServiceManagement::slotUsbPortOpened()
{
    m_portOpen = true;
    updateButton();
}

void ServiceManagement::slotUsbPortClosed()
{
    m_portOpen = false;
    updateButton();
    // An acknowledge after reconnecting answers somebody else's request, not ours.
    expectedAnswer = 0;
}
