#include "../modules/modules_support.h"

#include "config/konfiguracja.h"

#include <QtTest>

using namespace ModulesTest;

namespace {

// A payload larger than any catalogue module outside type 0x55 has: 64 four-byte numbers.
class BigModule : public Modul
{
public:
    explicit BigModule(int type) : Modul(1)
    {
        m_type = type;
        for (int i = 0; i < 64; ++i) {
            addSetting({"x", "", 0, 0xFFFFFFFF, quint32(0x01020300 + i), 4, 4 * i, i,
                        Setting::Number, i + 1, true, 0});
        }
    }
};

QString describe(Konfiguracja &config)
{
    QStringList modules;
    for (Modul *module : config.getModules()) {
        modules.append(QStringLiteral("%1/%2").arg(module->getType(), 2, 16).arg(
                module->getNumber()));
    }
    return modules.join(QLatin1Char(' '));
}

// One record of an image; type 0x55 carries a two-byte length.
QByteArray record(int type, int number, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(char(type));
    bytes.append(char(number));
    if (type == Konfiguracja::TwoByteLengthType)
        bytes.append(char(payload.size() >> 8));
    bytes.append(char(payload.size() & 0xFF));
    return bytes + payload;
}

const char *const lengthWarning = "Warning: modul size include length";

} // namespace

class TestKonfiguracja : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void parse_data();
    void parse();
    void malformedImagesFail_data();
    void malformedImagesFail();
    void lengthSelfCheck_data();
    void lengthSelfCheck();
    void twoByteLength();
    void unitLengthsRecordedAndCut();
    void defaultConfiguration();
    void largePayloadLength_data();
    void largePayloadLength();
    void roundTrip_data();
    void roundTrip();
    void roundTripAllModules_data();
    void roundTripAllModules();
    void reportOfDefaultConfiguration();
};

void TestKonfiguracja::initTestCase()
{
    initStartupTables();
}

void TestKonfiguracja::cleanup()
{
    resetDataLengths();
}

void TestKonfiguracja::parse_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("modules");
    QTest::addColumn<QByteArrayList>("serialised");

    const QByteArray psb(32, '\0');
    QTest::newRow("empty image") << QByteArray() << "" << QByteArrayList();
    QTest::newRow("count 0") << hex("00f00100") << "" << QByteArrayList();
    QTest::newRow("count 0x80 is negative") << hex("80f00100") << "" << QByteArrayList();
    QTest::newRow("count 0xff is negative") << hex("fff00100") << "" << QByteArrayList();
    QTest::newRow("PSL with empty payload")
            << hex("01f00100") << "f0/1" << QByteArrayList{QByteArray(77, '\0')};
    QTest::newRow("negative length consumes nothing")
            << hex("02d00180e00100") << "d0/1 e0/1" << QByteArrayList{hex("00"), psb};
    QTest::newRow("duplicated byte before a record is dropped")
            << hex("02d0010101e0e00100") << "d0/1 e0/1" << QByteArrayList{hex("01"), psb};
    QTest::newRow("no duplicate test before the first record")
            << hex("01e0e00100") << "e0/224" << QByteArrayList{psb};
    QTest::newRow("length byte 00: payload keeps it, check off")
            << hex("02e00103aabb00d0010101") << "e0/1 d0/1"
            << QByteArrayList{hex("aabb00") + QByteArray(29, '\0'), hex("01")};
    QTest::newRow("code 0xF0 is negative and never matches")
            << hex("02e00103aabbf0d0010101") << "e0/1 d0/1"
            << QByteArrayList{hex("aabbf0") + QByteArray(29, '\0'), hex("01")};
    QTest::newRow("check stays off after the first miss")
            << hex("03d0010100e00103aabb57830100") << "d0/1 e0/1 83/1"
            << QByteArrayList{hex("00"), hex("aabb57") + QByteArray(29, '\0'), QByteArray()};
    QTest::newRow("payload cut short by the end of the image")
            << hex("01e00105aabb") << "e0/1" << QByteArrayList{hex("aabb") + QByteArray(30, '\0')};
    QTest::newRow("PSR record with unused payload")
            << hex("02830102aabbd0010101") << "83/1 d0/1"
            << QByteArrayList{QByteArray(), hex("01")};
    QTest::newRow("group section ignored")
            << hex("01d001010100") << "d0/1" << QByteArrayList{hex("01")};
}

