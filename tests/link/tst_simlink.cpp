// End to end: the product's link (USBManager on QSerialPort) against the simulated unit
// ostrel-sim on a real pseudo-terminal.
#include "simprocess.h"

#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "link/device.h"
#include "link/usbmanager.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString FixedClock = QStringLiteral("2024-06-01T10:00:00");

struct Packet
{
    Device::COMMAND command;
    QByteArray payload;
};

// The product's link on the simulator's port, recording every answer it delivers.
class Link : public QObject
{
public:
    Link()
    {
        connect(&usb, &USBManager::signalReceivedPacket, this,
                [this](Device::COMMAND command, QByteArray payload) {
                    packets.append({command, payload});
                });
    }

    void send(Device::COMMAND command, const QByteArray &payload = QByteArray())
    {
        QByteArray frame;
        Device::buildFrame(command, payload, frame);
        usb.queueFrame(frame);
    }

    int count(Device::COMMAND command) const
    {
        int n = 0;
        for (const Packet &p : packets)
            n += p.command == command;
        return n;
    }

    QList<QByteArray> payloads(Device::COMMAND command) const
    {
        QList<QByteArray> list;
        for (const Packet &p : packets) {
            if (p.command == command)
                list.append(p.payload);
        }
        return list;
    }

    // Sends one request and waits for the next answer carrying `expected`.
    bool transfer(Device::COMMAND command, const QByteArray &payload, Device::COMMAND expected,
                  QByteArray *answer, int timeoutMs = 5000)
    {
        const int before = count(expected);
        send(command, payload);
        QElapsedTimer timer;
        timer.start();
        while (count(expected) == before) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(5);
        }
        *answer = payloads(expected).at(before);
        return true;
    }

    USBManager usb;
    QList<Packet> packets;
};

struct Record
{
    int type;
    int number;
    QByteArray payload;
};

// The test's own reading of an image: count, then type, number, length (two bytes for 0x55).
QList<Record> walkImage(const QByteArray &image, bool *ok)
{
    QList<Record> records;
    *ok = false;
    if (image.isEmpty())
        return records;
    int pos = 1;
    for (int i = 0; i < quint8(image.at(0)); ++i) {
        if (pos + 3 > image.size())
            return records;
        Record r{quint8(image.at(pos)), quint8(image.at(pos + 1)), {}};
        int length = quint8(image.at(pos + 2));
        pos += 3;
        if (r.type == 0x55) {
            length = length * 256 + quint8(image.at(pos));
            ++pos;
        }
        if (pos + length > image.size())
            return records;
        r.payload = image.mid(pos, length);
        pos += length;
        records.append(r);
    }
    *ok = pos == image.size();
    return records;
}

QList<Record> walkFaults(const QByteArray &data, bool *ok)
{
    QList<Record> blocks;
    *ok = false;
    if (data.isEmpty())
        return blocks;
    int pos = 1;
    for (int i = 0; i < qint8(data.at(0)); ++i) {
        if (pos + 3 > data.size())
            return blocks;
        const int length = qint8(data.at(pos + 2));
        if (length < 0 || pos + 3 + length > data.size())
            return blocks;
        blocks.append({quint8(data.at(pos)), quint8(data.at(pos + 1)), data.mid(pos + 3, length)});
        pos += 3 + length;
    }
    *ok = pos == data.size();
    return blocks;
}

QString describe(const QList<Record> &records)
{
    QStringList parts;
    for (const Record &r : records)
        parts << QStringLiteral("%1:%2:%3")
                         .arg(r.type, 2, 16, QLatin1Char('0'))
                         .arg(r.number)
                         .arg(r.payload.size());
    return parts.join(' ').toUpper();
}

