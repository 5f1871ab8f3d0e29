#include "modules_support.h"

#include <QtTest>

#include <algorithm>

using namespace ModulesTest;

class TestModules : public QObject
{
    Q_OBJECT
private slots:
    // Runs first: it looks at the fault tables before any module has been built.
    void faultTablesFilledAtStartup_data();
    void faultTablesFilledAtStartup();

    void layout_data();
    void layout();
    void roundTrip_data();
    void roundTrip();
    void decode_data();
    void decode();
    void texts_data();
    void texts();
    void treeOrder_data();
    void treeOrder();
    void duplicateIds_data();
    void duplicateIds();
    void declaration_data();
    void declaration();
    void psbIsDefaultClearsPayload();
    void faults_data();
    void faults();
    void faultText_data();
    void faultText();
};

void TestModules::faultTablesFilledAtStartup_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("PSB") << 0xE0 << 25 << "Zapis nowej konfiguracji";
    QTest::newRow("PSR") << 0x83 << 0 << "Brak łączności z dodatkowym PSB";
    QTest::newRow("ACL") << 0xD0 << 0 << "Brak komunikacji z modułem ACL";
    QTest::newRow("CTM") << 0xA0 << 31 << "Wersja oprogramowania";
    QTest::newRow("LNM") << 0x90 << 15 << "Wyjście główne – bezpiecznik";
    QTest::newRow("RLA") << 0xC0 << 5 << "Przekaźnik PK2 – brak ciągłości";
    QTest::newRow("RLH") << 0x80 << 3 << "Linia kontrolna LK2 – przerwa";
    QTest::newRow("PSV") << 0xB0 << 9 << "Wysoka temperatura";
    // Event-log texts must not depend on whether a module of the type was built in this run.
    QTest::newRow("PSL") << 0xF0 << 0 << "Zwarcie wyjścia linii sygnałowej numer 1 (LS1)";
}

void TestModules::faultTablesFilledAtStartup()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QString, text);

    initStartupTables();
    QCOMPARE(::faultText(type, quint8(index)), text);
    auto module = makeModule(type);
    QCOMPARE(::faultText(type, quint8(index)), text);
}

// One row per module type and number; SC* rows may be added here or in their own test file.
void TestModules::layout_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("settingCount");
    QTest::addColumn<QByteArray>("fresh");

    QTest::newRow("PSL") << 0xF0 << 1 << 29 << QByteArray(77, '\0');
    QTest::newRow("PSB") << 0xE0 << 1 << 17 << QByteArray(32, '\0');
    QTest::newRow("PSR") << 0x83 << 1 << 1 << QByteArray();
    QTest::newRow("ACL") << 0xD0 << 1 << 1 << hex("00");
    QTest::newRow("CTM: LNM nr 1 fed by PSV nr 1") << 0xA0 << 1 << 31 << bytesWith(31, {{5, 1}});
    QTest::newRow("LNM nr 1: declared, 8 A") << 0x90 << 1 << 31 << bytesWith(47, {{0, 1}, {1, 8}});
    QTest::newRow("LNM nr 2: not declared") << 0x90 << 2 << 31 << bytesWith(47, {{1, 8}});
    QTest::newRow("RLA: both criteria 1") << 0xC0 << 1 << 37 << bytesWith(63, {{2, 1}, {21, 1}});
    QTest::newRow("RLH: PK1 criterion 1") << 0x80 << 1 << 37 << bytesWith(63, {{2, 1}});
    QTest::newRow("PSV nr 1") << 0xB0 << 1 << 1 << hex("01");
    QTest::newRow("PSV nr 3") << 0xB0 << 3 << 1 << hex("00");
}

void TestModules::layout()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, settingCount);
    QFETCH(QByteArray, fresh);

    initStartupTables();
    auto module = makeModule(type, number);
    QVERIFY(module);
    QCOMPARE(module->getType(), type);
    QCOMPARE(module->getNumber(), quint8(number));
    QCOMPARE(module->getName(), moduleName(type));
    QCOMPARE(module->getSettings().size(), settingCount);
    QCOMPARE(module->toByteArray(), fresh);

    // Serialising ignores offsets, so the settings must tile the payload in list order.
    int next = 0;
    for (Setting *setting : module->getSettings()) {
        if (setting->getSize() == 0)
            continue;
        QVERIFY2(setting->getOffset() == next, qPrintable(setting->getName()));
        next += setting->getSize();
    }
    QCOMPARE(next, fresh.size());
}

