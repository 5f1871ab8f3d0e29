#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class USBManager;

// What the technician needs to know of the link at a glance: is a port open, does the unit
// answer on it, and how bad the line is (repeats, dropped requests, frames with a bad CRC).
// "Not answering" is decided exactly one answer time-out after the last answer (or after the
// port opened), not on the next poll.
class LinkHealth : public QObject
{
    Q_OBJECT
public:
    enum State {
        NoPort,       // no port open
        Waiting,      // just opened, the first answer time-out has not run out yet
        NotAnswering, // open, but no decoded answer for longer than one answer time-out
        Answering     // the unit answered within the last answer time-out
    };

    explicit LinkHealth(USBManager *link, QObject *parent = nullptr);

    State state() const { return m_state; }
    // The port or TCP address the link is open on; empty while no port is open.
    QString portName() const;
    // Age of the last decoded answer in milliseconds; -1 when none came since the port opened.
    qint64 lastAnswerAgeMs() const;
    int repeats() const;
    int dropped() const;
    int rejected() const;

signals:
    void signalChanged();

private:
    void update();

    QPointer<USBManager> m_link;
    State m_state = NoPort;
    QTimer m_deadline;
};
