#include "gui/detailsmanagement.h"
#include "gui/diagnosticvalues.h"
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QString Calibrated =
        QStringLiteral("information|Kalibracja|Kalibracja zakończona. Zresetuj mikrokontroler.");

// A label of the live table (column 1 raw, 2 converted) or of the self-test results.
QLabel *cell(const DetailsManagement &window, int row, int column, bool results = false)
{
    const char *table = results ? "tableWidgetTest" : "tableWidget";
    return qobject_cast<QLabel *>(child<QTableWidget>(window, table)->cellWidget(row, column));
}
QString result(const DetailsManagement &window, int row, int column)
{
    return cell(window, row, column, true)->text();
}
// The header bytes followed by the values, big-endian.
QByteArray withValues(QByteArray payload, const QVector<quint16> &values)
{
    for (quint16 value : values)
        payload.append(char(value >> 8)).append(char(value & 0xFF));
    return payload;
}
} // namespace

class TestDetailsManagement : public QObject
{
    Q_OBJECT
private slots:
    void workedLivePayload();
    void selfTestResults();
    void droppedLiveRequestNoLongerBlocksStart();
    void selfTestAndCalibrationAgainstTheUnit();
};

void TestDetailsManagement::workedLivePayload()
{
    USBManager link;
    DetailsManagement w(&link);
    QVector<quint16> full(40); // more values than rows: the rest is ignored
    for (int row = 0; row < full.size(); ++row)
        full[row] = quint16(row == 5 ? 931 : row % 3);
    w.sendRequestToDevice();
    emit link.signalReceivedPacket(Device::LiveStateData, withValues(QByteArray(1, 80), full));
    QStringList before;
    for (int row = 0; row < Diagnostics::LiveRowCount; ++row)
        before << cell(w, row, 2)->text();
    QCOMPARE(before.at(5), QStringLiteral("25.0107"));

    w.sendRequestToDevice();
    emit link.signalReceivedPacket(Device::LiveStateData,
                                   QByteArray::fromHex("08006401000FA0FFFF"));
    const QStringList raw{"100", "256", "4000", "65535"}, shown{"0.889", "2.276", "35.57", "-0.00"};
    for (int row = 0; row < Diagnostics::LiveRowCount; ++row) {
        QCOMPARE(cell(w, row, 1)->text(), row < 4 ? raw.at(row) : QString::number(full.at(row)));
        QCOMPARE(cell(w, row, 2)->text(), row < 4 ? shown.at(row) : before.at(row));
    }
}

void TestDetailsManagement::selfTestResults()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    DetailsManagement w(&link);
    emit link.signalUsbPortOpened();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *test = child<QPushButton>(w, "buttonTest");
    auto *clear = child<QPushButton>(w, "buttonClear");
    auto *results = child<QTableWidget>(w, "tableWidgetTest");
    const auto run = [&](const QByteArray &answer) {
        QTest::mouseClick(test, Qt::LeftButton);
        QVERIFY(!test->isEnabled() && !child<QPushButton>(w, "buttonCalibr")->isEnabled());
        w.sendRequestToDevice();
        emit link.signalReceivedPacket(Device::TestState, answer);
        QCOMPARE(w.mode(), int(DetailsManagement::LiveMode));
    };
    run(QByteArray::fromHex("00")); // refused in calibration mode
    QCOMPARE(dialogs.lines().last(), QStringLiteral("information|Tester|Nie można wykonać testu "
                                                    "ponieważ włączony jest tryb kalibracji"));
    QVERIFY(test->isEnabled() && !results->isEnabled());

    // RAM, FLASH, idle current -1, 0.25 ohm, 27.3 V, 26.0 V, load -0.85 A, 19.99 V, 29.99 V
    const QVector<quint16> values{1, 0, 0xFFFF, 2500, 3070, 2924, quint16(-100), 2249, 3373};
    run(withValues(QByteArray::fromHex("010107"), values));
    QCOMPARE(dialogs.lines().mid(2),
             QStringList({"box|Tester|Czy napewno chcesz wykonać test Ostrel? Upewnij się czy "
                          "masz podłączony akumulator i włączone zasilanie Ostrel.|Nie,Tak",
                          "information|Tester|Zakończono testowanie."}));
    QCOMPARE(child<QProgressBar>(w, "progressBarTest")->value(), 7);
    QVERIFY(results->isEnabled() && clear->isEnabled() && !test->isEnabled());
    const QStringList texts{"1", "0", "-0.00", "0.25", "27.30", "26.00", "-0.85", "19.99", "29.99"};
    const QString verdicts = QStringLiteral("PFPP..FPF"); // rows 4 and 5 are not judged
    const auto colour = [&w](int row, int column) {
        return cell(w, row, column, true)->grab().toImage().pixelColor(3, 3);
    };
    for (int row = 0; row < Diagnostics::TestRowCount; ++row) {
        const bool judged = verdicts.at(row) != QLatin1Char('.');
        const bool pass = verdicts.at(row) == QLatin1Char('P');
        QCOMPARE(result(w, row, 2), QString::number(values.at(row)));
        QCOMPARE(result(w, row, 3), texts.at(row));
        QCOMPARE(result(w, row, 4), QString(judged ? pass ? "OK" : "BŁĄD" : ""));
        // The verdict's colour really shows: an invalid style sheet would be dropped.
        QCOMPARE(colour(row, 4), judged ? QColor(pass ? qRgb(50, 200, 2) : qRgb(255, 50, 30))
                                        : colour(row, 3));
    }

    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(!results->isEnabled() && !clear->isEnabled() && test->isEnabled());
    // A shorter result list leaves no figures of the earlier test behind.
    run(QByteArray::fromHex("0101070001"));
    QCOMPARE(result(w, 0, 4), QStringLiteral("OK"));
    QCOMPARE(result(w, 2, 2) + result(w, 8, 4), QString());
    QCOMPARE(cell(w, 8, 4, true)->styleSheet(), QString());
}