void TestKonfiguracja::parse()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, modules);
    QFETCH(QByteArrayList, serialised);

    for (auto source : {Konfiguracja::FromDevice, Konfiguracja::FromDatabase}) {
        Konfiguracja config;
        QVERIFY(config.parse(image, source));
        QCOMPARE(describe(config), modules);
        QByteArrayList payloads;
        for (Modul *module : config.getModules())
            payloads.append(module->toByteArray());
        QCOMPARE(payloads, serialised);
    }
}

// Callers show their error on false; reporting success here would store a broken image.
void TestKonfiguracja::malformedImagesFail_data()
{
    QTest::addColumn<QByteArray>("image");

    QTest::newRow("unknown type code") << hex("01120100");
    QTest::newRow("unknown type after a good record") << hex("02d0010101120100");
    QTest::newRow("image ends after the type") << hex("01e0");
    QTest::newRow("image ends inside the second header") << hex("02d0010101e001");
    QTest::newRow("two-byte length cut") << hex("01550101");
    QTest::newRow("fewer records than the count") << hex("03d0010101830100");
    QTest::newRow("store form with too high a count") << hex("02d001010100");
}

void TestKonfiguracja::malformedImagesFail()
{
    QFETCH(QByteArray, image);

    Konfiguracja config;
    QVERIFY(!config.parse(image, Konfiguracja::FromDatabase));
}

void TestKonfiguracja::lengthSelfCheck_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("modules");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QByteArrayList>("payloadStarts");

    QTest::newRow("length counts itself") << hex("02e00103aabb57010105") << "e0/1 57/1" << 1
                                          << QByteArrayList{hex("aabb00"), hex("05")};
    QTest::newRow("check stays on after a match")
            << hex("03e00103aabb57010205570201" "07") << "e0/1 57/1 57/2" << 2
            << QByteArrayList{hex("aabb00"), hex("05"), hex("07")};
}

void TestKonfiguracja::lengthSelfCheck()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, modules);
    QFETCH(int, warnings);
    QFETCH(QByteArrayList, payloadStarts);

    for (int i = 0; i < warnings; ++i)
        QTest::ignoreMessage(QtDebugMsg, lengthWarning);
    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::FromDevice));
    QCOMPARE(describe(config), modules);
    for (int i = 0; i < payloadStarts.size(); ++i) {
        const QByteArray start = payloadStarts.at(i);
        QCOMPARE(config.getModule(i)->toByteArray().left(start.size()), start);
    }
}

void TestKonfiguracja::twoByteLength()
{
    const QByteArray payload = nonZeroBytes(300);
    const QByteArray image = hex("02550101") + char(0x2C) + payload + hex("d0010101");
    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::FromDevice));
    QCOMPARE(describe(config), QStringLiteral("55/1 d0/1"));
    QCOMPARE(config.getModule(0)->getDataLength(), 300);
    QCOMPARE(config.getModule(0)->toByteArray().left(300), payload);
    QCOMPARE(config.getModule(1)->toByteArray(), hex("01"));
}

