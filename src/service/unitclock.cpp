#include "unitclock.h"

QByteArray UnitClock::payload(const QDateTime &wallClock, bool automaticDst)
{
    const QDate date = wallClock.date();
    const QTime time = wallClock.time();
    const int fields[] = {date.year() % 2000, date.month(), date.day(),     time.hour(),
                          time.minute(),      time.second(), automaticDst ? 1 : 0};
    QByteArray bytes;
    for (int field : fields)
        bytes.append(char(field));
    return bytes;
}

bool UnitClock::parse(const QByteArray &payload, QDateTime *dateTime, int *dstFlag)
{
    if (payload.size() <= 5)
        return false;
    const auto byte = [&payload](int i) { return int(quint8(payload.at(i))); };
    *dateTime = QDateTime(QDate(2000 + byte(0), byte(1), byte(2)),
                          QTime(byte(3), byte(4), byte(5), 0), Qt::UTC);
    *dstFlag = payload.size() > 6 ? byte(6) : -1;
    return true;
}

void UnitClock::unitAnswered(int dstFlag)
{
    if (dstFlag >= 0)
        m_unitFlag = dstFlag != 0 ? 1 : 0;
}

void UnitClock::userChose(bool automaticDst)
{
    m_userFlag = automaticDst ? 1 : 0;
}

void UnitClock::reset()
{
    m_unitFlag = -1;
    m_userFlag = -1;
}

bool UnitClock::flagToOffer() const
{
    return m_userFlag >= 0 ? m_userFlag != 0 : m_unitFlag > 0;
}

bool UnitClock::flagForComputerTime() const
{
    return m_unitFlag >= 0 ? m_unitFlag != 0 : flagToOffer();
}