void TestModules::roundTrip_data()
{
    layout_data();
}

void TestModules::roundTrip()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QByteArray, fresh);

    initStartupTables();
    auto module = makeModule(type, number);
    const QByteArray payload = nonZeroBytes(fresh.size());
    QCOMPARE(module->parse(payload), 0);
    for (Setting *setting : module->getSettings()) {
        if (setting->getSize() > 0)
            QVERIFY2(setting->getValue() != 0, qPrintable(setting->getName()));
    }
    QCOMPARE(module->toByteArray(), payload);
}

void TestModules::decode_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");

    const QByteArray ones31(31, '\x01');
    QTest::newRow("PSL T1 3600 s") << 0xF0 << 1 << bytesWith(77, {{5, 0x0E}, {6, 0x10}})
                                   << "Linia sygnałowa LS1 - T1 - czas opóźnienia wysterowania"
                                   << 3600u << " 1g: 0m: 0s";
    QTest::newRow("PSL 20 bytes reach LS1") << 0xF0 << 1 << QByteArray(20, '\x01')
                                            << "Linia sygnałowa LS1 - kontrola ciągłości" << 1u
                                            << "Tak";
    QTest::newRow("PSL 20 bytes miss LS2") << 0xF0 << 1 << QByteArray(20, '\x01')
                                           << "Linia sygnałowa LS2 - tryb pracy" << 0u
                                           << "Wyjście nieaktywne";
    QTest::newRow("PSB capacity 28 Ah") << 0xE0 << 1 << bytesWith(32, {{1, 0x1C}})
                                        << "Pojemność Akumulatorów" << 28u << "28";
    QTest::newRow("PSB declaration has no byte") << 0xE0 << 1 << QByteArray(32, '\0')
                                                 << "Deklaracja modułu" << 1u << "Tak";
    QTest::newRow("PSB 31 bytes: time-out read")
            << 0xE0 << 1 << ones31 << "Złącze RS232 - Protokół Modbus - Time Out" << 0x01010101u
            << "22g:36m:49s";
    QTest::newRow("PSB 31 bytes: master/slave 0")
            << 0xE0 << 1 << ones31
            << "Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave" << 0u
            << "Brak konfiguracji";
    QTest::newRow("PSB 27 bytes: time-out 0")
            << 0xE0 << 1 << ones31.left(27) << "Złącze RS232 - Protokół Modbus - Time Out" << 0u
            << " 0g: 0m: 0s";
    QTest::newRow("PSR ignores its payload")
            << 0x83 << 1 << hex("aabb") << "Deklaracja modułu - modułu PSR nie trzeba konfigurować"
            << 0u << "Nie";
    QTest::newRow("ACL 01") << 0xD0 << 1 << hex("01") << "Deklaracja modułu" << 1u << "Tak";
    QTest::newRow("ACL empty") << 0xD0 << 1 << QByteArray() << "Deklaracja modułu" << 0u << "Nie";
    QTest::newRow("CTM Top 3600 s") << 0xA0 << 1 << bytesWith(31, {{2, 0x0E}, {3, 0x10}})
                                    << "Przekaźnik alarmu - czas Top" << 3600u << " 1g: 0m: 0s";
    QTest::newRow("CTM 5 bytes: weather read") << 0xA0 << 1 << QByteArray(5, '\x01')
                                               << "Automatyka pogodowa" << 1u << "Tak";
    QTest::newRow("CTM 5 bytes: LNM nr 1 supply 0 below its minimum")
            << 0xA0 << 1 << QByteArray(5, '\x01') << "Zasilanie LNM nr 1 - PSV nr " << 0u << "0";
    QTest::newRow("CTM last RLH row") << 0xA0 << 1 << bytesWith(31, {{30, 1}})
                                      << "Przewietrzanie – przyciski z LNM1 do RLH 4 PK2" << 1u
                                      << "Tak";
    QTest::newRow("LNM current 6 has no option") << 0x90 << 1 << bytesWith(47, {{1, 6}})
                                                 << "Prąd grupy [A]" << 6u << "";
    QTest::newRow("LNM current 4") << 0x90 << 1 << bytesWith(47, {{1, 4}}) << "Prąd grupy [A]"
                                   << 4u << "4";
    QTest::newRow("LNM zone 8") << 0x90 << 1 << bytesWith(47, {{44, 3}}) << "Strefa LNM nr 8"
                                << 3u << "Alarm - BZ7x";
    QTest::newRow("LNM 47 bytes: TKA") << 0x90 << 1 << bytesWith(47, {{45, 1}, {46, 2}})
                                       << "Wyjście grupy -  czas TKA" << 258u << " 0g: 4m:18s";
    QTest::newRow("LNM 46 bytes: TKA 0") << 0x90 << 1 << QByteArray(46, '\x01')
                                         << "Wyjście grupy -  czas TKA" << 0u << " 0g: 0m: 0s";
    QTest::newRow("LNM 45 bytes: TKA 0") << 0x90 << 1 << QByteArray(45, '\x01')
                                         << "Wyjście grupy -  czas TKA" << 0u << " 0g: 0m: 0s";
    QTest::newRow("RLA mode 5 has no option") << 0xC0 << 1 << bytesWith(63, {{1, 5}})
                                              << "Przekaźnik PK1 - tryb pracy" << 5u << "";
    QTest::newRow("RLA PK2 zone 8") << 0xC0 << 1 << bytesWith(63, {{58, 4}})
                                    << "PK2 - strefa LNM nr 8" << 4u
                                    << "Osiągnięta pozycja pożarowa (FIRE SAFE)";
    QTest::newRow("RLA 60 bytes: PK1 TKA 0") << 0xC0 << 1 << QByteArray(60, '\x01')
                                             << "Przekaźnik PK1 - czas TKA" << 0u << " 0g: 0m: 0s";
    QTest::newRow("RLA PK2 TKA") << 0xC0 << 1 << bytesWith(63, {{61, 0x0E}, {62, 0x10}})
                                 << "Przekaźnik PK2 - czas TKA" << 3600u << " 1g: 0m: 0s";
    QTest::newRow("RLH line mode 2 outside its range")
            << 0x80 << 1 << bytesWith(63, {{37, 2}}) << "Linia kontrolna LK1 - tryb pracy" << 2u
            << "Wejście potwierdzenia zewnętrznego";
    QTest::newRow("RLH 61 bytes: PK2 TKA read") << 0x80 << 1 << QByteArray(61, '\x01')
                                                << "Przekaźnik PK2 - czas TKA" << 257u
                                                << " 0g: 4m:17s";
    QTest::newRow("RLH 61 bytes: PK1 TP 0") << 0x80 << 1 << QByteArray(61, '\x01')
                                            << "Przekaźnik PK1 - czas TP[minuty]" << 0u << "0";
    QTest::newRow("PSV nr 1 empty payload") << 0xB0 << 1 << QByteArray() << "Deklaracja modułu"
                                            << 0u << "Nie";
}

