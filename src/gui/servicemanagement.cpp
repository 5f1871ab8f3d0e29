#include "servicemanagement.h"
#include "ui_servicemanagement.h"

#include "dialogs.h"
#include "transferprogress.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"
#include "records/registerdelta.h"
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
        m_strip = new TransferProgress(m_tracker, m_link, tr("czyszczenie rejestru zdarzeń"),
                                       this);
        layout()->addWidget(m_strip);
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
    if (command != Device::Acknowledge)
        return;
    QString text = tr("Dane wysłane poprawnie.");
    if (!m_storedLogs.isEmpty())
        text += QLatin1Char('\n')
                + tr("Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.")
                          .arg(m_storedLogs.join(QStringLiteral(", ")));
    m_storedLogs.clear();
    Dialogs::instance()->information(this, tr("Info"), text);
}

void ServiceManagement::slotSendCommand(int command)
{
    if (!m_link || m_tracker->isBusy())
        return;
    m_storedLogs.clear();
    m_lastRead.clear();
    m_reads = 0;
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
            readBeforeClear();
            return;
        }
        if (answer != QMessageBox::No)
            return;
    }
    sendCommand(Device::COMMAND(command));
}

void ServiceManagement::readBeforeClear()
{
    m_tracker->describeNext(m_reads == 0
                                    ? tr("odczyt rejestru zdarzeń przed wyczyszczeniem")
                                    : tr("sprawdzenie, czy centrala nie dopisała zdarzeń"),
                            tr("Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony."));
    LinkReply *reply =
            m_tracker->start(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart);
    if (reply)
        connect(reply, &LinkReply::finished, this, &ServiceManagement::storeLogAndClear);
}

// The unit goes on logging while its register is read (a clock set, a fault, a reset), and a
// full register takes minutes. So the register is read again after it was stored, and cleared
// only once a read brought nothing new but the unit's note of the previous read: every entry is
// in the store before the unit forgets it.
void ServiceManagement::storeLogAndClear(const QByteArray &log)
{
    ++m_reads;
    if (m_reads > 1 && RegisterDelta::onlyReadNotes(RegisterDelta::newEntries(m_lastRead, log))) {
        sendCommand(Device::ClearEventLog);
        return;
    }
    DbManager *store = DbManager::instance();
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
    const QString name = store->readLogName(id);
    if (!m_storedLogs.contains(name))
        m_storedLogs << name;
    m_lastRead = log;
    emit signalEventLogStored(id);
    if (m_reads >= MaxReadsBeforeClear) {
        Dialogs::instance()->warning(
                this, tr("Wyczyść rejestr zdarzeń"),
                tr("Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie "
                   "odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj "
                   "ponownie za chwilę.")
                        .arg(m_reads)
                        .arg(m_storedLogs.join(QStringLiteral(", "))));
        m_storedLogs.clear();
        return;
    }
    readBeforeClear();
}

void ServiceManagement::sendCommand(Device::COMMAND command)
{
    // A command the unit has received cannot be taken back.
    m_tracker->describeNext(QString(), tr("Nie wiadomo, czy centrala wykonała polecenie."), false);
    LinkReply *reply = m_tracker->start(command, QByteArray(), Device::Acknowledge);
    if (!reply)
        return;
    connect(reply, &LinkReply::finished, this, [this](const QByteArray &answer) {
        slotReceivedPacket(Device::Acknowledge, answer);
    });
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
}
