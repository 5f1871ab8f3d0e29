#pragma once

#include "simwire.h"

#include <QSocketNotifier>
#include <QTimer>

// The unit's end of the cable: a pseudo-terminal whose other end the PC opens as a serial port.
// It notices when the PC opens and closes the port, and a closed port keeps no stale answers.
class PtyWire : public SimWire
{
    Q_OBJECT
public:
    explicit PtyWire(bool paced, QObject *parent = nullptr);
    ~PtyWire() override;

    bool open(QString *error);
    QString address() const override { return m_devicePath; }
    void hangUp() override;

protected:
    qint64 writeBytes(const char *data, qint64 size) override;
    bool isUp() const override { return m_master >= 0; }

private:
    void onReadable();
    void checkConnection();
    void onConnectedChanged(bool connected);
    void flushStaleInput();

    int m_master = -1;
    QString m_devicePath;
    QSocketNotifier *m_readNotifier = nullptr;
    QTimer m_connectionPoll;
};
