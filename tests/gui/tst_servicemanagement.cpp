#include "gui/servicemanagement.h"
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include <QPushButton>

using namespace servicetest;

namespace {
const QString Confirmation = QStringLiteral("Dane wysłane poprawnie.");

QPushButton *clearButton(ServiceManagement &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("sendAckButton"));
}

// Reads the whole event log through the link, as the event-log tab would.
QByteArray readEventLog(USBManager &link)
{
    QSignalSpy received(&link, &USBManager::signalReceivedPacket);
    link.queueFrame(frameFor(Device::ReadEventLog, QByteArray(2, '\0')));
    for (int waited = 0; waited < 30; ++waited) {
        for (const QList<QVariant> &arguments : qAsConst(received)) {
            if (arguments.at(0).value<Device::COMMAND>() == Device::EventLogPart)
                return arguments.at(1).toByteArray();
        }
        received.wait(1000);
    }
    return QByteArray("timeout");
}
} // namespace

class TestServiceManagement : public QObject
{
    Q_OBJECT
private slots:
    void buttonFollowsThePort();
    void buttonQueuesClearLog();
    void strayAcknowledgeShowsNothing();
    void acknowledgeAfterReconnectIsNotOurs();
    void clearsTheUnitsLog();
};

void TestServiceManagement::buttonFollowsThePort()
{
    PtyUnit unit;
    ServiceManagement window(&unit.link);
    QVERIFY(!clearButton(window)->isEnabled());
    QVERIFY(unit.open());
    QVERIFY(clearButton(window)->isEnabled());
    unit.link.closePort();
    QVERIFY(!clearButton(window)->isEnabled());
}

void TestServiceManagement::buttonQueuesClearLog()
{
    FakeDialogs dialogs;
    PtyUnit unit;
    QVERIFY(unit.open());
    ServiceManagement window(&unit.link);
    QSignalSpy mapped(&window, &ServiceManagement::signalSendCommand);
    QTest::mouseClick(clearButton(window), Qt::LeftButton);
    QCOMPARE(mapped.count(), 1);
    QCOMPARE(mapped.at(0).at(0).toInt(), 80);

    const QByteArray frame = unit.request(Device::ClearEventLog);
    QCOMPARE(frame.size(), 7);
    QCOMPARE(frame.left(3), QByteArray::fromHex("020006"));
    QCOMPARE(frame.mid(4, 2), QByteArray::fromHex("5001"));
    QCOMPARE(quint8(frame.at(6)), Device::crc8(frame.constData(), 5));
    QVERIFY(dialogs.shown.isEmpty());

    unit.answer(Device::Acknowledge, QByteArray());
    QTRY_COMPARE(dialogs.count(Confirmation), 1);
    QCOMPARE(dialogs.shown.constFirst().title, QStringLiteral("Info"));

    // A second acknowledge answers nothing of ours.
    unit.answer(Device::Acknowledge, QByteArray());
    QTest::qWait(200);
    QCOMPARE(dialogs.shown.size(), 1);
}

void TestServiceManagement::strayAcknowledgeShowsNothing()
{
    FakeDialogs dialogs;
    USBManager link;
    ServiceManagement window(&link);
    emit link.signalReceivedPacket(Device::Acknowledge, QByteArray());
    emit link.signalReceivedPacket(Device::Acknowledge, QByteArray::fromHex("01"));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestServiceManagement::acknowledgeAfterReconnectIsNotOurs()
{
    FakeDialogs dialogs;
    PtyUnit unit;
    QVERIFY(unit.open());
    ServiceManagement window(&unit.link);
    QTest::mouseClick(clearButton(window), Qt::LeftButton);
    QVERIFY(!unit.request(Device::ClearEventLog).isEmpty());
    unit.link.closePort();
    // After reconnecting, an acknowledge belongs to another tab's write.
    emit unit.link.signalReceivedPacket(Device::Acknowledge, QByteArray());
    QVERIFY(dialogs.shown.isEmpty());
}

void TestServiceManagement::clearsTheUnitsLog()
{
    SimUnit sim({QStringLiteral("--log-entries"), QStringLiteral("40")});
    REQUIRE_SIM(sim);
    FakeDialogs dialogs;
    USBManager link;
    QVERIFY(link.openPort(sim.devicePath()));
    ServiceManagement window(&link);

    const QByteArray before = readEventLog(link);
    QCOMPARE(before.size(), 40 * 8);

    QTest::mouseClick(clearButton(window), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.count(Confirmation), 1, 6000);

    // Only the unit's own record of the clearing may remain.
    const QByteArray after = readEventLog(link);
    QVERIFY2(after.size() <= 8, qPrintable(QString::number(after.size())));
    QCOMPARE(dialogs.shown.size(), 1);
}

QTEST_MAIN(TestServiceManagement)
#include "tst_servicemanagement.moc"