// Entries in each module type's fault-text table.
int faultTableSize(int type)
{
    static const QHash<int, int> sizes = {
            {0xE0, 35}, {0xD0, 1},  {0xF0, 12}, {0x83, 16}, {0xA0, 32}, {0x90, 32},
            {0xC0, 16}, {0x80, 16}, {0xB0, 16}, {0x57, 33}, {0x55, 110}, {0x56, 32},
            {0x50, 18}, {0x53, 8},  {0x45, 32}, {0x51, 12},
    };
    return sizes.value(type, -1);
}

QDateTime eventTime(const QByteArray &log, int i)
{
    const char *r = log.constData() + 8 * i;
    return QDateTime(QDate(2000 + qint8(r[0]), qint8(r[1]), qint8(r[2])),
                     QTime(qint8(r[3]), qint8(r[4]), qint8(r[5])));
}

QDateTime clockTime(const QByteArray &clock)
{
    return QDateTime(QDate(2000 + quint8(clock.at(0)), quint8(clock.at(1)), quint8(clock.at(2))),
                     QTime(quint8(clock.at(3)), quint8(clock.at(4)), quint8(clock.at(5))));
}

quint16 value16(const QByteArray &bytes, int offset)
{
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

QByteArray twoBytes(int a, int b)
{
    QByteArray bytes;
    bytes.append(char(a));
    bytes.append(char(b));
    return bytes;
}

} // namespace

class TestSimLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void configurationRead_data();
    void configurationRead();
    void productDecodesConfiguration_data();
    void productDecodesConfiguration();
    void writeThenReadBack_data();
    void writeThenReadBack();
    void malformedWriteIsRefused();

    void eventLogArrivesWholeInOneSignal();
    void emptyClearedAndWrittenLog();

    void faultsRecord_data();
    void faultsRecord();
    void softwareList_data();
    void softwareList();
    void clockReadAndSet();
    void liveValues();
    void selfTestRunsToResults();
    void selfTestRefusedInCalibrationMode();
    void calibrationFinishesAfterFewPolls();

    void badRequestsGetNoAnswer();
    void faultInjection_data();
    void faultInjection();
    void unansweredRequestIsWrittenThreeTimes();
    void hangUpClosesThePortAndRemovesTheLink();
    void linkRemovedWhenStopped();
    void nothingStaleAfterReopen();
    void pacedAnswerTakesItsWireTime();

private:
    // Starts a simulator with the arguments, opens the product's link on it.
    bool connectTo(const QStringList &arguments, std::unique_ptr<SimProcess> &sim,
                   std::unique_ptr<Link> &link);
    QList<QByteArray> runSequence(const QStringList &arguments, QString *simLog);

    QStringList m_referenceArguments;
    QList<QByteArray> m_reference;
};

bool TestSimLink::connectTo(const QStringList &arguments, std::unique_ptr<SimProcess> &sim,
                            std::unique_ptr<Link> &link)
{
    sim = std::make_unique<SimProcess>(ostrelSimPath(), arguments);
    if (!sim->start())
        return false;
    link = std::make_unique<Link>();
    return link->usb.openPort(sim->portName());
}

void TestSimLink::initTestCase()
{
    // The link logs every frame in hex; a 2 KB event-log part is 6 KB of text.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    buildOptionLists();
    initFaultTextTables();

    m_referenceArguments = QStringList{"--fast", "--clock", FixedClock, "--log-entries", "600",
                                       "--seed", "7"};
    QString log;
    m_reference = runSequence(m_referenceArguments, &log);
    QCOMPARE(m_reference.size(), 4);
    for (const QByteArray &payload : qAsConst(m_reference))
        QVERIFY(!payload.isNull());
}

void TestSimLink::configurationRead_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("modules");

    QTest::newRow("basic") << "basic" << "E0:1:32 D0:1:1 F0:1:77 83:1:0";
    QTest::newRow("smoke-vent")
            << "smoke-vent" << "A0:1:31 90:1:47 90:2:47 C0:1:63 80:1:63 B0:1:1 B0:2:1";
    QTest::newRow("extinguishing")
            << "extinguishing" << "57:1:63 55:1:400 55:2:400 56:1:2 50:1:86 53:1:70 45:1:2 51:1:66";
}

