// Event-log throughput of the link: a 64-part register read from the simulated unit, which paces
// its answers at the real 19200 baud 8N1 byte rate, through USBManager exactly as the event-log
// window reads it: over a serial port (pseudo-terminal), over TCP as from a device server on the
// same network, and over TCP through a proxy that delays each direction by 100 ms, as a distant
// site behind a VPN. The wire limit is the time every byte of the transfer (requests and
// answers) needs at 1920 bytes/s; the efficiency is that limit over the time the read took.
#include "link/device.h"
#include "link/usbmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int Parts = 64;
constexpr int EventsPerPart = 255;
constexpr double BytesPerSecond = 1920.0;
constexpr int ProxyDelayMs = 100;

QElapsedTimer s_clock;
bool s_counting = false;
qint64 s_bytesOut = 0;
qint64 s_bytesIn = 0;
QList<qint64> s_writeTimes;
QList<qint64> s_frameTimes;

int hexBytes(const QString &line, int prefix)
{
    return QByteArray::fromHex(line.mid(prefix).toLatin1()).size();
}

// The link logs every frame it writes ("OUT:") and every frame it assembles ("IN: "): those
// lines give the bytes that crossed the wire and when.
void countFrames(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!s_counting)
        return;
    if (message.startsWith(QLatin1String("OUT:"))) {
        s_bytesOut += hexBytes(message, 4);
        s_writeTimes.append(s_clock.nsecsElapsed());
    } else if (message.startsWith(QLatin1String("IN: "))) {
        s_bytesIn += hexBytes(message, 4);
        s_frameTimes.append(s_clock.nsecsElapsed());
    }
}

// Forwards one client to the simulator, holding every piece of data ProxyDelayMs in each
// direction (in order: every piece waits the same time).
class DelayProxy : public QObject
{
public:
    explicit DelayProxy(const QString &target)
    {
        const int colon = target.lastIndexOf(':');
        m_host = target.left(colon);
        m_port = quint16(target.mid(colon + 1).toUInt());
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &DelayProxy::accept);
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    void accept()
    {
        QTcpSocket *client = m_server.nextPendingConnection();
        auto *upstream = new QTcpSocket(this);
        upstream->connectToHost(m_host, m_port);
        upstream->waitForConnected(3000);
        for (QTcpSocket *socket : {client, upstream})
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        forward(client, upstream);
        forward(upstream, client);
    }
    void forward(QTcpSocket *from, QTcpSocket *to)
    {
        QPointer<QTcpSocket> target(to);
        connect(from, &QTcpSocket::readyRead, this, [this, from, target] {
            const QByteArray bytes = from->readAll();
            auto *timer = new QTimer(this);
            timer->setSingleShot(true);
            timer->setTimerType(Qt::PreciseTimer);
            connect(timer, &QTimer::timeout, this, [timer, target, bytes] {
                if (target)
                    target->write(bytes);
                timer->deleteLater();
            });
            timer->start(ProxyDelayMs);
        });
    }

    QTcpServer m_server;
    QString m_host;
    quint16 m_port = 0;
};

// One timed read over the given transport; prints where the time went and returns the
// efficiency, or a negative number when the read failed.
double measure(QCoreApplication &app, const QString &simPath, const char *name, bool tcp,
               bool delayed)
{
    s_counting = false;
    s_bytesOut = s_bytesIn = 0;
    s_writeTimes.clear();
    s_frameTimes.clear();
    QStringList arguments{"--log-entries", QString::number(Parts * EventsPerPart)};
    if (tcp)
        arguments << "--tcp" << "0";
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(simPath, arguments);
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        fprintf(stderr, "cannot start %s\n", qPrintable(simPath));
        return -1;
    }
    QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    std::unique_ptr<DelayProxy> proxy;
    if (delayed) {
        proxy = std::make_unique<DelayProxy>(port);
        port = proxy->address();
    }

    USBManager link;
    if (!link.openPort(port)) {
        fprintf(stderr, "cannot open %s\n", qPrintable(port));
        return -1;
    }

    qint64 achievedNs = 0;
    QByteArray log;
    QObject::connect(&link, &USBManager::signalReceivedPacket, &link,
                     [&](Device::COMMAND command, QByteArray data) {
                         if (command != Device::EventLogPart)
                             return;
                         achievedNs = s_clock.nsecsElapsed();
                         s_counting = false;
                         log = data;
                         QCoreApplication::quit();
                     });
    QTimer::singleShot(Parts * 3000, &link, [] {
        fprintf(stderr, "timed out\n");
        QCoreApplication::exit(1);
    });

    // Let the port settle and the idle clock poll pass before the timed read starts.
    QTimer::singleShot(500, &link, [&link] {
        QByteArray frame;
        Device::buildFrame(Device::ReadEventLog, QByteArray(2, '\0'), frame);
        s_clock.start();
        s_counting = true;
        link.queueFrame(frame);
    });
    const int result = app.exec();
    link.closePort();
    sim.terminate();
    sim.waitForFinished(3000);
    if (result != 0)
        return -1;
    if (log.size() != Parts * EventsPerPart * 8) {
        fprintf(stderr, "event log of %d bytes, expected %d\n", int(log.size()),
                Parts * EventsPerPart * 8);
        return -1;
    }

    const double achieved = achievedNs / 1e9;
    const double wire = (s_bytesOut + s_bytesIn) / BytesPerSecond;
    // Where the time goes: from each request written to its answer complete, and from each
    // answer complete to the next request written (the link's 100 ms write tick).
    double answerWait = 0;
    double idle = 0;
    const int n = std::min(s_writeTimes.size(), s_frameTimes.size());
    for (int i = 0; i < n; ++i) {
        answerWait += (s_frameTimes[i] - s_writeTimes[i]) / 1e9;
        if (i + 1 < s_writeTimes.size())
            idle += (s_writeTimes[i + 1] - s_frameTimes[i]) / 1e9;
    }
    printf("%s (%s):\n", name, qPrintable(port));
    printf("parts: %d, requests written: %d, frames received: %d\n", Parts,
           int(s_writeTimes.size()), int(s_frameTimes.size()));
    printf("bytes: %lld out, %lld in\n", s_bytesOut, s_bytesIn);
    printf("first request written after %.3f s (waiting for the link's write tick)\n",
           s_writeTimes.isEmpty() ? 0.0 : s_writeTimes.first() / 1e9);
    printf("request written to answer complete: %.3f s in total, %.1f ms per part\n", answerWait,
           1000 * answerWait / std::max(1, n));
    printf("answer complete to next request written: %.3f s in total, %.1f ms per part\n", idle,
           1000 * idle / std::max(1, n - 1));
    printf("%s: achieved_s=%.3f wire_s=%.3f ratio=%.3f\n\n", name, achieved, wire,
           wire / achieved);
    fflush(stdout);
    return wire / achieved;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString simPath = QStringLiteral(OSTREL_SIM_PATH);
    if (argc > 1)
        simPath = QString::fromLocal8Bit(argv[1]);
    qInstallMessageHandler(countFrames);

    const double serial = measure(app, simPath, "serial", false, false);
    const double tcp = measure(app, simPath, "tcp", true, false);
    const double delayed = measure(app, simPath, "tcp_delayed", true, true);
    if (serial < 0 || tcp < 0 || delayed < 0)
        return 1;
    printf("link: serial=%.3f tcp=%.3f tcp_delayed=%.3f\n", serial, tcp, delayed);
    return 0;
}
