// ctest-labels: tcp transfer
// End to end: the product's link (USBManager) against the simulated unit ostrel-sim, on a real
// pseudo-terminal opened as a serial port and over a loopback TCP connection.
#include "frames.h"
#include "simprocess.h"

#include "config/konfiguracja.h"
#include "link/linkhealth.h"
#include "link/linkreply.h"
#include "link/requesttracker.h"
#include "link/trafficlog.h"
#include "link/usbmanager.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QtTest>

namespace {
const QString FixedClock = QStringLiteral("2024-06-01T10:00:00");
const QByteArray FromStart(2, '\0');

// A simulator and the product's link on its port, keeping every answer delivered by its code.
struct Unit
{
    explicit Unit(const QStringList &arguments) : sim(ostrelSimPath(), arguments)
    {
        QObject::connect(&usb, &USBManager::signalReceivedPacket, &usb,
                         [this](Device::COMMAND command, const QByteArray &payload) {
                             answers[command] << payload;
                         });
    }
    bool open() { return sim.start() && usb.openPort(sim.portName()); }
    void send(Device::COMMAND command, const QByteArray &payload)
    {
        usb.queueFrame(frameOf(command, payload));
    }
    // Asks through a reply of its own; empty when no answer came.
    QByteArray ask(Device::COMMAND command, const QByteArray &payload = {})
    {
        QSignalSpy answered(usb.request(command, payload, Device::COMMAND(command + 1)),
                            &LinkReply::finished);
        return answered.wait(5000) ? answered.at(0).at(0).toByteArray() : QByteArray();
    }

    SimProcess sim;
    USBManager usb;
    QHash<int, QByteArrayList> answers;
};

// The test's own reading of a configuration image or a faults record: a count, then per block
// type, number, length (two bytes for SCB, 0x55, in an image) and the payload. Described as
// "E0:1:32" per block, marked "-" when its payload is all zero.
QString walk(const QByteArray &data, bool image)
{
    QStringList blocks;
    int pos = 1;
    for (int i = 0; !data.isEmpty() && i < quint8(data.at(0)) && pos + 3 <= data.size(); ++i) {
        const int type = quint8(data.at(pos)), number = quint8(data.at(pos + 1));
        int length = quint8(data.at(pos + 2));
        pos += 3;
        if (image && type == 0x55 && pos < data.size())
            length = length * 256 + quint8(data.at(pos++));
        const bool zero = length > 0 && data.mid(pos, length).count('\0') == length;
        blocks << QStringLiteral("%1:%2:%3%4").arg(type, 2, 16, QLatin1Char('0')).arg(number)
                          .arg(length).arg(zero ? "-" : "");
        pos += length;
    }
    return pos == data.size() ? blocks.join(' ').toUpper() : "bad: " + data.toHex();
}

} // namespace

class TestSimLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { addTransportRows(); }
    void init() { useTransportRow(); }
    void initTestCase();
    void presets_data();
    void presets();
    void progressArrivesInOrder();
    void corruptedAnswerIsCounted();
    void faultInjection_data();
    void faultInjection();

private:
    QByteArrayList runSequence(const QStringList &flags, int transfers, QString *log);

    QByteArrayList m_reference;
};

void TestSimLink::initTestCase()
{
    // The link logs every frame in hex; a 2 KB event-log part is 6 KB of text.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QString log;
    m_reference = runSequence({}, 4, &log);
    QVERIFY(m_reference.size() == 4 && !m_reference.contains(QByteArray()));
}

void TestSimLink::presets_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("modules");
    QTest::addColumn<QString>("faults");

    QTest::newRow("basic") << "basic" << "E0:1:32 D0:1:1 F0:1:77 83:1:0"
                           << "E0:1:36 D0:1:2- F0:1:13 83:1:17";
    QTest::newRow("smoke-vent")
            << "smoke-vent" << "A0:1:31 90:1:47 90:2:47 C0:1:63 80:1:63 B0:1:1 B0:2:1"
            << "A0:1:33 90:1:33- 90:2:33 C0:1:17 80:1:17 B0:1:17 B0:2:17";
    QTest::newRow("extinguishing")
            << "extinguishing" << "57:1:63 55:1:400 55:2:400 56:1:2 50:1:86 53:1:70 45:1:2 51:1:66"
            << "57:1:34 55:1:111 55:2:111- 56:1:33 50:1:19 53:1:9 45:1:33 51:1:13";
}

// Configuration, faults and software of each preset through the product's link: the layouts
// match the modules present (a fault block holds the type's whole fault table and the byte the
// product never examines), and the product decodes the image. (That a sent image is kept: every
// send test.)
void TestSimLink::presets()
{
    QFETCH(QString, preset);
    QFETCH(QString, modules);
    QFETCH(QString, faults);
    Unit unit({"--fast", "--preset", preset});
    QVERIFY(unit.open());
    const QByteArray image = unit.ask(Device::ReadConfig);
    QCOMPARE(walk(image, true), modules);
    QCOMPARE(walk(unit.ask(Device::ReadFaults, FromStart), false), faults);

    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::FromDevice));
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice), image);

    // Five bytes per module position: the modules in order, and one empty (version 0).
    const QByteArray answer = unit.ask(Device::ReadSoftware, FromStart);
    QStringList positions;
    for (int i = 0; i + 2 < answer.size(); i += 5) {
        if (answer.at(i + 2) != 0)
            positions << QStringLiteral("%1:%2").arg(quint8(answer.at(i)), 2, 16, QLatin1Char('0'))
                                 .arg(int(answer.at(i + 1)));
    }
    QCOMPARE(positions.join(' ').toUpper(), modules.remove(QRegularExpression(":\\d+(?= |$)")));
    QCOMPARE(answer.size(), 5 * (positions.size() + 1));
}

