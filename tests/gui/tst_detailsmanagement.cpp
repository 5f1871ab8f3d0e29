#include "gui/detailsmanagement.h"
#include "gui/diagnosticvalues.h"
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include <QtWidgets>

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
    void rows_data()
    {
        QTest::addColumn<bool>("results");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("verdict");
        // A live row's value with zeros elsewhere (row 8 = 0: mains present), plus a value for a
        // row it depends on; a self-test row's value among ones.
        const auto live = [](const char *name, int row, int value, const char *text, int row2 = 0,
                             int value2 = 0) {
            QVector<quint16> values(Diagnostics::LiveRowCount, 0);
            values[row2] = quint16(value2);
            values[row] = quint16(value);
            QTest::newRow(name) << false << withValues(QByteArray(1, 70), values) << row
                                << QString::fromUtf8(text) << QString();
        };
        const auto test = [](const char *name, int row, int value, const char *text,
                             const char *verdict) {
            QVector<quint16> values(Diagnostics::TestRowCount, 1);
            values[row] = quint16(value);
            QTest::newRow(name) << true << withValues(QByteArray::fromHex("010107"), values) << row
                                << QString(text) << QString::fromUtf8(verdict);
        };
        live("small voltage keeps its leading digits", 2, 1, "0.008");
        live("positive signed cut to 4", 15, 1000, "8.51");
        live("negative signed cut to 5", 12, -1000, "-8.89");
        live("resistance", 4, 2999, "0.299");
        live("temperature 199: no probe", 5, 199, "Brak sondy");
        live("temperature 200 is measured", 5, 200, "-33.886");
        live("temperature 931 not cut", 5, 931, "25.0107");
        live("supply code 3", 8, 3, "");
        live("charging without mains", 9, 0, "NIEDOTYCZY", 8, 2);
        live("offset in current mode", 10, 100, "6", 9, 0);
        live("offset in voltage mode", 10, 100, "3.6", 9, 1);
        live("offset in other mode", 10, 100, "", 9, 2);
        live("output code 6", 31, 6, "");
        live("line 0", 33, 0, "NIEAKTYWNA");
        live("line 89", 33, 89, "ZWARCIE");
        live("line 90", 34, 90, "STAN Y");
        live("line 451", 34, 451, "STAN Y");
        live("line 452", 34, 452, "STAN X");
        live("line 1455", 34, 1455, "STAN X");
        live("line 1456", 34, 1456, "STAN DOZOROWANIA");
        live("line 3999", 34, 3999, "STAN DOZOROWANIA");
        live("line 4000", 33, 4000, "PRZERWA");
        QTest::newRow("row without a value") << false << QByteArray::fromHex("0400010002") << 20
                                             << "Brak funkcji" << QString();
        QTest::newRow("N beyond the payload, half a pair")
                << false << QByteArray::fromHex("FF000112") << 1 << "40.97" << QString();
        test("RAM broken", 0, 0, "0", "BŁĄD");
        test("idle current +9", 2, 9, "0.07", "OK");
        test("idle current +10", 2, 10, "0.08", "BŁĄD");
        test("idle current -10", 2, -10, "-0.08", "BŁĄD");
        test("resistance below", 3, 2999, "0.299", "OK");
        test("resistance at limit", 3, 3000, "0.3", "BŁĄD");
        test("unloaded battery: no verdict", 4, 3070, "27.30", "");
        test("loaded battery: no verdict", 5, 0, "0", "");
        test("load current low", 6, 340, "2.89", "BŁĄD");
        test("load current in range", 6, 341, "2.90", "OK");
        test("load current high", 6, 459, "3.90", "BŁĄD");
        test("load current negative", 6, -100, "-0.85", "BŁĄD");
        test("minimum voltage below 20", 7, 2249, "19.99", "OK");
        test("minimum voltage above 20", 7, 2250, "20.00", "BŁĄD");
        test("maximum voltage below 30", 8, 3373, "29.99", "BŁĄD");
        test("maximum voltage above 30", 8, 3374, "30.00", "OK");
    }
    void rows()
    {
        QFETCH(bool, results);
        QFETCH(QByteArray, payload);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, verdict);
        FakeDialogs dialogs(QMessageBox::Yes);
        USBManager link;
        DetailsManagement w(&link);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (results)
            w.slotClickedStartTest();
        w.sendRequestToDevice();
        w.slotReceivedPacket(results ? Device::TestState : Device::LiveStateData,
                                       payload);
        QCOMPARE(cell(w, row, results ? 3 : 2, results)->text(), text);
        if (!results)
            return;
        QCOMPARE(result(w, row, 4), verdict);
        // The verdict's colour really shows: an invalid style sheet would be dropped.
        const auto colour = [&w, row](int column) {
            return cell(w, row, column, true)->grab().toImage().pixelColor(3, 3);
        };
        QCOMPARE(colour(4), verdict.isEmpty() ? colour(3)
                                              : QColor(verdict == QLatin1String("OK")
                                                               ? qRgb(50, 200, 2)
                                                               : qRgb(255, 50, 30)));
    }
    void workedLivePayload()
    {
        USBManager link;
        DetailsManagement w(&link);
        QVector<quint16> full(40); // more values than rows: the rest is ignored
        for (int row = 0; row < full.size(); ++row)
            full[row] = quint16(row == 5 ? 931 : row % 3);
        w.sendRequestToDevice();
        w.slotReceivedPacket(Device::LiveStateData, withValues(QByteArray(1, 80), full));
        QStringList before;
        for (int row = 0; row < Diagnostics::LiveRowCount; ++row)
            before << cell(w, row, 2)->text();

        w.sendRequestToDevice();
        w.slotReceivedPacket(Device::LiveStateData,
                                       QByteArray::fromHex("08006401000FA0FFFF"));
        const QStringList raw{"100", "256", "4000", "65535"};
        const QStringList shown{"0.889", "2.276", "35.57", "-0.00"};
        for (int row = 0; row < Diagnostics::LiveRowCount; ++row) {
            QCOMPARE(cell(w, row, 1)->text(),
                     row < 4 ? raw.at(row) : QString::number(full.at(row)));
            QCOMPARE(cell(w, row, 2)->text(), row < 4 ? shown.at(row) : before.at(row));
        }
    }
    void selfTestFlow()
    {
        FakeDialogs dialogs(QMessageBox::Yes);
        USBManager link;
        DetailsManagement w(&link);
        emit link.signalUsbPortOpened();
        auto *test = child<QPushButton>(w, "buttonTest");
        auto *clear = child<QPushButton>(w, "buttonClear");
        auto *results = child<QTableWidget>(w, "tableWidgetTest");
        const auto run = [&](const char *answer) {
            QTest::mouseClick(test, Qt::LeftButton);
            QVERIFY(!test->isEnabled() && !child<QPushButton>(w, "buttonCalibr")->isEnabled());
            w.sendRequestToDevice();
            w.slotReceivedPacket(Device::TestState, QByteArray::fromHex(answer));
            QCOMPARE(w.mode(), int(DetailsManagement::LiveMode));
        };
        run("00"); // refused in calibration mode
        QCOMPARE(dialogs.lines().last(), QStringLiteral("information|Tester|Nie można wykonać "
                                                        "testu ponieważ włączony jest tryb "
                                                        "kalibracji"));
        QVERIFY(test->isEnabled() && !results->isEnabled());

        run("01010700010001000100010001000100010001000F");
        QCOMPARE(dialogs.lines().mid(2),
                 QStringList({"box|Tester|Czy napewno chcesz wykonać test Ostrel? Upewnij się czy "
                              "masz podłączony akumulator i włączone zasilanie Ostrel.|Nie,Tak",
                              "information|Tester|Zakończono testowanie."}));
        QCOMPARE(child<QProgressBar>(w, "progressBarTest")->value(), 7);
        QVERIFY(results->isEnabled() && clear->isEnabled() && !test->isEnabled());
        QCOMPARE(result(w, 8, 2), QStringLiteral("15"));

        QTest::mouseClick(clear, Qt::LeftButton);
        QVERIFY(!results->isEnabled() && !clear->isEnabled() && test->isEnabled());
        // A shorter result list leaves no figures of the earlier test behind.
        run("01010700010A"); // the odd byte is a high byte
        QCOMPARE(result(w, 1, 2), QStringLiteral("2560"));
        QCOMPARE(result(w, 2, 2) + result(w, 8, 2) + result(w, 8, 4), QString());
        QCOMPARE(cell(w, 8, 4, true)->styleSheet(), QString());
    }
    void calibrationReportedOnce()
    {
        FakeDialogs dialogs(QMessageBox::Yes);
        USBManager link;
        DetailsManagement w(&link);
        w.slotClickedStartCalibr();
        // A late live answer does not end the calibration; a second state answer (to a
        // repeated request) reports nothing more.
        w.slotReceivedPacket(Device::LiveStateData, QByteArray::fromHex("0200FF"));
        QCOMPARE(w.mode(), int(DetailsManagement::CalibrationMode));
        w.slotReceivedPacket(Device::CalibrationState, QByteArray::fromHex("01"));
        w.slotReceivedPacket(Device::CalibrationState, QByteArray::fromHex("01"));
        QCOMPARE(w.mode(), int(DetailsManagement::LiveMode));
        QCOMPARE(dialogs.lines("information"), QStringList({Calibrated}));
    }
    void selfTestAndCalibrationAgainstTheUnit()
    {
        SimUnit sim;
        FakeDialogs dialogs(QMessageBox::Yes);
        DetailsManagement w(&sim.link);
        w.show(); // polled only while shown
        QVERIFY(sim.open());
        QTest::mouseClick(child<QPushButton>(w, "buttonTest"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.shown.size(), 2, 30000);
        QCOMPARE(dialogs.lines().last(), "information|Tester|Zakończono testowanie.");
        // The simulated unit is healthy: every judged test passes.
        for (int row = 0; row < Diagnostics::TestRowCount; ++row)
            QCOMPARE(result(w, row, 4), QString(row == 4 || row == 5 ? "" : "OK"));

        auto *calibrate = child<QPushButton>(w, "buttonCalibr");
        QTest::mouseClick(calibrate, Qt::LeftButton);
        QVERIFY(!calibrate->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.shown.size(), 4, 20000);
        // Asked first (the wording is the self-test's case), then reported once.
        QVERIFY(dialogs.lines().at(2).startsWith(QStringLiteral("box|Kalibracja|")));
        QCOMPARE(dialogs.lines().last(), Calibrated);
        QVERIFY(calibrate->isEnabled());
        // Reported once, while live polling goes on: a healthy unit, mains present.
        QSignalSpy polled(&w, &DetailsManagement::signalAdcChanged);
        QVERIFY(polled.wait(5000) && polled.wait(5000));
        QCOMPARE(dialogs.shown.size(), 4);
        QCOMPARE(cell(w, 8, 2)->text(), QStringLiteral("BATTERY AND SUPPLY"));
    }
};

QTEST_MAIN(TestDetailsManagement)
#include "tst_detailsmanagement.moc"
