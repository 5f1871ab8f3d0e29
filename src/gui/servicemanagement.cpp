#include "servicemanagement.h"
#include "ui_servicemanagement.h"

#include "dialogs.h"
#include "transferprogress.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QDateTime>
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
        // The strip tells of a read that ended without the register; nothing was cleared then.
        connect(m_tracker, &RequestTracker::signalFinished, this, [this](int outcome) {
            if (outcome != RequestTracker::Answered)
                m_readingLog = false;
        });
        m_strip = new TransferProgress(m_tracker, m_link, tr("czyszczenie rejestru zdarzeń"),
                                       this);
        // A clear the unit has received cannot be taken back.
        m_strip->setCancellable(false);
        layout()->addWidget(m_strip);
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
    if (m_readingLog && command == Device::EventLogPart) {
        m_readingLog = false;
        storeLogAndClear(packet);
        return;
    }
    if (expectedAnswer == 0 || command != expectedAnswer)
        return;
    // Cleared before the modal box: its event loop may deliver a second acknowledge.
    expectedAnswer = 0;
    QString text = tr("Dane wysłane poprawnie.");
    if (!m_storedLog.isEmpty())
        text += QLatin1Char('\n')
                + tr("Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.").arg(m_storedLog);
    m_storedLog.clear();
    Dialogs::instance()->information(this, tr("Info"), text);
}

void ServiceManagement::slotSendCommand(int command)
{
    if (!m_link || m_tracker->isBusy())
        return;
    m_storedLog.clear();
    if (command == Device::ClearEventLog) {
        // The register is the unit's account of what happened: it is kept unless the user
        // explicitly gives it up.
        const QVector<Dialogs::Choice> choices{
                {QMessageBox::Yes, tr("Odczytaj, zapisz i wyczyść")},
                {QMessageBox::No, tr("Wyczyść bez odczytu")},
                {QMessageBox::Cancel, tr("Anuluj")}};
        const auto answer = Dialogs::choose(
                this, tr("Wyczyść rejestr zdarzeń"),
                tr("Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.\n\n"
                   "„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie "
                   "danych; centrala jest czyszczona dopiero po zapisaniu."),
                choices, QMessageBox::Yes, QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) {
            m_readingLog = true;
            queue(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart);
            return;
        }
        if (answer != QMessageBox::No)
            return;
    }
    expectedAnswer = Device::Acknowledge;
    sentCommand = command;
    queue(Device::COMMAND(command), QByteArray(), Device::Acknowledge);
}

void ServiceManagement::queue(Device::COMMAND command, const QByteArray &payload,
                              Device::COMMAND answer)
{
    m_strip->setLostNote(command == Device::ReadEventLog
                                 ? tr("Rejestru zdarzeń nie odczytano, więc nie został "
                                      "wyczyszczony.")
                                 : tr("Nie wiadomo, czy centrala wykonała polecenie."));
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    if (!m_tracker->start(frame, answer)) {
        m_readingLog = false;
        expectedAnswer = 0;
    }
}

void ServiceManagement::storeLogAndClear(const QByteArray &log)
{
    DbManager *store = DbManager::instance();
    // The event-log window stores every register the link delivers; one copy is enough.
    int id = store->findLog(log);
    if (id == 0) {
        id = store->writeLog(QStringLiteral("L_")
                                     + QDateTime::currentDateTime().toString(
                                             QStringLiteral("yyyy_MM_dd_HH:mm:ss")),
                             log);
    }
    if (id == 0) {
        Dialogs::instance()->warning(this, tr("Wyczyść rejestr zdarzeń"),
                                     tr("Nie udało się zapisać rejestru zdarzeń w bazie danych. "
                                        "Rejestru w centrali nie wyczyszczono."));
        return;
    }
    m_storedLog = store->readLogName(id);
    emit signalEventLogStored(id);
    expectedAnswer = Device::Acknowledge;
    sentCommand = Device::ClearEventLog;
    queue(Device::ClearEventLog, QByteArray(), Device::Acknowledge);
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
