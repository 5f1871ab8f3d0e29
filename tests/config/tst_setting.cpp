#include "config/enumlist.h"
#include "config/optionlists.h"
#include "config/setting.h"

#include <QtTest>

using Entries = QHash<int, QString>;
Q_DECLARE_METATYPE(Entries)

class TestSetting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void valueText_data();
    void valueText();
    void optionListLookupIsTakenWhenAttached();
    void optionLists_data();
    void optionLists();
    void registryHoldsExactlyTheListsOneTo41();
    void rebuildingKeepsTheListsSettingsPointTo();
};

void TestSetting::initTestCase()
{
    buildOptionLists();
}

void TestSetting::valueText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("optionList");
    QTest::addColumn<QString>("expected");

    QTest::newRow("yes/no 0") << 1 << 0u << 0 << "Nie";
    QTest::newRow("yes/no 1") << 1 << 1u << 0 << "Tak";
    QTest::newRow("yes/no 2") << 1 << 2u << 0 << "Tak";
    QTest::newRow("yes/no 256") << 1 << 256u << 0 << "Tak";

    QTest::newRow("number 0") << 2 << 0u << 0 << "0";
    QTest::newRow("number 24-bit max") << 2 << 16777215u << 0 << "16777215";
    QTest::newRow("number unsigned top") << 2 << 4294967295u << 0 << "4294967295";

    QTest::newRow("duration 0") << 3 << 0u << 0 << " 0g: 0m: 0s";
    QTest::newRow("duration 3725") << 3 << 3725u << 0 << " 1g: 2m: 5s";
    QTest::newRow("duration 3600") << 3 << 3600u << 0 << " 1g: 0m: 0s";
    QTest::newRow("duration last second of a day") << 3 << 86399u << 0 << "23g:59m:59s";
    QTest::newRow("duration wraps a day") << 3 << 90061u << 0 << " 1g: 1m: 1s";
    QTest::newRow("duration 24-bit max") << 3 << 16777215u << 0 << " 4g:20m:15s";
    QTest::newRow("duration unsigned top") << 3 << 4294967295u << 0 << " 6g:28m:15s";

    QTest::newRow("minutes 600") << 5 << 600u << 0 << "10m";
    QTest::newRow("minutes 3600 wraps") << 5 << 3600u << 0 << " 0m";
    QTest::newRow("minutes 59 s") << 5 << 59u << 0 << " 0m";
    QTest::newRow("minutes 3599") << 5 << 3599u << 0 << "59m";

    QTest::newRow("option list 5 key 3") << 4 << 3u << 5 << "Załączenie impulsowo-cykliczne";
    QTest::newRow("option list 5 beyond keys") << 4 << 5u << 5 << "";
    QTest::newRow("option list 11 gap") << 4 << 2u << 11 << "";
    QTest::newRow("option list 11 key 3") << 4 << 3u << 11 << "Tryb 3-stanowy";
    QTest::newRow("option list 13 key 9") << 4 << 9u << 13 << "115200";
    QTest::newRow("option huge value") << 4 << 4294967295u << 1 << "";
    QTest::newRow("option without list") << 4 << 0u << 0 << "";
    QTest::newRow("option list 50 key 0") << 4 << 0u << 50 << "";
    QTest::newRow("option list 50 key 1") << 4 << 1u << 50 << "";

    QTest::newRow("kind 0") << 0 << 1u << 5 << "";
    QTest::newRow("kind 6") << 6 << 1u << 5 << "";
    QTest::newRow("kind 255") << 255 << 1u << 0 << "";
}

void TestSetting::valueText()
{
    QFETCH(int, kind);
    QFETCH(quint32, value);
    QFETCH(int, optionList);
    QFETCH(QString, expected);
    Setting setting(QStringLiteral("s"), QString(), 0, 0xFFFFFFFFu, value, 4, 0, 0,
                    quint8(kind), 1, 1);
    if (optionList != 0)
        setting.setEnumList(optionList);
    QCOMPARE(setting.getValueText(), expected);
}

