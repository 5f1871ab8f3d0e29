#include "modules/psl.h"

#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QtTest>

namespace {
Setting *byName(Modul &module, const QString &name)
{
    for (Setting *setting : module.getSettings()) {
        if (setting->getName() == name)
            return setting;
    }
    return nullptr;
}

QString line(int n, const char *rest)
{
    return QStringLiteral("Linia sygnałowa LS%1 - ").arg(n) + QString::fromUtf8(rest);
}

// LS4 (offset 58) filled with distinct values, everything else zero.
QByteArray ls4Payload()
{
    QByteArray payload(77, '\0');
    payload.replace(58, 19, QByteArray::fromHex("04" "03" "00015180" "00ffffff" "0000003c"
                                                 "00000100" "01"));
    return payload;
}
} // namespace

class TestPsl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void layout();
    void decode_data();
    void decode();
    void shortPayloadClearsUncoveredLines();
    void encode();
    void roundTripKeepsEveryByte();
    void faults_data();
    void faults();
    void classLevelDataLength();
    void reportRow();
};

void TestPsl::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
    // Filled at start-up, and again (same entries) by every constructor.
    QCOMPARE(PSL::faultTexts().size(), 12);
    PSL psl(1);
    QCOMPARE(PSL::faultTexts().size(), 12);
    QCOMPARE(faultText(0xF0, 4), QStringLiteral("Przerwa wyjścia linii sygnałowej numer 1 (LS1)"));
}

void TestPsl::layout()
{
    PSL psl(1);
    QCOMPARE(psl.getName(), QStringLiteral("PSL"));
    QCOMPARE(psl.getDescription(), QStringLiteral("Moduł Przekaźników Dodatkowych"));
    QCOMPARE(psl.getType(), 0xF0);

    struct Row
    {
        const char *name;
        int offset;
        int size;
        int kind;
        quint32 minimum;
        quint32 maximum;
        int id;
        int optionList;
    };
    const Row block[] = {
        {"tryb pracy", 1, 1, Setting::Option, 0, 4, 29, 5},
        {"kryterium wysterowania", 2, 1, Setting::Option, 0, 4, 30, 9},
        {"T1 - czas opóźnienia wysterowania", 3, 4, Setting::Duration, 0, 16777215, 31, 0},
        {"T2 - czas wysterowania", 7, 4, Setting::Duration, 1, 16777215, 32, 0},
        {"T3 - czas przerwy wysterowania", 11, 4, Setting::Duration, 1, 16777215, 33, 0},
        {"liczba impulsów", 15, 4, Setting::Number, 0, 16777215, 34, 0},
        {"kontrola ciągłości", 19, 1, Setting::YesNo, 0, 1, 35, 0},
    };

    const QList<Setting *> settings = psl.getSettings();
    QCOMPARE(settings.size(), 29);
    const Setting *declaration = settings.at(0);
    QCOMPARE(declaration->getName(), QStringLiteral("Deklaracja modułu"));
    QCOMPARE(declaration->getId(), 28);
    QCOMPARE(declaration->getKind(), int(Setting::YesNo));
    QCOMPARE(declaration->getSize(), quint8(1));

    for (int n = 1; n <= 4; ++n) {
        const int b = 19 * (n - 1);
        for (int r = 0; r < 7; ++r) {
            const Row &row = block[r];
            const Setting *s = settings.at(1 + 7 * (n - 1) + r);
            QCOMPARE(s->getName(), line(n, row.name));
            QCOMPARE(s->getOffset(), row.offset + b);
            QCOMPARE(s->getIndex(), row.offset + b);
            QCOMPARE(int(s->getSize()), row.size);
            QCOMPARE(s->getKind(), row.kind);
            QCOMPARE(s->getMinimum(), row.minimum);
            QCOMPARE(s->getMaximum(), row.maximum);
            QCOMPARE(s->getId(), row.id + b);
            QCOMPARE(s->getOptionListId(), row.optionList);
            QCOMPARE(s->getOptionList() != nullptr, row.optionList != 0);
        }
    }
    for (const Setting *s : settings) {
        QVERIFY(s->isEditable());
        QVERIFY(s->isVisible());
        QVERIFY(s->getComment().isEmpty());
        QCOMPARE(s->getValue(), 0u);
    }
}