void TestModules::decode()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QByteArray, payload);
    QFETCH(QString, setting);
    QFETCH(quint32, value);
    QFETCH(QString, text);

    initStartupTables();
    auto module = makeModule(type, number);
    module->parse(payload);
    Setting *found = settingNamed(module.get(), setting);
    QVERIFY2(found, qPrintable(setting));
    QCOMPARE(found->getValue(), value);
    QCOMPARE(found->getValueText(), text);
}

// Names and comments with odd spellings, blanks and line breaks, at their list position.
void TestModules::texts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");

    QTest::newRow("PSR") << 0x83 << 0 << "Deklaracja modułu - modułu PSR nie trzeba konfigurować"
                         << "Moduł aktywny / nieaktywny";
    QTest::newRow("CTM supply 8") << 0xA0 << 12 << "Zasilanie LNM nr 8 - PSV nr "
                                  << "Zasilanie modułu LNM-60 nr 8 z modułu PSV-60 nr";
    QTest::newRow("CTM BZ7x")
            << 0xA0 << 13 << "Sygnalizowanie stanów na BZ7x"
            << "TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)\n"
               "NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1";
    QTest::newRow("CTM LNM 8") << 0xA0 << 21 << "Przewietrzanie – przyciski z LNM1 do LNM 8"
                               << "Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ \n"
                                  "podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem\n"
                                  " w modułach LNM nr 8";
    QTest::newRow("CTM RLH 3 PK1") << 0xA0 << 27 << "Przewietrzanie – przyciski z LNM1 do RLH 3 PK1"
                                   << "Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ \n"
                                      "podłączonych do modułu LNM nr 1 do sterowania "
                                      "przewietrzaniem\n w modułach RLH nr 3 PK nr 1";
    QTest::newRow("LNM double blank") << 0x90 << 6 << "Wyjście grupy -  tryb pracy"
                                      << "Tryb pracy wyjścia 0-nieaktywne";
    QTest::newRow("LNM unaccented") << 0x90 << 7 << "Wyjscie grupy - kryterium wysterowania"
                                    << "Kryterium – warianty wysterowania";
    QTest::newRow("LNM trailing blank") << 0x90 << 8 << "Wyjście grupy - sterowanie 3 przewodowe"
                                        << "Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. ";
    QTest::newRow("RLA PK2 mode") << 0xC0 << 8 << "Przekaźnik PK2 - tryb pracy" << "...";
    QTest::newRow("RLA LK2 capital C") << 0xC0 << 18 << "Linia kontrolna LK2 - Czas Tk2"
                                       << "Czas potwierdzenia zadziałania w trybie 1";
    QTest::newRow("RLA PK2 zone 1")
            << 0xC0 << 27 << "PK2 - strefa LNM nr 1"
            << "0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki ";
    QTest::newRow("RLH PK1 mode") << 0x80 << 1 << "Przekaźnik PK1 - tryb pracy"
                                  << "....";
    QTest::newRow("RLH PK2 criterion") << 0x80 << 8 << "Przekaźnik PK2 - kryterium wysterowania"
                                       << "w opracowaniu ..";
    QTest::newRow("RLH LK2 lower-case c") << 0x80 << 16 << "Linia kontrolna LK2 - czas Tk2"
                                          << "Czas potwierdzenia zadziałania w trybie 1";
    QTest::newRow("PSV") << 0xB0 << 0 << "Deklaracja modułu" << "Moduł aktywny/nieaktywny";
}