void TestSimLink::configurationRead()
{
    QFETCH(QString, preset);
    QFETCH(QString, modules);
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--preset", preset}, sim, link));

    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));
    bool ok = false;
    const QList<Record> records = walkImage(image, &ok);
    QVERIFY2(ok, qPrintable(image.toHex(' ')));
    QCOMPARE(describe(records), modules);
    if (preset == "extinguishing") {
        // SCB's 400-byte payload travels with a two-byte length, high byte first.
        const int scb = image.indexOf(QByteArray::fromHex("55010190"));
        QVERIFY(scb > 0);
    }
    // Every configurable module carries settings away from the all-zero image.
    for (const Record &r : records) {
        if (!r.payload.isEmpty())
            QVERIFY2(r.payload.count('\0') < r.payload.size(), qPrintable(describe({r})));
    }
}

void TestSimLink::productDecodesConfiguration_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<uint>("value");

    QTest::newRow("PSB capacity") << "basic" << 0 << "Pojemność Akumulatorów" << 28u;
    QTest::newRow("PSL LS1 T1") << "basic" << 2
                                << "Linia sygnałowa LS1 - T1 - czas opóźnienia wysterowania" << 5u;
    QTest::newRow("CTM scenario") << "smoke-vent" << 0 << "Scenariusz" << 3u;
    QTest::newRow("LNM 2 current") << "smoke-vent" << 2 << "Prąd grupy [A]" << 4u;
    QTest::newRow("SCB 1 L1 delay X")
            << "extinguishing" << 1 << "L1 - Linia Kontrolna - Opóźnienie X" << 10u;
    QTest::newRow("SCG L4 pulses")
            << "extinguishing" << 7 << "    L4 - Linia Potencjałowa - Liczba impulsów N-imp" << 5u;
}

// The product parses what the unit sent, and serialises it back for the unit byte for byte.
void TestSimLink::productDecodesConfiguration()
{
    QFETCH(QString, preset);
    QFETCH(int, module);
    QFETCH(QString, setting);
    QFETCH(uint, value);
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--preset", preset}, sim, link));
    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));

    bool ok = false;
    for (const Record &r : walkImage(image, &ok)) {
        std::unique_ptr<Modul> probe(createModule(r.type, quint8(r.number)));
        if (!probe)
            QSKIP(qPrintable(QStringLiteral("no module class for type 0x%1 yet")
                                     .arg(r.type, 2, 16, QLatin1Char('0'))));
    }
    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::FromDevice));
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice), image);
    Modul *m = config.getModule(module);
    QVERIFY(m);
    bool found = false;
    for (Setting *s : m->getSettings()) {
        if (s->getName() == setting) {
            QCOMPARE(uint(s->getValue()), value);
            found = true;
            break;
        }
    }
    QVERIFY2(found, qPrintable(setting));
}

void TestSimLink::writeThenReadBack_data()
{
    QTest::addColumn<QString>("preset");
    QTest::newRow("basic") << "basic";
    QTest::newRow("extinguishing (two-byte length)") << "extinguishing";
}

void TestSimLink::writeThenReadBack()
{
    QFETCH(QString, preset);
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--preset", preset}, sim, link));
    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));

    // Change a setting byte in every module that has one, as an edit would.
    bool ok = false;
    QList<Record> records = walkImage(image, &ok);
    QVERIFY(ok);
    QByteArray edited;
    edited.append(char(records.size()));
    for (Record &r : records) {
        if (!r.payload.isEmpty())
            r.payload[0] = char(r.payload.at(0) ^ 1);
        edited.append(char(r.type)).append(char(r.number));
        if (r.type == 0x55)
            edited.append(char(r.payload.size() >> 8));
        edited.append(char(r.payload.size() & 0xFF)).append(r.payload);
    }
    QVERIFY(edited != image);

    QByteArray ack;
    QVERIFY(link->transfer(Device::ConfigData, edited, Device::Acknowledge, &ack));
    QByteArray readBack;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &readBack));
    QCOMPARE(readBack, edited);
}

