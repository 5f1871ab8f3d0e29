#include "timemanagement.h"

#include "gui/guilog.h"
#include "ui_timemanagement.h"

#include "dialogs.h"
#include "transferprogress.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/usbmanager.h"

#include <QCheckBox>
#include <QDebug>
#include <QLayout>
#include <QLineEdit>

namespace {

QDateTime wallClock(const QDateTime &local)
{
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

// Some styles (Windows' own among them) give a date edit less room than its text needs: the
// calendar's button then covers the last digit of the seconds. Once laid out, the edit grows by
// what its text field lacks for the widest digits.
void fitToText(QDateTimeEdit *edit)
{
    const auto *field = edit->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!field)
        return;
    const QFontMetrics metrics = field->fontMetrics();
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    QString sample = field->text();
    for (QChar &c : sample) {
        if (c.isDigit())
            c = widest;
    }
    // A line edit keeps 2 px beside its text on each side, and the cursor takes one more.
    const int missing =
            metrics.horizontalAdvance(sample) + 5 - field->contentsRect().width();
    if (missing > 0)
        edit->setMinimumWidth(edit->width() + missing);
}

QString flagText(bool automaticDst)
{
    return automaticDst ? TimeManagement::tr("włączona") : TimeManagement::tr("wyłączona");
}

} // namespace

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
    followComputerTime();
    connect(ui->dateSetTimeEdit, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_following)
            m_setTimeEdited = true;
    });
    m_follow.setParent(this);
    m_follow.setInterval(1000);
    connect(&m_follow, &QTimer::timeout, this, &TimeManagement::followComputerTime);
    m_follow.start();
    connect(ui->checkBoxChangeTimeSend, &QCheckBox::clicked, this,
            [this](bool checked) { m_clock.userChose(checked); });
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
        // Every clock the unit tells counts, the link's idle reads included, so the display
        // keeps itself current while the port is open.
        connect(m_link, &USBManager::signalUnitClock, this, [this](const QByteArray &payload) {
            slotReceivedPacket(Device::ClockData, payload);
        });
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

void TimeManagement::followComputerTime()
{
    // Not while the technician is typing a time: a tick would overwrite the digits typed so far.
    if (m_setTimeEdited || ui->dateSetTimeEdit->hasFocus())
        return;
    m_following = true;
    ui->dateSetTimeEdit->setDateTime(wallClock(QDateTime::currentDateTime()));
    m_following = false;
}

void TimeManagement::showEvent(QShowEvent *event)
{
    // Coming back to the tab, the time typed long ago is not what anybody wants to send.
    m_setTimeEdited = false;
    followComputerTime();
    QFrame::showEvent(event);
    for (QDateTimeEdit *edit : findChildren<QDateTimeEdit *>())
        fitToText(edit);
}

void TimeManagement::slotReceivedPacket(Device::COMMAND command, QByteArray packet)
{
    if (command != Device::ClockData)
        return;
    QDateTime unitTime;
    int dstFlag = -1;
    if (!UnitClock::parse(packet, &unitTime, &dstFlag))
        return;
    if (dstFlag >= 0)
        ui->checkBoxChangeTimeRead->setChecked(dstFlag != 0);
    m_clock.unitAnswered(dstFlag);
    ui->checkBoxChangeTimeSend->setChecked(m_clock.flagToOffer());
    if (unitTime.isValid()) {
        ui->dateReadTimeEdit->setDateTime(unitTime);
    } else {
        qCDebug(lcGui) << "Invalid clock from the unit:" << packet.toHex(' ');
        ui->dateReadTimeEdit->setSpecialValueText(tr("Nieprawidłowa data"));
        ui->dateReadTimeEdit->setDateTime(ui->dateReadTimeEdit->minimumDateTime());
    }
    ui->dateSystemTimeEdit->setDateTime(QDateTime::currentDateTime());
}

void TimeManagement::on_sendTimeButton_clicked()
{
    sendDateTime(ui->dateSetTimeEdit->dateTime(), !m_setTimeEdited);
}

void TimeManagement::on_readTimeButton_clicked()
{
    // The display follows every clock the unit tells; the read only asks for one now.
    queue(Device::ReadClock, QByteArray());
}

void TimeManagement::on_sendComputerTimeButton_clicked()
{
    sendDateTime(QDateTime(), true);
}

void TimeManagement::slotUsbPortOpened()
{
    // Another unit may be on the port now: its flag is learnt afresh, and the previous unit's
    // clock is not shown as this one's.
    m_clock.reset();
    ui->dateReadTimeEdit->setSpecialValueText(QStringLiteral("—"));
    ui->dateReadTimeEdit->setDateTime(ui->dateReadTimeEdit->minimumDateTime());
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

void TimeManagement::sendDateTime(const QDateTime &typed, bool computerTime)
{
    if (!m_tracker || m_tracker->isBusy())
        return;
    const bool pcTime = typed.isNull();
    // The PC's time only corrects the clock; the typed one is set with the flag shown.
    const bool flag =
            pcTime ? m_clock.flagForComputerTime() : ui->checkBoxChangeTimeSend->isChecked();
    const QString format = ui->dateSetTimeEdit->displayFormat();
    const QString what = computerTime
            ? tr("bieżący czas komputera (teraz %1)")
                      .arg(QDateTime::currentDateTime().toString(format))
            : typed.toString(format);
    const auto answer = Dialogs::instance()->question(
            this, tr("Data i czas"),
            tr("Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?")
                    .arg(what, flagText(flag)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    // Taken after the answer: the question may have stood open for a while.
    const QDateTime value = computerTime ? wallClock(QDateTime::currentDateTime()) : typed;
    LinkReply *reply = queue(Device::ClockData, UnitClock::payload(value, flag));
    if (!reply)
        return;
    // The unit answers a setting with its clock as it now runs: that is what the technician
    // is told, the display having taken it already.
    connect(reply, &LinkReply::finished, this, [this] {
        Dialogs::instance()->information(
                this, tr("Data i czas"),
                tr("Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.")
                        .arg(ui->dateReadTimeEdit->text(),
                             flagText(ui->checkBoxChangeTimeRead->isChecked())));
    });
}

LinkReply *TimeManagement::queue(Device::COMMAND command, const QByteArray &payload)
{
    if (!m_link || !m_tracker || m_tracker->isBusy())
        return nullptr;
    // Both the read and the setting are answered with the unit's clock.
    return m_tracker->start(command, payload, Device::ClockData);
}

void TimeManagement::setButtonsEnabled(bool enabled)
{
    ui->readTimeButton->setEnabled(enabled);
    ui->sendTimeButton->setEnabled(enabled);
    ui->sendComputerTimeButton->setEnabled(enabled);
}