void TestKonfiguracja::unitLengthsRecordedAndCut()
{
    const QByteArray image = hex("02e00105001c010000d0010101");
    Konfiguracja stored;
    QVERIFY(stored.parse(image, Konfiguracja::FromDatabase));
    QCOMPARE(stored.getModule(0)->getDataLength(), 0);

    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::FromDevice));
    QCOMPARE(config.getModule(0)->getDataLength(), 5);
    QCOMPARE(config.getModule(1)->getDataLength(), 1);
    QCOMPARE(settingNamed(config.getModule(0), "Pojemność Akumulatorów")->getValue(), 28u);
    // The unit gets back the lengths it reported; the store keeps the whole payloads.
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice), image);
    QCOMPARE(config.toByteArray(Konfiguracja::FromDatabase),
             hex("02e00120001c01") + QByteArray(29, '\0') + hex("d001010100"));

    // The class holds the length, so every module of the type sees it.
    Konfiguracja defaults(QStringLiteral("x"), nullptr);
    QCOMPARE(defaults.getModule(0)->getDataLength(), 5);

    // A recorded length beyond the payload leaves it whole.
    config.getModule(0)->setDataLength(40);
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice),
             config.toByteArray(Konfiguracja::FromDatabase).chopped(1));

    Konfiguracja negative;
    QVERIFY(negative.parse(hex("01d00180"), Konfiguracja::FromDevice));
    QCOMPARE(negative.getModule(0)->getDataLength(), -128);
}

void TestKonfiguracja::defaultConfiguration()
{
    Konfiguracja config(QStringLiteral("Nowa"), nullptr);
    QCOMPARE(config.getName(), QStringLiteral("Nowa"));
    QCOMPARE(describe(config), QStringLiteral("e0/1 d0/1 f0/1 83/1"));
    QVERIFY(config.getGroups().isEmpty());
    QVERIFY(!config.getModule(-1));
    QVERIFY(!config.getModule(4));

    const QByteArray records = hex("04e00120") + QByteArray(32, '\0') + hex("d0010100")
            + hex("f0014d") + QByteArray(77, '\0') + hex("830100");
    QCOMPARE(config.toByteArray(Konfiguracja::FromDatabase), records + hex("00"));
    // Before any image was read from the unit its lengths are unknown: the unit gets whole
    // payloads, as an empty one would wipe the module's settings there.
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice), records);
    // Any other destination gets neither the cut nor the group section.
    QCOMPARE(config.toByteArray(Konfiguracja::ConfigSource(3)), records);

    QVERIFY(Konfiguracja().getModules().isEmpty());
}

void TestKonfiguracja::largePayloadLength_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("header");

    QTest::newRow("one-byte length keeps the low byte") << 0x12 << hex("011201" "00");
    QTest::newRow("type 0x55: high byte first") << 0x55 << hex("015501" "0100");
}

void TestKonfiguracja::largePayloadLength()
{
    QFETCH(int, type);
    QFETCH(QByteArray, header);

    Konfiguracja config;
    config.addModule(new BigModule(type));
    const QByteArray payload = config.getModule(0)->toByteArray();
    QCOMPARE(payload.size(), 256);
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice), header + payload);
    QCOMPARE(config.toByteArray(Konfiguracja::FromDatabase), header + payload + hex("00"));
}

// Every factory type, including those added later, with a non-zero value in every setting.
void TestKonfiguracja::roundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("source");

    for (int type : factoryTypes()) {
        const QString name = moduleName(type);
        QTest::addRow("%s for the unit", qPrintable(name)) << type << int(Konfiguracja::FromDevice);
        QTest::addRow("%s for the store", qPrintable(name))
                << type << int(Konfiguracja::FromDatabase);
    }
}

void TestKonfiguracja::roundTrip()
{
    QFETCH(int, type);
    QFETCH(int, source);

    const auto form = Konfiguracja::ConfigSource(source);
    const int size = makeModule(type)->toByteArray().size();
    QByteArray image = hex("01") + record(type, 3, nonZeroBytes(size));
    if (form == Konfiguracja::FromDatabase)
        image += hex("00");
    Konfiguracja config;
    QVERIFY(config.parse(image, form));
    QCOMPARE(config.getModules().size(), 1);
    QCOMPARE(config.toByteArray(form), image);
}