void TestSimLink::malformedWriteIsRefused()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast"}, sim, link));
    QByteArray original;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &original));

    // Two records announced, the second cut short: the unit keeps its configuration.
    link->send(Device::ConfigData, QByteArray::fromHex("02d00101e00120000000"));
    QTRY_VERIFY(sim->log().contains("configuration refused"));
    QCOMPARE(link->count(Device::Acknowledge), 0);

    // A fresh link, so the refused write's repeats don't hold up the read.
    link = std::make_unique<Link>();
    QVERIFY(link->usb.openPort(sim->portName()));
    QByteArray now;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &now));
    QCOMPARE(now, original);
}

void TestSimLink::eventLogArrivesWholeInOneSignal()
{
    const int entries = 20 * 255;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--verbose", "--clock", FixedClock, "--log-entries",
                       QString::number(entries)},
                      sim, link));

    QByteArray log;
    QVERIFY(link->transfer(Device::ReadEventLog, twoBytes(0, 0), Device::EventLogPart, &log,
                           30000));
    QCOMPARE(log.size(), entries * 8);
    for (int i = 0; i < entries; ++i) {
        QVERIFY2(eventTime(log, i).isValid(), qPrintable(QString::number(i)));
        if (i > 0)
            QVERIFY2(eventTime(log, i - 1) < eventTime(log, i), qPrintable(QString::number(i)));
    }
    QCOMPARE(eventTime(log, entries - 1), QDateTime::fromString(FixedClock, Qt::ISODate));
    QCOMPARE(log.right(2), QByteArray::fromHex("1700"));    // the unit's start-up

    // The link closes the transfer with a request for part 20, which delivers nothing more.
    QTRY_COMPARE(link->usb.queuedCount(), 0);
    QTRY_VERIFY(sim->log().contains("closing request"));
    QTest::qWait(300);
    int delivered = 0;
    for (const Packet &p : qAsConst(link->packets))
        delivered += p.command != Device::ClockData;     // the link's idle clock polls aside
    QCOMPARE(delivered, 1);
}

void TestSimLink::emptyClearedAndWrittenLog()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--log-entries", "0"}, sim, link));

    QByteArray log;
    QVERIFY(link->transfer(Device::ReadEventLog, twoBytes(0, 0), Device::EventLogPart, &log));
    QCOMPARE(log, QByteArray());
    // Closing the transfer marked the read in the register.
    QVERIFY(link->transfer(Device::ReadEventLog, twoBytes(0, 0), Device::EventLogPart, &log));
    QCOMPARE(log.size(), 8);
    QCOMPARE(log.right(2), QByteArray::fromHex("2100"));

    QByteArray answer;
    QVERIFY(link->transfer(Device::ClearEventLog, {}, Device::Acknowledge, &answer));
    QVERIFY(link->transfer(Device::ClockData, QByteArray::fromHex("18030e0e070901"),
                           Device::ClockData, &answer));
    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));
    QVERIFY(link->transfer(Device::ConfigData, image, Device::Acknowledge, &answer));
    QVERIFY(link->transfer(Device::ReadEventLog, twoBytes(0, 0), Device::EventLogPart, &log));

    // cleared (the earlier reads went with it), clock written, configuration written: the
    // unit's own events, the last two at the new clock
    QCOMPARE(log.size(), 3 * 8);
    QByteArray codes;
    for (int i = 0; i < 3; ++i)
        codes.append(log.mid(8 * i + 6, 2));
    QCOMPARE(codes.toHex(' '), QByteArray("18 00 1a 00 19 00"));
    QCOMPARE(eventTime(log, 1).date(), QDate(2024, 3, 14));
    QCOMPARE(eventTime(log, 2).date(), QDate(2024, 3, 14));
}

