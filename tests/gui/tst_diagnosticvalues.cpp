#include "gui/diagnosticvalues.h"

#include <QtTest>

using Diagnostics::Verdict;
using Values = QVector<quint16>;

Q_DECLARE_METATYPE(Diagnostics::Verdict)

namespace {
// A live record with the given value at row and zeros elsewhere (row 8 = 0: mains present).
Values valuesWith(int row, quint16 value, int row2 = -1, quint16 value2 = 0)
{
    Values values(Diagnostics::LiveRowCount, 0);
    values[row] = value;
    if (row2 >= 0)
        values[row2] = value2;
    return values;
}
} // namespace

class TestDiagnosticValues : public QObject
{
    Q_OBJECT
private slots:
    void parseLiveState_data();
    void parseLiveState();
    void parseTestResults_data();
    void parseTestResults();
    void liveText_data();
    void liveText();
    void testResult_data();
    void testResult();
};

void TestDiagnosticValues::parseLiveState_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Values>("values");

    QTest::newRow("worked example") << QByteArray::fromHex("08006401000FA0FFFF")
                                    << Values{100, 256, 4000, 65535};
    QTest::newRow("empty") << QByteArray() << Values{};
    QTest::newRow("N = 0 ignores the bytes") << QByteArray::fromHex("000102") << Values{};
    QTest::newRow("odd N still reads the pair it starts")
            << QByteArray::fromHex("03000100020003") << Values{1, 2};
    QTest::newRow("bytes behind N are ignored")
            << QByteArray::fromHex("0400010002AAAA") << Values{1, 2};
    QTest::newRow("N beyond the payload stops at its end")
            << QByteArray::fromHex("FF00010002") << Values{1, 2};
    QTest::newRow("half pair at the end has a zero low byte")
            << QByteArray::fromHex("FF000112") << Values{1, 0x1200};
}

void TestDiagnosticValues::parseLiveState()
{
    QFETCH(QByteArray, payload);
    QFETCH(Values, values);
    QCOMPARE(Diagnostics::parseLiveState(payload), values);
}

void TestDiagnosticValues::parseTestResults_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Values>("values");

    QByteArray full = QByteArray::fromHex("010107");
    Values nine;
    for (int k = 0; k < 9; ++k) {
        full.append(char(0x01));
        full.append(char(k));
        nine.append(quint16(0x0100 + k));
    }
    QTest::newRow("21 bytes give 9 results") << full << nine;
    QTest::newRow("header only") << QByteArray::fromHex("010107") << Values{};
    QTest::newRow("one byte of results: low byte 0") << QByteArray::fromHex("01010712")
                                                     << Values{0x1200};
    QTest::newRow("odd tail") << QByteArray::fromHex("010107000100") << Values{1, 0};
}

void TestDiagnosticValues::parseTestResults()
{
    QFETCH(QByteArray, payload);
    QFETCH(Values, values);
    QCOMPARE(Diagnostics::parseTestResults(payload), values);
}