void TestSetting::optionListLookupIsTakenWhenAttached()
{
    Setting setting(QStringLiteral("s"), QString(), 0, 4, 1, 1, 0, 0, Setting::Option, 1, 1);
    QVERIFY(setting.getOptionList() == nullptr);
    QCOMPARE(setting.getValueText(), QString());
    setting.setEnumList(9);
    QCOMPARE(setting.getOptionListId(), 9);
    QCOMPARE(setting.getValueText(),
             QStringLiteral("Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od "
                            "stanu Y lub X w trybie trójstanowym)"));
    setting.setValue(3);
    QCOMPARE(setting.getValueText(), QStringLiteral("System Tarven B"));
    setting.setEnumList(50);
    QCOMPARE(setting.getOptionListId(), 50);
    QVERIFY(setting.getOptionList() == nullptr);
    QCOMPARE(setting.getValueText(), QString());
}

void TestSetting::optionLists_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Entries>("entries");

    // The en dash (U+2013) and the hyphen differ within one list.
    QTest::newRow("1") << 1 << Entries{
            {0, QStringLiteral("Brak \u2013 wyjście nieaktywne")},
            {1, QStringLiteral("Alarm - ogólny Halvo")},
            {2, QStringLiteral("Alarm - wejście zewnętrzne")},
            {3, QStringLiteral("Alarm - system Tarven A/B")},
            {4, QStringLiteral("Alarm - suma stref LNM")},
            {5, QStringLiteral("Alarm - iloczyn stref LNM")},
            {6, QStringLiteral("Alarm \u2013 wejście zewnętrzne + suma stref LNMn")},
            {7, QStringLiteral("Alarm \u2013 wejście zewnętrzne + iloczyn stref LNMn")},
            {8, QStringLiteral("Alarm \u2013 Tarven A/B + suma stref LNMn")},
            {9, QStringLiteral("Alarm \u2013 Tarven A/B + iloczyn stref LNMn")},
            {10, QStringLiteral("Alarm \u2013 wejście zewnętrzne + własny")},
            {11, QStringLiteral("Alarm \u2013 system Tarven A/B + własny")},
            {12, QStringLiteral("Alarm - iloczyn stref + wlasny")},
            {16, QStringLiteral("Zarezerwowane")}};
    QTest::newRow("2") << 2 << Entries{{4, QStringLiteral("4")}, {8, QStringLiteral("8")}};
    QTest::newRow("8") << 8 << Entries{
            {0, QStringLiteral("Brak \u2013 wyjście nieaktywne")},
            {1, QStringLiteral("Alarm - ogólny Halvo")},
            {2, QStringLiteral("Alarm - wejście zewnętrzne")},
            {3, QStringLiteral("Alarm - system Tarven A/B")},
            {4, QStringLiteral("Alarm - suma stref LNM")},
            {5, QStringLiteral("Alarm - iloczyn stref LNM")},
            {6, QStringLiteral("Alarm \u2013 wejście zewnętrzne + suma stref LNMn")},
            {7, QStringLiteral("Alarm \u2013 wejście zewnętrzne + iloczyn stref LNMn")},
            {8, QStringLiteral("Alarm \u2013 Tarven A/B + suma stref LNMn")},
            {9, QStringLiteral("Alarm \u2013 Tarven A/B + iloczyn stref LNMn")},
            {10, QStringLiteral("Aktywne przewietrzanie")},
            {15, QStringLiteral("Zarezerwowane")},
            {16, QStringLiteral("Zarezerwowane")}};
    QTest::newRow("11") << 11 << Entries{{0, QStringLiteral("Brak \u2013 wejście nieaktywne")},
                                         {1, QStringLiteral("Tryb 2-stanowy")},
                                         {3, QStringLiteral("Tryb 3-stanowy")}};
    QTest::newRow("13") << 13 << Entries{
            {0, QStringLiteral("Brak konfiguracji")}, {1, QStringLiteral("1200")},
            {2, QStringLiteral("2400")}, {3, QStringLiteral("4800")}, {4, QStringLiteral("9600")},
            {5, QStringLiteral("19200")}, {6, QStringLiteral("38400")},
            {7, QStringLiteral("57600")}, {8, QStringLiteral("115200")},
            {9, QStringLiteral("115200")}};
    QTest::newRow("27") << 27 << Entries{
            {0, QStringLiteral("0 - Brak kryterium")}, {1, QStringLiteral("1 - L11 LD-alarm")},
            {2, QStringLiteral("2 - L11 LD-alarm")}, {3, QStringLiteral("3 - L11 LD-alarm")},
            {4, QStringLiteral("4 - L11 LD-alarm")}, {5, QStringLiteral("5 - L11 LD-alarm")},
            {6, QStringLiteral("6 - L11 LD-alarm")}, {7, QStringLiteral("7 - LK-EZ Wspólny")}};
    QTest::newRow("6") << 6 << Entries{
            {0, QStringLiteral("0-nieaktywny")},
            {1, QStringLiteral("1-załączenie na stałe")},
            {2, QStringLiteral("2-załączenie czasowe")},
            {3, QStringLiteral("3-załączenie impulsowo-cykliczne")},
            {4, QStringLiteral("4-załączenie impulsowo-ilościowe")},
            {5, QStringLiteral("5-klapy Gryfit czas T2 \u2013 wysterowanie w dozorowaniu")}};
    QTest::newRow("40") << 40 << Entries{
            {0, QStringLiteral("0 - Nieaktywne")},
            {1, QStringLiteral("1 - Linia kontrolna aktywna")},
            {2, QStringLiteral("2 - Linia dozorowa aktywna")},
            {3, QStringLiteral("3 - Linia potencjałowa aktywna")},
            {4, QStringLiteral("4 - Wyjście zasilajace 24 V aktywne")}};
    QTest::newRow("41") << 41 << Entries{
            {0, QStringLiteral("Uszkodzenie Ostrel")},
            {1, QStringLiteral("Uszkodzenie Ostrel + wysterowanie z Tarven B")}};
}

