#include "gui/detailsmanagement.h"
#include "gui/diagnosticvalues.h"
#include "fakedialogs.h"
#include "servicewindows_support.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

using namespace servicetest;

namespace {
const QString PassStyle =
        QStringLiteral("QLabel { background-color: rgb(50, 200, 2); }");
const QString FailStyle =
        QStringLiteral("QLabel { background-color: rgb(255, 50, 30); }");
const QString Finished = QStringLiteral("Zakończono testowanie.");
const QString Calibrated = QStringLiteral("Kalibracja zakończona. Zresetuj mikrokontroler.");
const QString Refused =
        QStringLiteral("Nie można wykonać testu ponieważ włączony jest tryb kalibracji");

struct Window
{
    explicit Window(USBManager *link) : window(link) { }
    DetailsManagement window;

    template<typename T>
    T *child(const char *name)
    {
        T *widget = window.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("missing %s", name);
        return widget;
    }
    QTableWidget *live() { return child<QTableWidget>("tableWidget"); }
    QTableWidget *results() { return child<QTableWidget>("tableWidgetTest"); }
    QLabel *label(QTableWidget *table, int row, int column)
    {
        return qobject_cast<QLabel *>(table->cellWidget(row, column));
    }
    QString liveText(int row, int column) { return label(live(), row, column)->text(); }
    QLabel *result(int row, int column) { return label(results(), row, column); }
};

QByteArray livePayload(const QVector<quint16> &values)
{
    QByteArray payload(1, char(values.size() * 2));
    for (quint16 value : values) {
        payload.append(char(value >> 8));
        payload.append(char(value & 0xFF));
    }
    return payload;
}

// A finished self-test answer carrying the given results.
QByteArray finishedTest(const QVector<quint16> &results)
{
    QByteArray payload = QByteArray::fromHex("010107");
    for (quint16 value : results) {
        payload.append(char(value >> 8));
        payload.append(char(value & 0xFF));
    }
    return payload;
}

void deliver(USBManager &link, Device::COMMAND command, const QByteArray &payload)
{
    emit link.signalReceivedPacket(command, payload);
}
} // namespace

class TestDetailsManagement : public QObject
{
    Q_OBJECT
private slots:
    void initialForm();
    void workedLivePayload();
    void moreThan35ValuesAndUnaskedAnswers();
    void testProgressOnly();
    void finishedTestAndClear();
    void declinedStartChangesNothing();
    void pollsWhileOpenAndCountsPending();
    void lateLiveAnswerKeepsCountAtZero();
    void droppedLiveRequestNoLongerBlocksStart();
    void liveValuesFromTheUnit();
    void selfTestAgainstTheUnit();
    void selfTestRefusedInCalibrationMode();
    void calibrationAgainstTheUnit();
};

void TestDetailsManagement::initialForm()
{
    USBManager link;
    Window w(&link);
    QTableWidget *live = w.live();
    QCOMPARE(live->rowCount(), 35);
    QCOMPARE(live->columnCount(), 3);
    QCOMPARE(live->columnWidth(0), 250);
    QCOMPARE(live->columnWidth(1), 70);
    for (int row = 0; row < 35; ++row) {
        QCOMPARE(w.liveText(row, 0), Diagnostics::liveRowName(row));
        QCOMPARE(w.liveText(row, 2), QStringLiteral("Brak funkcji"));
    }
    QTableWidget *results = w.results();
    QCOMPARE(results->rowCount(), 9);
    QCOMPARE(results->columnCount(), 5);
    const QStringList headers{"Nazwa testu", "Prawidłowy zakres", "Wartość bin", "Wartość str",
                              "Wynik"};
    for (int column = 0; column < 5; ++column)
        QCOMPARE(results->horizontalHeaderItem(column)->text(), headers.at(column));
    QCOMPARE(w.result(8, 0)->text(), QStringLiteral("Test zasilacza - napięcie maksymalne"));
    QCOMPARE(w.result(8, 1)->text(), QStringLiteral("> 30 V"));
    QVERIFY(!results->isEnabled());
    QVERIFY(!w.child<QPushButton>("buttonClear")->isEnabled());
    QVERIFY(!w.child<QPushButton>("buttonTest")->isEnabled());
    QCOMPARE(w.child<QProgressBar>("progressBarTest")->maximum(), 7);
    const QString instructions = w.child<QTextBrowser>("textBrowserCalibr")->toPlainText();
    QVERIFY(instructions.contains(QStringLiteral("Instrukcja postępowania:")));
    QVERIFY(instructions.contains(QStringLiteral("27.3 V")));
}

