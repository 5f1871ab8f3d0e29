#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "modules/psl.h"

#include <QtTest>

#include <memory>

using Values = QVector<quint32>;
Q_DECLARE_METATYPE(Values)

// A module laid out to exercise every size: 1, 1, 2, 0 (no bytes), 3, 4, 1 = 12 payload bytes.
class Probe : public Modul
{
    Q_OBJECT
public:
    Probe() : Modul(7)
    {
        m_name = QStringLiteral("PRB");
        m_description = QStringLiteral("Opis");
        declareSettings();
    }
    int declareSettings() override
    {
        addSettings({
            {"Deklaracja", "", 0, 1, 0, 1, 0, 0, Setting::YesNo, 0, true, 0},
            {"Tryb", "", 0, 4, 0, 1, 1, 1, Setting::Option, 1, true, 5},
            {"Licznik", "", 0, 65535, 0, 2, 2, 2, Setting::Number, 2, true, 0},
            {"Stała", "", 0, 99, 7, 0, 4, 3, Setting::Number, 3, false, 0},
            {"Czas", "", 0, 16777215, 0, 3, 4, 4, Setting::Duration, 4, true, 0},
            {"Impulsy", "", 0, 0xFFFFFFFF, 0, 4, 7, 5, Setting::Number, 5, true, 0},
            {"Bajt", "", 0, 255, 0, 1, 11, 6, Setting::Number, 6, true, 0},
        });
        return 0;
    }
};

namespace {
Values valuesOf(Modul &module)
{
    Values values;
    for (const Setting *setting : module.getSettings())
        values << setting->getValue();
    return values;
}

void setValues(Modul &module, const Values &values)
{
    const QList<Setting *> settings = module.getSettings();
    for (int i = 0; i < settings.size(); ++i)
        settings.at(i)->setValue(values.at(i));
}

const QByteArray fullPayload = QByteArray::fromHex("01031234011170ffffffff80");

const char *const tableOpen = "<table BORDER='1'style=\"background-color:white\" "
                              "cellpadding='2' cellspacing='0' width = '600'>";
} // namespace

class TestModul : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void toByteArray_data();
    void toByteArray();
    void declaration();
    void getFaults_data();
    void getFaults();
    void faultText_data();
    void faultText();
    void genericTable();
    void factory_data();
    void factory();
    void configToHtml();
    void faultsToHtml();
};

void TestModul::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    PSL::initFaultTexts();
}

void TestModul::parse_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Values>("expected");

    QTest::newRow("full") << fullPayload << Values{1, 3, 0x1234, 7, 70000, 0xFFFFFFFF, 0x80};
    QTest::newRow("high bits are not sign-extended")
            << QByteArray::fromHex("80fffffe80000080000001ff")
            << Values{0x80, 0xFF, 0xFFFE, 7, 0x800000, 0x80000001, 0xFF};
    QTest::newRow("three bytes") << QByteArray::fromHex("010203")
                                 << Values{1, 2, 0, 7, 0, 0, 0};
    QTest::newRow("four bytes") << QByteArray::fromHex("01020304")
                                << Values{1, 2, 0x0304, 7, 0, 0, 0};
    QTest::newRow("empty") << QByteArray() << Values{0, 0, 0, 7, 0, 0, 0};
    QTest::newRow("one byte short") << fullPayload.left(11)
                                    << Values{1, 3, 0x1234, 7, 70000, 0xFFFFFFFF, 0};
    QTest::newRow("longer than needed") << fullPayload + QByteArray::fromHex("aabb")
                                        << Values{1, 3, 0x1234, 7, 70000, 0xFFFFFFFF, 0x80};
}

void TestModul::parse()
{
    QFETCH(QByteArray, payload);
    QFETCH(Values, expected);
    Probe probe;
    // Start from other values: a short payload must not leave stale ones behind.
    probe.parse(QByteArray(12, char(0x5A)));
    QCOMPARE(probe.parse(payload), 0);
    QCOMPARE(valuesOf(probe), expected);
}

