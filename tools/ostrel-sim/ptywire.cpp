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
} // namespace

PtyWire::PtyWire(bool paced, QObject *parent) : SimWire(paced, parent)
{
    m_connectionPoll.setInterval(ConnectionPollMs);
    connect(&m_connectionPoll, &QTimer::timeout, this, &PtyWire::checkConnection);
    connect(this, &SimWire::connectedChanged, this, &PtyWire::onConnectedChanged);
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

void PtyWire::checkConnection()
{
    if (m_master < 0)
        return;
    pollfd pfd{m_master, POLLIN, 0};
    if (poll(&pfd, 1, 0) >= 0 && !(pfd.revents & POLLHUP))
        setConnected(true);
}

void PtyWire::onConnectedChanged(bool connected)
{
    if (connected) {
        m_connectionPoll.stop();
        m_readNotifier->setEnabled(true);
    } else {
        m_readNotifier->setEnabled(false);
        flushStaleInput();
        m_connectionPoll.start();
    }
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
    QByteArray bytes;
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, int(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        // EIO (or end of file): the PC has closed its end.
        setConnected(false);
        return;
    }
    received(bytes);
}

qint64 PtyWire::writeBytes(const char *data, qint64 size)
{
    const ssize_t n = ::write(m_master, data, size_t(size));
    if (n >= 0)
        return n;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

void PtyWire::hangUp()
{
    m_connectionPoll.stop();
    SimWire::hangUp();
    if (m_readNotifier) {
        m_readNotifier->setEnabled(false);
        delete m_readNotifier;
        m_readNotifier = nullptr;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
