#include "config/konfiguracja.h"
#include "config/modul.h"
#include "config/modulefactory.h"
#include "config/optionlists.h"
#include "config/setting.h"
#include "modules/sca.h"
#include "modules/scb.h"
#include "modules/scc.h"
#include "modules/scd.h"
#include "modules/sce.h"
#include "modules/scf.h"
#include "modules/scg.h"
#include "modules_support.h"

#include <QtTest>

#include <memory>

namespace {

using ModulePtr = std::unique_ptr<Modul>;
using ModulesTest::hex;
using ModulesTest::makeModule;

// `size` zero bytes with the given offsets set to 1.
QByteArray bytesWithOnes(int size, const QList<int> &ones)
{
    QByteArray bytes(size, '\0');
    for (int offset : ones)
        bytes[offset] = 1;
    return bytes;
}

// A payload whose every byte is non-zero, kept clear of the type codes 0x45 to 0x57 so that the
// image's length self-check never takes a payload byte for the start of the next record.
QByteArray busyPayload(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(1 + (i * 7) % 63);
    return bytes;
}

// Everything a setting row fixes, in one comparable line.
QString describe(const Setting *setting)
{
    return QStringLiteral("@%1+%2 #%3 kind %4 %5..%6 =%7 id %8 %9 list %10 [%11]")
            .arg(setting->getOffset())
            .arg(setting->getSize())
            .arg(setting->getIndex())
            .arg(setting->getKind())
            .arg(setting->getMinimum())
            .arg(setting->getMaximum())
            .arg(setting->getValue())
            .arg(setting->getId())
            .arg(setting->isEditable() ? QStringLiteral("rw") : QStringLiteral("ro"))
            .arg(setting->getOptionListId())
            .arg(setting->getComment());
}

struct ModuleCase
{
    const char *tag;
    int type;
    int number;
};

const ModuleCase allModules[] = {
    {"SCA nr 1", 0x57, 1}, {"SCB nr 1", 0x55, 1}, {"SCB nr 2", 0x55, 2}, {"SCC nr 1", 0x56, 1},
    {"SCD nr 1", 0x50, 1}, {"SCE nr 1", 0x53, 1}, {"SCF nr 3", 0x45, 3}, {"SCG nr 1", 0x51, 1},
};

void addModuleColumns()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
}

} // namespace

class TestScModules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void faultTablesFilledAtStartupAndOnConstruction();
    void cleanup();

    void freshModule_data();
    void freshModule();
    void settingRows_data();
    void settingRows();
    void decode_data();
    void decode();
    void declaration_data();
    void declaration();
    void faults_data();
    void faults();
    void faultText_data();
    void faultText();
    void roundTrip_data();
    void roundTrip();
    void imageRoundTrip_data();
    void imageRoundTrip();
    void scbTwoByteLength_data();
    void scbTwoByteLength();
    void scbCutToUnitLength();
    void configTable();
};

void TestScModules::initTestCase()
{
    buildOptionLists();
    initFaultTextTables();
}

// The tables are filled at start-up, so event-log texts exist before any module is built; the
// constructors fill them again with the same entries. This runs before any other test function
// creates a module.
void TestScModules::faultTablesFilledAtStartupAndOnConstruction()
{
    QVERIFY(!::faultText(0x57, 17).isEmpty());
    const FaultTextTable atStartup = SCA::faultTexts();
    for (const ModuleCase &module : allModules)
        makeModule(module.type, module.number);
    QCOMPARE(SCA::faultTexts(), atStartup);
    QCOMPARE(SCA::faultTexts().size(), 33);
    QCOMPARE(SCB::faultTexts().size(), 110);
    QCOMPARE(SCC::faultTexts().size(), 32);
    QCOMPARE(SCD::faultTexts().size(), 18);
    QCOMPARE(SCE::faultTexts().size(), 8);
    QCOMPARE(SCF::faultTexts().size(), 32);
    QCOMPARE(SCG::faultTexts().size(), 12);

    // A second construction rewrites the same entries.
    const FaultTextTable before = SCB::faultTexts();
    makeModule(0x55, 5);
    QCOMPARE(SCB::faultTexts(), before);
}

void TestScModules::cleanup()
{
    SCA::resetDataLength();
    SCB::resetDataLength();
    SCC::resetDataLength();
    SCD::resetDataLength();
    SCE::resetDataLength();
    SCF::resetDataLength();
    SCG::resetDataLength();
}

