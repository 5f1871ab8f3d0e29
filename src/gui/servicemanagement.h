#pragma once

#include "link/device.h"

#include <QByteArray>
#include <QFrame>
#include <QString>
#include <QStringList>

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
    bool m_portOpen = false;
    // The operation under way; the button waits for its end.
    RequestTracker *m_tracker = nullptr;
    TransferProgress *m_strip = nullptr;

    // Reads of a register that keeps growing before the clear is given up.
    static constexpr int MaxReadsBeforeClear = 3;

    void updateButton();
    void sendCommand(Device::COMMAND command);
    void readBeforeClear();
    void storeLogAndClear(const QByteArray &log);

    // The register is read and stored before the clearing goes out, and read again until a
    // read brings nothing new.
    QStringList m_storedLogs;
    QByteArray m_lastRead;
    int m_reads = 0;
};
