#include "gui/timemanagement.h"
#include "servicewindows_support.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QPushButton>

#include <ctime>

using namespace servicetest;

namespace {
// The unit's clock as wall-clock fields, as the window keeps it.
QDateTime wall(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

// What a wall-clock display means in the PC's own zone.
QDateTime local(const QDateTimeEdit *edit)
{
    return QDateTime(edit->date(), edit->time());
}

template<typename T>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("missing %s", name);
    return widget;
}
} // namespace

class TestTimeManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void clockPayload_data();
    void clockPayload();
    void answers_data();
    void answers();
    void otherCommandsAreIgnored();
    void buttonsFollowThePort();
    void sendsTypedTime();
    void sendsComputerTime();
    void readButtonQueuesClockRead();
    void idleClockAdvancesWithTheUnit();
    void settingTheUnitClock();
};

void TestTimeManagement::initTestCase()
{
    // A technician's zone, where 2024-03-31 02:30 falls into the spring-forward gap.
    qputenv("TZ", "Europe/Warsaw");
    tzset();
}

void TestTimeManagement::clockPayload_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("DST night with flag") << QDateTime(QDate(2024, 3, 31), QTime(2, 30)) << true
                                         << QByteArray::fromHex("18031F021E0001");
    QTest::newRow("flag off") << QDateTime(QDate(2000, 1, 1), QTime(0, 0)) << false
                              << QByteArray::fromHex("00010100000000");
    QTest::newRow("last second of 2099") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))
                                         << false << QByteArray::fromHex("630C1F173B3B00");
}

void TestTimeManagement::clockPayload()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(bool, flag);
    QFETCH(QByteArray, payload);
    QCOMPARE(TimeManagement::clockPayload(dateTime, flag), payload);
}

void TestTimeManagement::answers_data()
{
    QTest::addColumn<bool>("boxBefore");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QDateTime>("shown");
    QTest::addColumn<bool>("boxAfter");

    const QDateTime before = wall(QDate(2010, 5, 5), QTime(5, 5, 5));
    const QDateTime received = wall(QDate(2024, 3, 31), QTime(2, 30, 0));
    QTest::newRow("7 bytes set the flag") << false << QByteArray::fromHex("18031F021E0001")
                                          << received << true;
    QTest::newRow("7 bytes clear the flag") << true << QByteArray::fromHex("18031F021E0000")
                                            << received << false;
    QTest::newRow("any non-zero flag checks") << false << QByteArray::fromHex("18031F021E0007")
                                              << received << true;
    QTest::newRow("6 bytes keep a checked box") << true << QByteArray::fromHex("18031F021E00")
                                                << received << true;
    QTest::newRow("6 bytes keep a clear box") << false << QByteArray::fromHex("18031F021E00")
                                              << received << false;
    QTest::newRow("5 bytes change nothing") << true << QByteArray::fromHex("18031F021E")
                                            << before << true;
    QTest::newRow("empty changes nothing") << false << QByteArray() << before << false;
}

