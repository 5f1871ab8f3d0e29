#include "ptypair.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PtyPair::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}

// Waits keep the Qt event loop turning, since the product under test runs on this thread.
QByteArray PtyPair::drain(int waitMs)
{
    QByteArray bytes;
    if (m_master < 0)
        return bytes;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    pollfd pfd{m_master, POLLIN, 0};
    if (poll(&pfd, 1, waitMs) > 0) {
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, int(n));
    }
    return bytes;
}

QByteArray PtyPair::readFrame(int timeoutMs)
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

void PtyPair::closeMaster()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
