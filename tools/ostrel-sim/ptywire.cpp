#include "ptywire.h"

#include "link/device.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int ConnectionPollMs = 50;
// A real unit forgets a half-received frame after a pause on the line.
constexpr int InterByteTimeoutMs = 200;
} // namespace

PtyWire::PtyWire(bool paced, QObject *parent) : QObject(parent), m_paced(paced)
{
    m_clock.start();
    m_connectionPoll.setInterval(ConnectionPollMs);
    connect(&m_connectionPoll, &QTimer::timeout, this, &PtyWire::checkConnection);
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    m_pumpTimer.setInterval(paced ? 4 : 1);
    connect(&m_pumpTimer, &QTimer::timeout, this, &PtyWire::pump);
    m_interByteTimer.setSingleShot(true);
    m_interByteTimer.setInterval(InterByteTimeoutMs);
    connect(&m_interByteTimer, &QTimer::timeout, this, &PtyWire::dropIncomplete);
}

PtyWire::~PtyWire()
{
    hangUp();
}

// The slave side is put in raw mode once and then closed: the settings stay with the terminal,
// and holding no slave ourselves lets us see (as a hang-up on the master) whether the PC has
// the port open.
bool PtyWire::open(QString *error)
{
    int slave = -1;
    char name[256] = {};
    if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0) {
        *error = QString::fromLocal8Bit(strerror(errno));
        m_master = -1;
        return false;
    }
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tcsetattr(slave, TCSANOW, &tio);
    ::close(slave);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    m_devicePath = QString::fromLocal8Bit(name);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    m_readNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyWire::onReadable);
    m_connectionPoll.start();
    checkConnection();
    return true;
}

qint64 PtyWire::wireTimeNs(int bytes) const
{
    return m_paced ? qint64(bytes) * 1000000000LL / BytesPerSecond : 0;
}

void PtyWire::checkConnection()
{
    if (m_master < 0)
        return;
    pollfd pfd{m_master, POLLIN, 0};
    if (poll(&pfd, 1, 0) >= 0 && !(pfd.revents & POLLHUP))
        setConnected(true);
}

void PtyWire::setConnected(bool connected)
{
    if (m_connected == connected)
        return;
    m_connected = connected;
    if (connected) {
        m_connectionPoll.stop();
        m_readNotifier->setEnabled(true);
    } else {
        m_readNotifier->setEnabled(false);
        m_rx.clear();
        m_interByteTimer.stop();
        // Whatever was on its way is lost with the cable.
        m_tx.clear();
        m_pumpTimer.stop();
        flushStaleInput();
        m_connectionPoll.start();
    }
    emit connectedChanged(connected);
}

// Bytes written towards the PC and not yet read would otherwise greet the next program that
// opens the port; a real cable keeps nothing.
void PtyWire::flushStaleInput()
{
    const QByteArray path = m_devicePath.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        tcflush(fd, TCIFLUSH);
        ::close(fd);
    }
}

void PtyWire::onReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_rx.append(buffer, int(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        // EIO (or end of file): the PC has closed its end.
        setConnected(false);
        return;
    }
    assemble();
}

// Requests are delimited by their length field alone. Stray bytes are skipped up to the next
// start byte; a frame with an impossible length or a bad CRC gets no answer.
void PtyWire::assemble()
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

void PtyWire::dropIncomplete()
{
    if (!m_rx.isEmpty())
        emit garbageReceived(QStringLiteral("incomplete frame"), m_rx);
    m_rx.clear();
}

void PtyWire::send(const QByteArray &bytes, int gapMs, int tag)
{
    if (m_master < 0 || bytes.isEmpty())
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
// reaches the PC exactly as late as it would through a 19200 baud line.
void PtyWire::pump()
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
                const ssize_t n = ::write(m_master, chunk.bytes.constData() + chunk.written,
                                          size_t(due - chunk.written));
                if (n > 0) {
                    chunk.written += int(n);
                } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                    setConnected(false);
                    return;
                }
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

void PtyWire::hangUp()
{
    m_connectionPoll.stop();
    m_pumpTimer.stop();
    m_interByteTimer.stop();
    m_tx.clear();
    if (m_readNotifier) {
        m_readNotifier->setEnabled(false);
        delete m_readNotifier;
        m_readNotifier = nullptr;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
    m_connected = false;
}
