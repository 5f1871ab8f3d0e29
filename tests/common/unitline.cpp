#include "unitline.h"

#include <QElapsedTimer>

UnitLine::~UnitLine() = default;

QByteArray UnitLine::read(int timeoutMs, int quietMs)
{
    QByteArray result = m_pending;
    m_pending.clear();
    QElapsedTimer timer;
    timer.start();
    QElapsedTimer quiet;
    quiet.start();
    while (timer.elapsed() < timeoutMs) {
        const QByteArray bytes = drain(5);
        if (!bytes.isEmpty()) {
            result.append(bytes);
            quiet.restart();
        } else if (!result.isEmpty() && quiet.elapsed() >= quietMs) {
            break;
        }
    }
    return result;
}

QByteArray UnitLine::readFrame(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray data = m_pending;
    m_pending.clear();
    for (;;) {
        while (!data.isEmpty() && data.at(0) != 0x02)
            data.remove(0, 1);
        if (data.size() >= 3) {
            const int length = (quint8(data.at(1)) << 8) | quint8(data.at(2));
            if (data.size() >= length + 1) {
                m_pending = data.mid(length + 1);
                return data.left(length + 1);
            }
        }
        if (timer.elapsed() >= timeoutMs) {
            m_pending = data;
            return QByteArray();
        }
        data.append(drain(5));
    }
}
