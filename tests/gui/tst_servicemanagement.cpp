#include "gui/servicemanagement.h"
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include <QPushButton>

namespace {
const QString Confirmation = QStringLiteral("information|Info|Dane wysłane poprawnie.");

// The whole event log read through the link, as the event-log tab reads it.
QByteArray readEventLog(USBManager &link)
{
    QSignalSpy received(&link, &USBManager::signalReceivedPacket);
    link.queueFrame(frameFor(Device::ReadEventLog, QByteArray(2, '\0')));
    for (int tries = 0; tries < 30; ++tries, received.wait(1000)) {
        for (const QList<QVariant> &arguments : qAsConst(received)) {
            if (arguments.at(0).value<Device::COMMAND>() == Device::EventLogPart)
                return arguments.at(1).toByteArray();
        }
    }
    return QByteArray("timeout");
}
} // namespace

class TestServiceManagement : public QObject
{
    Q_OBJECT
private slots:
    void clearLogButton();
    void clearsTheUnitsLog();
};

void TestServiceManagement::clearLogButton()
{
    FakeDialogs dialogs;
    PtyUnit unit;
    ServiceManagement window(&unit.link);
    auto *button = child<QPushButton>(window, "sendAckButton");
    QVERIFY(!button->isEnabled());
    // Nothing was sent: a stray acknowledge answers somebody else.
    emit unit.link.signalReceivedPacket(Device::Acknowledge, QByteArray());
    QVERIFY(unit.open());
    QTest::mouseClick(button, Qt::LeftButton);
    const QByteArray frame = unit.request(Device::ClearEventLog);
    QCOMPARE(frame.size(), 7);
    QCOMPARE(frame.left(3) + frame.mid(4, 2), QByteArray::fromHex("0200065001"));
    QCOMPARE(quint8(frame.at(6)), Device::crc8(frame.constData(), 5));
    QVERIFY(dialogs.shown.isEmpty());

    unit.answer(Device::Acknowledge, QByteArray());
    QTRY_COMPARE(dialogs.lines(), QStringList{Confirmation});
    // A second acknowledge answers nothing of ours.
    QSignalSpy received(&unit.link, &USBManager::signalReceivedPacket);
    unit.answer(Device::Acknowledge, QByteArray());
    QVERIFY(received.wait());
    // Nor does one after the port was closed on a clearing never answered.
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!unit.request(Device::ClearEventLog).isEmpty());
    unit.link.closePort();
    QVERIFY(!button->isEnabled());
    emit unit.link.signalReceivedPacket(Device::Acknowledge, QByteArray());
    QCOMPARE(dialogs.shown.size(), 1);
}

void TestServiceManagement::clearsTheUnitsLog()
{
    SimUnit sim({QStringLiteral("--log-entries"), QStringLiteral("40")});
    FakeDialogs dialogs;
    QVERIFY(sim.open());
    ServiceManagement window(&sim.link);
    QCOMPARE(readEventLog(sim.link).size(), 40 * 8);
    QTest::mouseClick(child<QPushButton>(window, "sendAckButton"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.lines(), QStringList{Confirmation}, 6000);
    // Only the unit's own record of the clearing may remain.
    QVERIFY(readEventLog(sim.link).size() <= 8);
    QCOMPARE(dialogs.shown.size(), 1);
}

QTEST_MAIN(TestServiceManagement)
#include "tst_servicemanagement.moc"