void TestTimeManagement::answers()
{
    QFETCH(bool, boxBefore);
    QFETCH(QByteArray, payload);
    QFETCH(QDateTime, shown);
    QFETCH(bool, boxAfter);

    USBManager link;
    TimeManagement window(&link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    auto *arrival = child<QDateTimeEdit>(window, "dateSystemTimeEdit");
    auto *box = child<QCheckBox>(window, "checkBoxChangeTimeRead");
    const QDateTime before = wall(QDate(2010, 5, 5), QTime(5, 5, 5));
    unitTime->setDateTime(before);
    arrival->setDateTime(before.toLocalTime());
    box->setChecked(boxBefore);

    const QDateTime sentAt = QDateTime::currentDateTime().addSecs(-1);
    // Nobody asked: answers to the link's idle reads count too.
    emit link.signalReceivedPacket(Device::ClockData, payload);

    QCOMPARE(unitTime->dateTime(), shown);
    QCOMPARE(box->isChecked(), boxAfter);
    if (shown == before)
        QCOMPARE(arrival->dateTime(), before.toLocalTime());
    else
        QVERIFY(arrival->dateTime() >= sentAt.addSecs(-1)
                && arrival->dateTime() <= QDateTime::currentDateTime());
}

void TestTimeManagement::otherCommandsAreIgnored()
{
    USBManager link;
    TimeManagement window(&link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    const QDateTime before = unitTime->dateTime();
    emit link.signalReceivedPacket(Device::LiveStateData, QByteArray::fromHex("18031F021E0001"));
    emit link.signalReceivedPacket(Device::ReadClock, QByteArray::fromHex("18031F021E0001"));
    QCOMPARE(unitTime->dateTime(), before);

    // A date that does not exist is shown as such, not as the previous value.
    emit link.signalReceivedPacket(Device::ClockData, QByteArray::fromHex("18001F021E0001"));
    QCOMPARE(unitTime->text(), QStringLiteral("Nieprawidłowa data"));
    emit link.signalReceivedPacket(Device::ClockData, QByteArray::fromHex("18031F021E0001"));
    QCOMPARE(unitTime->dateTime(), wall(QDate(2024, 3, 31), QTime(2, 30)));
    QCOMPARE(unitTime->text(), QStringLiteral("31.03.2024 02:30:00"));
}

void TestTimeManagement::buttonsFollowThePort()
{
    PtyUnit unit;
    TimeManagement window(&unit.link);
    const QList<QPushButton *> buttons{child<QPushButton>(window, "readTimeButton"),
                                       child<QPushButton>(window, "sendTimeButton"),
                                       child<QPushButton>(window, "sendComputerTimeButton")};
    for (QPushButton *button : buttons)
        QVERIFY(!button->isEnabled());
    QVERIFY(unit.open());
    for (QPushButton *button : buttons)
        QVERIFY(button->isEnabled());
    unit.link.closePort();
    for (QPushButton *button : buttons)
        QVERIFY(!button->isEnabled());
}

void TestTimeManagement::sendsTypedTime()
{
    PtyUnit unit;
    QVERIFY(unit.open());
    TimeManagement window(&unit.link);
    child<QDateTimeEdit>(window, "dateSetTimeEdit")->setDateTime(wall(QDate(2024, 3, 31), {2, 30}));
    child<QCheckBox>(window, "checkBoxChangeTimeSend")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(window, "sendTimeButton"), Qt::LeftButton);

    const QByteArray frame = unit.request(Device::ClockData);
    QCOMPARE(payloadOf(frame), QByteArray::fromHex("18031F021E0001"));
    QVERIFY(Device::checkCrc(frame.constData(), frame.size() - 1));

    // The unit answers with its new clock, which the window shows.
    unit.answer(Device::ClockData, QByteArray::fromHex("18031F021E0001"));
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    QTRY_COMPARE(unitTime->dateTime(), wall(QDate(2024, 3, 31), QTime(2, 30)));
    QVERIFY(child<QCheckBox>(window, "checkBoxChangeTimeRead")->isChecked());
}

void TestTimeManagement::sendsComputerTime()
{
    PtyUnit unit;
    QVERIFY(unit.open());
    TimeManagement window(&unit.link);
    child<QDateTimeEdit>(window, "dateSetTimeEdit")->setDateTime(wall(QDate(2001, 1, 1), {1, 1}));
    const QDateTime before = QDateTime::currentDateTime();
    QTest::mouseClick(child<QPushButton>(window, "sendComputerTimeButton"), Qt::LeftButton);
    const QDateTime after = QDateTime::currentDateTime();

    const QByteArray payload = payloadOf(unit.request(Device::ClockData));
    QCOMPARE(payload.size(), 7);
    QDateTime sent;
    int flag = -1;
    QVERIFY(TimeManagement::parseClock(payload, &sent, &flag));
    QCOMPARE(flag, 0);
    sent = QDateTime(sent.date(), sent.time());
    QVERIFY2(sent >= before.addMSecs(-before.time().msec()) && sent <= after,
             qPrintable(sent.toString()));
}

void TestTimeManagement::readButtonQueuesClockRead()
{
    PtyUnit unit;
    QVERIFY(unit.open());
    TimeManagement window(&unit.link);
    QTest::mouseClick(child<QPushButton>(window, "readTimeButton"), Qt::LeftButton);
    // Well before the link's first idle read, so this one is the button's.
    const QByteArray frame = unit.pty.readFrame(1000);
    QCOMPARE(frame.size(), 7);
    QCOMPARE(commandOf(frame), Device::ReadClock);
    QCOMPARE(payloadOf(frame), QByteArray::fromHex("01"));
}

void TestTimeManagement::idleClockAdvancesWithTheUnit()
{
    SimUnit sim;
    REQUIRE_SIM(sim);
    USBManager link;
    TimeManagement window(&link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    const QDateTime initial = unitTime->dateTime();
    QVERIFY(link.openPort(sim.devicePath()));

    // No user action: only the link's idle reads bring the clock in.
    QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() != initial, 6000);
    const QDateTime first = unitTime->dateTime();
    QVERIFY2(qAbs(local(unitTime).secsTo(QDateTime::currentDateTime())) <= 5,
             qPrintable(first.toString(Qt::ISODate)));
    QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() > first, 6000);
    const qint64 step = first.secsTo(unitTime->dateTime());
    QVERIFY2(step >= 1 && step <= 4, qPrintable(QString::number(step)));
}

void TestTimeManagement::settingTheUnitClock()
{
    SimUnit sim;
    REQUIRE_SIM(sim);
    USBManager link;
    QVERIFY(link.openPort(sim.devicePath()));
    TimeManagement window(&link);
    auto *unitTime = child<QDateTimeEdit>(window, "dateReadTimeEdit");
    auto *flagShown = child<QCheckBox>(window, "checkBoxChangeTimeRead");
    // The day before the DST night: the simulator keeps its clock in the PC's zone.
    const QDateTime set = wall(QDate(2024, 3, 30), QTime(2, 30, 0));
    child<QDateTimeEdit>(window, "dateSetTimeEdit")->setDateTime(set);
    child<QCheckBox>(window, "checkBoxChangeTimeSend")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(window, "sendTimeButton"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(qAbs(unitTime->dateTime().secsTo(set)) <= 2, 6000);
    QVERIFY(flagShown->isChecked());
    // The unit's clock runs on from the new setting and the display follows it unasked.
    QTRY_VERIFY_WITH_TIMEOUT(unitTime->dateTime() >= set.addSecs(2), 8000);
    QVERIFY(unitTime->dateTime() < set.addSecs(30));
    QVERIFY(flagShown->isChecked());

    child<QCheckBox>(window, "checkBoxChangeTimeSend")->setChecked(false);
    QTest::mouseClick(child<QPushButton>(window, "sendComputerTimeButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!flagShown->isChecked(), 6000);
    QVERIFY(qAbs(local(unitTime).secsTo(QDateTime::currentDateTime())) <= 3);
}

QTEST_MAIN(TestTimeManagement)
#include "tst_timemanagement.moc"
