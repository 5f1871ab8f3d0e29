#pragma once

#include "link/device.h"
#include "service/unitclock.h"

#include <QByteArray>
#include <QDateTime>
#include <QFrame>
#include <QTimer>

class LinkReply;
class RequestTracker;
class USBManager;

namespace Ui {
class TimeManagement;
}

// The "Data i czas" tab: shows the unit's clock as it arrives (the link's idle clock reads
// refresh it by themselves) and sets it to a typed date and time or to the PC's.
class TimeManagement : public QFrame
{
    Q_OBJECT
public:
    explicit TimeManagement(QWidget *parent = nullptr);
    explicit TimeManagement(USBManager *link, QWidget *parent = nullptr);
    ~TimeManagement() override;

public slots:
    void slotReceivedPacket(Device::COMMAND command, QByteArray packet);
    void on_sendTimeButton_clicked();
    void on_readTimeButton_clicked();
    void on_sendComputerTimeButton_clicked();
    void slotUsbPortOpened();
    void slotUsbPortClosed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Asks, naming what will be set, and queues the setting; `computerTime` sends the PC's
    // time as it is when the user answers.
    void sendDateTime(const QDateTime &typed, bool computerTime);
    void followComputerTime();
    LinkReply *queue(Device::COMMAND command, const QByteArray &payload);
    void setButtonsEnabled(bool enabled);

    Ui::TimeManagement *ui;
    USBManager *m_link = nullptr;
    bool m_portOpen = false;
    // The read or setting of the clock under way; the buttons wait for its end.
    RequestTracker *m_tracker = nullptr;
    UnitClock m_clock;
    // The time to set follows the PC's until the user edits it.
    QTimer m_follow;
    bool m_setTimeEdited = false;
    bool m_following = false;

    void updateButtons();
};