void TestScModules::freshModule_data()
{
    addModuleColumns();
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("settingCount");
    QTest::addColumn<QByteArray>("payload");

    // The signal-type settings default to 1, everything else to 0.
    const QList<int> scbSignalTypes = {69,  92,  115, 138, 161, 186, 211, 236,
                                       261, 286, 304, 321, 338, 355, 372, 389};
    const QList<int> scbZones = {2,   11,  20,  29,  38,  47,  56,  79,  102, 125, 148,
                                 173, 198, 223, 248, 273, 298, 315, 332, 349, 366, 383};

    QTest::newRow("SCA: the declaration adds no byte")
            << 0x57 << 1 << "SCA" << 56 << QByteArray(63, '\0');
    QTest::newRow("SCB nr 1: fixed declaration, zone 1")
            << 0x55 << 1 << "SCB" << 304 << bytesWithOnes(400, QList<int>{0} + scbSignalTypes);
    QTest::newRow("SCB nr 2: free declaration, zone 2")
            << 0x55 << 2 << "SCB" << 304 << bytesWithOnes(400, scbSignalTypes + scbZones);
    QTest::newRow("SCC") << 0x56 << 1 << "SCC" << 2 << hex("0000");
    QTest::newRow("SCD") << 0x50 << 1 << "SCD" << 66 << bytesWithOnes(86, {8, 25, 60, 76});
    QTest::newRow("SCE") << 0x53 << 1 << "SCE" << 54 << bytesWithOnes(70, {8, 25, 42, 59});
    QTest::newRow("SCF") << 0x45 << 2 << "SCF" << 2 << hex("0000");
    QTest::newRow("SCG") << 0x51 << 1 << "SCG" << 50 << bytesWithOnes(66, {8, 24, 40, 56});
}

void TestScModules::freshModule()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(int, settingCount);
    QFETCH(QByteArray, payload);

    ModulePtr module = makeModule(type, number);
    QVERIFY(module);
    QCOMPARE(module->getType(), type);
    QCOMPARE(module->getName(), name);
    QCOMPARE(moduleName(type), name);
    QCOMPARE(module->getDescription(), QStringLiteral("Moduł Główny Sterowania"));
    QCOMPARE(module->getNumber(), quint8(number));
    QCOMPARE(module->getSettings().size(), settingCount);
    QCOMPARE(module->toByteArray().toHex(), payload.toHex());
}

