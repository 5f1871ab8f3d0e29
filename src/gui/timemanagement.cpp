#include "timemanagement.h"
#include "ui_timemanagement.h"

#include "transferprogress.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"

#include <QLayout>

#include <QDebug>

TimeManagement::TimeManagement(QWidget *parent) : TimeManagement(nullptr, parent) { }

TimeManagement::TimeManagement(USBManager *link, QWidget *parent)
    : QFrame(parent), ui(new Ui::TimeManagement), m_link(link)
{
    ui->setupUi(this);
    // The unit's clock is plain wall-clock fields. UTC edits take them as they are, where the
    // PC's zone would move a time inside its spring-forward gap (02:30 on a DST night).
    ui->dateReadTimeEdit->setTimeSpec(Qt::UTC);
    ui->dateSetTimeEdit->setTimeSpec(Qt::UTC);
    // Shown when the unit reports a date that does not exist, rather than keeping the
    // previous value beside a fresh arrival time.
    ui->dateReadTimeEdit->setMinimumDateTime(
            QDateTime(QDate(1999, 12, 31), QTime(0, 0), Qt::UTC));
    ui->dateReadTimeEdit->setSpecialValueText(tr("Nieprawidłowa data"));
    const QDateTime now = QDateTime::currentDateTime();
    ui->dateSetTimeEdit->setDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
    // Read-only displays: the flag box mirrors the unit and must not look editable.
    ui->checkBoxChangeTimeRead->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->checkBoxChangeTimeRead->setFocusPolicy(Qt::NoFocus);
    if (m_link) {
        m_tracker = new RequestTracker(m_link, this);
        connect(m_tracker, &RequestTracker::signalBusyChanged, this,
                &TimeManagement::updateButtons);
        auto *strip = new TransferProgress(m_tracker, m_link, tr("odczyt lub ustawienie zegara"),
                                           this);
        strip->setCancellable(false);
        strip->setLostNote(QString());
        layout()->addWidget(strip);
        connect(m_link, &USBManager::signalReceivedPacket, this,
                &TimeManagement::slotReceivedPacket);
        connect(m_link, &USBManager::signalUsbPortClosed, this,
                &TimeManagement::slotUsbPortClosed);
        connect(m_link, &USBManager::signalUsbPortOpened, this,
                &TimeManagement::slotUsbPortOpened, Qt::UniqueConnection);
    }
    m_portOpen = m_link && m_link->isOpen();
    updateButtons();
}

TimeManagement::~TimeManagement()
{
    delete ui;
}

QByteArray TimeManagement::clockPayload(const QDateTime &dateTime, bool automaticDst)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    QByteArray payload;
    payload.append(char(date.year() % 2000));
    payload.append(char(date.month()));
    payload.append(char(date.day()));
    payload.append(char(time.hour()));
    payload.append(char(time.minute()));
    payload.append(char(time.second()));
    payload.append(char(automaticDst ? 1 : 0));
    return payload;
}

bool TimeManagement::parseClock(const QByteArray &payload, QDateTime *dateTime, int *dstFlag)
{
    if (payload.size() <= 5)
        return false;
    const auto byte = [&payload](int i) { return int(quint8(payload.at(i))); };
    *dateTime = QDateTime(QDate(2000 + byte(0), byte(1), byte(2)),
                          QTime(byte(3), byte(4), byte(5), 0), Qt::UTC);
    *dstFlag = payload.size() > 6 ? byte(6) : -1;
    return true;
}

void TimeManagement::slotReceivedPacket(Device::COMMAND command, QByteArray packet)
{
    // Every clock answer counts, the link's idle reads included, so the display keeps itself
    // current while the port is open.
    if (command != Device::ClockData)
        return;
    QDateTime unitTime;
    int dstFlag = -1;
    if (!parseClock(packet, &unitTime, &dstFlag))
        return;
    if (dstFlag >= 0)
        ui->checkBoxChangeTimeRead->setChecked(dstFlag != 0);
    if (unitTime.isValid()) {
        ui->dateReadTimeEdit->setDateTime(unitTime);
    } else {
        qDebug() << "Invalid clock from the unit:" << packet.toHex(' ');
        ui->dateReadTimeEdit->setDateTime(ui->dateReadTimeEdit->minimumDateTime());
    }
    ui->dateSystemTimeEdit->setDateTime(QDateTime::currentDateTime());
}

void TimeManagement::on_sendTimeButton_clicked()
{
    sendDateTime(ui->dateSetTimeEdit->dateTime());
}

void TimeManagement::on_readTimeButton_clicked()
{
    sentCommand = Device::ReadClock;
    expectedAnswer = Device::ClockData;
    queue(Device::ReadClock, QByteArray());
}

void TimeManagement::on_sendComputerTimeButton_clicked()
{
    sendDateTime(QDateTime::currentDateTime());
}

void TimeManagement::slotUsbPortOpened()
{
    m_portOpen = true;
    updateButtons();
}

void TimeManagement::slotUsbPortClosed()
{
    m_portOpen = false;
    updateButtons();
}

void TimeManagement::updateButtons()
{
    setButtonsEnabled(m_portOpen && !(m_tracker && m_tracker->isBusy()));
}

void TimeManagement::sendDateTime(const QDateTime &dateTime)
{
    sentCommand = Device::ClockData;
    expectedAnswer = Device::ClockData;
    queue(Device::ClockData, clockPayload(dateTime, ui->checkBoxChangeTimeSend->isChecked()));
}

void TimeManagement::queue(Device::COMMAND command, const QByteArray &payload)
{
    if (!m_link || !m_tracker || m_tracker->isBusy())
        return;
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    // Both the read and the setting are answered with the unit's clock.
    m_tracker->start(frame, Device::ClockData);
}

void TimeManagement::setButtonsEnabled(bool enabled)
{
    ui->readTimeButton->setEnabled(enabled);
    ui->sendTimeButton->setEnabled(enabled);
    ui->sendComputerTimeButton->setEnabled(enabled);
}
