#pragma once

#include <QByteArray>
#include <QDateTime>

// The unit's clock as the link carries it, and which summer/winter flag a setting must send.
// The unit keeps plain wall-clock fields: both directions use the same seven bytes, year - 2000,
// month, day, hour, minute, second and the automatic summer/winter time flag.
class UnitClock
{
public:
    static QByteArray payload(const QDateTime &wallClock, bool automaticDst);
    // Reads an answer into wall-clock fields (kept as UTC); false for 5 bytes or fewer. dstFlag is
    // -1 when the answer has no seventh byte.
    static bool parse(const QByteArray &payload, QDateTime *dateTime, int *dstFlag);

    // A clock answer arrived; one that carries the flag tells what the unit has now.
    void unitAnswered(int dstFlag);
    // The user set the flag to send; from then on it is the user's choice, not the unit's.
    void userChose(bool automaticDst);
    // A new unit may be on the port: forget what was learnt and chosen.
    void reset();

    // The unit's flag as last answered; -1 until an answer carried it.
    int unitFlag() const { return m_unitFlag; }
    // What the flag box should show: the user's choice, else the unit's flag, else off.
    bool flagToOffer() const;
    // The flag a setting of the PC's time sends: that one only corrects the time, so it keeps
    // whatever the unit has, as far as known.
    bool flagForComputerTime() const;

private:
    int m_unitFlag = -1;
    int m_userFlag = -1;
};
