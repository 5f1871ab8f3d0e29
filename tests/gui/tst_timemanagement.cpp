#include "gui/timemanagement.h"
#include "servicewindows_support.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QPushButton>

#include <ctime>

class TestTimeManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void sendsClock();
    void idleClockAdvancesWithTheUnit();
};

void TestTimeManagement::initTestCase()
{
    // A technician's zone, where 2024-03-31 02:30 falls into the spring-forward gap.
    qputenv("TZ", "Europe/Warsaw");
    tzset();
}

void TestTimeManagement::answers_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("box"); // the flag box before and after
    const auto row = [](const char *name, int command, const char *hex, const char *shown,
                        const char *box) {
        QTest::newRow(name) << command << QByteArray::fromHex(hex) << QString::fromUtf8(shown)
                            << QString(box);
    };
    const int clock = Device::ClockData;
    const char *const night = "31.03.2024 02:30:00", *const before = "05.05.2010 05:05:05";
    row("7 bytes set the flag", clock, "18031F021E0001", night, "01");
    row("7 bytes clear the flag", clock, "18031F021E0000", night, "10");
    row("6 bytes keep a checked box", clock, "18031F021E00", night, "11");
    row("6 bytes keep a clear box", clock, "18031F021E00", night, "00");
    row("5 bytes change nothing", clock, "18031F021E", before, "11");
    row("other command", Device::LiveStateData, "18031F021E0001", before, "00");
    row("impossible date", clock, "18001F021E0001", "Nieprawidłowa data", "01");
}

void TestTimeManagement::answers()
{
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(QString, shown);
    QFETCH(QString, box);
    USBManager link;
    TimeManagement window(&link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    auto *arrival = child<QDateTimeEdit>(window, "dateSystemTimeEdit");
    auto *flag = child<QCheckBox>(window, "checkBoxChangeTimeRead");
    unitTime->setDateTime(QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5), Qt::UTC));
    arrival->setDateTime(QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5)));
    flag->setChecked(box.at(0) == QLatin1Char('1'));
    // Nobody asked: answers to the link's idle reads count too.
    emit link.signalReceivedPacket(Device::COMMAND(command), payload);
    QCOMPARE(unitTime->text(), shown);
    QCOMPARE(flag->isChecked(), box.at(1) == QLatin1Char('1'));
    // Each answer shown is stamped with the PC's time of arrival.
    const bool stamped = shown != QLatin1String("05.05.2010 05:05:05");
    QCOMPARE(qAbs(arrival->dateTime().secsTo(QDateTime::currentDateTime())) <= 2, stamped);
}

void TestTimeManagement::sendsClock()
{
    PtyUnit unit;
    TimeManagement window(&unit.link);
    auto *send = child<QPushButton>(window, "sendTimeButton");
    QVERIFY(!send->isEnabled());
    QVERIFY(unit.open());
    // Typed inside the PC zone's DST gap: sent as typed, not moved by an hour.
    child<QDateTimeEdit>(window, "dateSetTimeEdit")
            ->setDateTime(QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::UTC));
    auto *flag = child<QCheckBox>(window, "checkBoxChangeTimeSend");
    flag->setChecked(true);
    QTest::mouseClick(send, Qt::LeftButton);
    QByteArray frame = unit.request(Device::ClockData);
    QCOMPARE(frame.mid(5, frame.size() - 6), QByteArray::fromHex("18031F021E0001"));
    QVERIFY(Device::checkCrc(frame.constData(), frame.size() - 1));
    unit.answer(Device::ClockData, frame.mid(5, 7));

    flag->setChecked(false);
    // One request of the window at a time: the buttons wait for the unit's answer.
    auto *sendNow = child<QPushButton>(window, "sendComputerTimeButton");
    QVERIFY(!sendNow->isEnabled());
    QTRY_VERIFY(sendNow->isEnabled());
    const QDateTime now = QDateTime::currentDateTime();
    QTest::mouseClick(sendNow, Qt::LeftButton);
    frame = unit.request(Device::ClockData);
    QDateTime sent;
    int dst = -1;
    QVERIFY(TimeManagement::parseClock(frame.mid(5, frame.size() - 6), &sent, &dst));
    QCOMPARE(dst, 0);
    QVERIFY(qAbs(QDateTime(sent.date(), sent.time()).secsTo(now)) <= 1);
    unit.link.closePort();
    QVERIFY(!send->isEnabled());
}

void TestTimeManagement::idleClockAdvancesWithTheUnit()
{
    SimUnit sim;
    TimeManagement window(&sim.link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    const QDateTime initial = unitTime->dateTime();
    QVERIFY(sim.open());
    // No user action: only the link's idle reads bring the clock in, the PC's wall time.
    QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() != initial, 6000);
    const QDateTime first = unitTime->dateTime();
    QVERIFY(qAbs(QDateTime(first.date(), first.time()).secsTo(QDateTime::currentDateTime())) <= 5);
    QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() > first, 6000);
    QVERIFY(first.secsTo(unitTime->dateTime()) <= 4);
}

QTEST_MAIN(TestTimeManagement)
#include "tst_timemanagement.moc"
