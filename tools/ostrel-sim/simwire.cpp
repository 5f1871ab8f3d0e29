#include "simwire.h"

#include "link/device.h"

namespace {
// A real unit forgets a half-received frame after a pause on the line.
constexpr int InterByteTimeoutMs = 200;
} // namespace

SimWire::SimWire(bool paced, QObject *parent) : QObject(parent), m_paced(paced)
{
    m_clock.start();
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    m_pumpTimer.setInterval(paced ? 4 : 1);
    connect(&m_pumpTimer, &QTimer::timeout, this, &SimWire::pump);
    m_interByteTimer.setSingleShot(true);
    m_interByteTimer.setInterval(InterByteTimeoutMs);
    connect(&m_interByteTimer, &QTimer::timeout, this, &SimWire::dropIncomplete);
}

qint64 SimWire::wireTimeNs(int bytes) const
{
    return m_paced ? qint64(bytes) * 1000000000LL / BytesPerSecond : 0;
}

void SimWire::setConnected(bool connected)
{
    if (m_connected == connected)
        return;
    m_connected = connected;
    if (!connected) {
        m_rx.clear();
        m_interByteTimer.stop();
        // Whatever was on its way is lost with the cable.
        m_tx.clear();
        m_pumpTimer.stop();
    }
    emit connectedChanged(connected);
}

void SimWire::received(const QByteArray &bytes)
{
    m_rx.append(bytes);
    assemble();
}

// Requests are delimited by their length field alone. Stray bytes are skipped up to the next
// start byte; a frame with an impossible length or a bad CRC gets no answer.
void SimWire::assemble()
{
    while (!m_rx.isEmpty()) {
        if (m_rx.at(0) != Device::StartByte) {
            int skip = m_rx.indexOf(Device::StartByte);
            if (skip < 0)
                skip = m_rx.size();
            emit garbageReceived(QStringLiteral("stray bytes"), m_rx.left(skip));
            m_rx.remove(0, skip);
            continue;
        }
        if (m_rx.size() < 3)
            break;
        const int length = (quint8(m_rx.at(1)) << 8) | quint8(m_rx.at(2));
        if (length < 5 || length > MaxFrameLength) {
            emit garbageReceived(QStringLiteral("impossible length %1").arg(length), m_rx.left(3));
            m_rx.remove(0, 1);
            continue;
        }
        if (m_rx.size() < length + 1)
            break;
        const QByteArray frame = m_rx.left(length + 1);
        m_rx.remove(0, length + 1);
        if (!Device::checkCrc(frame.constData(), length)) {
            emit garbageReceived(QStringLiteral("bad CRC"), frame);
            continue;
        }
        emit frameReceived(frame);
    }
    if (m_rx.isEmpty())
        m_interByteTimer.stop();
    else
        m_interByteTimer.start();
}

void SimWire::dropIncomplete()
{
    if (!m_rx.isEmpty())
        emit garbageReceived(QStringLiteral("incomplete frame"), m_rx);
    m_rx.clear();
}

void SimWire::send(const QByteArray &bytes, int gapMs, int tag)
{
    if (!isUp() || bytes.isEmpty())
        return;
    const qint64 now = nowNs();
    Chunk chunk;
    chunk.bytes = bytes;
    chunk.startNs = std::max(now, m_wireFreeNs) + qint64(gapMs) * 1000000;
    chunk.tag = tag;
    m_wireFreeNs = chunk.startNs + wireTimeNs(bytes.size());
    m_tx.append(chunk);
    pump();
    if (!m_tx.isEmpty() && !m_pumpTimer.isActive())
        m_pumpTimer.start();
}

// Byte k of a paced chunk leaves when its ten bit times are over, so the last byte of an answer
// reaches the PC exactly as late as it would through a 19200 baud line (or a device server
// behind one).
void SimWire::pump()
{
    const qint64 now = nowNs();
    while (!m_tx.isEmpty()) {
        Chunk &chunk = m_tx.first();
        if (now < chunk.startNs)
            break;
        int due = chunk.bytes.size();
        if (m_paced)
            due = int(std::min<qint64>(due, (now - chunk.startNs) * BytesPerSecond / 1000000000LL));
        if (due > chunk.written) {
            if (!m_connected) {
                chunk.written = due;
            } else {
                const qint64 n = writeBytes(chunk.bytes.constData() + chunk.written,
                                            due - chunk.written);
                if (n < 0) {
                    setConnected(false);
                    return;
                }
                chunk.written += int(n);
            }
        }
        if (chunk.written < chunk.bytes.size())
            break;
        const int tag = chunk.tag;
        m_tx.removeFirst();
        if (tag != 0)
            emit chunkWritten(tag);
    }
    if (m_tx.isEmpty())
        m_pumpTimer.stop();
}

void SimWire::stopWire()
{
    m_pumpTimer.stop();
    m_interByteTimer.stop();
    m_tx.clear();
}

void SimWire::hangUp()
{
    stopWire();
    m_connected = false;
}