void TestModules::texts()
{
    QFETCH(int, type);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, comment);

    initStartupTables();
    auto module = makeModule(type);
    Setting *setting = module->getSetting(position);
    QVERIFY(setting);
    QCOMPARE(setting->getName(), name);
    QCOMPARE(setting->getComment(), comment);
}

// The settings tree orders a module's rows by index, keeping list order among equal indices;
// the report keeps list order. Rows are numbered from 1.
void TestModules::treeOrder_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("treeRow");
    QTest::addColumn<int>("reportRow");

    QTest::newRow("CTM scenario") << 0xA0 << "Scenariusz" << 31 << 23;
    QTest::newRow("CTM last RLH row")
            << 0xA0 << "Przewietrzanie – przyciski z LNM1 do RLH 4 PK2" << 30 << 31;
    QTest::newRow("LNM TKA") << 0x90 << "Wyjście grupy -  czas TKA" << 14 << 31;
    QTest::newRow("RLA PK1 TKA") << 0xC0 << "Przekaźnik PK1 - czas TKA" << 7 << 36;
    QTest::newRow("RLA PK2 TKA") << 0xC0 << "Przekaźnik PK2 - czas TKA" << 15 << 37;
    QTest::newRow("RLH PK1 TP") << 0x80 << "Przekaźnik PK1 - czas TP[minuty]" << 8 << 36;
    QTest::newRow("RLH PK2 TKA") << 0x80 << "Przekaźnik PK2 - czas TKA" << 15 << 35;
    QTest::newRow("RLH PK2 TP") << 0x80 << "Przekaźnik PK2 - czas TP[minuty]" << 16 << 37;
    QTest::newRow("PSB capacity after declaration") << 0xE0 << "Pojemność Akumulatorów" << 2 << 2;
}

void TestModules::treeOrder()
{
    QFETCH(int, type);
    QFETCH(QString, setting);
    QFETCH(int, treeRow);
    QFETCH(int, reportRow);

    initStartupTables();
    auto module = makeModule(type);
    const QList<Setting *> list = module->getSettings();
    QList<Setting *> tree = list;
    std::stable_sort(tree.begin(), tree.end(),
                     [](Setting *a, Setting *b) { return a->getIndex() < b->getIndex(); });
    Setting *found = settingNamed(module.get(), setting);
    QVERIFY(found);
    QCOMPARE(tree.indexOf(found) + 1, treeRow);
    QCOMPARE(list.indexOf(found) + 1, reportRow);
}

