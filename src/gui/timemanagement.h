#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QDateTime>
#include <QFrame>

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

    // The seven-byte clock payload: year - 2000, month, day, hour, minute, second, DST flag.
    static QByteArray clockPayload(const QDateTime &dateTime, bool automaticDst);
    // Reads a clock answer into wall-clock fields (UTC spec); false for payloads of 5 bytes or
    // fewer. dstFlag is -1 when the answer has no seventh byte.
    static bool parseClock(const QByteArray &payload, QDateTime *dateTime, int *dstFlag);

public slots:
    void slotReceivedPacket(Device::COMMAND command, QByteArray packet);
    void on_sendTimeButton_clicked();
    void on_readTimeButton_clicked();
    void on_sendComputerTimeButton_clicked();
    void slotUsbPortOpened();
    void slotUsbPortClosed();

private:
    void sendDateTime(const QDateTime &dateTime);
    void queue(Device::COMMAND command, const QByteArray &payload);
    void setButtonsEnabled(bool enabled);

    Ui::TimeManagement *ui;
    USBManager *m_link = nullptr;
    int sentCommand = 0;
    int expectedAnswer = 0;
    bool m_portOpen = false;
    // The read or setting of the clock under way; the buttons wait for its end.
    RequestTracker *m_tracker = nullptr;

    void updateButtons();
};