void TestDetailsManagement::workedLivePayload()
{
    USBManager link;
    Window w(&link);
    QVector<quint16> full(35);
    for (int row = 0; row < 35; ++row)
        full[row] = quint16(row == 5 ? 931 : row % 3);
    w.window.sendRequestToDevice();
    deliver(link, Device::LiveStateData, livePayload(full));
    QStringList before;
    for (int row = 0; row < 35; ++row)
        before.append(w.liveText(row, 2));
    QCOMPARE(before.at(5), QStringLiteral("25.0107"));

    w.window.sendRequestToDevice();
    deliver(link, Device::LiveStateData, QByteArray::fromHex("08006401000FA0FFFF"));
    QCOMPARE(w.liveText(0, 1), QStringLiteral("100"));
    QCOMPARE(w.liveText(0, 2), QStringLiteral("0.889"));
    QCOMPARE(w.liveText(1, 1), QStringLiteral("256"));
    QCOMPARE(w.liveText(2, 1), QStringLiteral("4000"));
    QCOMPARE(w.liveText(2, 2), QStringLiteral("35.57"));
    QCOMPARE(w.liveText(3, 1), QStringLiteral("65535"));
    QCOMPARE(w.liveText(3, 2), QStringLiteral("-0.00"));
    for (int row = 4; row < 35; ++row) {
        QCOMPARE(w.liveText(row, 1), QString::number(full.at(row)));
        QCOMPARE(w.liveText(row, 2), before.at(row));
    }
}

void TestDetailsManagement::moreThan35ValuesAndUnaskedAnswers()
{
    USBManager link;
    Window w(&link);
    // Nothing asked yet: a live answer is not ours.
    deliver(link, Device::LiveStateData, QByteArray::fromHex("0200FF"));
    QCOMPARE(w.liveText(0, 2), QStringLiteral("Brak funkcji"));

    w.window.sendRequestToDevice();
    QCOMPARE(w.window.pendingLiveRequests(), 1);
    deliver(link, Device::LiveStateData, livePayload(QVector<quint16>(40, 1)));
    QCOMPARE(w.window.pendingLiveRequests(), 0);
    QCOMPARE(w.liveText(34, 1), QStringLiteral("1"));
    QCOMPARE(w.live()->rowCount(), 35);
}

void TestDetailsManagement::testProgressOnly()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    Window w(&link);
    w.window.slotClickedStartTest();
    QCOMPARE(w.window.mode(), int(DetailsManagement::TestMode));
    w.window.sendRequestToDevice();
    deliver(link, Device::TestState, QByteArray::fromHex("010003"));
    QCOMPARE(w.child<QProgressBar>("progressBarTest")->value(), 3);
    QCOMPARE(w.window.mode(), int(DetailsManagement::TestMode));
    QVERIFY(!w.results()->isEnabled());
    QCOMPARE(w.result(0, 2)->text(), QString());
    QCOMPARE(dialogs.shown.size(), 1); // the confirmation only
}