void TestModules::duplicateIds_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");

    QTest::newRow("PSB 41") << 0xE0 << 41 << 3 << "Przekaźnik PK - liczba impulsów";
    QTest::newRow("PSB 45") << 0xE0 << 45 << 4 << "Linia kontrolna LK2 - tryb pracy";
    QTest::newRow("CTM 118") << 0xA0 << 118 << 9 << "Przewietrzanie – przyciski z LNM1 do LNM 2";
    QTest::newRow("RLH 129") << 0x80 << 129 << 3 << "Przekaźnik PK2 - czas TKA";
    QTest::newRow("RLA 84 is PK1 zone 1") << 0xC0 << 84 << 1 << "PK1 - strefa LNM nr 1";
    QTest::newRow("RLH 115 is PK2 zone 8") << 0x80 << 115 << 1 << "PK2 - strefa LNM nr 8";
}

void TestModules::duplicateIds()
{
    QFETCH(int, type);
    QFETCH(int, id);
    QFETCH(int, count);
    QFETCH(QString, first);

    initStartupTables();
    auto module = makeModule(type);
    QStringList names;
    for (Setting *setting : module->getSettings()) {
        if (setting->getId() == id)
            names.append(setting->getName());
    }
    QCOMPARE(names.size(), count);
    QCOMPARE(names.first(), first);
}

// Only a setting with id 0 counts as the declaration; several modules tag theirs otherwise.
void TestModules::declaration_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("declared");
    QTest::addColumn<bool>("switchable");
    QTest::addColumn<bool>("editable");

    QTest::newRow("PSB") << 0xE0 << 1 << true << true << false;
    QTest::newRow("PSR") << 0x83 << 1 << false << true << false;
    QTest::newRow("CTM") << 0xA0 << 1 << true << true << false;
    QTest::newRow("ACL id 49") << 0xD0 << 1 << false << false << true;
    QTest::newRow("PSL id 28") << 0xF0 << 1 << false << false << true;
    QTest::newRow("LNM nr 1 id 5") << 0x90 << 1 << false << false << false;
    QTest::newRow("LNM nr 2") << 0x90 << 2 << false << false << true;
    QTest::newRow("RLA id 28") << 0xC0 << 1 << false << false << true;
    QTest::newRow("RLH id 50") << 0x80 << 1 << false << false << true;
    QTest::newRow("PSV nr 1 id 47") << 0xB0 << 1 << false << false << false;
    QTest::newRow("PSV nr 3") << 0xB0 << 3 << false << false << true;
}

void TestModules::declaration()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(bool, declared);
    QFETCH(bool, switchable);
    QFETCH(bool, editable);

    initStartupTables();
    auto module = makeModule(type, number);
    QCOMPARE(module->getSetting(0)->isEditable(), editable);
    module->parse(QByteArray(128, '\x01'));
    QCOMPARE(module->isDeclared(), declared);
    module->setDeclared(!declared);
    QCOMPARE(module->isDeclared(), switchable ? !declared : false);
}

void TestModules::psbIsDefaultClearsPayload()
{
    initStartupTables();
    auto module = makeModule(0xE0);
    module->parse(nonZeroBytes(32));
    QVERIFY(module->isDefault());
    QCOMPARE(module->toByteArray(), QByteArray(32, '\0'));
    QCOMPARE(module->getSetting(0)->getValue(), 1u);
    QCOMPARE(settingNamed(module.get(), "Przekaźnik PK - kryterium wysterowania")->getValue(), 0u);
}