void TestSimLink::faultsRecord_data()
{
    QTest::addColumn<QString>("preset");
    QTest::newRow("basic") << "basic";
    QTest::newRow("smoke-vent") << "smoke-vent";
    QTest::newRow("extinguishing") << "extinguishing";
}

void TestSimLink::faultsRecord()
{
    QFETCH(QString, preset);
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--preset", preset}, sim, link));
    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));
    QByteArray faults;
    QVERIFY(link->transfer(Device::ReadFaults, twoBytes(0, 0), Device::FaultsData, &faults));

    bool ok = false;
    const QList<Record> modules = walkImage(image, &ok);
    const QList<Record> blocks = walkFaults(faults, &ok);
    QVERIFY2(ok, qPrintable(faults.toHex(' ')));
    QCOMPARE(blocks.size(), modules.size());
    int healthy = 0;
    for (int i = 0; i < blocks.size(); ++i) {
        QCOMPARE(blocks[i].type, modules[i].type);
        QCOMPARE(blocks[i].number, modules[i].number);
        // The product never examines a block's last byte, so every fault of the type's table
        // must sit in front of it.
        QCOMPARE(blocks[i].payload.size(), faultTableSize(blocks[i].type) + 1);
        healthy += blocks[i].payload.count('\0') == blocks[i].payload.size();
    }
    QCOMPARE(healthy, 1);
}

void TestSimLink::softwareList_data()
{
    faultsRecord_data();
}

void TestSimLink::softwareList()
{
    QFETCH(QString, preset);
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--preset", preset}, sim, link));
    QByteArray image;
    QVERIFY(link->transfer(Device::ReadConfig, {}, Device::ConfigData, &image));
    QByteArray software;
    QVERIFY(link->transfer(Device::ReadSoftware, twoBytes(0, 0), Device::SoftwareData, &software));

    bool ok = false;
    const QList<Record> modules = walkImage(image, &ok);
    QCOMPARE(software.size() % 5, 0);
    QCOMPARE(software.size() / 5, modules.size() + 1);
    int next = 0;
    int empty = 0;
    for (int i = 0; i < software.size() / 5; ++i) {
        const QByteArray r = software.mid(5 * i, 5);
        if (r.at(2) == 0) {
            ++empty;
            continue;
        }
        QCOMPARE(int(quint8(r.at(0))), modules[next].type);
        QCOMPARE(int(quint8(r.at(1))), modules[next].number);
        ++next;
    }
    QCOMPARE(empty, 1);
    QCOMPARE(next, modules.size());
}

void TestSimLink::clockReadAndSet()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast"}, sim, link));

    QByteArray clock;
    QVERIFY(link->transfer(Device::ReadClock, {}, Device::ClockData, &clock));
    QCOMPARE(clock.size(), 7);
    QVERIFY(qAbs(clockTime(clock).secsTo(QDateTime::currentDateTime())) < 5);
    QCOMPARE(clock.at(6), char(1));

    QVERIFY(link->transfer(Device::ClockData, QByteArray::fromHex("180305 0e0709 00"),
                           Device::ClockData, &clock));
    const QDateTime set(QDate(2024, 3, 5), QTime(14, 7, 9));
    QVERIFY(qAbs(clockTime(clock).secsTo(set)) <= 1);
    QCOMPARE(clock.at(6), char(0));

    // The clock runs on from the new time, and keeps the switching flag.
    QTest::qWait(1100);
    QVERIFY(link->transfer(Device::ReadClock, {}, Device::ClockData, &clock));
    QVERIFY(clockTime(clock) > set);
    QVERIFY(clockTime(clock).secsTo(set) > -5);
    QCOMPARE(clock.at(6), char(0));

    // An impossible date leaves the clock alone; the answer shows the clock kept.
    QVERIFY(link->transfer(Device::ClockData, QByteArray::fromHex("180d05 0e0709 01"),
                           Device::ClockData, &clock));
    QVERIFY(qAbs(clockTime(clock).secsTo(set)) < 5);
}