void TestScModules::settingRows_data()
{
    addModuleColumns();
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("row");

    // SCA: two id-0 rows at index 0; the first zone is indented, the second is not.
    QTest::newRow("SCA declaration")
            << 0x57 << 1 << 0 << "Deklaracja modułu"
            << "@0+0 #0 kind 1 1..1 =1 id 0 ro list 0 [Moduł aktywny / nieaktywny]";
    QTest::newRow("SCA retry shares id 0")
            << 0x57 << 1 << 1 << "Automatyczne ponawianie włączenia urządzeń alarmowych"
            << "@0+1 #0 kind 4 0..1 =0 id 0 rw list 34 [...]";
    QTest::newRow("SCA zone 1 reset blocking in minutes")
            << 0x57 << 1 << 5 << "    Strefa 1 - Czas blokowania kasowania alarmu"
            << "@7+2 #4 kind 5 0..1800 =0 id 70 rw list 0 [...]";
    QTest::newRow("SCA zone 1 discharge signalling")
            << 0x57 << 1 << 6
            << "    Strefa 1 - Sygnalizacja wyładowania na podstawie sygnału w strefie 1"
            << "@9+1 #5 kind 4 0..1 =0 id 72 rw list 33 [...]";
    QTest::newRow("SCA zone 1 more zones: list 34")
            << 0x57 << 1 << 7 << "    Strefa 1 - Wyładowanie do więcej niż 1 strefy"
            << "@10+1 #6 kind 4 0..2 =0 id 72 rw list 34 [...]";
    QTest::newRow("SCA zone 1 last") << 0x57 << 1 << 28
                                     << "    Strefa 1 - Linia Dozorowa - L16 należy do grupy 3"
                                     << "@31+1 #27 kind 4 0..1 =0 id 3 rw list 31 [...]";
    QTest::newRow("SCA zone 2 T1 id 2") << 0x57 << 1 << 29
                                        << "Strefa 2 - Czas opóźnienia alarmu 2 stopnia - T1"
                                        << "@32+2 #28 kind 3 0..600 =0 id 2 rw list 0 [...]";
    QTest::newRow("SCA zone 2 evacuation id 69")
            << 0x57 << 1 << 31 << "Strefa 2 - Czas ewakuacji Tewak."
            << "@36+2 #30 kind 3 0..60 =0 id 69 rw list 0 [...]";
    QTest::newRow("SCA zone 2 discharge signalling: trailing blank")
            << 0x57 << 1 << 33
            << "Strefa 2 - Sygnalizacja wyładowania na podstawie sygnału w strefie 2 "
            << "@40+1 #32 kind 4 0..1 =0 id 72 rw list 33 [...]";
    QTest::newRow("SCA zone 2 more zones: list 35")
            << 0x57 << 1 << 34 << "Strefa 2 - Wyładowanie do więcej niż 1 strefy"
            << "@41+1 #33 kind 4 0..2 =0 id 72 rw list 35 [...]";
    QTest::newRow("SCA last") << 0x57 << 1 << 55
                              << "Strefa 2 - Linia Dozorowa - L16 należy do grupy 3"
                              << "@62+1 #54 kind 4 0..1 =0 id 3 rw list 31 [...]";

    // SCB: number-dependent head and zones, irregular ids of the control lines, lists 50 to 53.
    QTest::newRow("SCB nr 1 declaration")
            << 0x55 << 1 << 0 << "Deklaracja modułu"
            << "@0+1 #0 kind 1 1..1 =1 id 0 ro list 0 [Moduł aktywny / nieaktywny]";
    QTest::newRow("SCB nr 2 declaration")
            << 0x55 << 2 << 0 << "Deklaracja modułu"
            << "@0+1 #0 kind 1 0..1 =0 id 0 rw list 0 [Moduł aktywny / nieaktywny]";
    QTest::newRow("SCB address: list 51") << 0x55 << 1 << 1 << "Adres modułu"
                                          << "@1+1 #1 kind 4 0..7 =0 id 1 rw list 51 [...]";
    QTest::newRow("SCB L1 declaration") << 0x55 << 1 << 3 << "L1 - Deklaracja Linii kontrolnej"
                                        << "@3+1 #3 kind 4 0..1 =0 id 2 rw list 17 [...]";
    QTest::newRow("SCB L2 zone nr 2") << 0x55 << 2 << 9 << "    L2 - Numer strefy"
                                      << "@11+1 #9 kind 4 0..3 =1 id 8 rw list 16 [...]";
    QTest::newRow("SCB L2 declaration spelling")
            << 0x55 << 1 << 10 << "    L2 - Deklaracja linii kontrolnej"
            << "@12+1 #10 kind 4 0..1 =0 id 9 rw list 17 [...]";
    QTest::newRow("SCB L5 delay Y: id 35")
            << 0x55 << 1 << 36 << "L5 - Linia Kontrolna - Opóźnienie Y"
            << "@45+2 #36 kind 3 0..1000 =0 id 35 rw list 0 [...]";
    QTest::newRow("SCB L6 zone: id 36") << 0x55 << 1 << 37 << "    L6 - Numer strefy"
                                        << "@47+1 #37 kind 4 0..3 =0 id 36 rw list 16 [...]";
    QTest::newRow("SCB L6 declaration: id 37")
            << 0x55 << 1 << 38 << "    L6 - Deklaracja Linii kontrolnej"
            << "@48+1 #38 kind 4 0..1 =0 id 37 rw list 17 [...]";
    QTest::newRow("SCB L6 state: id 3") << 0x55 << 1 << 40 << "    L6 - Linia Kontrolna - Stan"
                                        << "@50+1 #40 kind 4 0..6 =0 id 3 rw list 22 [...]";
    QTest::newRow("SCB L7 declaration: list 24")
            << 0x55 << 1 << 45 << "L7 - Deklaracja wyjścia/wejścia"
            << "@57+1 #45 kind 4 0..3 =0 id 2 rw list 24 [...]";
    QTest::newRow("SCB L7 logic: list 50") << 0x55 << 1 << 54 << "L7 - Linia Potencjałowa - Logika"
                                           << "@68+1 #54 kind 4 0..1 =0 id 3 rw list 50 [...]";
    QTest::newRow("SCB L7 signal type")
            << 0x55 << 1 << 55 << "L7 - Linia Potencjałowa - Typ sygnału włączenia wyjścia"
            << "@69+1 #55 kind 4 1..4 =1 id 3 rw list 28 [...]";
    QTest::newRow("SCB L9 declaration: list 39")
            << 0x55 << 1 << 79 << "L9 - Deklaracja wyjścia/wejścia"
            << "@103+1 #79 kind 4 0..5 =0 id 2 rw list 39 [...]";
    QTest::newRow("SCB L11 declaration: list 40")
            << 0x55 << 1 << 113 << "L11 - Deklaracja wyjścia/wejścia"
            << "@149+1 #113 kind 4 0..5 =0 id 2 rw list 40 [...]";
    QTest::newRow("SCB L11 pre-reset: list 52")
            << 0x55 << 1 << 129 << "L11 - Linia Dozorowa - Wstępne kasowanie"
            << "@171+1 #129 kind 4 0..3 =0 id 3 rw list 52 [...]";
    QTest::newRow("SCB L16 last") << 0x55 << 1 << 225 << "    L16 - Linia Dozorowa - Opóźnienie"
                                  << "@297+1 #225 kind 4 0..1 =0 id 3 rw list 29 [...]";
    QTest::newRow("SCB PK1 zone nr 2") << 0x55 << 2 << 226 << "PK1 - numer strefy"
                                       << "@298+1 #226 kind 4 0..3 =1 id 1 rw list 16 [...]";
    QTest::newRow("SCB PK2 declaration")
            << 0x55 << 1 << 240 << "    PK2 - Deklaracja linii bezpotencjałowej"
            << "@316+1 #240 kind 4 0..4 =0 id 2 rw list 38 [...]";
    QTest::newRow("SCB last: list 53")
            << 0x55 << 1 << 303 << "    PK6 - Linia bezpotencjałowa - Kontrola ciągłości"
            << "@399+1 #303 kind 4 0..1 =0 id 3 rw list 53 [...]";

    QTest::newRow("SCC declaration")
            << 0x56 << 4 << 0 << "Deklaracja modułu"
            << "@0+1 #0 kind 1 0..1 =0 id 0 rw list 0 [Moduł aktywny / nieaktywny]";
    QTest::newRow("SCF address") << 0x45 << 1 << 1 << "Adres modułu"
                                 << "@1+1 #1 kind 4 0..7 =0 id 1 rw list 51 [...]";

    QTest::newRow("SCD PK2 continuity")
            << 0x50 << 1 << 27 << "    PK2 - Linia bezpotencjałowa - Kontrola ciągłości"
            << "@35+1 #27 kind 4 0..1 =0 id 3 rw list 53 [...]";
    QTest::newRow("SCD L3 zone: id 15") << 0x50 << 1 << 28 << "L3 - numer strefy"
                                        << "@36+1 #28 kind 4 0..3 =0 id 15 rw list 16 [...]";
    QTest::newRow("SCD L4 delay Y: id 21") << 0x50 << 2 << 41 << "    L4 - Opóźnienie Y"
                                           << "@52+2 #41 kind 3 0..1000 =0 id 21 rw list 0 [...]";
    QTest::newRow("SCD L5 declaration: list 37")
            << 0x50 << 1 << 43 << "L5 - Deklaracja linii potencjałowej"
            << "@55+1 #43 kind 4 0..3 =0 id 2 rw list 37 [...]";
    QTest::newRow("SCD last") << 0x50 << 1 << 65
                              << "    L6 - Linia Potencjałowa - Liczba impulsów N-imp"
                              << "@85+1 #65 kind 2 0..99 =0 id 3 rw list 0 [...]";

    QTest::newRow("SCE last") << 0x53 << 1 << 53
                              << "    PK4 - Linia bezpotencjałowa - Kontrola ciągłości"
                              << "@69+1 #53 kind 4 0..1 =0 id 3 rw list 53 [...]";

    QTest::newRow("SCG L2 zone") << 0x51 << 1 << 14 << "    L2 - numer strefy"
                                 << "@18+1 #14 kind 4 0..3 =0 id 1 rw list 16 [...]";
    QTest::newRow("SCG last") << 0x51 << 1 << 49
                              << "    L4 - Linia Potencjałowa - Liczba impulsów N-imp"
                              << "@65+1 #49 kind 2 0..99 =0 id 3 rw list 0 [...]";
}

