#include "modules_support.h"

#include "config/enumlist.h"
#include "config/konfiguracja.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace ModulesTest;

namespace {

// The module's own texts, then everything a setting row fixes, one line per setting in list
// order: one recorded hash per module pins every name, comment, range, layout, id and list.
QStringList settingRows(Modul &module)
{
    QStringList rows{module.getName(), module.getDescription()};
    for (const Setting *s : module.getSettings()) {
        QStringList fields{s->getName(), s->getComment()};
        for (qint64 n : {qint64(s->getMinimum()), qint64(s->getMaximum()), qint64(s->getValue()),
                         qint64(s->getSize()), qint64(s->getOffset()), qint64(s->getIndex()),
                         qint64(s->getKind()), qint64(s->getId()), qint64(s->isEditable()),
                         qint64(s->getOptionListId())})
            fields << QString::number(n);
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

// Every event-log code of a type as the event log shows it, removal mark included.
QStringList faultRows(int type)
{
    QStringList rows;
    for (int code = 0; code < 256; ++code) {
        const QString text = ::faultText(type, quint8(code));
        if (!text.isEmpty())
            rows << QString::number(code) + QLatin1Char('=') + text;
    }
    return rows;
}

// The rows' hash; when it is not the recorded one the rows go to the log, so that a diff
// against a good build shows the changed setting or text.
QString fingerprint(const QStringList &rows, const QString &recorded)
{
    const QByteArray utf8 = rows.join(QLatin1Char('\n')).toUtf8();
    const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(utf8, QCryptographicHash::Sha1).toHex().left(12));
    if (hash != recorded)
        qInfo().noquote() << rows.join(QLatin1Char('\n'));
    return hash;
}

QByteArray ones(int size, std::initializer_list<int> offsets)
{
    QByteArray bytes(size, '\0');
    for (int offset : offsets)
        bytes[offset] = 1;
    return bytes;
}

} // namespace

class TestModules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void catalogue_data();
    void catalogue();
    void optionLists();
    void psbIsDefaultClearsPayload();
    void scbImage_data();
    void scbImage();

private:
    QHash<int, QStringList> m_startupFaults;
};

// The event log names faults of types no module may have been built for yet in this run, so
// every table is read here, straight after start-up and before the first module exists.
void TestModules::initTestCase()
{
    initStartupTables();
    for (int type = 0; type < 256; ++type)
        m_startupFaults.insert(type, faultRows(type));
}

// Number-dependent modules get a row per variant. The hashes were recorded from a reviewed
// build; a slip in any row of a module's tables changes its hash. The fault hash covers every
// event code of the type as the event log shows it, the removal mark included.
void TestModules::catalogue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("fresh");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("faults");

    const QByteArray scbSignals = ones(400, {69, 92, 115, 138, 161, 186, 211, 236, 261, 286, 304,
                                             321, 338, 355, 372, 389});
    QByteArray scb1 = scbSignals, scb2 = scbSignals;
    scb1[0] = 1;
    for (int zone : {2, 11, 20, 29, 38, 47, 56, 79, 102, 125, 148, 173, 198, 223, 248, 273, 298,
                     315, 332, 349, 366, 383})
        scb2[zone] = 1;

    QTest::newRow("PSL") << 0xF0 << 1 << 29 << QByteArray(77, '\0')
                         << "9a416400f417" << "ed0a03152320";
    QTest::newRow("PSB") << 0xE0 << 1 << 17 << QByteArray(32, '\0')
                         << "d6e041c3bb10" << "bb1dd6c7871b";
    QTest::newRow("PSR") << 0x83 << 1 << 1 << QByteArray() << "aa2fcff00bde" << "350710310df6";
    QTest::newRow("ACL") << 0xD0 << 1 << 1 << hex("00") << "e027d664dfa6" << "23ae4fad0d5b";
    QTest::newRow("CTM") << 0xA0 << 1 << 31 << ones(31, {5}) << "a9dd4ed83595" << "f94484258c55";
    QTest::newRow("LNM nr 1") << 0x90 << 1 << 31 << bytesWith(47, {{0, 1}, {1, 8}})
                              << "cc70d2a166b0" << "c6e0e3a01e1b";
    QTest::newRow("LNM nr 2") << 0x90 << 2 << 31 << bytesWith(47, {{1, 8}})
                              << "837c2ba0f44c" << "c6e0e3a01e1b";
    QTest::newRow("RLA") << 0xC0 << 1 << 37 << ones(63, {2, 21})
                         << "628f4b0b235d" << "ba2d2d22c1f5";
    QTest::newRow("RLH") << 0x80 << 1 << 37 << ones(63, {2}) << "2e65b8390100" << "7ec0d1e062ba";
    QTest::newRow("PSV nr 1") << 0xB0 << 1 << 1 << hex("01") << "79ebe05339a1" << "2f461aa259a7";
    QTest::newRow("PSV nr 3") << 0xB0 << 3 << 1 << hex("00") << "ab7b7c341a0e" << "2f461aa259a7";
    QTest::newRow("SCA") << 0x57 << 1 << 56 << QByteArray(63, '\0')
                         << "65bc875f57bb" << "270e14766043";
    QTest::newRow("SCB nr 1") << 0x55 << 1 << 304 << scb1 << "893941342274" << "3e2aeab548e1";
    QTest::newRow("SCB nr 2") << 0x55 << 2 << 304 << scb2 << "274f9d4f31af" << "3e2aeab548e1";
    QTest::newRow("SCC") << 0x56 << 1 << 2 << hex("0000") << "e89edba48694" << "f94484258c55";
    QTest::newRow("SCD") << 0x50 << 1 << 66 << ones(86, {8, 25, 60, 76})
                         << "de2a7463f698" << "d9462ceb4711";
    QTest::newRow("SCE") << 0x53 << 1 << 54 << ones(70, {8, 25, 42, 59})
                         << "9eb576ef2a37" << "aaa001a93d14";
    QTest::newRow("SCF") << 0x45 << 2 << 2 << hex("0000") << "f4b632705efa" << "f94484258c55";
    QTest::newRow("SCG") << 0x51 << 1 << 50 << ones(66, {8, 24, 40, 56})
                         << "8e2ae0c46c49" << "62624cbb39ae";
}