void TestSetting::optionLists()
{
    QFETCH(int, id);
    QFETCH(Entries, entries);
    const EnumList *list = EnumList::find(id);
    QVERIFY(list);
    QCOMPARE(list->id(), id);
    QCOMPARE(list->texts().size(), entries.size());
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        QVERIFY2(list->texts().contains(it.key()), qPrintable(QString::number(it.key())));
        QCOMPARE(list->texts().value(it.key()), it.value());
    }
}

void TestSetting::registryHoldsExactlyTheListsOneTo41()
{
    for (int id = 1; id <= 41; ++id) {
        const EnumList *list = EnumList::find(id);
        QVERIFY2(list, qPrintable(QString::number(id)));
        QCOMPARE(list->id(), id);
        QVERIFY(!list->texts().isEmpty());
    }
    for (int id : {0, 42, 50, 51, 52, 53, -1})
        QVERIFY2(!EnumList::isRegistered(id), qPrintable(QString::number(id)));
}

void TestSetting::rebuildingKeepsTheListsSettingsPointTo()
{
    Setting setting(QStringLiteral("s"), QString(), 0, 4, 2, 1, 0, 0, Setting::Option, 1, 1);
    setting.setEnumList(5);
    const EnumList *before = setting.getOptionList();
    buildOptionLists();
    QCOMPARE(EnumList::find(5), before);
    QCOMPARE(setting.getValueText(), QStringLiteral("Załączenie czasowe"));
}

QTEST_GUILESS_MAIN(TestSetting)
#include "tst_setting.moc"