void TestScModules::settingRows()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, row);

    ModulePtr module = makeModule(type, number);
    const Setting *setting = module->getSetting(position);
    QVERIFY(setting);
    QCOMPARE(setting->getName(), name);
    QCOMPARE(describe(setting), row);
}

void TestScModules::decode_data()
{
    addModuleColumns();
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("position");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");

    QByteArray sca(63, '\0');
    sca[7] = 0x07;
    sca[8] = 0x08;
    QTest::newRow("SCA reset blocking 07 08 is 30 minutes")
            << 0x57 << 1 << sca << 5 << quint32(1800) << "30m";
    sca[32] = 0x02;
    sca[33] = 0x58;
    QTest::newRow("SCA zone 2 T1 at its limit") << 0x57 << 1 << sca << 29 << quint32(600)
                                                << " 0g:10m: 0s";
    QTest::newRow("SCA declaration keeps 1 on an empty payload")
            << 0x57 << 1 << QByteArray() << 0 << quint32(1) << "Tak";
    QTest::newRow("SCA retry on an empty payload reads 0")
            << 0x57 << 1 << QByteArray() << 1 << quint32(0) << "0 - Strefa 1";

    const QByteArray ones(400, '\x01');
    QTest::newRow("SCB 399 bytes: last setting reads 0")
            << 0x55 << 1 << ones.left(399) << 303 << quint32(0) << "";
    QTest::newRow("SCB 399 bytes: the one before is read")
            << 0x55 << 1 << ones.left(399) << 302 << quint32(1) << "1";
    QByteArray scb(400, '\0');
    scb[4] = 11;
    scb[78] = 99;
    scb[79] = 2;
    scb[158] = 14;
    scb[171] = 1;
    QTest::newRow("SCB input function 11: past list 21")
            << 0x55 << 1 << scb << 4 << quint32(11) << "";
    QTest::newRow("SCB L8 zone") << 0x55 << 2 << scb << 61 << quint32(2) << "2 - Strefa 1 + 2";
    QTest::newRow("SCB criterion 1 = 14: past list 25")
            << 0x55 << 1 << scb << 120 << quint32(14) << "";
    QTest::newRow("SCB pre-reset: list 52 is absent")
            << 0x55 << 1 << scb << 129 << quint32(1) << "";
    QTest::newRow("SCB nr 2 zone reads 0 from a zero payload")
            << 0x55 << 2 << QByteArray(400, '\0') << 2 << quint32(0) << "0 - Strefa 1";

    QTest::newRow("SCC 01 05: address 5 without a list")
            << 0x56 << 1 << hex("0105") << 1 << quint32(5) << "";

    QByteArray scd(86, '\0');
    scd[52] = 0x03;
    scd[53] = 0xE8;
    QTest::newRow("SCD L4 delay Y across 52 and 53")
            << 0x50 << 1 << scd << 41 << quint32(1000) << " 0g:16m:40s";

    QByteArray sce(70, '\0');
    sce[25] = 4;
    QTest::newRow("SCE PK2 signal type") << 0x53 << 1 << sce << 21 << quint32(4)
                                         << "4 - cykliczny skończony";

    const QByteArray scg = QByteArray(66, '\x05');
    QTest::newRow("SCG 66 bytes: last read") << 0x51 << 1 << scg << 49 << quint32(5) << "5";
    QTest::newRow("SCG 65 bytes: last reads 0")
            << 0x51 << 1 << scg.left(65) << 49 << quint32(0) << "0";
    QTest::newRow("SCG L1 Ton 05 05") << 0x51 << 1 << scg << 9 << quint32(0x0505)
                                      << " 0g:21m:25s";
}