void TestSimLink::liveValues()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast"}, sim, link));
    for (int poll = 0; poll < 3; ++poll) {
        QByteArray live;
        QVERIFY(link->transfer(Device::ReadLiveState, {}, Device::LiveStateData, &live));
        QCOMPARE(live.size(), 71);
        QCOMPARE(int(quint8(live.at(0))), 70);
        auto row = [&live](int r) { return value16(live, 1 + 2 * r); };
        QVERIFY(qAbs(row(2) * 0.0088928 - 27.3) < 0.2);    // battery
        QCOMPARE(row(8), quint16(0));                       // battery and mains
        QVERIFY(row(5) > 199);                              // a probe is fitted
        for (int r = 29; r <= 32; ++r)
            QVERIFY(row(r) <= 5);                           // line output states
        QVERIFY(row(33) >= 1456 && row(33) < 4000);         // LK1 supervised
    }
}

void TestSimLink::selfTestRunsToResults()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast"}, sim, link));
    int lastStep = -1;
    QByteArray state;
    for (int poll = 0; poll < 60; ++poll) {
        QVERIFY(link->transfer(Device::RunTest, {}, Device::TestState, &state));
        QCOMPARE(state.at(0), char(1));
        QVERIFY(int(state.at(2)) >= lastStep && state.at(2) <= 7);
        lastStep = state.at(2);
        if (state.at(1) == 1)
            break;
        QCOMPARE(state.size(), 3);
        QTest::qWait(200);
    }
    QCOMPARE(state.at(1), char(1));
    QCOMPARE(state.size(), 21);
    QCOMPARE(lastStep, 7);
    QList<qint16> r;
    for (int k = 0; k < 9; ++k)
        r.append(qint16(value16(state, 3 + 2 * k)));
    QVERIFY(r[0] != 0 && r[1] != 0);                    // RAM, FLASH
    QVERIFY(r[2] >= -9 && r[2] <= 9);                   // current sensor at rest
    QVERIFY(r[3] * 0.0001 < 0.3);                       // battery path resistance
    QVERIFY(r[6] * 0.008511 > 2.9 && r[6] * 0.008511 < 3.9);
    QVERIFY(r[7] * 0.0088928 < 20);
    QVERIFY(r[8] * 0.0088928 > 30);
}

void TestSimLink::selfTestRefusedInCalibrationMode()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--calibration-mode"}, sim, link));
    QByteArray state;
    QVERIFY(link->transfer(Device::RunTest, {}, Device::TestState, &state));
    QCOMPARE(state.at(0), char(0));
}

void TestSimLink::calibrationFinishesAfterFewPolls()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast"}, sim, link));
    QByteArray state;
    int polls = 0;
    do {
        QVERIFY(link->transfer(Device::Calibrate, {}, Device::CalibrationState, &state));
        ++polls;
    } while (state.at(0) != 1 && polls < 20);
    QCOMPARE(state.at(0), char(1));
    QVERIFY(polls > 1 && polls <= 5);
}

// Written straight to the port: a bad CRC, an unknown command and line noise get nothing back,
// and the unit still answers the good request behind them.
void TestSimLink::badRequestsGetNoAnswer()
{
    SimProcess sim(ostrelSimPath(), {"--fast"});
    QVERIFY(sim.start());
    QSerialPort port(sim.portName());
    QVERIFY(port.open(QIODevice::ReadWrite));

    QByteArray badCrc;
    Device::buildFrame(Device::ReadConfig, {}, badCrc);
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0xFF);
    QByteArray unknown;
    Device::buildFrame(Device::COMMAND(0x99), {}, unknown);
    QByteArray answerOnly;
    Device::buildFrame(Device::Acknowledge, {}, answerOnly);
    QByteArray good;
    Device::buildFrame(Device::ReadClock, {}, good);
    port.write(badCrc + unknown + QByteArray::fromHex("55aa") + answerOnly + good);

    QByteArray received;
    QElapsedTimer timer;
    timer.start();
    while (received.size() < 13 && timer.elapsed() < 5000) {
        port.waitForReadyRead(50);
        received += port.readAll();
    }
    QTest::qWait(200);
    received += port.readAll();
    QCOMPARE(received.size(), 13);      // the one ClockData answer
    QCOMPARE(received.at(4), char(Device::ClockData));
    const QString log = sim.log();
    QVERIFY(log.contains("bad CRC"));
    QVERIFY(log.contains("unknown command 0x99"));
    QVERIFY(log.contains("unknown command Acknowledge"));
    QVERIFY(log.contains("stray bytes"));
}