void TestPsl::decode_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");

    QByteArray t1(77, '\0');
    t1.replace(3, 4, QByteArray::fromHex("00000e10"));
    QTest::newRow("LS1 T1 one hour") << t1 << line(1, "T1 - czas opóźnienia wysterowania")
                                     << 3600u << " 1g: 0m: 0s";
    QTest::newRow("LS1 T2 untouched") << t1 << line(1, "T2 - czas wysterowania") << 0u
                                      << " 0g: 0m: 0s";
    QByteArray declared(77, '\0');
    declared[0] = 1;
    QTest::newRow("declaration") << declared << "Deklaracja modułu" << 1u << "Tak";

    const QByteArray ls4 = ls4Payload();
    QTest::newRow("LS4 mode") << ls4 << line(4, "tryb pracy") << 4u
                              << "Załączenie impulsowo-ilościowe";
    QTest::newRow("LS4 criterion") << ls4 << line(4, "kryterium wysterowania") << 3u
                                   << "System Tarven B";
    QTest::newRow("LS4 T1 a day wraps") << ls4 << line(4, "T1 - czas opóźnienia wysterowania")
                                        << 86400u << " 0g: 0m: 0s";
    QTest::newRow("LS4 T2 24-bit max") << ls4 << line(4, "T2 - czas wysterowania") << 16777215u
                                       << " 4g:20m:15s";
    QTest::newRow("LS4 T3") << ls4 << line(4, "T3 - czas przerwy wysterowania") << 60u
                            << " 0g: 1m: 0s";
    QTest::newRow("LS4 pulses") << ls4 << line(4, "liczba impulsów") << 256u << "256";
    QTest::newRow("LS4 continuity") << ls4 << line(4, "kontrola ciągłości") << 1u << "Tak";
    QTest::newRow("LS3 untouched") << ls4 << line(3, "kontrola ciągłości") << 0u << "Nie";

    QByteArray badOption(77, '\0');
    badOption[1] = 7;
    badOption[2] = 4;
    QTest::newRow("mode outside list") << badOption << line(1, "tryb pracy") << 7u << "";
    QTest::newRow("criterion outside list") << badOption << line(1, "kryterium wysterowania")
                                            << 4u << "";
}

void TestPsl::decode()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, name);
    QFETCH(quint32, value);
    QFETCH(QString, text);
    PSL psl(1);
    QCOMPARE(psl.parse(payload), 0);
    Setting *setting = byName(psl, name);
    QVERIFY2(setting, qPrintable(name));
    QCOMPARE(setting->getValue(), value);
    QCOMPARE(setting->getValueText(), text);
}

void TestPsl::shortPayloadClearsUncoveredLines()
{
    PSL psl(1);
    QByteArray full(77, '\0');
    for (int i = 0; i < full.size(); ++i)
        full[i] = char(i + 1);
    psl.parse(full);

    psl.parse(full.left(20));
    const QList<Setting *> settings = psl.getSettings();
    QCOMPARE(settings.at(0)->getValue(), 1u);
    QCOMPARE(settings.at(1)->getValue(), 2u);
    QCOMPARE(settings.at(3)->getValue(), 0x04050607u);
    QCOMPARE(settings.at(7)->getValue(), 20u);
    for (int i = 8; i < settings.size(); ++i)
        QVERIFY2(settings.at(i)->getValue() == 0, qPrintable(settings.at(i)->getName()));

    // A payload ending inside a value leaves that value 0 rather than half-read.
    psl.parse(full.left(5));
    QCOMPARE(settings.at(2)->getValue(), 3u);
    QCOMPARE(settings.at(3)->getValue(), 0u);
}

