#pragma once

#include "unitline.h"

// A real pseudo-terminal pair: the product opens slavePath() through QSerialPort while the
// test plays the unit on the master side.
class PtyPair : public UnitLine
{
public:
    PtyPair();
    ~PtyPair() override;
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const override { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    QString portName() const override { return m_slavePath; }

    bool write(const QByteArray &bytes) override;
    // Closing the master looks to the product like a pulled cable.
    void closeMaster() override;

protected:
    QByteArray drain(int waitMs) override;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