void TestDetailsManagement::droppedLiveRequestNoLongerBlocksStart()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    DetailsManagement w(&link);
    // Live requests still queued when the port closes are dropped unanswered.
    w.sendRequestToDevice();
    emit link.signalUsbPortClosed();
    QCOMPARE(w.pendingLiveRequests(), 0);
    // One the link gave up on must not hold a confirmed start back, and a late answer to it
    // must not take the count below zero.
    w.sendRequestToDevice();
    w.slotClickedStartCalibr();
    emit link.signalReceivedPacket(Device::LiveStateData, QByteArray::fromHex("0200FF"));
    w.sendRequestToDevice();
    emit link.signalReceivedPacket(Device::CalibrationState, QByteArray::fromHex("01"));
    // The answer to a repeated request reports nothing more.
    emit link.signalReceivedPacket(Device::CalibrationState, QByteArray::fromHex("01"));
    QCOMPARE(dialogs.lines().mid(1), QStringList{Calibrated});
    QCOMPARE(w.mode(), int(DetailsManagement::LiveMode));
}

void TestDetailsManagement::selfTestAndCalibrationAgainstTheUnit()
{
    SimUnit sim;
    FakeDialogs dialogs(QMessageBox::Yes);
    DetailsManagement w(&sim.link);
    QVERIFY(sim.open());
    // Polled unasked: a healthy unit, mains present.
    QTRY_COMPARE_WITH_TIMEOUT(cell(w, 8, 2)->text(), QStringLiteral("BATTERY AND SUPPLY"), 5000);

    QList<int> steps;
    connect(child<QProgressBar>(w, "progressBarTest"), &QProgressBar::valueChanged, this,
            [&steps](int value) { steps << value; });
    QTest::mouseClick(child<QPushButton>(w, "buttonTest"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.shown.size(), 2, 30000);
    QCOMPARE(dialogs.lines().last(), QStringLiteral("information|Tester|Zakończono testowanie."));
    QVERIFY(steps.size() >= 3 && std::is_sorted(steps.cbegin(), steps.cend()));
    QCOMPARE(steps.last(), 7);
    for (int row = 0; row < Diagnostics::TestRowCount; ++row) {
        const quint16 raw = quint16(result(w, row, 2).toUInt());
        QCOMPARE(result(w, row, 3), Diagnostics::testText(row, raw));
        // The simulated unit is healthy: every judged test passes.
        QCOMPARE(result(w, row, 4), QString(row == 4 || row == 5 ? "" : "OK"));
    }

    auto *calibrate = child<QPushButton>(w, "buttonCalibr");
    QTest::mouseClick(calibrate, Qt::LeftButton);
    QVERIFY(!calibrate->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.shown.size(), 4, 20000);
    QCOMPARE(dialogs.lines().last(), Calibrated);
    QVERIFY(calibrate->isEnabled());
    // Reported once, while live polling goes on.
    QSignalSpy polled(&w, &DetailsManagement::signalAdcChanged);
    QVERIFY(polled.wait(5000) && polled.wait(5000));
    QCOMPARE(dialogs.shown.size(), 4);
}

QTEST_MAIN(TestDetailsManagement)
#include "tst_detailsmanagement.moc"