void TestScModules::decode()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QByteArray, payload);
    QFETCH(int, position);
    QFETCH(quint32, value);
    QFETCH(QString, text);

    ModulePtr module = makeModule(type, number);
    QCOMPARE(module->parse(payload), 0);
    const Setting *setting = module->getSetting(position);
    QVERIFY(setting);
    QCOMPARE(setting->getValue(), value);
    QCOMPARE(setting->getValueText(), text);
}

void TestScModules::declaration_data()
{
    addModuleColumns();
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("declared");

    QTest::newRow("SCA: size-0 declaration is always set") << 0x57 << 1 << QByteArray() << true;
    QTest::newRow("SCB nr 1") << 0x55 << 1 << QByteArray(400, '\0') << false;
    QTest::newRow("SCB nr 2 fresh") << 0x55 << 2 << QByteArray() << false;
    QTest::newRow("SCC 01 05") << 0x56 << 1 << hex("0105") << true;
    QTest::newRow("SCD fresh") << 0x50 << 1 << QByteArray() << false;
    QTest::newRow("SCE fresh") << 0x53 << 1 << QByteArray() << false;
    QTest::newRow("SCF 01") << 0x45 << 1 << hex("01") << true;
    QTest::newRow("SCG fresh") << 0x51 << 1 << QByteArray() << false;
}