void TestModules::faults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("faults");

    QTest::newRow("PSL byte 12 is the last") << 0xF0 << bytesWith(13, {{12, 1}}) << QStringList();
    QTest::newRow("PSL trailing blank")
            << 0xF0 << bytesWith(13, {{11, 1}})
            << QStringList{"Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) "};
    QTest::newRow("PSB Tarven B") << 0xE0 << bytesWith(36, {{22, 1}, {35, 1}})
                                  << QStringList{"Uszkodzenie ogólne z systemu Tarven B"};
    QTest::newRow("PSB two") << 0xE0 << bytesWith(36, {{0, 1}, {7, 9}})
                             << QStringList{"Brak napięcia sieciowego 230V",
                                            "Wysoka temperatura wewnątrz Ostrel "
                                            "(powyżej 40 st. C)"};
    QTest::newRow("PSR text") << 0x83 << hex("010000")
                              << QStringList{"Brak łączności z dodatkowym PSB"};
    QTest::newRow("PSR last byte") << 0x83 << hex("000001") << QStringList();
    QTest::newRow("PSR number") << 0x83 << hex("000100") << QStringList{"1"};
    QTest::newRow("ACL") << 0xD0 << hex("0500") << QStringList{"Brak komunikacji z modułem ACL"};
    QTest::newRow("ACL one byte") << 0xD0 << hex("05") << QStringList();
    QTest::newRow("CTM") << 0xA0 << bytesWith(31, {{0, 1}, {30, 1}})
                         << QStringList{"LNM nr 1 – brak łączności "};
    QTest::newRow("LNM") << 0x90 << hex("010001") << QStringList{"Linia dozorowa – zwarcie "};
    QTest::newRow("LNM double blank") << 0x90 << bytesWith(32, {{7, 1}})
                                      << QStringList{"Przełącznik krańcowy KR1  – zwarcie "};
    QTest::newRow("RLA") << 0xC0 << bytesWith(16, {{14, 1}, {15, 1}})
                         << QStringList{"Flash – błąd sumy kontrolnej"};
    QTest::newRow("RLA dashes") << 0xC0 << hex("0000010100")
                                << QStringList{"Linia kontrolna LK2- zwarcie",
                                               "Linia kontrolna LK2– przerwa"};
    QTest::newRow("RLH") << 0x80 << hex("00000100")
                         << QStringList{"Linia kontrolna LK2 – zwarcie"};
    QTest::newRow("PSV unaccented") << 0xB0 << bytesWith(16, {{1, 1}, {14, 1}})
                                    << QStringList{"Niskie napiecie baterii akumulatorów",
                                                   "Flash – błąd sumy kontrolnej"};
    QTest::newRow("PSV beyond the table") << 0xB0 << bytesWith(18, {{16, 1}})
                                          << QStringList{QString()};
}

void TestModules::faults()
{
    QFETCH(int, type);
    QFETCH(QByteArray, block);
    QFETCH(QStringList, faults);

    initStartupTables();
    auto module = makeModule(type);
    module->setFaultBytes(block);
    QCOMPARE(module->getFaults(), faults);
}

void TestModules::faultText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("PSB removed") << 0xE0 << 0x99 << "Zapis nowej konfiguracji USUNIĘTE";
    QTest::newRow("PSB 0x83") << 0xE0 << 0x83 << "Brak podłączonych akumulatorów USUNIĘTE";
    QTest::newRow("PSR 15") << 0x83 << 0x0F << "15";
    QTest::newRow("PSR no entry") << 0x83 << 0x10 << "";
    QTest::newRow("ACL removed") << 0xD0 << 0x80 << "Brak komunikacji z modułem ACL USUNIĘTE";
    QTest::newRow("CTM two blanks") << 0xA0 << 0x80 << "LNM nr 1 – brak łączności  USUNIĘTE";
    QTest::newRow("CTM number") << 0xA0 << 0x95 << "21 USUNIĘTE";
    QTest::newRow("CTM trailing blank")
            << 0xA0 << 0x14 << "Kalendarz - Brak synchronizacji zegara ";
    QTest::newRow("LNM") << 0x90 << 0x8F << "Wyjście główne – bezpiecznik USUNIĘTE";
    QTest::newRow("RLA") << 0xC0 << 0x85 << "Przekaźnik PK2 – brak ciągłości USUNIĘTE";
    QTest::newRow("RLH") << 0x80 << 0x8E << "Flash – błąd sumy kontrolnej USUNIĘTE";
    QTest::newRow("PSV") << 0xB0 << 0x83 << "Brak baterii akumulatorów USUNIĘTE";
    QTest::newRow("PSL") << 0xF0 << 0x0B << "Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) ";
    QTest::newRow("unknown type: generic table") << 0x12 << 23 << "Start systemu / reset";
}

void TestModules::faultText()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, text);

    initStartupTables();
    auto module = makeModule(type);
    QCOMPARE(::faultText(type, quint8(code)), text);
}

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"