// Event log (3 parts), configuration, faults and software queued at once; the answers are
// compared with those of an undisturbed run of the same unit.
QList<QByteArray> TestSimLink::runSequence(const QStringList &arguments, QString *simLog)
{
    QList<QByteArray> results;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    if (!connectTo(arguments, sim, link))
        return results;
    const QList<QPair<Device::COMMAND, Device::COMMAND>> requests = {
            {Device::ReadEventLog, Device::EventLogPart},
            {Device::ReadConfig, Device::ConfigData},
            {Device::ReadFaults, Device::FaultsData},
            {Device::ReadSoftware, Device::SoftwareData},
    };
    for (const auto &r : requests)
        link->send(r.first, r.first == Device::ReadConfig ? QByteArray() : twoBytes(0, 0));
    // Done once every request has left the queue, answered or given up. The link's clock
    // polls join the queue only when it is empty, so they cannot hide that moment.
    QElapsedTimer timer;
    timer.start();
    while (link->usb.queuedCount() > 0 && timer.elapsed() < 40000)
        QTest::qWait(20);
    QTest::qWait(100);
    for (const auto &r : requests) {
        const QList<QByteArray> got = link->payloads(r.second);
        // At most one delivery per transfer; a repeated request must not deliver twice.
        results.append(got.size() == 1 ? got.first() : QByteArray());
        if (got.size() > 1)
            qWarning() << "delivered" << got.size() << "times:" << r.second;
    }
    *simLog = sim->log();
    return results;
}

void TestSimLink::faultInjection_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("logMark");

    QTest::newRow("drop every 4th answer") << QStringList{"--drop-every", "4"} << "dropped";
    QTest::newRow("corrupt every 4th CRC") << QStringList{"--corrupt-every", "4"} << "corrupted";
    QTest::newRow("noise") << QStringList{"--noise"} << "";
    QTest::newRow("split") << QStringList{"--split"} << "";
    QTest::newRow("delay 300 ms") << QStringList{"--delay", "300"} << "";
    QTest::newRow("noise, split, corrupt every 5th")
            << QStringList{"--noise", "--split", "--corrupt-every", "5"} << "corrupted";
}

// Dropped or damaged answers cost the link a repeat after its 2 s timeout and nothing else:
// with every Nth answer lost (N >= 2) each transfer still completes, once, with exactly the
// bytes an undisturbed unit sends.
void TestSimLink::faultInjection()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, logMark);
    QString log;
    const QList<QByteArray> results = runSequence(m_referenceArguments + flags, &log);
    QCOMPARE(results.size(), m_reference.size());
    for (int i = 0; i < results.size(); ++i) {
        QVERIFY2(!results[i].isNull(), qPrintable(QStringLiteral("transfer %1 lost").arg(i)));
        QVERIFY2(results[i] == m_reference[i],
                 qPrintable(QStringLiteral("transfer %1 delivered other bytes").arg(i)));
    }
    if (!logMark.isEmpty())
        QVERIFY(log.contains(logMark));
}

