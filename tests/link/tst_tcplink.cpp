// ctest-labels: tcp
// What only the TCP link has: telling an address from a serial port name, and how each way a
// network connection fails reaches the technician, with nothing delivered that could be stored.
#include "frames.h"
#include "simprocess.h"

#include "link/linkhealth.h"
#include "link/usbmanager.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A loopback port whose one backlog place is taken and which accepts nothing: further
// connection requests go unanswered, as from a host behind a firewall that drops them.
quint16 deafPort(int *fd, QTcpSocket *filler)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    *fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::bind(*fd, reinterpret_cast<sockaddr *>(&address), size) != 0 || ::listen(*fd, 0) != 0
        || ::getsockname(*fd, reinterpret_cast<sockaddr *>(&address), &size) != 0)
        return 0;
    filler->connectToHost(QHostAddress::LocalHost, ntohs(address.sin_port));
    return filler->waitForConnected(1000) ? ntohs(address.sin_port) : 0;
}
} // namespace

class TestTcpLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); }
    void portNames_data();
    void portNames();
    void failures_data();
    void failures();
};

void TestTcpLink::portNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("host"); // empty: a serial port
    QTest::addColumn<int>("port");
    QTest::newRow("host:port") << "192.168.10.20:4001" << "192.168.10.20" << 4001;
    QTest::newRow("tcp://name:port") << "TCP://unit-7.vpn.example:23" << "unit-7.vpn.example" << 23;
    QTest::newRow("[IPv6]:port") << "[fd00::17]:4001" << "fd00::17" << 4001;
    QTest::newRow("COM3") << "COM3" << "" << 0;
    QTest::newRow("device path with colons")
            << "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0" << "" << 0;
    QTest::newRow("port 0") << "unit:0" << "" << 0;
    QTest::newRow("port too big") << "unit:65536" << "" << 0;
}

void TestTcpLink::portNames()
{
    QFETCH(QString, name);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString parsedHost;
    quint16 parsedPort = 0;
    QCOMPARE(USBManager::parseNetworkAddress(name, &parsedHost, &parsedPort), !host.isEmpty());
    QCOMPARE(parsedHost, host);
    QCOMPARE(int(parsedPort), port);
}

void TestTcpLink::failures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message"); // %1: the address
    const QString closedByPeer = "Serwer portu %1 zamknął połączenie (centrala odłączona od "
                                 "serwera lub serwer wyłączony)";
    QTest::newRow("connection refused")
            << "refused"
            << "%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje "
               "już innego klienta";
    QTest::newRow("host silent for 5 s")
            << "deaf" << "%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową";
    QTest::newRow("unknown name")
            << "unknown" << "Nie znaleziono komputera %1: sprawdź nazwę lub adres";
    QTest::newRow("second client turned away") << "second" << closedByPeer;
    QTest::newRow("peer closes mid-transfer") << "hangup" << closedByPeer;
    QTest::newRow("silent unit behind an open connection")
            << "silent" << "Brak odpowiedzi na ramkę. Ponowna próba połączenia...";
}

// Each failure shows its message and delivers nothing; a connection that cannot be made leaves
// the link closed without a word of "opened".
void TestTcpLink::failures()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QStringList arguments{"--fast", "--tcp", "0", "--log-entries", "1500"};
    if (failure == "hangup")
        arguments << "--hangup-after" << "3";
    if (failure == "silent")
        arguments << "--drop-every" << "1";
    SimProcess sim(ostrelSimPath(), arguments);
    const bool opens = failure == "second" || failure == "hangup" || failure == "silent";
    int deafFd = -1;
    QTcpSocket filler;
    QString address = QStringLiteral("ostrel-unit.invalid:4001");
    if (failure == "refused") {
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::LocalHost));
        address = QStringLiteral("127.0.0.1:%1").arg(gone.serverPort());
    } else if (failure == "deaf") {
        const quint16 port = deafPort(&deafFd, &filler);
        QVERIFY(port != 0);
        address = QStringLiteral("127.0.0.1:%1").arg(port);
    } else if (opens) {
        QVERIFY(sim.start());
        address = sim.portName();
    }
    USBManager first;
    QVERIFY(failure != "second" || first.openPort(address));

    USBManager link;
    link.setTimeouts(300, USBManager::KeepAliveMs); // the silent unit's repeat comes sooner
    LinkHealth health(&link);
    QSignalSpy opened(&link, &USBManager::signalUsbPortOpened);
    QSignalSpy closed(&link, &USBManager::signalUsbPortClosed);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QElapsedTimer clock;
    clock.start();
    const bool open = link.openPort(address);
    const qint64 openMs = clock.elapsed();
    ::close(deafFd);
    QCOMPARE(open, opens);
    const QString expected = message.contains("%1") ? message.arg(address) : message;
    if (!opens) {
        QCOMPARE(link.openError(), expected);
        QCOMPARE(opened.count() + messages.count(), 0);
        QVERIFY2((failure == "deaf") == (openMs >= 4900) && openMs < 8000,
                 qPrintable(QString::number(openMs)));
        return;
    }
    link.queueFrame(frameOf(Device::ReadEventLog, QByteArray(2, '\0')));
    // A lost connection closes the port, and the status bar says so before the reason.
    const QString status = failure == "silent" ? expected : "Port zamknięty: " + expected;
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(messages.cbegin(), messages.cend(),
                                         [&](const QList<QVariant> &m) {
                                             return m.at(0).toString() == status;
                                         }),
                             10000);
    QCOMPARE(link.isOpen(), failure == "silent");
    QCOMPARE(health.state(), failure == "silent" ? LinkHealth::NotAnswering : LinkHealth::NoPort);
    if (failure != "silent") {
        QCOMPARE(closed.count(), 1);
        QCOMPARE(link.closeReason(), expected);
        QVERIFY(!link.transferInProgress());
    }
    QCOMPARE(packets.count(), 0);
}

QTEST_GUILESS_MAIN(TestTcpLink)
#include "tst_tcplink.moc"