void TestPsl::encode()
{
    PSL fresh(2);
    QCOMPARE(fresh.toByteArray(), QByteArray(77, '\0'));

    PSL psl(1);
    byName(psl, "Deklaracja modułu")->setValue(1);
    byName(psl, line(4, "tryb pracy"))->setValue(4);
    byName(psl, line(4, "kryterium wysterowania"))->setValue(3);
    byName(psl, line(4, "T1 - czas opóźnienia wysterowania"))->setValue(86400);
    byName(psl, line(4, "T2 - czas wysterowania"))->setValue(16777215);
    byName(psl, line(4, "T3 - czas przerwy wysterowania"))->setValue(60);
    byName(psl, line(4, "liczba impulsów"))->setValue(256);
    byName(psl, line(4, "kontrola ciągłości"))->setValue(1);
    QByteArray expected = ls4Payload();
    expected[0] = 1;
    QCOMPARE(psl.toByteArray().toHex(' '), expected.toHex(' '));
}

void TestPsl::roundTripKeepsEveryByte()
{
    QByteArray payload(77, '\0');
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char(0xFF - 3 * i);
    PSL psl(1);
    psl.parse(payload);
    QCOMPARE(psl.toByteArray().toHex(' '), payload.toHex(' '));
}

void TestPsl::faults_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("expected");

    QByteArray lastSet(13, '\0');
    lastSet[12] = 1;
    QTest::newRow("13 bytes, byte 12 set") << lastSet << QStringList();
    QByteArray ls4(13, '\0');
    ls4[11] = 1;
    QTest::newRow("13 bytes, byte 11 set")
            << ls4 << QStringList{"Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) "};
    QByteArray beyond(14, '\0');
    beyond[12] = 1;
    QTest::newRow("index without text") << beyond << QStringList{QString()};
    QTest::newRow("two faults in order")
            << QByteArray::fromHex("01000000ff00000000000000")
            << QStringList{"Zwarcie wyjścia linii sygnałowej numer 1 (LS1)",
                           "Przerwa wyjścia linii sygnałowej numer 1 (LS1)"};
    QTest::newRow("one byte") << QByteArray::fromHex("01") << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList();
}

void TestPsl::faults()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, expected);
    PSL psl(1);
    psl.setFaultBytes(block);
    QCOMPARE(psl.getFaults(), expected);
    QCOMPARE(psl.faultsToHtml().isEmpty(), expected.isEmpty());
}

void TestPsl::classLevelDataLength()
{
    PSL first(1);
    PSL second(2);
    first.setDataLength(77);
    QCOMPARE(second.getDataLength(), 77);
    PSL third(3);
    QCOMPARE(third.getDataLength(), 77);
    PSL::resetDataLength();
    QCOMPARE(first.getDataLength(), 0);
}

void TestPsl::reportRow()
{
    PSL psl(3);
    QByteArray payload(77, '\0');
    payload.replace(3, 4, QByteArray::fromHex("00000e10"));
    psl.parse(payload);
    const QString html = psl.configToHtml();
    QVERIFY(html.startsWith(
            QStringLiteral("<H3>Moduł: PSL, Moduł Przekaźników Dodatkowych ,nr 3</H3>")));
    QVERIFY(html.contains(QStringLiteral(
            "<tr><td> 4</td><td> Linia sygnałowa LS1 - T1 - czas opóźnienia wysterowania"
            "</td><td>  1g: 0m: 0s</td></tr>")));
    QVERIFY(html.contains(QStringLiteral(
            "<tr><td> 29</td><td> Linia sygnałowa LS4 - kontrola ciągłości</td><td> Nie"
            "</td></tr></table >")));
}

QTEST_GUILESS_MAIN(TestPsl)
#include "tst_psl.moc"