void TestSimLink::unansweredRequestIsWrittenThreeTimes()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--fast", "--verbose", "--drop-every", "1"}, sim, link));
    link->send(Device::ReadFaults, twoBytes(0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(link->usb.queuedCount(), 0, 8000);
    QCOMPARE(sim->countInLog("ReadFaults"), 3);
    QCOMPARE(link->count(Device::FaultsData), 0);
}

void TestSimLink::hangUpClosesThePortAndRemovesTheLink()
{
    QTemporaryDir dir;
    const QString linkPath = dir.filePath("ostrel");
    SimProcess sim(ostrelSimPath(), {"--fast", "--hangup-after", "2", "--link", linkPath});
    QVERIFY(sim.start());
    QVERIFY(QFileInfo(linkPath).isSymLink());

    Link link;
    QSignalSpy closed(&link.usb, &USBManager::signalUsbPortClosed);
    QVERIFY(link.usb.openPort(linkPath));
    QByteArray answer;
    QVERIFY(link.transfer(Device::ReadConfig, {}, Device::ConfigData, &answer));
    QVERIFY(link.transfer(Device::ReadSoftware, twoBytes(0, 0), Device::SoftwareData, &answer));
    QVERIFY(closed.wait(3000));
    QVERIFY(!link.usb.isOpen());
    QVERIFY(sim.waitForExit(3000));
    QCOMPARE(sim.process().exitCode(), 0);
    QVERIFY(!QFileInfo(linkPath).exists() && !QFileInfo(linkPath).isSymLink());
}

void TestSimLink::linkRemovedWhenStopped()
{
    QTemporaryDir dir;
    const QString linkPath = dir.filePath("ostrel");
    QFile::link("/nonexistent/stale", linkPath);    // left over from a killed run
    SimProcess sim(ostrelSimPath(), {"--fast", "--link", linkPath});
    QVERIFY(sim.start());
    QCOMPARE(QFileInfo(linkPath).symLinkTarget(), sim.portName());
    sim.process().terminate();
    QVERIFY(sim.waitForExit(3000));
    QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFileInfo(linkPath).isSymLink());
}

// An answer still on the wire when the PC closes the port is lost with the cable; it must not
// greet the next program that opens the port.
void TestSimLink::nothingStaleAfterReopen()
{
    SimProcess sim(ostrelSimPath(), {"--log-entries", "255"});
    QVERIFY(sim.start());
    QByteArray request;
    Device::buildFrame(Device::ReadEventLog, twoBytes(0, 0), request);
    {
        QSerialPort port(sim.portName());
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write(request);
        QVERIFY(port.waitForBytesWritten(1000));
        QTest::qWait(300);
    }
    QTRY_VERIFY(sim.log().contains("the PC closed the port"));
    QTest::qWait(1000);     // the 2048-byte answer would have been complete by now

    QSerialPort port(sim.portName());
    QVERIFY(port.open(QIODevice::ReadWrite));
    QByteArray clock;
    Device::buildFrame(Device::ReadClock, {}, clock);
    port.write(clock);
    QByteArray received;
    QElapsedTimer timer;
    timer.start();
    while (received.size() < 13 && timer.elapsed() < 3000) {
        port.waitForReadyRead(50);
        received += port.readAll();
    }
    QCOMPARE(received.size(), 13);
    QCOMPARE(received.at(0), char(0x02));
    QCOMPARE(received.at(4), char(Device::ClockData));
}

// A full event-log part (2048 bytes) cannot arrive sooner than 19200 baud allows.
void TestSimLink::pacedAnswerTakesItsWireTime()
{
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Link> link;
    QVERIFY(connectTo({"--log-entries", "255"}, sim, link));
    QElapsedTimer timer;
    timer.start();
    QByteArray log;
    QVERIFY(link->transfer(Device::ReadEventLog, twoBytes(0, 0), Device::EventLogPart, &log));
    QCOMPARE(log.size(), 255 * 8);
    QVERIFY2(timer.elapsed() >= 2048 * 1000 / 1920, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestSimLink)
#include "tst_simlink.moc"