void TestKonfiguracja::roundTripAllModules_data()
{
    QTest::addColumn<int>("source");
    QTest::newRow("for the unit") << int(Konfiguracja::FromDevice);
    QTest::newRow("for the store") << int(Konfiguracja::FromDatabase);
}

void TestKonfiguracja::roundTripAllModules()
{
    QFETCH(int, source);

    const auto form = Konfiguracja::ConfigSource(source);
    const QList<int> types = factoryTypes();
    QByteArray image(1, char(types.size()));
    int number = 1;
    for (int type : types) {
        const int size = makeModule(type)->toByteArray().size();
        image += record(type, number++, nonZeroBytes(size));
    }
    if (form == Konfiguracja::FromDatabase)
        image += hex("00");
    Konfiguracja config;
    QVERIFY(config.parse(image, form));
    QCOMPARE(config.getModules().size(), types.size());
    QCOMPARE(config.toByteArray(form), image);
}

void TestKonfiguracja::reportOfDefaultConfiguration()
{
    const QString table = QStringLiteral(
            "</H3><table BORDER='1'style=\"background-color:white\" cellpadding='2' "
            "cellspacing='0' width = '600'><tr><th width = '40'>Lp</th><th width = '400'>"
            "Nazwa</th><th width = '200'>Wartość</th></tr>");
    const QStringList fragments = {
        "<html><head><link rel='stylesheet' type='text/css' href='format.css'></head><body>"
        "<H2>Konfiguracja Ostrel: Raport</H2><H3>Moduł: PSB, Moduł Główny Sterowania ,nr 1"
                + table,
        "<tr><td> 1</td><td> Deklaracja modułu</td><td> Tak</td></tr>",
        "<tr><td> 3</td><td> Przekaźnik PU - tryb pracy</td><td> Uszkodzenie Ostrel</td></tr>",
        "<tr><td> 6</td><td> Przekaźnik PK - T1 - czas opóźnienia wysterowania</td>"
        "<td>  0g: 0m: 0s</td></tr>",
        "<tr><td> 17</td><td> Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</td>"
        "<td> Brak konfiguracji</td></tr></table >"
        "<H3>Moduł: ACL, Moduł Komunikacji Adresowalnej ,nr 1"
                + table + "<tr><td> 1</td><td> Deklaracja modułu</td><td> Nie</td></tr></table >",
        "<H3>Moduł: PSL, Moduł Przekaźników Dodatkowych ,nr 1" + table,
        "<tr><td> 2</td><td> Linia sygnałowa LS1 - tryb pracy</td><td> Wyjście nieaktywne</td>"
        "</tr>",
        "<tr><td> 29</td><td> Linia sygnałowa LS4 - kontrola ciągłości</td><td> Nie</td></tr>"
        "</table ><H3>Moduł: PSR, Moduł Zasilania Redundantnego ,nr 1"
                + table
                + "<tr><td> 1</td><td> Deklaracja modułu - modułu PSR nie trzeba konfigurować"
                  "</td><td> Nie</td></tr></table ></body></html>",
    };

    Konfiguracja config(QStringLiteral("Raport"), nullptr);
    const QString html = config.toHtml();
    int from = 0;
    for (const QString &fragment : fragments) {
        const int at = html.indexOf(fragment, from);
        QVERIFY2(at >= 0, qPrintable(fragment));
        from = at + fragment.size();
    }
    QVERIFY(html.startsWith(fragments.first()));
    QVERIFY(html.endsWith(fragments.last()));
    QCOMPARE(html.count(QStringLiteral("<tr><th")), 4);
    QCOMPARE(html.count(QStringLiteral("<tr><td>")), 17 + 1 + 29 + 1);
}

QTEST_GUILESS_MAIN(TestKonfiguracja)
#include "tst_konfiguracja.moc"