// isDeclared/setDeclared act on the first id-0 setting only: for SCA the declaration, never the
// retry setting that shares its id.
void TestScModules::declaration()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QByteArray, payload);
    QFETCH(bool, declared);

    ModulePtr module = makeModule(type, number);
    if (!payload.isNull())
        module->parse(payload);
    QCOMPARE(module->isDeclared(), declared);

    for (Setting *setting : module->getSettings())
        setting->setValue(setting->getMinimum() + 1);
    const QByteArray before = module->toByteArray();
    module->setDeclared(!declared);
    QCOMPARE(module->isDeclared(), !declared);
    QCOMPARE(module->getSetting(0)->getValue(), quint32(declared ? 0 : 1));
    for (int i = 1; i < module->getSettings().size(); ++i)
        QCOMPARE(module->getSetting(i)->getValue(), module->getSetting(i)->getMinimum() + 1);
    if (module->getSetting(0)->getSize() == 0)
        QCOMPARE(module->toByteArray(), before);
}

void TestScModules::faults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("faults");

    QTest::newRow("SCA last of 33 bytes is never examined")
            << 0x57 << bytesWithOnes(33, {32}) << QStringList();
    QTest::newRow("SCA fuse in SCB nr 1")
            << 0x57 << bytesWithOnes(33, {15}) << QStringList{"brak zasil za B=6,3A w SCBnr1"};
    QTest::newRow("SCA unaccented texts in order")
            << 0x57 << bytesWithOnes(34, {0, 11, 13, 32})
            << QStringList{"brak wyplywu srodka ganiczego - strefa 1",
                           "obnizenie napiecia akumulatorów",
                           "uszkodzenie 24V na magistrali B0-Can.A,",
                           "uszkodzenie systemowe modułu nmoduł nr 8"};
    QTest::newRow("SCA index past the table adds an empty text")
            << 0x57 << bytesWithOnes(40, {33}) << QStringList{QString()};
    QTest::newRow("SCB trailing blanks kept")
            << 0x55 << bytesWithOnes(111, {59, 69, 99})
            << QStringList{"L12 - brak stanu aktywnego Y urządz. zewn. ",
                           "L14 - brak stanu aktywnego Y urządz. zewn.  ",
                           "L20 - ---       "};
    QTest::newRow("SCB pattern texts, relays as L17 to L22")
            << 0x55 << bytesWithOnes(111, {0, 42, 81, 109})
            << QStringList{"L1 - przerwa", "L9 - przeciążenie lub brak wysterowania", "L17 - ---",
                           "L22 - ---"};
    QTest::newRow("SCC: CTM texts") << 0x56 << hex("00000100")
                                    << QStringList{"LNM nr 3 – brak łączności "};
    QTest::newRow("SCC third byte is the last") << 0x56 << hex("000001") << QStringList();
    QTest::newRow("SCF: numbers as texts")
            << 0x45 << bytesWithOnes(33, {21, 29, 31})
            << QStringList{"21", "29", "Wersja oprogramowania"};
    QTest::newRow("SCD L3 break")
            << 0x50 << bytesWithOnes(18, {4}) << QStringList{"L3 - przerwa LK 1"};
    QTest::newRow("SCE byte 7 is the last")
            << 0x53 << bytesWithOnes(8, {6, 7})
            << QStringList{"L4 - brak ciągłości obwodu styków PK 4"};
    QTest::newRow("SCE repeated L2 texts")
            << 0x53 << bytesWithOnes(9, {1, 5, 7})
            << QStringList{"L2 - przeciążenie lub brak wysterowania",
                           "L2 - przeciążenie lub brak wysterowania", "L2 - brak wysterowania"};
    QTest::newRow("SCG") << 0x51 << bytesWithOnes(13, {0, 11})
                         << QStringList{"L1 - przerwa", "L4 - przeciążenie lub brak wysterowania"};
}

void TestScModules::faults()
{
    QFETCH(int, type);
    QFETCH(QByteArray, block);
    QFETCH(QStringList, faults);

    ModulePtr module = makeModule(type, 1);
    module->setFaultBytes(block);
    QCOMPARE(module->getFaults(), faults);
}

