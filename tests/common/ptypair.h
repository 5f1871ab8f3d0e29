#pragma once

#include <QByteArray>
#include <QString>

// A real pseudo-terminal pair: the product opens slavePath() through QSerialPort while the
// test plays the unit on the master side.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    bool write(const QByteArray &bytes);
    // Reads exactly one complete frame (by its length field), or an empty array on timeout.
    QByteArray readFrame(int timeoutMs);
    // Closing the master looks to the product like a pulled cable.
    void closeMaster();

private:
    QByteArray drain(int waitMs);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QByteArray m_pending;
};
