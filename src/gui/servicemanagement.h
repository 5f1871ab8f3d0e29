#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QFrame>
#include <QString>

class QSignalMapper;
class RequestTracker;
class TransferProgress;
class USBManager;

namespace Ui {
class ServiceManagement;
}

// The "Serwis" tab: single-command service operations. Each button is mapped to its command
// number, so a further operation is one more mapped button.
class ServiceManagement : public QFrame
{
    Q_OBJECT
public:
    explicit ServiceManagement(QWidget *parent = nullptr);
    explicit ServiceManagement(USBManager *link, QWidget *parent = nullptr);
    ~ServiceManagement() override;

signals:
    void signalSendCommand(int command);
    // The unit's register was stored before the clearing (to refresh the event-log list).
    void signalEventLogStored(int id);

public slots:
    void slotReceivedPacket(Device::COMMAND command, QByteArray packet);
    void slotSendCommand(int command);
    void slotUsbPortOpened();
    void slotUsbPortClosed();

private:
    Ui::ServiceManagement *ui;
    USBManager *m_link = nullptr;
    QSignalMapper *m_mapper = nullptr;
    int sentCommand = 0;
    int expectedAnswer = 0;
    bool m_portOpen = false;
    // The operation under way; the button waits for its end.
    RequestTracker *m_tracker = nullptr;
    TransferProgress *m_strip = nullptr;

    void updateButton();
    void queue(Device::COMMAND command, const QByteArray &payload, Device::COMMAND answer);
    void storeLogAndClear(const QByteArray &log);

    // The register is read and stored before the clearing goes out.
    bool m_readingLog = false;
    QString m_storedLog;
};