void TestScModules::faultText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("SCA 17") << 0x57 << 17 << "moduł nr 1 nie odpowiada";
    QTest::newRow("SCA 0x91: whole code, no removal mark") << 0x57 << 0x91 << "";
    QTest::newRow("SCA 32") << 0x57 << 32 << "uszkodzenie systemowe modułu nmoduł nr 8";
    QTest::newRow("SCA 33 past the table") << 0x57 << 33 << "";
    QTest::newRow("SCB 80") << 0x55 << 80 << "L17 - brak ciągłości obwodu styków PK 1";
    QTest::newRow("SCB 0xAC removed") << 0x55 << 0xAC << "L9 - brak stanu aktywnego Y USUNIĘTE";
    QTest::newRow("SCB 84 two blanks") << 0x55 << 84 << "L17 - ---  ";
    QTest::newRow("SCB 89 two dashes") << 0x55 << 89 << "L18 - --  ";
    QTest::newRow("SCB 94 one blank") << 0x55 << 94 << "L19 - --- ";
    QTest::newRow("SCB 98 full stop") << 0x55 << 98 << "L20 - ---.";
    QTest::newRow("SCB 74") << 0x55 << 74 << "L15 - brak stanu aktywnego Y urządz. zewn. ";
    QTest::newRow("SCB 110 past the table") << 0x55 << 110 << "";
    QTest::newRow("SCC 0x80: two blanks before the mark")
            << 0x56 << 0x80 << "LNM nr 1 – brak łączności  USUNIĘTE";
    QTest::newRow("SCF 0x95") << 0x45 << 0x95 << "21 USUNIĘTE";
    QTest::newRow("SCD 0x90") << 0x50 << 0x90 << "L6 - zwarcie USUNIĘTE";
    QTest::newRow("SCE 7 only through the event log") << 0x53 << 7 << "L2 - brak wysterowania";
    QTest::newRow("SCG 0x8B") << 0x51 << 0x8B << "L4 - przeciążenie lub brak wysterowania USUNIĘTE";
}

void TestScModules::faultText()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, text);

    // The extinguishing types fill their tables when a module of the type is built.
    makeModule(type, 1);
    QCOMPARE(::faultText(type, quint8(code)), text);
}

void TestScModules::roundTrip_data()
{
    addModuleColumns();
    QTest::addColumn<int>("size");

    QTest::newRow("SCA") << 0x57 << 1 << 63;
    QTest::newRow("SCB nr 1") << 0x55 << 1 << 400;
    QTest::newRow("SCB nr 2") << 0x55 << 2 << 400;
    QTest::newRow("SCC") << 0x56 << 1 << 2;
    QTest::newRow("SCD") << 0x50 << 1 << 86;
    QTest::newRow("SCE") << 0x53 << 1 << 70;
    QTest::newRow("SCF") << 0x45 << 1 << 2;
    QTest::newRow("SCG") << 0x51 << 1 << 66;
}

// Serialising ignores offsets, so any row whose offset disagrees with the list order, or any gap,
// shows up here as a changed byte.
void TestScModules::roundTrip()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, size);

    const QByteArray payload = busyPayload(size);
    ModulePtr module = makeModule(type, number);
    module->parse(payload);
    for (const Setting *setting : module->getSettings()) {
        if (setting->getSize() > 0)
            QVERIFY2(setting->getValue() != 0, qPrintable(setting->getName()));
    }
    QCOMPARE(module->toByteArray().toHex(), payload.toHex());
}

void TestScModules::imageRoundTrip_data()
{
    QTest::addColumn<int>("source");
    QTest::newRow("store form") << int(Konfiguracja::FromDatabase);
    QTest::newRow("unit form") << int(Konfiguracja::FromDevice);
}

// Every extinguishing type in one image, the two-byte SCB record in the middle.
void TestScModules::imageRoundTrip()
{
    QFETCH(int, source);
    const auto form = Konfiguracja::ConfigSource(source);

    QByteArray image(1, char(std::size(allModules)));
    for (const ModuleCase &module : allModules) {
        const int size = int(makeModule(module.type, module.number)->toByteArray().size());
        image.append(char(module.type));
        image.append(char(module.number));
        if (module.type == Konfiguracja::TwoByteLengthType)
            image.append(char(size >> 8));
        image.append(char(size & 0xFF));
        image.append(busyPayload(size));
    }
    if (form == Konfiguracja::FromDatabase)
        image.append('\0');

    Konfiguracja config;
    QVERIFY(config.parse(image, form));
    QCOMPARE(config.getModules().size(), int(std::size(allModules)));
    for (int i = 0; i < int(std::size(allModules)); ++i) {
        QCOMPARE(config.getModule(i)->getType(), allModules[i].type);
        QCOMPARE(int(config.getModule(i)->getNumber()), allModules[i].number);
    }
    QCOMPARE(config.toByteArray(form).toHex(), image.toHex());
}

