#include "gui/diagnosticvalues.h"

#include <QtTest>

using Diagnostics::Verdict;
using Values = QVector<quint16>;
Q_DECLARE_METATYPE(Diagnostics::Verdict)

class TestDiagnosticValues : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void texts_data();
    void texts();
};

void TestDiagnosticValues::parse_data()
{
    QTest::addColumn<bool>("test");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Values>("values");
    const auto row = [](const char *name, bool test, const char *hex, const Values &values) {
        QTest::newRow(name) << test << QByteArray::fromHex(hex) << values;
    };
    row("live: odd N reads the pair it starts", false, "03000100020003", {1, 2});
    row("live: bytes behind N are ignored", false, "0400010002AAAA", {1, 2});
    row("live: N beyond the payload stops at its end", false, "FF00010002", {1, 2});
    row("live: half pair at the end", false, "FF000112", {1, 0x1200});
    row("test: header only", true, "010107", {});
    row("test: odd tail", true, "0101070001AB", {1, 0xAB00});
}

void TestDiagnosticValues::parse()
{
    QFETCH(bool, test);
    QFETCH(QByteArray, payload);
    QFETCH(Values, values);
    QCOMPARE(test ? Diagnostics::parseTestResults(payload) : Diagnostics::parseLiveState(payload),
             values);
}

// Live rows get a record with their value and zeros elsewhere (row 8 = 0: mains present),
// plus a value for a row they depend on; self-test rows get their value alone.
void TestDiagnosticValues::texts_data()
{
    QTest::addColumn<bool>("test");
    QTest::addColumn<int>("row");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    const auto live = [](const char *name, int row, int value, const char *text, int row2 = 0,
                         int value2 = 0) {
        Values values(Diagnostics::LiveRowCount, 0);
        values[row2] = quint16(value2);
        values[row] = quint16(value);
        QTest::newRow(name) << false << row << values << QString::fromUtf8(text) << Verdict::None;
    };
    const auto test = [](const char *name, int row, int value, const char *text, Verdict v) {
        QTest::newRow(name) << true << row << Values{quint16(value)} << QString(text) << v;
    };
    live("small voltage keeps its leading digits", 2, 1, "0.008");
    live("positive signed cut to 4", 15, 1000, "8.51");
    live("negative signed cut to 5", 12, -1000, "-8.89");
    live("resistance", 4, 2999, "0.299");
    live("temperature 199: no probe", 5, 199, "Brak sondy");
    live("temperature 200 is measured", 5, 200, "-33.886");
    live("temperature 931 not cut", 5, 931, "25.0107");
    live("battery key 2", 7, 2, "OFF");
    live("supply code 3", 8, 3, "");
    live("charging without mains", 9, 0, "NIEDOTYCZY", 8, 2);
    live("offset in current mode", 10, 100, "6", 9, 0);
    live("offset in voltage mode", 10, 100, "3.6", 9, 1);
    live("offset in other mode", 10, 100, "", 9, 2);
    live("counter 17 spelling", 17, 5, "Wartość zeruje sie po resecie");
    live("output 5", 32, 5, "NIEAKTYWNA");
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
    QTest::newRow("row without a value") << false << 20 << Values{1, 2} << "" << Verdict::None;
    const Verdict pass = Verdict::Pass, fail = Verdict::Fail, none = Verdict::None;
    test("RAM broken", 0, 0, "0", fail);
    test("FLASH sound", 1, 65535, "65535", pass);
    test("idle current +9", 2, 9, "0.07", pass);
    test("idle current +10", 2, 10, "0.08", fail);
    test("idle current -10", 2, -10, "-0.08", fail);
    test("resistance below", 3, 2999, "0.299", pass);
    test("resistance at limit", 3, 3000, "0.3", fail);
    test("unloaded battery: no verdict", 4, 3070, "27.30", none);
    test("loaded battery: no verdict", 5, 0, "0", none);
    test("load current low", 6, 340, "2.89", fail);
    test("load current in range", 6, 341, "2.90", pass);
    test("load current high", 6, 459, "3.90", fail);
    test("load current negative", 6, -400, "-3.40", fail);
    test("minimum voltage below 20", 7, 2249, "19.99", pass);
    test("minimum voltage above 20", 7, 2250, "20.00", fail);
    test("maximum voltage below 30", 8, 3373, "29.99", fail);
    test("maximum voltage above 30", 8, 3374, "30.00", pass);
}

void TestDiagnosticValues::texts()
{
    QFETCH(bool, test);
    QFETCH(int, row);
    QFETCH(Values, values);
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QCOMPARE(test ? Diagnostics::testText(row, values.at(0)) : Diagnostics::liveText(row, values),
             text);
    QCOMPARE(test ? Diagnostics::testVerdict(row, values.at(0)) : Verdict::None, verdict);
}

QTEST_APPLESS_MAIN(TestDiagnosticValues)
#include "tst_diagnosticvalues.moc"