void TestModul::toByteArray_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("in range") << Values{1, 3, 0x1234, 7, 70000, 0xFFFFFFFF, 0x80}
                              << QByteArray::fromHex("01031234011170ffffffff80");
    QTest::newRow("size 3 value 70000") << Values{0, 0, 0, 7, 70000, 0, 0}
                                        << QByteArray::fromHex("000000000111700000000000");
    QTest::newRow("too large keeps low bytes") << Values{511, 256, 0x12345, 99, 0x1234567, 0, 0x1FF}
                                               << QByteArray::fromHex("ff00234523456700000000ff");
    QTest::newRow("zeros") << Values{0, 0, 0, 0, 0, 0, 0} << QByteArray(12, '\0');
}

void TestModul::toByteArray()
{
    QFETCH(Values, values);
    QFETCH(QByteArray, bytes);
    Probe probe;
    setValues(probe, values);
    const QByteArray encoded = probe.toByteArray();
    QCOMPARE(encoded.toHex(' '), bytes.toHex(' '));

    // What was written reads back, and the size-0 setting keeps its value through the cycle.
    Probe again;
    again.getSetting(3)->setValue(42);
    again.parse(encoded);
    QCOMPARE(again.toByteArray(), encoded);
    QCOMPARE(again.getSetting(3)->getValue(), 42u);
}

void TestModul::declaration()
{
    Probe probe;
    QVERIFY(!probe.isDeclared());
    probe.setDeclared(true);
    QCOMPARE(probe.getSetting(0)->getValue(), 1u);
    QVERIFY(probe.isDeclared());
    probe.parse(QByteArray::fromHex("05"));
    QVERIFY(probe.isDeclared());
    probe.setDeclared(false);
    QVERIFY(!probe.isDeclared());

    // PSL's declaration carries id 28, so it has none in this sense.
    PSL psl(1);
    psl.getSetting(0)->setValue(1);
    QVERIFY(!psl.isDeclared());
    psl.getSetting(0)->setValue(0);
    psl.setDeclared(true);
    QCOMPARE(psl.toByteArray(), QByteArray(77, '\0'));

    QVERIFY(probe.getSetting(-1) == nullptr);
    QVERIFY(probe.getSetting(7) == nullptr);
    QVERIFY(probe.getSetting(6) != nullptr);
}

void TestModul::getFaults_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("expected");

    const auto text = [](int index) { return Modul::genericFaultTexts().value(index); };
    QTest::newRow("none") << QByteArray() << QStringList();
    QTest::newRow("single byte is never examined") << QByteArray::fromHex("01") << QStringList();
    QTest::newRow("00 05 00 01") << QByteArray::fromHex("00050001") << QStringList{text(1)};
    QTest::newRow("first byte") << QByteArray::fromHex("0101") << QStringList{text(0)};
    QTest::newRow("high byte counts") << QByteArray::fromHex("8000") << QStringList{text(0)};
    QTest::newRow("all clear") << QByteArray(30, '\0') << QStringList();

    QByteArray gap(25, '\0');
    gap[22] = 1; // no text for index 22
    gap[23] = 1;
    gap[24] = 1; // last byte
    QTest::newRow("missing entry gives empty text")
            << gap << QStringList{QString(), QStringLiteral("Start systemu / reset")};
}

void TestModul::getFaults()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, expected);
    Probe probe;
    QCOMPARE(probe.setFaultBytes(block), 0);
    QCOMPARE(probe.getFaults(), expected);
}

void TestModul::faultText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("generic") << 0x12 << 23 << "Start systemu / reset";
    QTest::newRow("generic removed") << 0x12 << 0x97 << "Start systemu / reset USUNIĘTE";
    QTest::newRow("generic gap") << 0x12 << 22 << "";
    QTest::newRow("generic gap removed") << 0x12 << 0x96 << " USUNIĘTE";
    QTest::newRow("generic trailing blank")
            << 0x12 << 8 << "Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) ";
    QTest::newRow("generic last") << 0x12 << 34 << "Odczyt uszkodzeń";
    QTest::newRow("generic beyond") << 0x12 << 35 << "";
    QTest::newRow("PSL removed")
            << 0xF0 << 0x8B << "Przeciążenie wyjścia linii sygnałowej numer 4 (LS4)  USUNIĘTE";
    QTest::newRow("PSL has no generic entries") << 0xF0 << 23 << "";
    QTest::newRow("negative type is generic") << -16 << 23 << "Start systemu / reset";
    QTest::newRow("type beyond a byte is generic") << 0x1F0 << 23 << "Start systemu / reset";
}