void TestScModules::scbTwoByteLength_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("source");
    QTest::addColumn<QByteArray>("header");

    QTest::newRow("nr 1, store form") << 1 << int(Konfiguracja::FromDatabase) << hex("0155010190");
    QTest::newRow("nr 1, unit form") << 1 << int(Konfiguracja::FromDevice) << hex("0155010190");
    QTest::newRow("nr 2, store form") << 2 << int(Konfiguracja::FromDatabase) << hex("0155020190");
    QTest::newRow("nr 2, unit form") << 2 << int(Konfiguracja::FromDevice) << hex("0155020190");
}

void TestScModules::scbTwoByteLength()
{
    QFETCH(int, number);
    QFETCH(int, source);
    QFETCH(QByteArray, header);
    const auto form = Konfiguracja::ConfigSource(source);
    const QByteArray tail = form == Konfiguracja::FromDatabase ? hex("00") : QByteArray();

    // A fresh SCB serialises with the 400-byte length in two bytes.
    Konfiguracja fresh;
    const QByteArray freshImage = header + makeModule(0x55, number)->toByteArray() + tail;
    QVERIFY(fresh.parse(freshImage, form));
    QCOMPARE(fresh.toByteArray(form).toHex(), freshImage.toHex());

    // An SCB followed by an SCA: the record after the long payload is found where it begins.
    QByteArray image = header + busyPayload(400) + hex("570103") + hex("3f0102") + tail;
    image[0] = 2;
    Konfiguracja config;
    QVERIFY(config.parse(image, form));
    QCOMPARE(config.getModules().size(), 2);
    Modul *scb = config.getModule(0);
    QCOMPARE(scb->getType(), 0x55);
    QCOMPARE(scb->getSetting(303)->getValue(), quint32(quint8(busyPayload(400).at(399))));
    QCOMPARE(config.getModule(1)->getType(), 0x57);
    QCOMPARE(config.getModule(1)->getSetting(1)->getValue(), quint32(0x3f));
    QCOMPARE(config.getModule(1)->getSetting(2)->getValue(), quint32(0x0102));
    if (form == Konfiguracja::FromDevice)
        QCOMPARE(scb->getDataLength(), 400);

    // The store keeps the whole SCA payload; the unit gets each module cut to the length it
    // reported, which gives the image back unchanged.
    QByteArray expected = image;
    if (form == Konfiguracja::FromDatabase) {
        expected = header + busyPayload(400) + hex("57013f") + hex("3f0102")
                + QByteArray(60, '\0') + tail;
        expected[0] = 2;
    }
    QCOMPARE(config.toByteArray(form).toHex(), expected.toHex());
}

// A unit that reports 258 bytes of SCB gets 258 back, the length high byte first (01 02), while
// the store keeps all 400 bytes.
void TestScModules::scbCutToUnitLength()
{
    const QByteArray payload = busyPayload(258);
    Konfiguracja config;
    QVERIFY(config.parse(hex("0155010102") + payload, Konfiguracja::FromDevice));
    QCOMPARE(config.getModule(0)->getDataLength(), 258);

    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice).toHex(),
             (hex("0155010102") + payload).toHex());
    const QByteArray stored = config.toByteArray(Konfiguracja::FromDatabase);
    QCOMPARE(stored.left(5).toHex(), QByteArray("0155010190"));
    QCOMPARE(stored.size(), 5 + 400 + 1);
    QCOMPARE(stored.mid(5, 258).toHex(), payload.toHex());
}

void TestScModules::configTable()
{
    ModulePtr module = makeModule(0x57, 1);
    QByteArray payload(63, '\0');
    payload[7] = 0x07;
    payload[8] = 0x08;
    module->parse(payload);
    const QString html = module->configToHtml();
    QVERIFY(html.startsWith(QStringLiteral("<H3>Moduł: SCA, Moduł Główny Sterowania ,nr 1</H3>")));
    QVERIFY(html.contains(
            QStringLiteral("<tr><td> 1</td><td> Deklaracja modułu</td><td> Tak</td></tr>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td> 6</td><td>     Strefa 1 - Czas blokowania "
                                         "kasowania alarmu</td><td> 30m</td></tr>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td> 56</td><td> Strefa 2 - Linia Dozorowa - L16 "
                                         "należy do grupy 3</td><td> 0 - Nie</td></tr></table >")));
}

QTEST_GUILESS_MAIN(TestScModules)
#include "tst_scmodules.moc"