void TestDetailsManagement::finishedTestAndClear()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    PtyUnit unit;
    QVERIFY(unit.open());
    Window w(&unit.link);
    auto *buttonTest = w.child<QPushButton>("buttonTest");
    auto *buttonClear = w.child<QPushButton>("buttonClear");
    auto *progress = w.child<QProgressBar>("progressBarTest");
    QVERIFY(buttonTest->isEnabled());
    QTest::mouseClick(buttonTest, Qt::LeftButton);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.at(0).title, QStringLiteral("Tester"));
    QCOMPARE(dialogs.shown.at(0).text,
             QStringLiteral("Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz "
                            "podłączony akumulator i włączone zasilanie Ostrel."));
    QVERIFY(!buttonTest->isEnabled());
    QVERIFY(!w.child<QPushButton>("buttonCalibr")->isEnabled());

    w.window.sendRequestToDevice();
    // RAM, FLASH, idle current -1, 0.25 ohm, 27.3 V, 26.0 V, load -0.85 A, 19.99 V, 29.99 V
    const QVector<quint16> results{1, 0, 0xFFFF, 2500, 3070, 2924, quint16(-100), 2249, 3373};
    QByteArray payload = finishedTest(results);
    QCOMPARE(payload.size(), 21);
    deliver(unit.link, Device::TestState, payload);

    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.at(1).title, QStringLiteral("Tester"));
    QCOMPARE(dialogs.shown.at(1).text, Finished);
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
    QCOMPARE(progress->value(), 7);
    QVERIFY(w.results()->isEnabled());
    QVERIFY(buttonClear->isEnabled());
    QVERIFY(!buttonTest->isEnabled());

    const QStringList values{"1", "0", "-0.00", "0.25", "27.30", "26.00", "-0.85", "19.99",
                             "29.99"};
    const QStringList verdicts{"OK", "BŁĄD", "OK", "OK", "", "", "BŁĄD", "OK", "BŁĄD"};
    for (int row = 0; row < 9; ++row) {
        QCOMPARE(w.result(row, 2)->text(), QString::number(results.at(row)));
        QCOMPARE(w.result(row, 3)->text(), values.at(row));
        QCOMPARE(w.result(row, 4)->text(), verdicts.at(row));
        const QString style = verdicts.at(row).isEmpty()
                ? QString()
                : (verdicts.at(row) == "OK" ? PassStyle : FailStyle);
        QCOMPARE(w.result(row, 4)->styleSheet(), style);
    }

    QTest::mouseClick(buttonClear, Qt::LeftButton);
    QVERIFY(!w.results()->isEnabled());
    QVERIFY(!buttonClear->isEnabled());
    QVERIFY(buttonTest->isEnabled());
    QCOMPARE(progress->value(), progress->minimum() - 1);

    // A shorter result list leaves no figures of the earlier test behind.
    QTest::mouseClick(buttonTest, Qt::LeftButton);
    w.window.sendRequestToDevice();
    deliver(unit.link, Device::TestState, finishedTest({1, 1}));
    QCOMPARE(w.result(1, 4)->text(), QStringLiteral("OK"));
    QCOMPARE(w.result(2, 2)->text(), QString());
    QCOMPARE(w.result(8, 4)->text(), QString());
    QCOMPARE(w.result(8, 4)->styleSheet(), QString());
}

void TestDetailsManagement::declinedStartChangesNothing()
{
    FakeDialogs dialogs(QMessageBox::No);
    PtyUnit unit;
    QVERIFY(unit.open());
    Window w(&unit.link);
    auto *buttonCalibr = w.child<QPushButton>("buttonCalibr");
    QTest::mouseClick(buttonCalibr, Qt::LeftButton);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.at(0).title, QStringLiteral("Kalibracja"));
    QCOMPARE(dialogs.shown.at(0).text,
             QStringLiteral("Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się "
                            "czy masz podłączone zasilanie 27.3 V"));
    QCOMPARE(dialogs.shown.at(0).buttons.size(), 2);
    QVERIFY(dialogs.shown.at(0).buttons.contains(QStringLiteral("Tak")));
    QVERIFY(dialogs.shown.at(0).buttons.contains(QStringLiteral("Nie")));
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
    QVERIFY(buttonCalibr->isEnabled());
}

