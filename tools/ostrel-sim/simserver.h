#pragma once

#include "simoptions.h"
#include "simunit.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <random>

class SimWire;

// Runs the unit on the wire: takes each request as the line delivers it, lets the unit answer
// after the configured delay, and applies the requested line faults to the answers.
class SimServer : public QObject
{
    Q_OBJECT
public:
    SimServer(const SimOptions &options, SimWire *wire, SimUnit *unit, QObject *parent = nullptr);

signals:
    // The cable was pulled (--hangup-after): nothing more will happen.
    void hungUp();

private:
    struct Pending
    {
        QByteArray frame;
        qint64 dueNs = 0;
    };

    void onFrame(const QByteArray &frame);
    void onGarbage(const QString &what, const QByteArray &bytes);
    void onChunkWritten(int tag);
    void schedule();
    void processDue();
    void answer(const QByteArray &request);
    void transmit(QByteArray frame);
    void hangUpNow();

    SimOptions m_options;
    SimWire *m_wire;
    SimUnit *m_unit;
    std::mt19937 m_rng;
    QList<Pending> m_pending;
    QTimer m_processTimer;
    qint64 m_inboundFreeNs = 0;
    int m_answerCount = 0;
    bool m_hangingUp = false;
};