void TestModul::faultText()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, expected);
    QCOMPARE(::faultText(type, quint8(code)), expected);
}

void TestModul::genericTable()
{
    const FaultTextTable &table = Modul::genericFaultTexts();
    QCOMPARE(table.size(), 34);
    for (int index = 0; index <= 34; ++index)
        QCOMPARE(table.contains(index), index != 22);
    QCOMPARE(table.value(11), QStringLiteral("Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) "));
    QCOMPARE(table.value(16), QStringLiteral("Brak komunikacji z zasilaczem Ostrel nr. 2"));
    QCOMPARE(table.value(21), QStringLiteral("Rozwarcie wejścia linii kontrolnej numer 2 (LK2)"));
    QCOMPARE(table.value(28), QStringLiteral("Wysterowanie przekaźnika bezpotencjałowego PK"));
}

void TestModul::factory_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");

    QTest::newRow("PSL") << 0xF0 << "PSL" << true;
    QTest::newRow("-16 is not 0xF0") << -16 << "-" << false;
    QTest::newRow("0x1F0 is not 0xF0") << 0x1F0 << "-" << false;
    QTest::newRow("0") << 0 << "-" << false;
    QTest::newRow("unknown") << 0x12 << "-" << false;
}

void TestModul::factory()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(bool, created);
    QCOMPARE(moduleName(type), name);
    std::unique_ptr<Modul> module(createModule(type, 5));
    QCOMPARE(module != nullptr, created);
    if (module) {
        QCOMPARE(module->getType(), type);
        QCOMPARE(module->getNumber(), quint8(5));
        QCOMPARE(module->getName(), name);
        QVERIFY(module->parent() == nullptr);
    }
}

void TestModul::configToHtml()
{
    Probe probe;
    probe.parse(fullPayload);
    const QString expected =
            QStringLiteral("<H3>Moduł: PRB, Opis ,nr 7</H3>") + QLatin1String(tableOpen)
            + QStringLiteral("<tr><th width = '40'>Lp</th><th width = '400'>Nazwa</th>"
                             "<th width = '200'>Wartość</th></tr>"
                             "<tr><td> 1</td><td> Deklaracja</td><td> Tak</td></tr>"
                             "<tr><td> 2</td><td> Tryb</td><td> Załączenie impulsowo-cykliczne"
                             "</td></tr>"
                             "<tr><td> 3</td><td> Licznik</td><td> 4660</td></tr>"
                             "<tr><td> 4</td><td> Stała</td><td> 7</td></tr>"
                             "<tr><td> 5</td><td> Czas</td><td> 19g:26m:40s</td></tr>"
                             "<tr><td> 6</td><td> Impulsy</td><td> 4294967295</td></tr>"
                             "<tr><td> 7</td><td> Bajt</td><td> 128</td></tr>"
                             "</table >");
    QCOMPARE(probe.configToHtml(), expected);
}

void TestModul::faultsToHtml()
{
    Probe probe;
    QCOMPARE(probe.faultsToHtml(), QString());
    probe.setFaultBytes(QByteArray::fromHex("000001"));
    QCOMPARE(probe.faultsToHtml(), QString());

    probe.setFaultBytes(QByteArray::fromHex("00010001"));
    const QString expected =
            QStringLiteral("<H3>Moduł: PRB, Opis ,nr 7</H3>") + QLatin1String(tableOpen)
            + QStringLiteral("<tr><th width = '40'>Lp</th><th width = '400'>Nazwa</th></tr>"
                             "<tr><td> 1</td><td> Zwarcie wyjścia linii sygnałowej numer 2 (LS2)"
                             "</td></tr>"
                             "</table >");
    QCOMPARE(probe.faultsToHtml(), expected);
}

QTEST_GUILESS_MAIN(TestModul)
#include "tst_modul.moc"