void TestDiagnosticValues::liveText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("text");

    const Values worked = Diagnostics::parseLiveState(QByteArray::fromHex("08006401000FA0FFFF"));
    QTest::newRow("worked: mains before diode") << 0 << worked << "0.889";
    QTest::newRow("worked: mains after diode") << 1 << worked << "2.276";
    QTest::newRow("worked: battery") << 2 << worked << "35.57";
    QTest::newRow("worked: charge current -1") << 3 << worked << "-0.00";
    QTest::newRow("voltage zero") << 0 << valuesWith(0, 0) << "0";
    QTest::newRow("small voltage keeps its leading digits") << 2 << valuesWith(2, 1) << "0.008";
    QTest::newRow("positive signed cut to 4") << 15 << valuesWith(15, 1000) << "8.51";
    QTest::newRow("negative signed cut to 5") << 12 << valuesWith(12, quint16(-1000)) << "-8.89";
    QTest::newRow("most negative signed") << 14 << valuesWith(14, 0x8000) << "-291.";
    QTest::newRow("resistance") << 4 << valuesWith(4, 2999) << "0.299";
    QTest::newRow("temperature 199: no probe") << 5 << valuesWith(5, 199) << "Brak sondy";
    QTest::newRow("temperature 200 is measured") << 5 << valuesWith(5, 200) << "-33.886";
    QTest::newRow("temperature 931 not cut") << 5 << valuesWith(5, 931) << "25.0107";
    QTest::newRow("ideal diode on") << 6 << valuesWith(6, 1) << "ON";
    QTest::newRow("battery key other value") << 7 << valuesWith(7, 2) << "OFF";
    QTest::newRow("supply only battery") << 8 << valuesWith(8, 1) << "ONLY BATTERY";
    QTest::newRow("supply code 3") << 8 << valuesWith(8, 3) << "";
    QTest::newRow("charging on mains") << 9 << valuesWith(9, 2) << "TEMPERATURE MODE";
    QTest::newRow("charging unknown mode") << 9 << valuesWith(9, 3) << "";
    QTest::newRow("charging without mains") << 9 << valuesWith(9, 0, 8, 2) << "NIEDOTYCZY";
    QTest::newRow("offset in current mode") << 10 << valuesWith(10, 100, 9, 0) << "6";
    QTest::newRow("offset in voltage mode") << 10 << valuesWith(10, 100, 9, 1) << "3.6";
    QTest::newRow("offset in other mode") << 10 << valuesWith(10, 100, 9, 2) << "";
    QTest::newRow("PWM") << 11 << valuesWith(11, 7)
                         << "0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy";
    QTest::newRow("counter 16 spelling") << 16 << valuesWith(16, 5)
                                         << "Wartość zeruje sie po resecie";
    QTest::newRow("counter 18 spelling") << 18 << valuesWith(18, 5)
                                         << "Wartość zeruje się po resecie";
    QTest::newRow("counter 28") << 28 << valuesWith(28, 5) << "Wartość zeruje się po resecie";
    QTest::newRow("output 0") << 29 << valuesWith(29, 0) << "WYSTEROWANIE";
    QTest::newRow("output 2") << 30 << valuesWith(30, 2) << "PRZECIĄŻENIE";
    QTest::newRow("output 5") << 32 << valuesWith(32, 5) << "NIEAKTYWNA";
    QTest::newRow("output code 6 is empty") << 31 << valuesWith(31, 6) << "";
    QTest::newRow("line 0") << 33 << valuesWith(33, 0) << "NIEAKTYWNA";
    QTest::newRow("line 89") << 33 << valuesWith(33, 89) << "ZWARCIE";
    QTest::newRow("line 90") << 34 << valuesWith(34, 90) << "STAN Y";
    QTest::newRow("line 451") << 34 << valuesWith(34, 451) << "STAN Y";
    QTest::newRow("line 452") << 34 << valuesWith(34, 452) << "STAN X";
    QTest::newRow("line 1456") << 34 << valuesWith(34, 1456) << "STAN DOZOROWANIA";
    QTest::newRow("line 3999") << 34 << valuesWith(34, 3999) << "STAN DOZOROWANIA";
    QTest::newRow("line 4000") << 33 << valuesWith(33, 4000) << "PRZERWA";
    QTest::newRow("row without a value") << 20 << Values{1, 2} << "";
}

void TestDiagnosticValues::liveText()
{
    QFETCH(int, row);
    QFETCH(Values, values);
    QFETCH(QString, text);
    QCOMPARE(Diagnostics::liveText(row, values), text);
}

void TestDiagnosticValues::testResult_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<quint16>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");

    QTest::newRow("RAM broken") << 0 << quint16(0) << "0" << Verdict::Fail;
    QTest::newRow("FLASH sound") << 1 << quint16(65535) << "65535" << Verdict::Pass;
    QTest::newRow("idle current +9") << 2 << quint16(9) << "0.07" << Verdict::Pass;
    QTest::newRow("idle current +10") << 2 << quint16(10) << "0.08" << Verdict::Fail;
    QTest::newRow("idle current -9") << 2 << quint16(-9) << "-0.07" << Verdict::Pass;
    QTest::newRow("idle current -10") << 2 << quint16(-10) << "-0.08" << Verdict::Fail;
    QTest::newRow("resistance below") << 3 << quint16(2999) << "0.299" << Verdict::Pass;
    QTest::newRow("resistance at limit") << 3 << quint16(3000) << "0.3" << Verdict::Fail;
    QTest::newRow("unloaded battery: no verdict") << 4 << quint16(3070) << "27.30"
                                                  << Verdict::None;
    QTest::newRow("loaded battery: no verdict") << 5 << quint16(0) << "0" << Verdict::None;
    QTest::newRow("load current low") << 6 << quint16(340) << "2.89" << Verdict::Fail;
    QTest::newRow("load current in range") << 6 << quint16(341) << "2.90" << Verdict::Pass;
    QTest::newRow("load current top") << 6 << quint16(458) << "3.89" << Verdict::Pass;
    QTest::newRow("load current high") << 6 << quint16(459) << "3.90" << Verdict::Fail;
    QTest::newRow("load current negative") << 6 << quint16(-400) << "-3.40" << Verdict::Fail;
    QTest::newRow("minimum voltage below 20") << 7 << quint16(2249) << "19.99" << Verdict::Pass;
    QTest::newRow("minimum voltage above 20") << 7 << quint16(2250) << "20.00" << Verdict::Fail;
    QTest::newRow("maximum voltage below 30") << 8 << quint16(3373) << "29.99" << Verdict::Fail;
    QTest::newRow("maximum voltage above 30") << 8 << quint16(3374) << "30.00" << Verdict::Pass;
}

void TestDiagnosticValues::testResult()
{
    QFETCH(int, row);
    QFETCH(quint16, value);
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QCOMPARE(Diagnostics::testText(row, value), text);
    QCOMPARE(Diagnostics::testVerdict(row, value), verdict);
}

QTEST_APPLESS_MAIN(TestDiagnosticValues)
#include "tst_diagnosticvalues.moc"