void TestDetailsManagement::pollsWhileOpenAndCountsPending()
{
    PtyUnit unit;
    Window w(&unit.link);
    QVERIFY(unit.open());
    QByteArray first = unit.request(Device::ReadLiveState, 3000);
    QCOMPARE(first.size(), 7);
    QCOMPARE(w.window.pendingLiveRequests(), 1);
    unit.answer(Device::LiveStateData, QByteArray::fromHex("0200FF"));
    QTRY_COMPARE(w.liveText(0, 1), QStringLiteral("255"));
    QCOMPARE(w.window.pendingLiveRequests(), 0);
    QVERIFY(!unit.request(Device::ReadLiveState, 3000).isEmpty());
    QCOMPARE(w.window.pendingLiveRequests(), 1);

    // The unanswered request would otherwise be counted forever.
    unit.link.closePort();
    QCOMPARE(w.window.pendingLiveRequests(), 0);
    QTest::qWait(1500);
    QCOMPARE(w.window.pendingLiveRequests(), 0);
}

void TestDetailsManagement::lateLiveAnswerKeepsCountAtZero()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    Window w(&link);
    w.window.sendRequestToDevice();
    w.window.slotClickedStartCalibr();
    QCOMPARE(w.window.pendingLiveRequests(), 0);
    // The live answer arrives between the confirmation and the next tick.
    deliver(link, Device::LiveStateData, QByteArray::fromHex("0200FF"));
    QCOMPARE(w.window.pendingLiveRequests(), 0);
    w.window.sendRequestToDevice();
    deliver(link, Device::CalibrationState, QByteArray::fromHex("01"));
    QCOMPARE(dialogs.count(Calibrated), 1);
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
}

void TestDetailsManagement::droppedLiveRequestNoLongerBlocksStart()
{
    FakeDialogs dialogs(QMessageBox::Yes);
    PtyUnit unit;
    QVERIFY(unit.open());
    Window w(&unit.link);

    // Play a unit that ignores the first live request: the link writes it three times and
    // gives up on it. Every later request is answered.
    const QByteArray ignored = unit.request(Device::ReadLiveState, 3000);
    QVERIFY(!ignored.isEmpty());
    int ignoredWrites = 1;
    QSignalSpy shown(&w.window, &DetailsManagement::signalAdcChanged);
    QElapsedTimer timer;
    timer.start();
    // Answer the backlog until only the abandoned request is still counted.
    while (timer.elapsed() < 20000) {
        const QByteArray frame = unit.request(Device::ReadLiveState, 3000);
        QVERIFY(!frame.isEmpty());
        if (frame == ignored) {
            ++ignoredWrites;
            continue;
        }
        QCOMPARE(ignoredWrites, 3);
        unit.answer(Device::LiveStateData, QByteArray::fromHex("0200FF"));
        QVERIFY(shown.wait(3000));
        if (w.window.pendingLiveRequests() == 1)
            break;
    }
    QCOMPARE(w.window.pendingLiveRequests(), 1);

    QTest::mouseClick(w.child<QPushButton>("buttonCalibr"), Qt::LeftButton);
    QCOMPARE(w.window.mode(), int(DetailsManagement::CalibrationMode));
    QByteArray calibrate;
    while (calibrate.isEmpty() && timer.elapsed() < 30000) {
        const QByteArray frame = unit.pty.readFrame(3000);
        QVERIFY(!frame.isEmpty());
        if (commandOf(frame) == Device::Calibrate)
            calibrate = frame;
        else if (commandOf(frame) == Device::ReadLiveState)
            unit.answer(Device::LiveStateData, QByteArray::fromHex("0200FF"));
    }
    QVERIFY(!calibrate.isEmpty());
    unit.answer(Device::CalibrationState, QByteArray::fromHex("01"));
    QTRY_COMPARE(dialogs.count(Calibrated), 1);
}