void TestSimLink::progressArrivesInOrder()
{
    const int parts = 6;
    const int entries = parts * 255 - 100;
    Unit unit({"--fast", "--log-entries", QString::number(entries)});
    QVERIFY(unit.open());
    RequestTracker tracker(&unit.usb, nullptr);
    QSignalSpy progress(&tracker, &RequestTracker::signalProgress);
    QSignalSpy finished(&tracker, &RequestTracker::signalFinished);
    QVERIFY(tracker.start(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart));
    QVERIFY(!tracker.start(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart));
    // The queue itself takes one register read at a time, whoever asks.
    QVERIFY(unit.usb.request(Device::ReadEventLog, QByteArray(2, '\0'), Device::EventLogPart)
                    ->outcome()
            == LinkReply::Refused);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().at(0).toInt(), int(LinkReply::Answered));
    QCOMPARE(progress.count(), parts);
    int bytes = 0;
    for (int i = 0; i < parts; ++i) {
        QCOMPARE(progress.at(i).at(0).toInt(), i + 1);
        QCOMPARE(progress.at(i).at(1).toInt(), parts);
        QVERIFY(progress.at(i).at(2).toInt() > bytes);
        bytes = progress.at(i).at(2).toInt();
    }
    QCOMPARE(bytes, entries * 8);
    QCOMPARE(progress.last().at(3).toLongLong(), 0);
    // The refused reads never run late.
    QVERIFY(!QTest::qWaitFor([&] { return unit.answers[Device::EventLogPart].size() > 1; }, 1000));
}

void TestSimLink::corruptedAnswerIsCounted()
{
    Unit unit({"--fast", "--corrupt-every", "2"});
    TrafficLog traffic;
    traffic.watch(&unit.usb);
    LinkHealth health(&unit.usb);
    QVERIFY(unit.open());
    for (int i = 0; i < 4; ++i)
        unit.send(Device::ReadClock, {});
    QTRY_VERIFY_WITH_TIMEOUT(health.rejected() >= 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(health.state(), LinkHealth::Answering, 5000);
    // The rejected frame is in the traffic log with the reason after its name.
    QVERIFY(!traffic.match(traffic.index(0, TrafficLog::CommandColumn), Qt::DisplayRole,
                           QStringLiteral("ClockData ("), 1, Qt::MatchStartsWith).isEmpty());
}

// Event log (3 parts), configuration, faults and software queued at once; done once every
// request has left the queue, answered or given up (the link's clock polls join the queue only
// when it is empty). A transfer delivered twice counts as lost.
QByteArrayList TestSimLink::runSequence(const QStringList &flags, int transfers, QString *log)
{
    const Device::COMMAND requests[] = {Device::ReadEventLog, Device::ReadConfig,
                                        Device::ReadFaults, Device::ReadSoftware};
    Unit unit(QStringList{"--fast", "--clock", FixedClock, "--log-entries", "600", "--seed", "7"}
              + flags);
    QByteArrayList results;
    // Repeats after 0.6 s rather than 2 s: the same code, a shorter wait.
    unit.usb.setTimeouts(600, USBManager::KeepAliveMs);
    if (!unit.open())
        return results;
    for (int i = 0; i < transfers; ++i)
        unit.send(requests[i], requests[i] == Device::ReadConfig ? QByteArray() : FromStart);
    if (!QTest::qWaitFor([&] { return unit.usb.queuedCount() == 0; }, 40000))
        return results;
    for (int i = 0; i < transfers; ++i) {
        const QByteArrayList got = unit.answers[requests[i] + 1];
        results << (got.size() == 1 ? got.first() : QByteArray());
    }
    *log = unit.sim.log();
    return results;
}

void TestSimLink::faultInjection_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("logMark");
    QTest::addColumn<bool>("lost");

    QTest::newRow("drop every 4th") << QStringList{"--drop-every", "4"} << "dropped" << false;
    QTest::newRow("CRC every 4th") << QStringList{"--corrupt-every", "4"} << "corrupted" << false;
    QTest::newRow("delay 300 ms") << QStringList{"--delay", "300"} << "" << false;
    // Noise between frames and answers split over reads, with damaged answers besides: a link
    // that mishandles any one of them fails this row.
    QTest::newRow("noise, split, corrupt every 5th")
            << QStringList{"--noise", "--split", "--corrupt-every", "5"} << "corrupted" << false;
    QTest::newRow("drop every answer") << QStringList{"--drop-every", "1"} << "dropped" << true;
}

// A dropped or damaged answer costs the link a repeat after its timeout and nothing else:
// with every Nth answer lost (N >= 2) each transfer completes once, with exactly the bytes an
// undisturbed unit sends. A request never answered is written three times, then given up.
void TestSimLink::faultInjection()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, logMark);
    QFETCH(bool, lost);
    // Above the byte stream both transports run the same code; what TCP adds is its own reading
    // of split, noisy and damaged bytes, which the combined row covers.
    if (isTcpRow() && !QByteArray(QTest::currentDataTag()).startsWith("noise, split"))
        QSKIP("the same link code as over the serial port");
    QString log;
    const QByteArrayList results = runSequence(flags, lost ? 1 : 4, &log);
    QCOMPARE(results.size(), lost ? 1 : 4);
    for (int i = 0; i < results.size(); ++i)
        QCOMPARE(results[i], lost ? QByteArray() : m_reference[i]);
    QVERIFY(logMark.isEmpty() || log.contains(logMark));
    // The register's answer dropped three times; a clock poll that joins the empty queue as the
    // request is given up may be dropped too, and is not counted.
    QVERIFY(!lost || log.count(logMark + ": EventLogPart") == 3);
}

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