void TestModules::catalogue()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, count);
    QFETCH(QByteArray, fresh);
    QFETCH(QString, settings);
    QFETCH(QString, faults);

    QCOMPARE(fingerprint(m_startupFaults.value(type), faults), faults);
    auto module = makeModule(type, number);
    QVERIFY(module);
    QCOMPARE(module->getName(), moduleName(type));
    QCOMPARE(module->getSettings().size(), count);
    QCOMPARE(module->toByteArray().toHex(), fresh.toHex());
    QCOMPARE(fingerprint(settingRows(*module), settings), settings);
    // Construction fills the table again, with the same entries.
    QCOMPARE(fingerprint(faultRows(type), faults), faults);
    // The module's own fault list names each flag from that same table, in block order.
    QStringList listed;
    for (int code = 0; code < 0x80; ++code)
        listed << ::faultText(type, quint8(code));
    module->setFaultBytes(QByteArray(0x81, 1));
    QCOMPARE(module->getFaults(), listed);

    // Round trip: parsing ignores list order and serialising ignores offsets, so a row whose
    // offset disagrees with its place, a gap or an overlap changes a byte.
    const QByteArray payload = nonZeroBytes(fresh.size());
    QCOMPARE(module->parse(payload), 0);
    for (const Setting *setting : module->getSettings())
        QVERIFY2(!setting->getSize() || setting->getValue(), qPrintable(setting->getName()));
    QCOMPARE(module->toByteArray().toHex(), payload.toHex());
}

// Every option list's texts by key, as a setting shows its value: one recorded hash pins them
// all, and each setting's list is pinned by the catalogue's hashes.
void TestModules::optionLists()
{
    QStringList rows;
    for (int id = 0; id < 256; ++id) {
        const EnumList *list = EnumList::find(id);
        QList<int> keys = list ? list->texts().keys() : QList<int>();
        std::sort(keys.begin(), keys.end());
        for (int key : qAsConst(keys))
            rows << QStringLiteral("%1:%2=%3").arg(id).arg(key).arg(list->text(key));
    }
    QCOMPARE(fingerprint(rows, QStringLiteral("adf7615ca146")), QStringLiteral("adf7615ca146"));
}

void TestModules::psbIsDefaultClearsPayload()
{
    auto psb = makeModule(0xE0);
    psb->parse(nonZeroBytes(32));
    QVERIFY(psb->isDefault());
    QCOMPARE(psb->toByteArray(), QByteArray(32, '\0'));
    QCOMPARE(psb->getSetting(0)->getValue(), 1u);
}

// The SCB record carries a two-byte length, high byte first. Each image is parsed in its form
// and written in both: the unit gets each module cut to the length it reported, the store
// (ending in 00) keeps whole payloads.
void TestModules::scbImage_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QByteArray>("store");

    const QByteArray scb = hex("0255010190") + nonZeroBytes(400);
    const QByteArray sca = hex("57013f" "3f0102") + QByteArray(60, '\0');
    const QByteArray cut = hex("0155010102") + nonZeroBytes(258);
    const int unit = Konfiguracja::FromDevice;
    QTest::newRow("SCB then SCA, from the unit") << unit << scb + hex("570103" "3f0102")
            << scb + hex("570103" "3f0102") << scb + sca + hex("00");
    QTest::newRow("SCB then SCA, from the store") << int(Konfiguracja::FromDatabase)
            << scb + hex("570103" "3f0102" "00") << scb + sca << scb + sca + hex("00");
    QTest::newRow("SCB of 258 bytes, from the unit") << unit << cut << cut
            << hex("0155010190") + nonZeroBytes(258) + QByteArray(142, '\0') + hex("00");
}

void TestModules::scbImage()
{
    QFETCH(int, source);
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, unit);
    QFETCH(QByteArray, store);

    resetDataLengths();
    Konfiguracja config;
    QVERIFY(config.parse(image, Konfiguracja::ConfigSource(source)));
    QCOMPARE(config.toByteArray(Konfiguracja::FromDevice).toHex(), unit.toHex());
    QCOMPARE(config.toByteArray(Konfiguracja::FromDatabase).toHex(), store.toHex());
}

QTEST_GUILESS_MAIN(TestModules)
#include "tst_modules.moc"
