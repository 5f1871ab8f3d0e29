// ctest-labels: tcp
// What only the TCP link has: telling a TCP address from a serial port name, and how each way a
// network connection fails reaches the technician, with nothing delivered to be stored.
#include "simprocess.h"

#include "link/linkhealth.h"
#include "link/recentaddresses.h"
#include "link/usbmanager.h"
#include "store/dbmanager.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
QByteArray frameOf(Device::COMMAND command, const QByteArray &payload = QByteArray())
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}

// A loopback port that takes no connection at all: its only backlog place is taken, so further
// connection requests go unanswered, as with a host behind a firewall that drops them.
struct DeafPort
{
    DeafPort()
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), size) != 0
            || ::listen(fd, 0) != 0
            || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            return;
        port = ntohs(address.sin_port);
        filler.connectToHost(QHostAddress::LocalHost, port);
        filler.waitForConnected(1000);
    }
    ~DeafPort()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
    quint16 port = 0;
    QTcpSocket filler;
};
} // namespace

class TestTcpLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void portNames_data();
    void portNames();
    void recentAddresses();
    void failures_data();
    void failures();
};

void TestTcpLink::portNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("host"); // empty: a serial port
    QTest::addColumn<int>("port");
    QTest::newRow("host:port") << "192.168.10.20:4001" << "192.168.10.20" << 4001;
    QTest::newRow("tcp:// and a name") << "TCP://unit-7.vpn.example:23" << "unit-7.vpn.example"
                                       << 23;
    QTest::newRow("IPv6 in brackets") << "[fd00::17]:4001" << "fd00::17" << 4001;
    QTest::newRow("Windows port") << "COM3" << "" << 0;
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
    if (!host.isEmpty()) {
        QCOMPARE(parsedHost, host);
        QCOMPARE(int(parsedPort), port);
    }
}

// Newest first, each once, five at most, kept across starts, and the described settings rows
// untouched.
void TestTcpLink::recentAddresses()
{
    QTemporaryDir dir;
    for (int start = 0; start < 2; ++start) {
        DbManager store(QStringLiteral("recent"));
        QVERIFY(store.openDatabase(dir.path()));
        store.initTables();
        if (start == 0) {
            for (const char *address : {"a:1", "b:2", "c:3", "a:1", "d:4", "e:5", "f:6"})
                RecentAddresses::remember(&store, QString::fromLatin1(address));
            continue;
        }
        QCOMPARE(RecentAddresses::load(&store), QStringList({"f:6", "e:5", "d:4", "a:1", "c:3"}));
        QCOMPARE(store.readAppSetting(DbManager::FontTypeSetting), QByteArray("Arial"));
        QCOMPARE(store.readAppSetting(DbManager::LanguageSetting), QByteArray("2"));
    }
}

void TestTcpLink::failures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message"); // %1: the address
    QTest::addColumn<bool>("opens");
    QTest::newRow("connection refused")
            << "refused"
            << "%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje "
               "już innego klienta"
            << false;
    QTest::newRow("host not answering") << "deaf"
                                        << "%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN"
                                           " i zaporę sieciową"
                                        << false;
    QTest::newRow("unknown name") << "unknown"
                                  << "Nie znaleziono komputera %1: sprawdź nazwę lub adres"
                                  << false;
    QTest::newRow("second client turned away")
            << "second"
            << "Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer "
               "wyłączony)"
            << true;
    QTest::newRow("peer closes mid-transfer")
            << "hangup"
            << "Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer "
               "wyłączony)"
            << true;
    QTest::newRow("silent unit behind an open connection")
            << "silent" << "Brak odpowiedzi na ramkę. Ponowna próba połączenia..." << true;
}

// Each failure shows its message and delivers nothing (so nothing can be stored); a
// connection that cannot be made leaves the link closed without a word of "opened".
void TestTcpLink::failures()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QFETCH(bool, opens);
    QStringList arguments{"--fast", "--tcp", "0", "--log-entries", "1500"};
    if (failure == "hangup")
        arguments << "--hangup-after" << "3";
    if (failure == "silent")
        arguments << "--drop-every" << "1";
    SimProcess sim(ostrelSimPath(), arguments);
    SimProcess holder(ostrelSimPath(), {"--fast", "--tcp", "0"});
    DeafPort deaf;
    QString address;
    if (failure == "refused") {
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::LocalHost));
        address = QStringLiteral("127.0.0.1:%1").arg(gone.serverPort());
    } else if (failure == "deaf") {
        QVERIFY(deaf.port != 0 && deaf.filler.state() == QAbstractSocket::ConnectedState);
        address = QStringLiteral("127.0.0.1:%1").arg(deaf.port);
    } else if (failure == "unknown") {
        address = QStringLiteral("ostrel-unit.invalid:4001");
    } else {
        QVERIFY(sim.start());
        address = sim.portName();
    }
    USBManager first;
    if (failure == "second")
        QVERIFY(first.openPort(address));

    USBManager link;
    LinkHealth health(&link);
    QSignalSpy opened(&link, &USBManager::signalUsbPortOpened);
    QSignalSpy closed(&link, &USBManager::signalUsbPortClosed);
    QSignalSpy messages(&link, &USBManager::signalWriteMessage);
    QSignalSpy packets(&link, &USBManager::signalReceivedPacket);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(link.openPort(address), opens);
    const qint64 openMs = clock.elapsed();
    const QString expected = message.contains("%1") ? message.arg(address) : message;
    if (!opens) {
        QCOMPARE(link.openError(), expected);
        QCOMPARE(opened.count() + messages.count(), 0);
        QVERIFY(!link.isOpen());
        QVERIFY2(failure == "deaf" ? openMs >= 4900 && openMs < 8000 : openMs < 4900,
                 qPrintable(QString::number(openMs)));
        return;
    }
    link.queueFrame(frameOf(Device::ReadEventLog, QByteArray(2, '\0')));
    const auto shown = [&] {
        for (const QList<QVariant> &m : qAsConst(messages))
            if (m.at(0).toString() == expected)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown(), 10000);
    if (failure == "silent") {
        QCOMPARE(health.state(), LinkHealth::NotAnswering);
        QVERIFY(link.isOpen());
    } else {
        QTRY_COMPARE(closed.count(), 1);
        QVERIFY(!link.isOpen() && !link.transferInProgress());
        QCOMPARE(link.closeReason(), expected);
        QCOMPARE(health.state(), LinkHealth::NoPort);
    }
    QCOMPARE(packets.count(), 0);
}

QTEST_GUILESS_MAIN(TestTcpLink)
#include "tst_tcplink.moc"