void TestDetailsManagement::liveValuesFromTheUnit()
{
    SimUnit sim;
    REQUIRE_SIM(sim);
    USBManager link;
    Window w(&link);
    QVERIFY(link.openPort(sim.devicePath()));
    QTRY_VERIFY_WITH_TIMEOUT(w.liveText(34, 2) != QStringLiteral("Brak funkcji"), 5000);
    for (int row = 0; row < 35; ++row)
        QVERIFY2(!w.liveText(row, 1).isEmpty(), qPrintable(QString::number(row)));
    // A healthy simulated unit: battery about 27.3 V, mains present.
    const double battery = w.liveText(2, 2).toDouble();
    QVERIFY2(battery > 25 && battery < 29, qPrintable(w.liveText(2, 2)));
    QCOMPARE(w.liveText(8, 2), QStringLiteral("BATTERY AND SUPPLY"));
}

void TestDetailsManagement::selfTestAgainstTheUnit()
{
    SimUnit sim;
    REQUIRE_SIM(sim);
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    Window w(&link);
    QVERIFY(link.openPort(sim.devicePath()));
    auto *progress = w.child<QProgressBar>("progressBarTest");
    QList<int> steps;
    connect(progress, &QProgressBar::valueChanged, this, [&steps](int value) {
        if (value >= 0)
            steps.append(value);
    });
    QTest::mouseClick(w.child<QPushButton>("buttonTest"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.count(Finished), 1, 30000);

    QCOMPARE(progress->value(), 7);
    QVERIFY2(steps.size() >= 3, "the progress bar should climb through the run");
    for (int i = 1; i < steps.size(); ++i)
        QVERIFY(steps.at(i) >= steps.at(i - 1));
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
    QVERIFY(w.results()->isEnabled());
    for (int row = 0; row < 9; ++row) {
        bool ok = false;
        const quint16 raw = quint16(w.result(row, 2)->text().toUInt(&ok));
        QVERIFY2(ok, qPrintable(QString::number(row)));
        QCOMPARE(w.result(row, 3)->text(), Diagnostics::testText(row, raw));
        const bool judged = row != 4 && row != 5;
        const QString verdict = w.result(row, 4)->text();
        if (!judged) {
            QCOMPARE(verdict, QString());
            continue;
        }
        // The simulated unit is healthy: every judged test passes.
        QCOMPARE(verdict, QStringLiteral("OK"));
        QCOMPARE(w.result(row, 4)->styleSheet(), PassStyle);
    }
    // Live polling has resumed.
    w.label(w.live(), 0, 1)->setText(QString());
    QTRY_VERIFY_WITH_TIMEOUT(!w.liveText(0, 1).isEmpty(), 5000);
}

void TestDetailsManagement::selfTestRefusedInCalibrationMode()
{
    SimUnit sim({QStringLiteral("--calibration-mode")});
    REQUIRE_SIM(sim);
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    Window w(&link);
    QVERIFY(link.openPort(sim.devicePath()));
    auto *buttonTest = w.child<QPushButton>("buttonTest");
    QTest::mouseClick(buttonTest, Qt::LeftButton);
    QVERIFY(!buttonTest->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.count(Refused), 1, 10000);
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Tester"));
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
    QVERIFY(buttonTest->isEnabled());
    QVERIFY(!w.results()->isEnabled());
}

void TestDetailsManagement::calibrationAgainstTheUnit()
{
    SimUnit sim;
    REQUIRE_SIM(sim);
    FakeDialogs dialogs(QMessageBox::Yes);
    USBManager link;
    Window w(&link);
    QVERIFY(link.openPort(sim.devicePath()));
    auto *buttonCalibr = w.child<QPushButton>("buttonCalibr");
    QTest::mouseClick(buttonCalibr, Qt::LeftButton);
    QCOMPARE(w.window.mode(), int(DetailsManagement::CalibrationMode));
    QVERIFY(!buttonCalibr->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.count(Calibrated), 1, 20000);
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Kalibracja"));
    QCOMPARE(w.window.mode(), int(DetailsManagement::LiveMode));
    QVERIFY(buttonCalibr->isEnabled());
    // The finish is reported once even though further polls may still be answered.
    QTest::qWait(2500);
    QCOMPARE(dialogs.count(Calibrated), 1);
}

QTEST_MAIN(TestDetailsManagement)
#include "tst_detailsmanagement.moc"
